#include "settings/session_state.h"

#include "settings/settings.h"

namespace quorvelle::settings {

namespace {

// One list of the switch fields and their keys serves loading and saving.
template <typename State, typename Visit> void forEachSwitch(State& s, Visit visit)
{
    auto& m = s.messages;
    visit(key::JLNet, m.JLNet);
    visit(key::JLChan, m.JLChan);
    visit(key::JLChat, m.JLChat);
    visit(key::ChanNick, m.ChanNick);
    visit(key::ChanStat, m.ChanStat);
    visit(key::ChanSubj, m.ChanSubj);
    visit(key::RecvMess, m.RecvMess);
    visit(key::RecvBeep, m.RecvBeep);
    visit(key::MessConf, m.MessConf);
    visit(key::BeepConf, m.BeepConf);
    visit(key::SysErrors, m.SysErrors);
    visit(key::TimeSystem, s.SystemStrings);
    visit(key::TimeUsers, s.UsersStrings);
    visit(key::TimeWSeconds, s.ShowSeconds);
    visit(key::HintTray, s.HintTray);
    visit(key::UpdateNicks, s.Updatehistory1);
    visit(key::SysInfo, s.SysInfo);
    visit(key::MemInfo, s.MemInfo);
    visit(key::ProgInfo, s.ProgInfo);
}

} // namespace

QString SessionState::InfoLetters() const
{
    QString letters;
    if (SysInfo)
        letters += u'S';
    if (MemInfo)
        letters += u'M';
    if (ProgInfo)
        letters += u'P';
    return letters;
}

void SessionState::load(const Settings& settings)
{
    forEachSwitch(*this, [&](const Key& k, bool& value) { value = settings.flag(k); });
    MyNick = settings.text(key::NickName);
    const QString status = settings.text(key::UsStatus);
    MyStatus = (!status.isEmpty() && status[0] >= u'0' && status[0] <= u'3') ? status[0] : u'0';
    SubjectAuthor = settings.text(key::SubjBy, MyNick);
    SubjectTime = settings.text(key::SubjDateTime);
    SubjectText = settings.text(key::Subject);
    nickHistory.clear();
    for (int i = 1; i <= NickHistorySize; ++i)
        nickHistory.append(settings.text(key::Nick.at(i)));
}

void SessionState::save(Settings& settings) const
{
    forEachSwitch(*this, [&](const Key& k, const bool& value) { settings.setFlag(k, value); });
    settings.setText(key::NickName, MyNick);
    settings.setText(key::UsStatus, QString(MyStatus));
    settings.setText(key::SubjBy, SubjectAuthor);
    settings.setText(key::SubjDateTime, SubjectTime);
    settings.setText(key::Subject, SubjectText);
    for (int i = 1; i <= NickHistorySize; ++i)
        settings.setText(key::Nick.at(i), nickHistory.value(i - 1));
}

} // namespace quorvelle::settings
