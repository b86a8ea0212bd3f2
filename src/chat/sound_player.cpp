#include "chat/sound_player.h"

#include <QApplication>
#include <QAudioDevice>
#include <QFile>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace quorvelle::chat {

namespace {

// A sound event is a short sound; a bigger file is not one worth loading whole.
constexpr qint64 MaxWaveBytes = 16 * 1024 * 1024;

Q_LOGGING_CATEGORY(lcSound, "quorvelle.sound")

} // namespace

SoundPlayer::SoundPlayer(std::function<presence::Status()> status,
                         std::function<bool()> windowVisible, QString baseDirectory,
                         QObject* parent)
    : QObject(parent), m_status(std::move(status)), m_windowVisible(std::move(windowVisible)),
      m_base(std::move(baseDirectory))
{}

void SoundPlayer::playSoundEvent(int event)
{
    play(DecideSound(event, m_settings, m_status(), m_windowVisible(), m_base));
}

bool SoundPlayer::IsWaveFile(const QString& file)
{
    QFile f(file);
    if (f.size() < 44 || f.size() > MaxWaveBytes || !f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = f.read(12);
    return head.size() == 12 && head.startsWith("RIFF") && head.mid(8, 4) == "WAVE";
}

void SoundPlayer::play(const SoundDecision& decision)
{
    switch (decision.kind) {
    case SoundDecision::Nothing:
        break;
    case SoundDecision::Beep:
        QApplication::beep();
        break;
    case SoundDecision::PlayFile:
        if (!IsWaveFile(decision.file)) {
            emit sounded(SoundDecision::Nothing, decision.file);
            return;
        }
        if (!audioOutputReady())
            break;
        if (!m_effect)
            m_effect = new QSoundEffect(this);
        // A new sound cuts the one still playing, as one wave channel would.
        m_effect->stop();
        m_effect->setSource(QUrl::fromLocalFile(decision.file));
        m_effect->play();
        break;
    }
    emit sounded(decision.kind, decision.file);
}

bool SoundPlayer::audioOutputReady()
{
    if (!m_devices) {
        m_devices = new QMediaDevices(this);
        connect(m_devices, &QMediaDevices::audioOutputsChanged, this,
                [this] { audioOutputReady(); });
    }
    // Without a device the audio system warns at every sound; say it once, and
    // once again only after a device came and went.
    const bool ready = !QMediaDevices::defaultAudioOutput().isNull();
    if (!ready && !m_saidNoOutput)
        qCInfo(lcSound, "no audio output device: sounds stay silent until one appears");
    m_saidNoOutput = !ready;
    return ready;
}

} // namespace quorvelle::chat
