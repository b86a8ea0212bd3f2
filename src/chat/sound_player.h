#pragma once

// Plays the sound events: the session's sound sink. It decides with the settings,
// the own status and whether the main window shows, then beeps or plays a wave file
// without waiting for it. A missing file, a file that is not a wave file, or a
// machine without an audio device gives silence, never an error or a wait.

#include "chat/sound_events.h"
#include "net/sinks.h"

#include <QObject>
#include <functional>

class QMediaDevices;
class QSoundEffect;

namespace quorvelle::chat {

class SoundPlayer : public QObject, public net::SoundSink
{
    Q_OBJECT

public:
    // baseDirectory: where relative wave file names start.
    SoundPlayer(std::function<presence::Status()> status, std::function<bool()> windowVisible,
                QString baseDirectory, QObject* parent = nullptr);

    SoundSettings& settings() { return m_settings; }
    const SoundSettings& settings() const { return m_settings; }
    const QString& baseDirectory() const { return m_base; }

    void load(const settings::Settings& settings) { m_settings.load(settings); }
    void save(settings::Settings& settings) const { m_settings.save(settings); }

    // SoundSink
    void playSoundEvent(int event) override;
    // Carries a decision out; the Sound Events window's Test comes here directly.
    void play(const SoundDecision& decision);

    // RIFF/WAVE of a sensible size: anything else is not handed to the audio system.
    static bool IsWaveFile(const QString& file);

signals:
    // What was done, for tests: the decision's kind and file (a refused file gives
    // Nothing).
    void sounded(int kind, const QString& file);

private:
    // Whether a sound can be heard; without a device says so once.
    bool audioOutputReady();

    std::function<presence::Status()> m_status;
    std::function<bool()> m_windowVisible;
    QString m_base;
    SoundSettings m_settings;
    // Made on the first wave file, so a session that never plays one never opens
    // the audio system.
    QSoundEffect* m_effect = nullptr;
    QMediaDevices* m_devices = nullptr;
    bool m_saidNoOutput = false;
};

} // namespace quorvelle::chat
