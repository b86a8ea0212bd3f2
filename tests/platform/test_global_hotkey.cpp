#include "platform/global_hotkey.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#ifdef QUORVELLE_HAVE_XCB
#include <X11/keysym.h>
#include <cstdlib>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#endif

using namespace quorvelle::platform;
using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kWaitMs = 10000;

} // namespace

// Where Xvfb and xdotool are found, the test runs on an X server of its own and
// presses keys there; a second connection of its own plays the other program.
class TestGlobalHotKey : public QObject
{
    Q_OBJECT

private slots:
    void textRoundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected"); // empty: not a hot key
        QTest::newRow("any case, order and blanks") << u" alt+ctrl+s "_s << u"Ctrl+Alt+S"_s;
        QTest::newRow("function key") << u"Shift+F12"_s << u"Shift+F12"_s;
        QTest::newRow("unknown names") << u"Bogus+Key"_s << QString();
        QTest::newRow("modifier alone") << u"Ctrl"_s << QString();
        QTest::newRow("modifier without key") << u"Ctrl+"_s << QString();
        QTest::newRow("two chords") << u"Ctrl+A, Ctrl+B"_s << QString();
    }

    void textRoundTrip()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const QKeySequence shortcut = HotKeyFromText(text);
        QCOMPARE(shortcut.isEmpty(), expected.isEmpty());
        QCOMPARE(HotKeyToText(shortcut), expected);
        QCOMPARE(HotKeyToText(HotKeyFromText(expected)), expected);
    }

#ifdef QUORVELLE_HAVE_XCB
    void initTestCase()
    {
        if (QGuiApplication::platformName() != u"xcb")
            return;
        m_x = xcb_connect(nullptr, nullptr);
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_x)).data->root;
    }

    void cleanupTestCase()
    {
        if (m_x)
            xcb_disconnect(m_x);
    }

    void pressUnderX_data()
    {
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<QStringList>("locks");  // lock keys switched on first
        QTest::addColumn<QStringList>("strays"); // presses that must not activate
        QTest::addColumn<QString>("marker");     // a second key of the same program
        QTest::addColumn<QString>("keys");
        const QStringList strays = {u"ctrl+s"_s, u"alt+s"_s, u"s"_s};
        QTest::newRow("plain") << u"Ctrl+Alt+S"_s << QStringList() << strays
                               << u"Ctrl+Alt+Shift+S"_s << u"ctrl+alt+s"_s;
        QTest::newRow("num lock and caps lock on")
            << u"Ctrl+Alt+S"_s << QStringList{u"Num_Lock"_s, u"Caps_Lock"_s} << strays
            << u"Ctrl+Alt+D"_s << u"ctrl+alt+s"_s;
        QTest::newRow("function key") << u"Shift+F12"_s << QStringList() << QStringList{u"F12"_s}
                                      << u"Ctrl+Alt+D"_s << u"shift+F12"_s;
    }

    void pressUnderX()
    {
        QFETCH(QString, shortcut);
        QFETCH(QStringList, locks);
        QFETCH(QStringList, strays);
        QFETCH(QString, marker);
        QFETCH(QString, keys);
        if (!m_x)
            QSKIP("needs Xvfb and xdotool");

        // Lock keys toggle: pressing them again leaves the server as the next row expects.
        const auto unlock = qScopeGuard([&] {
            for (const QString& lock : locks)
                xdotool(lock);
        });
        for (const QString& lock : locks)
            QVERIFY(xdotool(lock));
        QCOMPARE(lockState(), quint16(locks.isEmpty() ? 0 : XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2));

        // Every key's filter sees the other's presses. Presses arrive in order, so once the
        // marker has answered, any stray that activated the key would have been counted.
        GlobalHotKey key, second;
        QSignalSpy activated(&key, &GlobalHotKey::activated);
        QSignalSpy marked(&second, &GlobalHotKey::activated);
        QVERIFY(key.setShortcut(HotKeyFromText(shortcut)));
        QVERIFY(second.setShortcut(HotKeyFromText(marker)));
        for (const QString& stray : strays)
            QVERIFY(xdotool(stray));
        QVERIFY(xdotool(marker.toLower()));
        QTRY_COMPARE(marked.count(), 1);
        QCOMPARE(activated.count(), 0);
        QVERIFY(xdotool(keys));
        QTRY_COMPARE(activated.count(), 1);
        QCOMPARE(marked.count(), 1);
    }

    void heldByAnotherProgram()
    {
        if (!m_x)
            QSKIP("needs Xvfb and xdotool");
        const QKeySequence ctrlAltS = HotKeyFromText(u"Ctrl+Alt+S"_s);
        const xcb_keycode_t s = keycode(XK_s);
        const quint16 ctrlAlt = XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1;

        // Held in the Num Lock state only: refused, and the other states must be given back.
        QVERIFY(grab(s, ctrlAlt | XCB_MOD_MASK_2));
        GlobalHotKey key;
        QVERIFY(!key.setShortcut(ctrlAltS));
        QVERIFY(!key.isActive());
        QVERIFY(grab(s, ctrlAlt | XCB_MOD_MASK_2, false));
        QTRY_VERIFY(othersCanGrab(s, ctrlAlt));

        QVERIFY(key.setShortcut(ctrlAltS));
        QVERIFY(!othersCanGrab(s, ctrlAlt));
        key.unregister();
        QTRY_VERIFY(othersCanGrab(s, ctrlAlt));
    }

    void followsKeymapChange()
    {
        if (!m_x || QStandardPaths::findExecutable(u"setxkbmap"_s).isEmpty())
            QSKIP("needs Xvfb, xdotool and setxkbmap");
        const quint16 ctrlAlt = XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1;
        const xcb_keycode_t before = keycode(XK_s);
        GlobalHotKey key;
        QSignalSpy activated(&key, &GlobalHotKey::activated);
        QVERIFY(key.setShortcut(HotKeyFromText(u"Ctrl+Alt+S"_s)));

        const auto restore = qScopeGuard([&] { run(u"setxkbmap"_s, {u"-layout"_s, u"us"_s}); });
        QVERIFY(run(u"setxkbmap"_s, {u"-layout"_s, u"us"_s, u"-variant"_s, u"dvorak"_s}));
        QVERIFY(keycode(XK_s) != before);
        // Once the key has noticed, the old key is free and the moved one answers.
        QTRY_VERIFY(othersCanGrab(before, ctrlAlt));
        QVERIFY(!othersCanGrab(keycode(XK_s), ctrlAlt));
        QVERIFY(xdotool(u"ctrl+alt+s"_s));
        QTRY_COMPARE(activated.count(), 1);
    }

private:
    bool run(const QString& program, const QStringList& args)
    {
        QProcess process;
        process.start(QStandardPaths::findExecutable(program), args);
        if (!process.waitForFinished(kWaitMs)) {
            process.kill();
            process.waitForFinished(kWaitMs);
            return false;
        }
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }

    bool xdotool(const QString& keys)
    {
        return run(u"xdotool"_s, {u"key"_s, keys});
    }

    // The lock modifiers now on: Caps Lock and, on the default map, Num Lock as Mod2.
    quint16 lockState()
    {
        auto* reply = xcb_query_pointer_reply(m_x, xcb_query_pointer(m_x, m_root), nullptr);
        const quint16 mask = reply ? reply->mask & (XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2) : 0xffff;
        std::free(reply);
        return mask;
    }

    // The first key that gives sym on the current keyboard map.
    xcb_keycode_t keycode(xcb_keysym_t sym)
    {
        xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(m_x);
        xcb_keycode_t* found = xcb_key_symbols_get_keycode(symbols, sym);
        const xcb_keycode_t code = found ? *found : xcb_keycode_t(XCB_NO_SYMBOL);
        std::free(found);
        xcb_key_symbols_free(symbols);
        return code;
    }

    // A grab (or with on false, its release) by the other program; false when refused.
    bool grab(xcb_keycode_t keycode, quint16 modifiers, bool on = true)
    {
        xcb_generic_error_t* error = xcb_request_check(
            m_x, on ? xcb_grab_key_checked(m_x, 0, m_root, modifiers, keycode, XCB_GRAB_MODE_ASYNC,
                                           XCB_GRAB_MODE_ASYNC)
                    : xcb_ungrab_key_checked(m_x, keycode, m_root, modifiers));
        const bool granted = error == nullptr;
        std::free(error);
        return granted;
    }

    // Whether the other program could take the combination in every lock state; it lets go at once.
    bool othersCanGrab(xcb_keycode_t keycode, quint16 modifiers)
    {
        bool all = true;
        for (int locks :
             {0, int(XCB_MOD_MASK_LOCK), int(XCB_MOD_MASK_2), XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2})
            if (grab(keycode, modifiers | locks))
                grab(keycode, modifiers | locks, false);
            else
                all = false;
        return all;
    }

    xcb_connection_t* m_x = nullptr;
    xcb_window_t m_root = XCB_WINDOW_NONE;
#endif
};

int main(int argc, char** argv)
{
    QProcess xvfb;
    const auto stop = qScopeGuard([&] {
        xvfb.kill();
        xvfb.waitForFinished(kWaitMs);
    });
#ifdef QUORVELLE_HAVE_XCB
    const QString server = QStandardPaths::findExecutable(u"Xvfb"_s);
    if (!server.isEmpty() && !QStandardPaths::findExecutable(u"xdotool"_s).isEmpty()) {
        // The server picks a free display itself and writes its number once it accepts clients.
        xvfb.start(server, {u"-displayfd"_s, u"1"_s, u"-noreset"_s, u"-nolisten"_s, u"tcp"_s});
        for (QDeadlineTimer deadline(kWaitMs);
             !xvfb.canReadLine() && !deadline.hasExpired() && xvfb.state() != QProcess::NotRunning;)
            xvfb.waitForReadyRead(100);
        if (const QByteArray number = xvfb.readLine().trimmed(); !number.isEmpty()) {
            qputenv("DISPLAY", ':' + number);
            qputenv("QT_QPA_PLATFORM", "xcb");
            qunsetenv("WAYLAND_DISPLAY");
        }
    }
#endif
    QApplication app(argc, argv);
    TestGlobalHotKey test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_global_hotkey.moc"
