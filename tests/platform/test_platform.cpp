#include "platform/foreground_window.h"
#include "platform/memory_status.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>

#ifdef QUORVELLE_HAVE_XCB
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>
#endif

using namespace quorvelle::platform;
using namespace Qt::Literals::StringLiterals;

class TestPlatform : public QObject
{
    Q_OBJECT

    QProcess m_xvfb;
    QByteArray m_display;

private slots:
    void parseMeminfo_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("load"); // -1: no answer
        QTest::addColumn<quint64>("totalKb");
        QTest::newRow("any order, no final newline, half rounds up")
            << "MemFree: 100 kB\nMemAvailable:\t125 kB\nMemTotal:       1000 kB"_ba << 88
            << quint64(1000);
        QTest::newRow("available above total")
            << "MemTotal: 100 kB\nMemAvailable: 120 kB\n"_ba << 0 << quint64(100);
        QTest::newRow("missing MemAvailable")
            << "MemTotal: 1000 kB\nMemFree: 500 kB\n"_ba << -1 << quint64(0);
        QTest::newRow("zero total")
            << "MemTotal: 0 kB\nMemAvailable: 0 kB\n"_ba << -1 << quint64(0);
        QTest::newRow("binary") << QByteArray("\0\xff:\n::\x01MemTotal", 14) << -1 << quint64(0);
    }

    void parseMeminfo()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, load);
        QFETCH(quint64, totalKb);
        const auto status = ParseMeminfo(text);
        QCOMPARE(status ? status->loadPercent : -1, load);
        QCOMPARE(status ? status->totalKb : 0, totalKb);
    }

    void foregroundWithoutDisplay()
    {
        qputenv("DISPLAY", ":not-a-display");
        QVERIFY(!GetForegroundWindow());
    }

    void foregroundUnderX_data()
    {
        QTest::addColumn<QByteArray>("netWmName");
        QTest::addColumn<QByteArray>("wmName");
        QTest::addColumn<QString>("pidOn"); // "window", "frame" or none: "No Process"
        QTest::addColumn<bool>("active");   // named by the root; the focus is then elsewhere
        QTest::addColumn<QString>("title");
        const QString window = u"window"_s;
        QTest::newRow("utf-8 title wins") << u"Заметки — черновик"_s.toUtf8() << "plain"_ba
                                          << window << false << u"Заметки — черновик"_s;
        QTest::newRow("latin-1 title, pid on the frame")
            << QByteArray() << "Caf\xe9"_ba << u"frame"_s << false << u"Café"_s;
        QTest::newRow("active window beats focus")
            << QByteArray() << "active"_ba << window << true << u"active"_s;
        QTest::newRow("long title cut whole, no pid")
            << ('a' + QString(2500, u'é').toUtf8()) << QByteArray() << QString() << false
            << (u'a' + QString(2047, u'é'));
    }

    void foregroundUnderX()
    {
#ifndef QUORVELLE_HAVE_XCB
        QSKIP("built without xcb");
#else
        QFETCH(QByteArray, netWmName);
        QFETCH(QByteArray, wmName);
        QFETCH(QString, pidOn);
        QFETCH(bool, active);
        QFETCH(QString, title);
        const QString xvfb = QStandardPaths::findExecutable(u"Xvfb"_s);
        if (m_display.isEmpty() && !xvfb.isEmpty() && m_xvfb.state() == QProcess::NotRunning) {
            // The server picks a free display itself and writes its number once it accepts clients.
            m_xvfb.start(xvfb, {u"-displayfd"_s, u"1"_s, u"-noreset"_s, u"-nolisten"_s, u"tcp"_s});
            for (QDeadlineTimer deadline(10000); !m_xvfb.canReadLine() && !deadline.hasExpired() &&
                                                 m_xvfb.state() != QProcess::NotRunning;)
                m_xvfb.waitForReadyRead(100);
            if (const QByteArray number = m_xvfb.readLine().trimmed(); !number.isEmpty())
                m_display = ':' + number;
        }
        if (m_display.isEmpty())
            QSKIP("Xvfb is missing or did not start");

        // Closing the connection destroys its windows, so rows do not see each other's.
        xcb_connection_t* c = xcb_connect(m_display.constData(), nullptr);
        const auto disconnect = qScopeGuard([c] { xcb_disconnect(c); });
        QVERIFY(!xcb_connection_has_error(c));
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
        const auto mapped = [&](xcb_window_t parent) {
            const xcb_window_t w = xcb_generate_id(c);
            xcb_create_window(c, XCB_COPY_FROM_PARENT, w, parent, 0, 0, 100, 100, 0,
                              XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
            xcb_map_window(c, w);
            return w;
        };
        const auto atom = [c](const char* name) {
            auto* reply =
                xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), 0);
            const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
            std::free(reply);
            return found;
        };
        // Sets a property, 32-bit when it is a number.
        const auto set = [&](xcb_window_t w, const char* name, const char* type,
                             QByteArrayView data) {
            const quint8 format = qstrcmp(type, "CARDINAL") && qstrcmp(type, "WINDOW") ? 8 : 32;
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, atom(name), atom(type), format,
                                quint32(data.size() * 8 / format), data.data());
        };
        const auto bytes = [](const quint32& value) {
            return QByteArrayView(reinterpret_cast<const char*>(&value), 4);
        };
        const xcb_window_t frame = mapped(screen->root);
        const xcb_window_t window = mapped(frame);
        const xcb_window_t decoy = mapped(screen->root);
        set(decoy, "WM_NAME", "STRING", "decoy");
        if (!netWmName.isNull())
            set(window, "_NET_WM_NAME", "UTF8_STRING", netWmName);
        if (!wmName.isNull())
            set(window, "WM_NAME", "STRING", wmName);
        const quint32 pid = quint32(QCoreApplication::applicationPid());
        if (!pidOn.isEmpty())
            set(pidOn == u"frame" ? frame : window, "_NET_WM_PID", "CARDINAL", bytes(pid));
        const quint32 named = active ? window : quint32(XCB_WINDOW_NONE);
        set(screen->root, "_NET_ACTIVE_WINDOW", "WINDOW", bytes(named));
        // A checked request waits for the server, so everything above has been done.
        xcb_generic_error_t* error = xcb_request_check(
            c, xcb_set_input_focus_checked(c, XCB_INPUT_FOCUS_POINTER_ROOT, active ? decoy : window,
                                           XCB_CURRENT_TIME));
        const bool refused = error != nullptr;
        std::free(error);
        QVERIFY(!refused);

        qputenv("DISPLAY", m_display);
        const auto found = GetForegroundWindow();
        QVERIFY(found);
        QCOMPARE(found->title, title);
        // Read rather than derived from the file name, so the test also runs under valgrind.
        QFile comm(u"/proc/self/comm"_s);
        QVERIFY(comm.open(QIODevice::ReadOnly));
        QCOMPARE(found->process,
                 pidOn.isEmpty() ? u"No Process"_s : QString::fromUtf8(comm.readAll().trimmed()));
#endif
    }

    void cleanupTestCase()
    {
        m_xvfb.kill();
        m_xvfb.waitForFinished(5000);
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "test_platform.moc"
