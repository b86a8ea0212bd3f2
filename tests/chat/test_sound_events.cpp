#include "chat/sound_events.h"
#include "settings/settings.h"

#include <QTemporaryDir>
#include <QTest>

using namespace quorvelle;
using namespace quorvelle::chat;
using namespace Qt::Literals::StringLiterals;
using presence::Status;

Q_DECLARE_METATYPE(Status)

namespace {

const QString Base = u"/data/"_s;

settings::SchemaContext testContext()
{
    return {u"HOST"_s, u"Quorvelle v.1"_s,  QDateTime(QDate(2026, 1, 2), QTime(3, 4)),
            Base,      Base + u"Sounds/"_s, "windows-1251"};
}

} // namespace

class TestSoundEvents : public QObject
{
    Q_OBJECT

private slots:
    void muting_data()
    {
        QTest::addColumn<int>("event");
        QTest::addColumn<Status>("status");
        QTest::addColumn<bool>("visible");
        // Changed from the defaults: M master off, H "No Sounds in Hide Chat" on, D "In
        // DND" on, A "In Away" off, s the event's PC speaker, x the event disabled.
        QTest::addColumn<QString>("changed");
        QTest::addColumn<int>("kind");
        const auto row = [](const char* name, int event, Status status, bool visible,
                            const char* changed, SoundDecision::Kind kind) {
            QTest::newRow(name) << event << status << visible << QString::fromLatin1(changed)
                                << int(kind);
        };
        const Status N = Status::Normal, D = Status::DND, A = Status::Away, O = Status::Offline;
        const auto F = SoundDecision::PlayFile, B = SoundDecision::Beep, X = SoundDecision::Nothing;
        row("plays its file", 13, N, true, "", F);
        row("speaker beeps", 13, N, true, "s", B);
        row("disabled", 13, N, true, "x", X);
        row("disabled wins over speaker", 13, N, true, "sx", X);
        row("hidden, rule off", 13, N, false, "", F);
        row("hidden: chat line", 13, N, false, "H", X);
        row("hidden: message", 9, N, false, "H", F);
        row("visible, rule on", 13, N, true, "H", F);
        row("master off", 9, N, true, "M", X);
        row("offline", 9, O, true, "D", X);
        row("offline, speaker", 12, O, true, "Ds", X);
        row("dnd", 9, D, true, "", X);
        row("dnd allowed", 9, D, true, "D", F);
        row("dnd allowed, hidden", 13, D, false, "DH", X);
        row("away", 9, A, true, "", F);
        row("away muted", 9, A, true, "A", X);
        row("event past the last", 14, N, true, "", X);
        row("negative event", -1, N, true, "s", X);
    }

    void muting()
    {
        QFETCH(int, event);
        QFETCH(Status, status);
        QFETCH(bool, visible);
        QFETCH(QString, changed);
        QFETCH(int, kind);
        SoundSettings s;
        for (int n = 0; n < SoundEventCount; ++n)
            s.events[size_t(n)] = {u"Sounds/"_s + SoundEventTable()[size_t(n)].waveFile,
                                   changed.contains(u's'), changed.contains(u'x')};
        s.MasterSound = !changed.contains(u'M');
        s.SoundVisible = changed.contains(u'H');
        s.InDND = changed.contains(u'D');
        s.InAway = !changed.contains(u'A');
        const SoundDecision d = DecideSound(event, s, status, visible, Base);
        QCOMPARE(int(d.kind), kind);
        if (d.kind == SoundDecision::PlayFile)
            QCOMPARE(d.file, Base + u"Sounds/"_s + SoundEventTable()[size_t(event)].waveFile);
    }

    void settingsRoundTrip()
    {
        const QString path = m_dir.filePath(u"roundtrip.ini"_s);
        SoundSettings changed;
        {
            settings::SettingsStore store(path);
            settings::Settings settings(store, m_schema);
            changed.load(settings);
            changed.MasterSound = false;
            changed.SoundVisible = true;
            changed.InDND = true;
            changed.InAway = false;
            changed.events[0] = {u"/home/u/ding.wav"_s, false, true};
            changed.events[13] = {QString(), true, false};
            changed.save(settings);
        }
        settings::SettingsStore store(path);
        QCOMPARE(store.readText(u"SoundEvents"_s, u"Speacker13"_s, {}), u"1"_s);
        QCOMPARE(store.readText(u"SoundEvents"_s, u"Disabled0"_s, {}), u"1"_s);
        settings::Settings settings(store, m_schema);
        SoundSettings loaded;
        loaded.load(settings);
        QCOMPARE(loaded, changed); // a cleared file name stays cleared
    }

    // Hand-edited values: a file name that names nothing falls back or stays silent,
    // a flag that is not a number takes its default, a relative or Windows-style name
    // is found in the data directory.
    void storedNonsense()
    {
        settings::SettingsStore store(m_dir.filePath(u"nonsense.ini"_s));
        const auto put = [&](const QString& name, const QString& text) {
            store.writeText(u"SoundEvents"_s, name, text);
        };
        put(u"Event0"_s, u"a\nb.wav"_s);
        put(u"Event1"_s, u"   "_s);
        put(u"Event2"_s, u"Sounds\\Mine.wav"_s);
        put(u"Event3"_s, u"../x/./y.wav"_s);
        put(u"Speacker4"_s, u"yes"_s);
        put(u"InAway"_s, u"maybe"_s);
        put(u"Event99"_s, u"ignored.wav"_s);
        settings::Settings settings(store, m_schema);
        SoundSettings s;
        s.load(settings);
        QCOMPARE(s.events[0].waveFile, u"/data/Sounds/JoinNet.wav"_s);
        QCOMPARE(s.events[4].speaker, false);
        QCOMPARE(s.InAway, true);
        const auto file = [&](int n) { return DecideSound(n, s, Status::Normal, true, Base); };
        QCOMPARE(file(1), SoundDecision{});
        QCOMPARE(file(3).file, u"/x/y.wav"_s);
#ifndef Q_OS_WIN
        QCOMPARE(file(2).file, u"/data/Sounds/Mine.wav"_s);
#endif
    }

private:
    QTemporaryDir m_dir;
    settings::SettingsSchema m_schema{testContext()};
};

QTEST_GUILESS_MAIN(TestSoundEvents)
#include "test_sound_events.moc"
