#include "transfer/files_queue.h"

#include <QTest>

using namespace quorvelle::transfer;
using namespace Qt::StringLiterals;

namespace {

// Records what the queue asks of the engine.
struct FakeControl : TransferControl
{
    QList<int> started, woken, stopped;
    void startSend(const TransferInfo& entry) override { started.append(entry.id); }
    void wake(int id) override { woken.append(id); }
    void stop(Direction, int id) override { stopped.append(id); }
};

const QDateTime Start(QDate(2024, 5, 1), QTime(12, 0));

TransferInfo report(int id, int state, qint64 done = 0, qint32 size = 0)
{
    TransferInfo info;
    info.id = id;
    info.state = state;
    info.done = done;
    info.size = size;
    info.time = Start;
    info.nickName = u"bob"_s;
    info.fileName = u"/in/f.txt"_s;
    return info;
}

} // namespace

class TestFilesQueue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void everyFileForEveryNick()
    {
        FakeControl control;
        FilesQueue queue(control);
        QCOMPARE(queue.addFiles({u"/a"_s, u"/b"_s}, {u"x"_s, u"y"_s, u"z"_s}), 6);
        QCOMPARE(control.started, (QList<int>{1, 2, 3, 4, 5, 6}));
        QCOMPARE(queue.sending().entry(4).fileName, u"/b"_s);
        QCOMPARE(queue.sending().entry(4).nickName, u"y"_s);
        // Listed pairs are skipped whatever their state; new pairs are not.
        queue.applyReport(Direction::Send, report(1, SendOk), Field::State);
        QCOMPARE(queue.addFiles({u"/a"_s, u"/c"_s}, {u"x"_s}), 1);
        QCOMPARE(queue.sending().entry(6).id, 7);
    }

    void tenAtOnce()
    {
        FakeControl control;
        FilesQueue queue(control);
        QStringList files;
        for (int i = 0; i < 15; ++i)
            files << u"/f%1"_s.arg(i);
        queue.addFiles(files, {u"bob"_s});
        QCOMPARE(control.started.size(), 10);
        QCOMPARE(queue.runningSends(), 10);
        QCOMPARE(queue.sending().entry(10).state, int(Queued));
        QCOMPARE(queue.sending().entry(9).state, int(Created));

        // Each ending worker makes room for the next queued entry, in list order.
        queue.sendEnded(3);
        QCOMPARE(control.started.last(), 11);
        // Start runs a stopped entry whatever the number running ...
        queue.applyReport(Direction::Send, report(1, CantConnect), Field::State);
        queue.sendEnded(1);
        QCOMPARE(control.started.last(), 12);
        queue.start(0);
        QCOMPARE(control.started.last(), 1);
        QCOMPARE(queue.runningSends(), 11);
        // ... and only hurries a running one.
        queue.start(1);
        QCOMPARE(control.woken, QList<int>{2});
        queue.sendEnded(2);
        QCOMPARE(control.started.size(), 13); // ten running again: nothing new
    }

    void removing()
    {
        FakeControl control;
        FilesQueue queue(control);
        queue.addFiles({u"/a"_s, u"/b"_s}, {u"bob"_s});
        queue.remove(Direction::Send, 0);
        QCOMPARE(control.stopped, QList<int>{1});
        // The stopped worker's last report does not bring its row back.
        queue.applyReport(Direction::Send, report(1, Sending), Field::State | Field::Elapsed);
        QCOMPARE(queue.sending().count(), 1);

        for (int id = 1; id <= 4; ++id)
            queue.applyReport(Direction::Receive, report(id, Created), Field::NewRow);
        queue.applyReport(Direction::Receive, report(1, ReceiveOk), Field::State);
        queue.applyReport(Direction::Receive, report(3, ReceiveOk), Field::State);
        queue.applyReport(Direction::Receive, report(4, ErrClose), Field::State);
        queue.removeSucceeded(Direction::Receive);
        QCOMPARE(queue.receiving().count(), 2);
        QCOMPARE(queue.receiving().entry(0).id, 2);
        QVERIFY(!queue.receiving().hasSucceeded());
        queue.remove(Direction::Receive, 1); // finished: nothing to stop
        queue.remove(Direction::Receive, 0); // receiving: stopped
        QCOMPARE(control.stopped, (QList<int>{1, 2}));
    }

    void rowCells_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<qint64>("done");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("fields");
        QTest::addColumn<qint64>("elapsedMs");
        QTest::addColumn<QStringList>("cells"); // size, done, speed, time, percent, status
        // The clock stands 10 s after the phase began.
        QTest::newRow("new row") << int(Created) << qint64(0) << 0 << Field::NewRow << qint64(0)
                                 << QStringList{u"0 b"_s,     u"0 b"_s, u"0 b"_s,
                                                u"0:00:00"_s, u"0 %"_s, QString()};
        QTest::newRow("running") << int(Receiving) << qint64(5000) << 20000
                                 << (Field::Done | Field::State) << qint64(0)
                                 << QStringList{u"20.0 K"_s,  u"5.0 K"_s, u"500 b"_s,
                                                u"0:00:30"_s, u"25 %"_s,  u"Receiving from bob"_s};
        QTest::newRow("finished") << int(ReceiveOk) << qint64(1300000) << 1300000
                                  << (Field::Done | Field::State | Field::Elapsed) << qint64(65000)
                                  << QStringList{u"1.3 M"_s,   u"1.3 M"_s, u"20.0 K"_s,
                                                 u"0:01:05"_s, u"100 %"_s, u"Receive OK"_s};
        QTest::newRow("within a second")
            << int(ReceiveOk) << qint64(3000) << 3000
            << (Field::Done | Field::State | Field::Elapsed) << qint64(400)
            << QStringList{u"3.0 K"_s,   u"3.0 K"_s, u"3.0 K"_s,
                           u"0:00:00"_s, u"100 %"_s, u"Receive OK"_s};
        QTest::newRow("failed") << int(ErrWriteFile) << qint64(10) << 5
                                << (Field::Done | Field::State | Field::Elapsed) << qint64(2000)
                                << QStringList{u"5 b"_s,     u"10 b"_s,  u"5 b"_s,
                                               u"0:00:02"_s, u"200 %"_s, u"ERR_WRITE_FILE"_s};
    }

    void rowCells()
    {
        QFETCH(int, state);
        QFETCH(qint64, done);
        QFETCH(int, size);
        QFETCH(int, fields);
        QFETCH(qint64, elapsedMs);
        FakeControl control;
        FilesQueue queue(control, nullptr, [] { return Start.addSecs(10); });
        queue.applyReport(Direction::Receive, report(1, Created), Field::NewRow);
        TransferInfo info = report(1, state, done, size);
        info.elapsedMs = elapsedMs;
        queue.applyReport(Direction::Receive, info, fields | Field::Size);
        const FilesQueueModel& model = queue.receiving();
        QCOMPARE(model.cellText(0, FilesQueueModel::FileNameColumn), u"f.txt"_s);
        QStringList cells;
        for (int column = FilesQueueModel::SizeColumn; column < FilesQueueModel::ColumnCount;
             ++column)
            cells << model.data(model.index(0, column)).toString();
        QTEST(cells, "cells");
    }

    // A row's end is said once, in words and, for a received file, with links.
    void endsAreSaidOnce_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("line");
        const int send = int(Direction::Send), receive = int(Direction::Receive);
        QTest::newRow("received") << receive << int(ReceiveOk)
                                  << u"Received \"f.txt\" (1.5 K) from bob: file:///in/f.txt "
                                     "(folder file:///in/)"_s;
        QTest::newRow("receive failed") << receive << int(ErrWriteFile)
                                        << u"Receiving \"f.txt\" from bob failed: ERR_WRITE_FILE"_s;
        QTest::newRow("sent") << send << int(SendOk) << u"Sent \"f.txt\" (1.5 K) to bob"_s;
        QTest::newRow("send failed")
            << send << int(ErrTimeout) << u"Sending \"f.txt\" to bob failed: ERR_TIMEOUT"_s;
    }

    void endsAreSaidOnce()
    {
        QFETCH(int, direction);
        QFETCH(int, state);
        QFETCH(QString, line);
        const auto d = Direction(direction);
        FakeControl control;
        FilesQueue queue(control);
        QStringList said;
        connect(&queue, &FilesQueue::ended, this, [&](Direction dir, const TransferInfo& info) {
            said << TransferEndLine(dir, info);
        });
        if (d == Direction::Send)
            queue.addFiles({u"/in/f.txt"_s}, {u"bob"_s});
        else
            queue.applyReport(d, report(1, Created), Field::NewRow);
        const int id = queue.list(d).entry(0).id;
        TransferInfo info = report(id, d == Direction::Send ? int(Sending) : int(Receiving));
        queue.applyReport(d, info, Field::State);
        info = report(id, state, 1500, 1000); // the file grew while it was sent
        queue.applyReport(d, info, Field::State | Field::Done);
        queue.applyReport(d, info, Field::State | Field::Done); // a late report: said already
        QCOMPARE(said, QStringList{line});
    }
};

QTEST_GUILESS_MAIN(TestFilesQueue)
#include "test_files_queue.moc"
