#include "platform/global_hotkey.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <list>
#include <optional>

#ifdef QUORVELLE_HAVE_XCB
#include <X11/keysym.h>
#include <cstdlib>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#endif

using namespace quorvelle::platform;
using namespace Qt::Literals::StringLiterals;

namespace {

// The test runs itself again under X with this flag, to hold a key like the program would.
constexpr char kChildFlag[] = "--x11-child";
constexpr int kWaitMs = 10000;
const QByteArrayList kOnce = {"activated 0"};

void Say(const char* line)
{
    std::fputs(line, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// Registers each shortcut and answers "ready " with a 1 or 0 for each, prints
// "activated N" on each press of the Nth; reads "unregister" and "quit" from standard input.
int RunChild(int argc, char** argv, const QStringList& shortcuts)
{
    QGuiApplication app(argc, argv);
    std::list<GlobalHotKey> keys;
    QByteArray ready = "ready ";
    for (const QString& shortcut : shortcuts) {
        const QByteArray line = "activated " + QByteArray::number(qsizetype(keys.size()));
        GlobalHotKey& key = keys.emplace_back();
        QObject::connect(&key, &GlobalHotKey::activated, [line] { Say(line.constData()); });
        ready += key.setShortcut(HotKeyFromText(shortcut)) ? '1' : '0';
    }
    Say(ready.constData());
#ifdef QUORVELLE_HAVE_XCB
    QByteArray input;
    QSocketNotifier commands(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&commands, &QSocketNotifier::activated, [&] {
        char buffer[256];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            app.quit(); // the parent went away
            return;
        }
        input.append(buffer, n);
        for (qsizetype end; (end = input.indexOf('\n')) >= 0; input.remove(0, end + 1)) {
            const QByteArray command = input.left(end);
            if (command == "unregister") {
                bool active = false;
                for (GlobalHotKey& key : keys) {
                    key.unregister();
                    active = active || key.isActive();
                }
                Say(active ? "unregistered 0" : "unregistered 1");
            } else if (command == "quit") {
                app.quit();
            }
        }
    });
#endif
    // An orphan must not hold the key for ever.
    QTimer::singleShot(60000, &app, [&] { app.exit(3); });
    return app.exec();
}

} // namespace

class TestGlobalHotKey : public QObject
{
    Q_OBJECT

private slots:
    void textRoundTrip_data();
    void textRoundTrip();
    void offscreenRegistersNothing_data();
    void offscreenRegistersNothing();
#ifdef QUORVELLE_HAVE_XCB
    void pressUnderX_data();
    void pressUnderX();
    void severalKeysInOneProgram();
    void heldByAnotherProgram();
    void partialGrabIsUndone();
    void followsKeymapChange();
    void cleanupTestCase();

private:
    class Child;
    bool startX();
    bool run(const QString& program, const QStringList& args);
    quint16 lockState();
    std::vector<xcb_keycode_t> keycodes(xcb_keysym_t sym);
    bool tryGrab(xcb_keycode_t keycode, quint16 modifiers);
    void ungrab(xcb_keycode_t keycode, quint16 modifiers);

    QProcess m_xvfb;
    QByteArray m_display;
    xcb_connection_t* m_x = nullptr;
    xcb_window_t m_root = XCB_WINDOW_NONE;
#endif
};

void TestGlobalHotKey::textRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected"); // empty: not a hot key

    QTest::newRow("ctrl alt letter") << u"Ctrl+Alt+S"_s << u"Ctrl+Alt+S"_s;
    QTest::newRow("shift function key") << u"Shift+F12"_s << u"Shift+F12"_s;
    QTest::newRow("three modifiers digit") << u"Ctrl+Alt+Shift+1"_s << u"Ctrl+Alt+Shift+1"_s;
    QTest::newRow("meta and space") << u"Meta+Ctrl+Space"_s << u"Meta+Ctrl+Space"_s;
    QTest::newRow("any case and order") << u" alt+ctrl+s "_s << u"Ctrl+Alt+S"_s;
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("unknown names") << u"Bogus+Key"_s << QString();
    QTest::newRow("modifier alone") << u"Ctrl"_s << QString();
    QTest::newRow("modifier without key") << u"Ctrl+"_s << QString();
    QTest::newRow("two chords") << u"Ctrl+A, Ctrl+B"_s << QString();
}

void TestGlobalHotKey::textRoundTrip()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);

    const QKeySequence shortcut = HotKeyFromText(text);
    QCOMPARE(shortcut.isEmpty(), expected.isEmpty());
    QCOMPARE(HotKeyToText(shortcut), expected);
    QCOMPARE(HotKeyToText(HotKeyFromText(expected)), expected);
}

void TestGlobalHotKey::offscreenRegistersNothing_data()
{
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::newRow("valid") << HotKeyFromText(u"Ctrl+Alt+S"_s);
    QTest::newRow("empty") << QKeySequence();
    QTest::newRow("modifier alone") << QKeySequence(Qt::CTRL | Qt::Key_Control);
    QTest::newRow("two chords") << QKeySequence(u"Ctrl+A, Ctrl+B"_s);
}

void TestGlobalHotKey::offscreenRegistersNothing()
{
    QFETCH(QKeySequence, shortcut);
    if (QGuiApplication::platformName() != u"offscreen")
        QSKIP("runs under the offscreen platform only");

    GlobalHotKey key;
    QSignalSpy activated(&key, &GlobalHotKey::activated);
    QVERIFY(!key.setShortcut(shortcut));
    QVERIFY(!key.isActive());
    QCOMPARE(key.shortcut(), shortcut);
    QVERIFY(!key.setShortcut(shortcut)); // again, replacing the first
    key.unregister();
    key.unregister();
    QVERIFY(!key.isActive());
    QCOMPARE(activated.count(), 0);
}

#ifdef QUORVELLE_HAVE_XCB

// A copy of this test running as a child under X, holding one shortcut.
class TestGlobalHotKey::Child
{
public:
    ~Child()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(kWaitMs);
        }
    }

    // True once the child has answered; granted() tells whether it got every key.
    bool start(const QByteArray& display, const QStringList& shortcuts)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
        env.insert(u"DISPLAY"_s, QString::fromLatin1(display));
        env.remove(u"WAYLAND_DISPLAY"_s);
        // Under the leak checker the X platform plugin's own allocations at exit
        // would turn a clean quit into a failure; this test is about the key.
        env.insert(u"ASAN_OPTIONS"_s, env.value(u"ASAN_OPTIONS"_s) + u":detect_leaks=0"_s);
        m_process.setProcessEnvironment(env);
        m_process.start(QCoreApplication::applicationFilePath(),
                        QStringList{QString::fromLatin1(kChildFlag)} + shortcuts);
        const std::optional<QByteArray> ready = waitFor("ready ");
        m_granted = ready == "ready " + QByteArray(shortcuts.size(), '1');
        return ready.has_value();
    }

    bool granted() const { return m_granted; }

    // The next line starting with prefix, skipping others; nullopt after a bounded wait.
    std::optional<QByteArray> waitFor(QByteArrayView prefix, int ms = kWaitMs)
    {
        const QDeadlineTimer deadline(ms);
        for (;;) {
            while (m_process.canReadLine()) {
                m_lines.append(m_process.readLine().trimmed());
                if (m_lines.last().startsWith(prefix))
                    return m_lines.last();
            }
            if (deadline.hasExpired() || m_process.state() == QProcess::NotRunning)
                return std::nullopt;
            m_process.waitForReadyRead(int(qMax<qint64>(deadline.remainingTime(), 1)));
        }
    }

    void send(QByteArrayView command) { m_process.write(command.toByteArray() + '\n'); }

    // Asks the child to quit; the activations it printed, or {"bad exit"}.
    QByteArrayList finish()
    {
        send("quit");
        const bool quit = m_process.waitForFinished(kWaitMs) && m_process.exitCode() == 0;
        waitFor("\n", 0); // matches no trimmed line: just collects the rest
        QByteArrayList activations;
        for (const QByteArray& line : std::as_const(m_lines))
            if (line.startsWith("activated"))
                activations.append(line);
        return quit ? activations : QByteArrayList{"bad exit"};
    }

    QByteArray diagnostics()
    {
        return m_lines.join('|') + " / " + m_process.readAllStandardError();
    }

private:
    QProcess m_process;
    QByteArrayList m_lines;
    bool m_granted = false;
};

bool TestGlobalHotKey::startX()
{
    if (m_x)
        return true;
    if (m_xvfb.state() != QProcess::NotRunning)
        return false; // started before, but no client got in
    const QString xvfb = QStandardPaths::findExecutable(u"Xvfb"_s);
    if (xvfb.isEmpty() || QStandardPaths::findExecutable(u"xdotool"_s).isEmpty())
        return false;
    // The server picks a free display itself and writes its number once it accepts clients.
    m_xvfb.start(xvfb, {u"-displayfd"_s, u"1"_s, u"-noreset"_s, u"-nolisten"_s, u"tcp"_s});
    const QDeadlineTimer deadline(kWaitMs);
    while (!m_xvfb.canReadLine() && m_xvfb.state() != QProcess::NotRunning &&
           !deadline.hasExpired())
        m_xvfb.waitForReadyRead(int(qMax<qint64>(deadline.remainingTime(), 1)));
    const QByteArray number = m_xvfb.readLine().trimmed();
    if (number.isEmpty())
        return false;
    m_display = ':' + number;
    m_x = xcb_connect(m_display.constData(), nullptr);
    if (xcb_connection_has_error(m_x)) {
        xcb_disconnect(m_x);
        m_x = nullptr;
        return false;
    }
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_x)).data->root;
    return true;
}

void TestGlobalHotKey::cleanupTestCase()
{
    if (m_x)
        xcb_disconnect(m_x);
    m_x = nullptr;
    if (m_xvfb.state() != QProcess::NotRunning) {
        m_xvfb.kill();
        m_xvfb.waitForFinished(kWaitMs);
    }
}

bool TestGlobalHotKey::run(const QString& program, const QStringList& args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"DISPLAY"_s, QString::fromLatin1(m_display));
    process.setProcessEnvironment(env);
    process.start(program, args);
    if (!process.waitForFinished(kWaitMs)) {
        process.kill();
        process.waitForFinished(kWaitMs);
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// The lock modifiers now on: Caps Lock and, on the default map, Num Lock as Mod2.
quint16 TestGlobalHotKey::lockState()
{
    auto* reply = xcb_query_pointer_reply(m_x, xcb_query_pointer(m_x, m_root), nullptr);
    const quint16 mask = reply ? reply->mask & (XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2) : 0xffff;
    std::free(reply);
    return mask;
}

std::vector<xcb_keycode_t> TestGlobalHotKey::keycodes(xcb_keysym_t sym)
{
    // A fresh table each time: the keyboard map may have changed.
    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(m_x);
    xcb_keycode_t* found = xcb_key_symbols_get_keycode(symbols, sym);
    std::vector<xcb_keycode_t> codes;
    for (const xcb_keycode_t* code = found; code && *code != XCB_NO_SYMBOL; ++code)
        codes.push_back(*code);
    std::free(found);
    xcb_key_symbols_free(symbols);
    return codes;
}

bool TestGlobalHotKey::tryGrab(xcb_keycode_t keycode, quint16 modifiers)
{
    xcb_generic_error_t* error =
        xcb_request_check(m_x, xcb_grab_key_checked(m_x, 0, m_root, modifiers, keycode,
                                                    XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    std::free(error);
    return error == nullptr;
}

void TestGlobalHotKey::ungrab(xcb_keycode_t keycode, quint16 modifiers)
{
    std::free(xcb_request_check(m_x, xcb_ungrab_key_checked(m_x, keycode, m_root, modifiers)));
}

void TestGlobalHotKey::pressUnderX_data()
{
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<QStringList>("locks");  // lock keys switched on first
    QTest::addColumn<quint16>("lockMask");   // what the server must then report
    QTest::addColumn<QStringList>("strays"); // presses that must not activate
    QTest::addColumn<QString>("press");

    const QString ctrlAltS = u"Ctrl+Alt+S"_s;
    const QString press = u"ctrl+alt+s"_s;
    const QStringList none;
    const QStringList strays = {u"ctrl+s"_s, u"alt+s"_s, u"ctrl+alt+shift+s"_s, u"s"_s,
                                u"ctrl+alt+d"_s};
    const quint16 num = XCB_MOD_MASK_2;
    const quint16 caps = XCB_MOD_MASK_LOCK;
    QTest::newRow("plain") << ctrlAltS << none << quint16(0) << none << press;
    QTest::newRow("num lock on") << ctrlAltS << QStringList{u"Num_Lock"_s} << num << none << press;
    QTest::newRow("caps lock on") << ctrlAltS << QStringList{u"Caps_Lock"_s} << caps << none
                                  << press;
    QTest::newRow("both locks on") << ctrlAltS << QStringList{u"Num_Lock"_s, u"Caps_Lock"_s}
                                   << quint16(num | caps) << none << press;
    QTest::newRow("function key") << u"Shift+F12"_s << none << quint16(0) << QStringList{u"F12"_s}
                                  << u"shift+F12"_s;
    QTest::newRow("digit, three modifiers")
        << u"Ctrl+Alt+Shift+1"_s << none << quint16(0) << QStringList{u"ctrl+alt+1"_s}
        << u"ctrl+alt+shift+1"_s;
    QTest::newRow("meta") << u"Ctrl+Meta+Space"_s << none << quint16(0)
                          << QStringList{u"ctrl+space"_s} << u"ctrl+super+space"_s;
    QTest::newRow("other combinations pass by")
        << ctrlAltS << none << quint16(0) << strays << press;
    QTest::newRow("other combinations, num lock on")
        << ctrlAltS << QStringList{u"Num_Lock"_s} << num << strays << press;
}

void TestGlobalHotKey::pressUnderX()
{
    QFETCH(QString, shortcut);
    QFETCH(QStringList, locks);
    QFETCH(quint16, lockMask);
    QFETCH(QStringList, strays);
    QFETCH(QString, press);
    if (!startX())
        QSKIP("needs Xvfb and xdotool");
    const QString xdotool = QStandardPaths::findExecutable(u"xdotool"_s);

    QCOMPARE(lockState(), quint16(0));
    // Lock keys toggle: pressing them again leaves the server as the next row expects.
    const auto unlock = qScopeGuard([&] {
        for (const QString& lock : locks)
            run(xdotool, {u"key"_s, lock});
    });
    for (const QString& lock : locks)
        QVERIFY(run(xdotool, {u"key"_s, lock}));
    QCOMPARE(lockState(), lockMask);

    Child child;
    QVERIFY2(child.start(m_display, {shortcut}), child.diagnostics());
    QVERIFY2(child.granted(), child.diagnostics());
    QVERIFY(run(xdotool, {u"key"_s, press}));
    QVERIFY2(child.waitFor("activated"), child.diagnostics());
    for (const QString& stray : strays)
        QVERIFY(run(xdotool, {u"key"_s, stray}));
    QVERIFY(run(xdotool, {u"key"_s, press}));
    QVERIFY2(child.waitFor("activated"), child.diagnostics());
    // Events arrive in order: a stray that had activated was counted before the second press.
    QCOMPARE(child.finish(), kOnce + kOnce);
}

void TestGlobalHotKey::severalKeysInOneProgram()
{
    if (!startX())
        QSKIP("needs Xvfb and xdotool");
    const QString xdotool = QStandardPaths::findExecutable(u"xdotool"_s);

    // Every key's filter sees every press: each must answer to its own combination only.
    Child child;
    QVERIFY2(child.start(m_display, {u"Ctrl+Alt+S"_s, u"Ctrl+Alt+Shift+S"_s, u"Ctrl+Alt+D"_s}),
             child.diagnostics());
    QVERIFY2(child.granted(), child.diagnostics());
    QVERIFY(run(xdotool, {u"key"_s, u"ctrl+alt+shift+s"_s}));
    QVERIFY(run(xdotool, {u"key"_s, u"ctrl+alt+d"_s}));
    QVERIFY(run(xdotool, {u"key"_s, u"ctrl+alt+s"_s}));
    QVERIFY2(child.waitFor("activated 0"), child.diagnostics());
    QCOMPARE(child.finish(), QByteArrayList({"activated 1", "activated 2", "activated 0"}));
}

void TestGlobalHotKey::heldByAnotherProgram()
{
    if (!startX())
        QSKIP("needs Xvfb and xdotool");
    const QString xdotool = QStandardPaths::findExecutable(u"xdotool"_s);

    Child first;
    QVERIFY2(first.start(m_display, {u"Ctrl+Alt+S"_s}), first.diagnostics());
    QVERIFY(first.granted());
    Child second;
    QVERIFY2(second.start(m_display, {u"Ctrl+Alt+S"_s}), second.diagnostics());
    QVERIFY(!second.granted());
    QVERIFY(run(xdotool, {u"key"_s, u"ctrl+alt+s"_s}));
    QVERIFY(first.waitFor("activated"));

    // Once released, every lock combination is free again for a newcomer.
    first.send("unregister");
    QVERIFY(first.waitFor("unregistered") == "unregistered 1");
    Child third;
    QVERIFY2(third.start(m_display, {u"Ctrl+Alt+S"_s}), third.diagnostics());
    QVERIFY(third.granted());
    QVERIFY(run(xdotool, {u"key"_s, u"ctrl+alt+s"_s}));
    QVERIFY(third.waitFor("activated"));

    QCOMPARE(first.finish(), kOnce);
    QCOMPARE(second.finish(), QByteArrayList());
    QCOMPARE(third.finish(), kOnce);
}

void TestGlobalHotKey::partialGrabIsUndone()
{
    if (!startX())
        QSKIP("needs Xvfb and xdotool");

    // Another program holds only the Num Lock variant: the others succeed, then must go.
    const std::vector<xcb_keycode_t> s = keycodes(XK_s);
    QVERIFY(!s.empty());
    const quint16 numLockVariant = XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_2;
    QVERIFY(tryGrab(s.front(), numLockVariant));
    auto held = qScopeGuard([&] { ungrab(s.front(), numLockVariant); });

    Child refused;
    QVERIFY2(refused.start(m_display, {u"Ctrl+Alt+S"_s}), refused.diagnostics());
    QVERIFY(!refused.granted());
    held.dismiss();
    ungrab(s.front(), numLockVariant);

    Child later;
    QVERIFY2(later.start(m_display, {u"Ctrl+Alt+S"_s}), later.diagnostics());
    QVERIFY(later.granted());
    QCOMPARE(refused.finish(), QByteArrayList());
    QCOMPARE(later.finish(), QByteArrayList());
}

void TestGlobalHotKey::followsKeymapChange()
{
    if (!startX())
        QSKIP("needs Xvfb and xdotool");
    const QString setxkbmap = QStandardPaths::findExecutable(u"setxkbmap"_s);
    if (setxkbmap.isEmpty())
        QSKIP("needs setxkbmap");
    const QString xdotool = QStandardPaths::findExecutable(u"xdotool"_s);
    const quint16 ctrlAlt = XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1;
    const std::vector<xcb_keycode_t> before = keycodes(XK_s);
    QVERIFY(!before.empty());

    Child child;
    QVERIFY2(child.start(m_display, {u"Ctrl+Alt+S"_s}), child.diagnostics());
    QVERIFY(child.granted());
    QVERIFY(!tryGrab(before.front(), ctrlAlt)); // the child holds it

    const auto restore = qScopeGuard([&] { run(setxkbmap, {u"-layout"_s, u"us"_s}); });
    QVERIFY(run(setxkbmap, {u"-layout"_s, u"us"_s, u"-variant"_s, u"dvorak"_s}));
    const std::vector<xcb_keycode_t> after = keycodes(XK_s);
    QVERIFY(!after.empty());
    QVERIFY(after.front() != before.front());

    // The child grabs the moved key in its own time: press until it answers. Probing
    // with a grab of our own could take the key from under it.
    const QDeadlineTimer deadline(kWaitMs);
    bool activated = false;
    while (!activated && !deadline.hasExpired()) {
        QVERIFY(run(xdotool, {u"key"_s, u"ctrl+alt+s"_s}));
        activated = child.waitFor("activated", 200).has_value();
    }
    QVERIFY2(activated, child.diagnostics());
    QVERIFY(tryGrab(before.front(), ctrlAlt)); // the old key is free again
    ungrab(before.front(), ctrlAlt);
    const QByteArrayList activations = child.finish();
    QVERIFY(!activations.isEmpty() && activations.first() == "activated 0");
}

#endif // QUORVELLE_HAVE_XCB

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], kChildFlag) == 0) {
            QStringList shortcuts;
            for (int k = i + 1; k < argc; ++k)
                shortcuts.append(QString::fromLocal8Bit(argv[k]));
            return RunChild(argc, argv, shortcuts);
        }
    QApplication app(argc, argv);
    TestGlobalHotKey test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_global_hotkey.moc"
