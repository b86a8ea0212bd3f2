#include "settings/settings_schema.h"

#include "chat/sound_events.h"
#include "settings/app_paths.h"
#include "settings/codepage.h"
#include "settings/colours.h"
#include "settings/program_info.h"
#include "settings/switches.h"

#include <array>

namespace quorvelle::settings {

namespace {

using namespace Qt::Literals::StringLiterals;

// Colour codes and smiles in the default macros; the Russian words are a
// greeting, a farewell, "hello everybody", "to the chat", "ok", "I am here",
// "are you here" and "hey".
const std::array<QString, MacroCount> defaultMacros{
    u"_|П|_^|р|^&|и|&%|в|%$|е|$#|т|# :!:"_s,
    u"_П_^о^&к&$а$#.#"_s,
    u"Привет Всем!"_s,
    u"#В чат!#"_s,
    u"^Ок!^"_s,
    u"Я тут!"_s,
    u"Ты тут?"_s,
    u"#|Эй|# :?:"_s,
    u":E"_s,
    u":\\"_s,
    u";)"_s,
    u":("_s,
};

class Builder
{
public:
    explicit Builder(QList<SettingDef>& defs) : m_defs(defs) {}

    void flag(Key k, bool value) { add(k, ValueType::Boolean, value ? u"1"_s : u"0"_s); }
    void number(Key k, int value) { add(k, ValueType::Integer, QString::number(value)); }
    void text(Key k, const QString& value) { add(k, ValueType::Text, value); }
    void computed(Key k, ValueType type) { m_defs.append(SettingDef{k, type, std::nullopt}); }

private:
    void add(Key k, ValueType type, QString value)
    {
        m_defs.append(SettingDef{k, type, std::move(value)});
    }
    QList<SettingDef>& m_defs;
};

} // namespace

QString SubjectTimeText(const QDateTime& when)
{
    return u'[' + when.toString(u"dd.MM.yyyy - HH:mm:ss"_s) + u']';
}

SchemaContext SchemaContext::current()
{
    return SchemaContext{
        GetComputerNameText(), WindowCaption(),           QDateTime::currentDateTime(),
        DataDirectory(),       QStringLiteral("Sounds/"), DefaultCodepage(),
    };
}

SettingsSchema::SettingsSchema(const SchemaContext& c)
{
    Builder b(m_defs);
    using namespace key;

    b.text(NickName, c.computerName);
    b.text(UsStatus, u"0"_s);
    b.number(UDPPort, 8166);
    b.text(Codepage, QString::fromLatin1(c.codepage));
    b.flag(BroadcastEveryInterface, true);
    b.computed(SubjBy, ValueType::Text); // the own nick
    b.text(SubjDateTime, SubjectTimeText(c.startTime));
    b.text(Subject, c.versionCaption);
    b.text(LogsDir, c.dataDirectory + u"Logs/"_s);
    b.text(FilesDir, c.dataDirectory + u"In/"_s);
    b.number(UpdateOnTime, 0);
    b.number(StyleCodes, 3);
    b.text(HotKey, u"Ctrl+Alt+S"_s);
    b.number(TabsStyle, 0);
    b.number(ActiveChanel, 0);

    for (const SwitchDef& def : SwitchTable())
        b.flag(def.key, def.fallback);

    b.number(EditBoxHeight, 22);
    b.number(SubjectHeight, 46);
    b.number(UsersNickWidth, 120);
    b.number(ChatHeight, 366);
    b.number(ChatWidth, 536);
    b.number(MessHeight, 246);
    b.number(MessWidth, 320);
    b.computed(ChatLeft, ValueType::Integer); // centred on the screen
    b.computed(ChatTop, ValueType::Integer);

    b.flag(ViewSubject, true);
    b.flag(ViewSubjectMin, false);
    b.flag(ViewNickName, true);
    b.flag(ViewNickNameMin, false);
    b.flag(ViewUsersList, true);
    b.flag(ViewUsersListMin, false);
    b.flag(ViewLeftPlacement, false);

    b.number(FontCharset, 204);
    b.text(FontName, u"Arial"_s);
    b.number(FontSize, 9);
    b.number(FontStyle, 1);

    for (int i = 1; i <= NickHistorySize; ++i)
        b.text(Nick.at(i), QString());
    for (int i = 1; i <= MacroCount; ++i)
        b.text(Macro.at(i), defaultMacros[i - 1]);

    for (const ColourDef& def : ColourTable())
        b.number(def.key, def.fallback);

    b.flag(MasterSound, true);
    b.flag(SoundVisible, false);
    b.flag(InDND, false);
    b.flag(InAway, true);
    for (int n = 0; n < SoundEventCount; ++n) {
        b.text(Event.at(n), c.soundsDirectory + chat::SoundEventTable()[size_t(n)].waveFile);
        b.flag(Speacker.at(n), false);
        b.flag(Disabled.at(n), false);
    }
}

const SettingDef* SettingsSchema::find(const Key& k) const
{
    for (const SettingDef& def : m_defs)
        if (def.key.section == k.section && def.key.name == k.name && def.key.index == k.index)
            return &def;
    return nullptr;
}

} // namespace quorvelle::settings
