#include "chat/sound_events.h"

#include "settings/settings.h"

#include <QDir>
#include <algorithm>

namespace quorvelle::chat {

namespace {

using L = QLatin1StringView;
namespace key = settings::key;

const std::array<SoundEventInfo, SoundEventCount> table{{
    {L(QT_TRANSLATE_NOOP("SoundEvents", "Join Network")), L("JoinNet.wav"), false},
    {L(QT_TRANSLATE_NOOP("SoundEvents", "Leave Network")), L("LeavNet.wav"), false},
    {L(QT_TRANSLATE_NOOP("SoundEvents", "Join Chanel")), L("JoinChan.wav"), false},
    {L(QT_TRANSLATE_NOOP("SoundEvents", "Leave Chanel")), L("LeavChan.wav"), false},
    {L(QT_TRANSLATE_NOOP("SoundEvents", "Join Private Chat")), L("JoinPriv.wav"), false},
    {L(QT_TRANSLATE_NOOP("SoundEvents", "Leave Private Chat")), L("LeavPriv.wav"), false},
    {L(QT_TRANSLATE_NOOP("SoundEvents", "Change NickName")), L("ChanNick.wav"), false},
    {L(QT_TRANSLATE_NOOP("SoundEvents", "Change User Status")), L("ChanStat.wav"), false},
    {L(QT_TRANSLATE_NOOP("SoundEvents", "Change Subject")), L("ChanSubj.wav"), false},
    {L(QT_TRANSLATE_NOOP("SoundEvents", "Receive Message")), L("RecvMess.wav"), true},
    {L(QT_TRANSLATE_NOOP("SoundEvents", "Receive Mass Message")), L("RecvMass.wav"), true},
    {L(QT_TRANSLATE_NOOP("SoundEvents", "Receive Confirmation")), L("RecvConf.wav"), false},
    {L(QT_TRANSLATE_NOOP("SoundEvents", "Receive Beep")), L("RecvBeep.wav"), true},
    {L(QT_TRANSLATE_NOOP("SoundEvents", "Receive Chat Line")), L("RecvLine.wav"), false},
}};

// A name typed or stored by hand may carry a stray line break or worse; no file
// is called that.
bool NamesNoFile(const QString& name)
{
    return std::any_of(name.cbegin(), name.cend(), [](QChar c) { return c.unicode() < 0x20; });
}

} // namespace

std::span<const SoundEventInfo> SoundEventTable()
{
    return table;
}

void SoundSettings::load(const settings::Settings& s)
{
    MasterSound = s.flag(key::MasterSound);
    SoundVisible = s.flag(key::SoundVisible);
    InDND = s.flag(key::InDND);
    InAway = s.flag(key::InAway);
    for (int n = 0; n < SoundEventCount; ++n) {
        SoundEventSetting& e = events[size_t(n)];
        e.waveFile = s.text(key::Event.at(n));
        if (NamesNoFile(e.waveFile))
            e.waveFile = s.schema().find(key::Event.at(n))->fallback.value_or(QString());
        e.speaker = s.flag(key::Speacker.at(n));
        e.disabled = s.flag(key::Disabled.at(n));
    }
}

void SoundSettings::save(settings::Settings& s) const
{
    s.setFlag(key::MasterSound, MasterSound);
    s.setFlag(key::SoundVisible, SoundVisible);
    s.setFlag(key::InDND, InDND);
    s.setFlag(key::InAway, InAway);
    for (int n = 0; n < SoundEventCount; ++n) {
        const SoundEventSetting& e = events[size_t(n)];
        s.setText(key::Event.at(n), e.waveFile);
        s.setFlag(key::Speacker.at(n), e.speaker);
        s.setFlag(key::Disabled.at(n), e.disabled);
    }
}

SoundDecision SoundOfEvent(const SoundEventSetting& event, const QString& baseDirectory)
{
    if (event.disabled)
        return {};
    if (event.speaker)
        return {SoundDecision::Beep, {}};
    QString name = event.waveFile;
    if (name.trimmed().isEmpty() || NamesNoFile(name))
        return {};
#ifndef Q_OS_WIN
    // Settings brought from Windows spell paths with backslashes.
    name.replace(u'\\', u'/');
#endif
    return {SoundDecision::PlayFile, QDir::cleanPath(QDir(baseDirectory).absoluteFilePath(name))};
}

SoundDecision DecideSound(int event, const SoundSettings& settings, presence::Status status,
                          bool windowVisible, const QString& baseDirectory)
{
    using presence::Status;
    if (event < 0 || event >= SoundEventCount)
        return {};
    const SoundEventSetting& e = settings.events[size_t(event)];
    if (e.disabled)
        return {};
    if (!windowVisible && settings.SoundVisible && !table[size_t(event)].evenWhenHidden)
        return {};
    if (!settings.MasterSound || status == Status::Offline)
        return {};
    if ((status == Status::DND && !settings.InDND) || (status == Status::Away && !settings.InAway))
        return {};
    return SoundOfEvent(e, baseDirectory);
}

} // namespace quorvelle::chat
