#pragma once

// Every value of the settings tree, declared once with its section, name, type
// and default. Callers name values by the keys below and read them through
// Settings (settings.h), which supplies the defaults.

#include <QDateTime>
#include <QLatin1StringView>
#include <QList>
#include <QString>
#include <optional>

namespace quorvelle::settings {

enum class ValueType
{
    Boolean,
    Integer,
    Text
};

// A value of the tree. A numbered family (Nick1..Nick10) is one key whose index
// is appended to the name.
struct Key
{
    QLatin1StringView section;
    QLatin1StringView name;
    int index = -1;

    constexpr Key at(int i) const { return Key{section, name, i}; }
    QString sectionName() const { return QString(section); }
    QString valueName() const
    {
        return index < 0 ? QString(name) : QString(name) + QString::number(index);
    }
};

// The defaults that depend on the machine and the moment of start.
struct SchemaContext
{
    QString computerName;
    QString versionCaption; // "Quorvelle v." + version
    QDateTime startTime;
    QString dataDirectory; // ends with "/"
    // Where the default wave files are named, ending with "/"; relative, so the
    // stored defaults do not name one build or install: a relative name is found
    // in the program's folder, else in the installed data folder.
    QString soundsDirectory;
    QByteArray codepage;

    // The context of this running program.
    static SchemaContext current();
};

struct SettingDef
{
    Key key;
    ValueType type;
    // The default as stored text; nullopt where the caller computes it
    // (the subject author follows the nick; the window position is centred).
    std::optional<QString> fallback;
};

// "[dd.mm.yyyy - hh:mm:ss]": the subject's time text.
QString SubjectTimeText(const QDateTime& when);

inline constexpr int NickHistorySize = 10;
inline constexpr int MacroCount = 12;
inline constexpr int SoundEventCount = 14;
inline constexpr int LineColourCount = 12;
inline constexpr int MessageColourCount = 3;

class SettingsSchema
{
public:
    explicit SettingsSchema(const SchemaContext& context);

    const QList<SettingDef>& all() const { return m_defs; }
    // The definition of a key; nullptr for a key outside the schema.
    const SettingDef* find(const Key& key) const;

private:
    QList<SettingDef> m_defs;
};

namespace section {
inline constexpr QLatin1StringView Settings{"Settings"};
inline constexpr QLatin1StringView SystemMessages{"SystemMessages"};
inline constexpr QLatin1StringView Sizes{"Sizes"};
inline constexpr QLatin1StringView View{"View"};
inline constexpr QLatin1StringView Font{"Font"};
inline constexpr QLatin1StringView NickList{"NickList"};
inline constexpr QLatin1StringView MacroList{"MacroList"};
inline constexpr QLatin1StringView RequestInfo{"RequestInfo"};
inline constexpr QLatin1StringView AddrList{"AddrList"};
inline constexpr QLatin1StringView ChannelsList{"ChannelsList"};
inline constexpr QLatin1StringView Colors{"Colors"};
inline constexpr QLatin1StringView SoundEvents{"SoundEvents"};
} // namespace section

namespace key {
#define QUORVELLE_KEY(sec, id)                                                                     \
    inline constexpr Key id                                                                        \
    {                                                                                              \
        section::sec, QLatin1StringView                                                            \
        {                                                                                          \
#id                                                                                    \
        }                                                                                          \
    }
// Settings
QUORVELLE_KEY(Settings, NickName);
QUORVELLE_KEY(Settings, UsStatus);
QUORVELLE_KEY(Settings, UDPPort);
QUORVELLE_KEY(Settings, Codepage);
QUORVELLE_KEY(Settings, BroadcastEveryInterface);
QUORVELLE_KEY(Settings, SubjBy);
QUORVELLE_KEY(Settings, SubjDateTime);
QUORVELLE_KEY(Settings, Subject);
QUORVELLE_KEY(Settings, TimeUsers);
QUORVELLE_KEY(Settings, TimeSystem);
QUORVELLE_KEY(Settings, TimeWSeconds);
QUORVELLE_KEY(Settings, LogsDir);
QUORVELLE_KEY(Settings, FilesDir);
QUORVELLE_KEY(Settings, UpdateNicks);
QUORVELLE_KEY(Settings, SaveState);
QUORVELLE_KEY(Settings, SaveSize);
QUORVELLE_KEY(Settings, SavePos);
QUORVELLE_KEY(Settings, FlashTray);
QUORVELLE_KEY(Settings, PopupNewLine);
QUORVELLE_KEY(Settings, LogMain);
QUORVELLE_KEY(Settings, LogOther);
QUORVELLE_KEY(Settings, LogPriv);
QUORVELLE_KEY(Settings, LogMess);
QUORVELLE_KEY(Settings, HintTray);
QUORVELLE_KEY(Settings, UpdateOnTime);
QUORVELLE_KEY(Settings, UpdateOnPopup);
QUORVELLE_KEY(Settings, StyleCodes);
QUORVELLE_KEY(Settings, ShowSmiles);
QUORVELLE_KEY(Settings, ShowHistory);
QUORVELLE_KEY(Settings, HotKey);
QUORVELLE_KEY(Settings, TabsStyle);
QUORVELLE_KEY(Settings, ActiveChanel);
// SystemMessages
QUORVELLE_KEY(SystemMessages, JLNet);
QUORVELLE_KEY(SystemMessages, JLChan);
QUORVELLE_KEY(SystemMessages, JLChat);
QUORVELLE_KEY(SystemMessages, ChanNick);
QUORVELLE_KEY(SystemMessages, ChanStat);
QUORVELLE_KEY(SystemMessages, ChanSubj);
QUORVELLE_KEY(SystemMessages, RecvMess);
QUORVELLE_KEY(SystemMessages, RecvBeep);
QUORVELLE_KEY(SystemMessages, MessConf);
QUORVELLE_KEY(SystemMessages, BeepConf);
QUORVELLE_KEY(SystemMessages, SysErrors);
// Sizes
QUORVELLE_KEY(Sizes, EditBoxHeight);
QUORVELLE_KEY(Sizes, SubjectHeight);
QUORVELLE_KEY(Sizes, UsersNickWidth);
QUORVELLE_KEY(Sizes, ChatHeight);
QUORVELLE_KEY(Sizes, ChatWidth);
QUORVELLE_KEY(Sizes, MessHeight);
QUORVELLE_KEY(Sizes, MessWidth);
QUORVELLE_KEY(Sizes, ChatLeft);
QUORVELLE_KEY(Sizes, ChatTop);
// RequestInfo
QUORVELLE_KEY(RequestInfo, SysInfo);
QUORVELLE_KEY(RequestInfo, MemInfo);
QUORVELLE_KEY(RequestInfo, ProgInfo);
// Colors
QUORVELLE_KEY(Colors, ChatBrush);
QUORVELLE_KEY(Colors, UsersListBrush);
QUORVELLE_KEY(Colors, UsersListFont);
QUORVELLE_KEY(Colors, SubjectBrush);
QUORVELLE_KEY(Colors, SubjectFont);
QUORVELLE_KEY(Colors, EditBoxBrush);
QUORVELLE_KEY(Colors, EditBoxFont);
QUORVELLE_KEY(Colors, NickNameBrush);
QUORVELLE_KEY(Colors, NickNameFont);
QUORVELLE_KEY(Colors, MessageBrush);
QUORVELLE_KEY(Colors, MessStrFont); // .at(1..3)
QUORVELLE_KEY(Colors, SysStrFont);  // .at(1..12)
// SoundEvents
QUORVELLE_KEY(SoundEvents, MasterSound);
QUORVELLE_KEY(SoundEvents, SoundVisible);
QUORVELLE_KEY(SoundEvents, InDND);
QUORVELLE_KEY(SoundEvents, InAway);
QUORVELLE_KEY(SoundEvents, Event);    // .at(0..13)
QUORVELLE_KEY(SoundEvents, Speacker); // .at(0..13)
QUORVELLE_KEY(SoundEvents, Disabled); // .at(0..13)
// Lists of numbered texts
QUORVELLE_KEY(NickList, Nick);   // .at(1..10)
QUORVELLE_KEY(MacroList, Macro); // .at(1..12)
#undef QUORVELLE_KEY

// Section View and section Font share value names with Settings, so they are
// spelled out.
inline constexpr Key ViewSubject{section::View, QLatin1StringView{"Subject"}};
inline constexpr Key ViewSubjectMin{section::View, QLatin1StringView{"SubjectMin"}};
inline constexpr Key ViewNickName{section::View, QLatin1StringView{"NickName"}};
inline constexpr Key ViewNickNameMin{section::View, QLatin1StringView{"NickNameMin"}};
inline constexpr Key ViewUsersList{section::View, QLatin1StringView{"UsersList"}};
inline constexpr Key ViewUsersListMin{section::View, QLatin1StringView{"UsersListMin"}};
inline constexpr Key ViewLeftPlacement{section::View, QLatin1StringView{"LeftPlacement"}};
inline constexpr Key FontCharset{section::Font, QLatin1StringView{"Charset"}};
inline constexpr Key FontName{section::Font, QLatin1StringView{"Name"}};
inline constexpr Key FontSize{section::Font, QLatin1StringView{"Size"}};
inline constexpr Key FontStyle{section::Font, QLatin1StringView{"Style"}};
} // namespace key

} // namespace quorvelle::settings
