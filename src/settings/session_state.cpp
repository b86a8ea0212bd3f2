#include "settings/session_state.h"

#include "settings/settings.h"

namespace quorvelle::settings {

QString SessionState::InfoLetters() const
{
    QString letters;
    if (switches.SysInfo)
        letters += u'S';
    if (switches.MemInfo)
        letters += u'M';
    if (switches.ProgInfo)
        letters += u'P';
    return letters;
}

void SessionState::load(const Settings& settings)
{
    for (const SwitchDef& def : SwitchTable())
        switches.*def.field = settings.flag(def.key);
    MyNick = settings.text(key::NickName);
    // Only the first character counts; anything but a status digit is Normal.
    MyStatus = presence::StatusFromText(settings.text(key::UsStatus).left(1))
                   .value_or(presence::Status::Normal);
    SubjectAuthor = settings.text(key::SubjBy, MyNick);
    SubjectTime = settings.text(key::SubjDateTime);
    SubjectText = settings.text(key::Subject);
    nickHistory.clear();
    for (int i = 1; i <= NickHistorySize; ++i)
        nickHistory.append(settings.text(key::Nick.at(i)));
}

void SessionState::save(Settings& settings) const
{
    for (const SwitchDef& def : SwitchTable())
        settings.setFlag(def.key, switches.*def.field);
    settings.setText(key::NickName, MyNick);
    settings.setText(key::UsStatus, QString(presence::StatusChar(MyStatus)));
    settings.setText(key::SubjBy, SubjectAuthor);
    settings.setText(key::SubjDateTime, SubjectTime);
    settings.setText(key::Subject, SubjectText);
    for (int i = 1; i <= NickHistorySize; ++i)
        settings.setText(key::Nick.at(i), nickHistory.value(i - 1));
}

} // namespace quorvelle::settings
