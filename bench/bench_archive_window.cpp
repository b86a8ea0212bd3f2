// Opening the messages archive window on a file of 100 000 records (about 10 MB):
// the time until the window is painted, the time until its lists are filled, and the
// longest time the event loop was kept from running meanwhile. Prints the numbers.
#include "archive_file.h"
#include "messages/archive_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <cstdio>

using namespace quorvelle;

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const net::WireText wire("windows-1251");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Messages.log"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    const qint64 size = file.write(bench::ArchiveFile(wire, 100'000));
    file.close();

    for (int round = 1; round <= 3; ++round) {
        QElapsedTimer clock;
        qint64 painted = -1, filled = -1, worstGap = 0, last = 0;
        QTimer probe;
        probe.setInterval(5);
        QObject::connect(&probe, &QTimer::timeout, [&] {
            const qint64 now = clock.elapsed();
            worstGap = std::max(worstGap, now - last);
            last = now;
        });

        clock.start();
        probe.start();
        auto* window = new messages::TMessArchFm;
        window->show();
        QCoreApplication::processEvents();
        painted = clock.elapsed();
        window->load(path, wire);
        QObject::connect(window, &messages::TMessArchFm::loaded, [&] {
            window->list(0)->viewport()->repaint();
            filled = clock.elapsed();
            app.quit();
        });
        app.exec();
        probe.stop();
        std::printf("round %d: %.1f MB, %d records listed; painted after %lld ms, filled after "
                    "%lld ms; longest event-loop stall %lld ms\n",
                    round, size / 1e6, window->list(0)->model()->rowCount(),
                    static_cast<long long>(painted), static_cast<long long>(filled),
                    static_cast<long long>(worstGap));
        delete window;
    }
    return 0;
}
