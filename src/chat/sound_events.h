#pragma once

// The fourteen sound events (net::SoundEvent numbers them), their settings, and
// the decision of what an event sounds like now: a wave file, the PC speaker's
// beep, or nothing. The decision is pure; the GUI's player carries it out.

#include "presence/status.h"
#include "settings/settings_schema.h"

#include <QLatin1StringView>
#include <QString>
#include <array>
#include <span>

namespace quorvelle::settings {
class Settings;
}

namespace quorvelle::chat {

using settings::SoundEventCount;

struct SoundEventInfo
{
    QLatin1StringView name;     // in the Sound Events window's list (context "SoundEvents")
    QLatin1StringView waveFile; // the default, in the sounds directory
    // Messages and beeps sound even while the main window is hidden.
    bool evenWhenHidden;
};

// Indexed by event number.
std::span<const SoundEventInfo> SoundEventTable();

struct SoundEventSetting
{
    QString waveFile;
    bool speaker = false;
    bool disabled = false; // wins over the speaker

    bool operator==(const SoundEventSetting&) const = default;
};

struct SoundSettings
{
    bool MasterSound = true;
    bool SoundVisible = false; // silent while the main window is hidden
    bool InDND = false;
    bool InAway = true;
    std::array<SoundEventSetting, SoundEventCount> events;

    // At start; a missing value gives its default, a wave file name that names no
    // file at all (control characters) the default file.
    void load(const settings::Settings& settings);
    // At exit.
    void save(settings::Settings& settings) const;

    bool operator==(const SoundSettings&) const = default;
};

struct SoundDecision
{
    enum Kind
    {
        Nothing,
        Beep,
        PlayFile,
    };
    Kind kind = Nothing;
    QString file; // for PlayFile, absolute

    bool operator==(const SoundDecision&) const = default;
};

// What the Test button does: the event's own choice, whatever the switches.
// A relative file name is taken from baseDirectory.
SoundDecision SoundOfEvent(const SoundEventSetting& event, const QString& baseDirectory);

// What event n sounds like now, after the disabled flag, the hidden-window rule,
// the master switch, Offline, and the DND and Away switches. An event number out of
// range sounds like nothing.
SoundDecision DecideSound(int event, const SoundSettings& settings, presence::Status status,
                          bool windowVisible, const QString& baseDirectory);

} // namespace quorvelle::chat
