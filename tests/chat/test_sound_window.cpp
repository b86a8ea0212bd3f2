#include "chat/chat_session.h"
#include "chat/sound_player.h"
#include "chat/sound_window.h"
#include "shell/main_menu.h"
#include "shell/main_window_fixture.h"
#include "shell/secondary_window.h"

#include <QAction>
#include <QApplication>
#include <QAudioDevice>
#include <QCheckBox>
#include <QComboBox>
#include <QDataStream>
#include <QLabel>
#include <QLineEdit>
#include <QMediaDevices>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace quorvelle;
using namespace quorvelle::chat;
using namespace Qt::Literals::StringLiterals;

namespace {

// A valid 16-bit mono PCM wave of 100 silent samples.
QByteArray TinyWave()
{
    QByteArray w;
    QDataStream out(&w, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(236);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(16000) << quint16(2)
        << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(200);
    return w + QByteArray(200, '\0');
}

} // namespace

class TestSoundWindow : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_status = presence::Status::Normal;
        m_visible = true;
        m_player = std::make_unique<SoundPlayer>([this] { return m_status; },
                                                 [this] { return m_visible; }, m_dir.path() + u'/');
        // Every event silent unless a test gives it a file.
        for (SoundEventSetting& e : m_player->settings().events)
            e.waveFile = u"missing.wav"_s;
    }

    void cleanup()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<TSoundFm*>(w))
                delete w;
        m_player.reset();
    }

    void onlyWaveFilesReachTheAudio_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<int>("kind");
        const int file = SoundDecision::PlayFile, none = SoundDecision::Nothing;
        QTest::newRow("wave") << TinyWave() << true << file;
        QTest::newRow("missing") << QByteArray() << false << none;
        QTest::newRow("text named .wav") << QByteArray(100, 'x') << true << none;
        QTest::newRow("RIFF but not WAVE")
            << QByteArray("RIFF\x10\0\0\0AVI ", 12).append(100, '\0') << true << none;
        QTest::newRow("truncated header") << TinyWave().left(20) << true << none;
    }

    void onlyWaveFilesReachTheAudio()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, exists);
        QFETCH(int, kind);
        const QString name =
            u"%1.wav"_s.arg(QString::fromLatin1(QTest::currentDataTag())).replace(u' ', u'_');
        if (exists) {
            QFile f(m_dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        m_player->settings().events[0].waveFile = name;
        QSignalSpy sounded(m_player.get(), &SoundPlayer::sounded);
        m_player->playSoundEvent(0);
        QCOMPARE(sounded.size(), 1);
        QCOMPARE(sounded[0][0].toInt(), kind);
        QCOMPARE(sounded[0][1].toString(), m_dir.filePath(name));
    }

    // Without an audio device a busy chat says so once, not once per sound.
    void noAudioDeviceIsSaidOnce()
    {
        if (!QMediaDevices::defaultAudioOutput().isNull())
            QSKIP("this machine has an audio device");
        QFile f(m_dir.filePath(u"tone.wav"_s));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(TinyWave());
        f.close();
        m_player->settings().events[0].waveFile = u"tone.wav"_s;
        static int said = 0;
        said = 0;
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
                if (text.contains(u"audio"_s, Qt::CaseInsensitive))
                    ++said;
            });
        for (int i = 0; i < 5; ++i)
            m_player->playSoundEvent(0);
        qInstallMessageHandler(previous);
        QCOMPARE(said, 1);
    }

    void eventsFollowTheSwitches()
    {
        QSignalSpy sounded(m_player.get(), &SoundPlayer::sounded);
        m_player->settings().events[13].speaker = true;
        m_player->settings().events[9].speaker = true;
        m_player->settings().SoundVisible = true;
        m_visible = false;
        m_player->playSoundEvent(13); // a chat line, hidden: silent
        m_player->playSoundEvent(9);  // a message sounds anyway
        m_status = presence::Status::Offline;
        m_player->playSoundEvent(9);
        // Nonsense numbers are silent.
        for (int n : {-1, 14, 1000000})
            m_player->playSoundEvent(n);
        QList<int> kinds;
        for (const auto& args : std::as_const(sounded))
            kinds << args[0].toInt();
        QCOMPARE(kinds, (QList<int>{SoundDecision::Nothing, SoundDecision::Beep,
                                    SoundDecision::Nothing, SoundDecision::Nothing,
                                    SoundDecision::Nothing, SoundDecision::Nothing}));
    }

    void cancelKeepsTheSettings()
    {
        const SoundSettings before = m_player->settings();
        TSoundFm* w = openWindow();
        w->EventsChange(3);
        QTest::mouseClick(w->Disabled, Qt::LeftButton);
        w->EventsChange(0);
        w->WaveFile->setText(u"other.wav"_s);
        w->MasterSound->setChecked(false);
        QVERIFY(w->copy().events[3].disabled);
        QCOMPARE(w->copy().events[0].waveFile, u"other.wav"_s);
        QTest::mouseClick(w->CancelBtn, Qt::LeftButton);
        QCOMPARE(m_player->settings(), before);

        // Esc too.
        w = openWindow();
        w->WaveFile->setText(u"third.wav"_s);
        QTest::keyClick(w, Qt::Key_Escape);
        QCOMPARE(m_player->settings(), before);
    }

    void okPutsTheCopyInForce()
    {
        TSoundFm* w = openWindow();
        QCOMPARE(w->Events->count(), SoundEventCount);
        w->EventsChange(5);
        QTest::mouseClick(w->Speacker, Qt::LeftButton);
        w->EventsChange(7);
        w->WaveFile->setText(u"seven.wav"_s);
        // Going back shows what was chosen for the event.
        w->EventsChange(5);
        QVERIFY(w->Speacker->isChecked());
        QVERIFY(!w->WaveFile->isEnabled());
        w->EventsChange(7);
        QVERIFY(w->Wave->isChecked());
        QCOMPARE(w->WaveFile->text(), u"seven.wav"_s);
        w->InDnd->setChecked(true);
        w->InAway->setChecked(false);
        QTest::mouseClick(w->OkBtn, Qt::LeftButton);

        const SoundSettings& s = m_player->settings();
        QVERIFY(s.events[5].speaker);
        QVERIFY(!s.events[5].disabled);
        QCOMPARE(s.events[7].waveFile, u"seven.wav"_s);
        QVERIFY(s.InDND);
        QVERIFY(!s.InAway);
        QVERIFY(s.MasterSound);
    }

    void masterSwitchEnables_data()
    {
        QTest::addColumn<bool>("master");
        QTest::addColumn<QString>("choice"); // the radio button of event 0
        QTest::addColumn<bool>("fileEnabled");
        QTest::newRow("on, wave") << true << u"Wave"_s << true;
        QTest::newRow("on, speaker") << true << u"Speacker"_s << false;
        QTest::newRow("on, disabled") << true << u"Disabled"_s << false;
        QTest::newRow("off, wave") << false << u"Wave"_s << false;
    }

    void masterSwitchEnables()
    {
        QFETCH(bool, master);
        QFETCH(QString, choice);
        QFETCH(bool, fileEnabled);
        TSoundFm* w = openWindow();
        QTest::mouseClick(w->findChild<QRadioButton*>(choice), Qt::LeftButton);
        if (!master)
            QTest::mouseClick(w->MasterSound, Qt::LeftButton);
        for (QWidget* c : std::initializer_list<QWidget*>{w->SoundVisible, w->InDnd, w->InAway,
                                                          w->EventLabel, w->Events, w->Wave,
                                                          w->Speacker, w->Disabled, w->TestBtn})
            QCOMPARE(c->isEnabled(), master);
        QCOMPARE(w->WaveFile->isEnabled(), fileEnabled);
        QCOMPARE(w->BrowseBtn->isEnabled(), fileEnabled);
        QVERIFY(w->MasterSound->isEnabled());
        QVERIFY(w->OkBtn->isEnabled());
    }

    void enterOnSpeakerBeepsEveryEventInTheCopy()
    {
        TSoundFm* w = openWindow();
        w->EventsChange(2);
        QTest::keyClick(w->Speacker, Qt::Key_Return);
        QVERIFY(w->Speacker->isChecked());
        for (const SoundEventSetting& e : w->copy().events)
            QVERIFY(e.speaker);
        for (const SoundEventSetting& e : m_player->settings().events)
            QVERIFY(!e.speaker);
        QTest::mouseClick(w->OkBtn, Qt::LeftButton);
        for (const SoundEventSetting& e : m_player->settings().events)
            QVERIFY(e.speaker);
    }

    void testIgnoresTheSwitches()
    {
        m_status = presence::Status::Offline;
        m_player->settings().events[0].disabled = true;
        TSoundFm* w = openWindow();
        QSignalSpy sounded(m_player.get(), &SoundPlayer::sounded);
        QTest::mouseClick(w->Speacker, Qt::LeftButton);
        QTest::mouseClick(w->TestBtn, Qt::LeftButton);
        QTest::mouseClick(w->Wave, Qt::LeftButton);
        QTest::keyClick(w->WaveFile, Qt::Key_Return); // Enter tests too
        QTest::mouseClick(w->Disabled, Qt::LeftButton);
        QTest::mouseClick(w->TestBtn, Qt::LeftButton);
        QCOMPARE(sounded.size(), 3);
        QCOMPARE(sounded[0][0].toInt(), int(SoundDecision::Beep));
        // The file is missing: tried, silently not played.
        QCOMPARE(sounded[1][1].toString(), m_dir.filePath(u"missing.wav"_s));
        QCOMPARE(sounded[2][0].toInt(), int(SoundDecision::Nothing));
    }

    void menuOpensOneWindowAndSettingsSurviveARestart()
    {
        testing::MainWindowFixture fixture;
        QVERIFY(fixture.start(u"[SoundEvents]\nEvent4=\x01junk\nSpeacker99=1\n"_s));
        shell::TMainFm* main = fixture.window.get();
        QCOMPARE(main->session().sinks().sounds, static_cast<net::SoundSink*>(&main->sounds()));
        // A stored name that names no file gives the default, which is shipped.
        const QString fallback = main->sounds().settings().events[4].waveFile;
        QVERIFY2(fallback.endsWith(u"Sounds/JoinPriv.wav"_s), qPrintable(fallback));

        QVERIFY(main->menu().SoundEvents1->isEnabled());
        main->menu().SoundEvents1->trigger();
        main->menu().SoundEvents1->trigger();
        QList<TSoundFm*> open;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* s = qobject_cast<TSoundFm*>(w); s && s->isVisible())
                open << s;
        QCOMPARE(open.size(), 1);
        open[0]->EventsChange(11);
        open[0]->WaveFile->setText(u"Sounds\\Conf.wav"_s);
        QTest::mouseClick(open[0]->Disabled, Qt::LeftButton);
        open[0]->EventsChange(12);
        QTest::mouseClick(open[0]->Speacker, Qt::LeftButton);
        QTest::mouseClick(open[0]->SoundVisible, Qt::LeftButton);
        QTest::mouseClick(open[0]->OkBtn, Qt::LeftButton);
        const SoundSettings chosen = main->sounds().settings();
        QVERIFY(chosen.events[11].disabled);
        QVERIFY(chosen.SoundVisible);

        fixture.restart();
        QCOMPARE(fixture.window->sounds().settings(), chosen);
        QVERIFY(fixture.stored().contains("Event11=Sounds\\\\Conf.wav") ||
                fixture.stored().contains("Event11=Sounds\\Conf.wav"));

        // Hidden, or minimised where there is no tray to hide in, is not looked at.
        shell::TMainFm* next = fixture.window.get();
        next->sounds().settings().SoundVisible = true;
        next->sounds().settings().events[13] = {QString(), true, false};
        QSignalSpy sounded(&next->sounds(), &SoundPlayer::sounded);
        next->sounds().playSoundEvent(13);
        next->showMinimized();
        next->sounds().playSoundEvent(13);
        next->showNormal();
        next->sounds().playSoundEvent(13);
        QCOMPARE(sounded.size(), 3);
        QCOMPARE(sounded[0][0].toInt(), int(SoundDecision::Nothing));
        QCOMPARE(sounded[1][0].toInt(), int(SoundDecision::Nothing));
        QCOMPARE(sounded[2][0].toInt(), int(SoundDecision::Beep));
        fixture.stop();
    }

private:
    TSoundFm* openWindow()
    {
        return shell::ShowSecondaryWindow(m_slot, [this] { return new TSoundFm(*m_player); });
    }

    QTemporaryDir m_dir;
    presence::Status m_status = presence::Status::Normal;
    bool m_visible = true;
    std::unique_ptr<SoundPlayer> m_player;
    QPointer<TSoundFm> m_slot;
};

QTEST_MAIN(TestSoundWindow)
#include "test_sound_window.moc"
