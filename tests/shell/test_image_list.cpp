#include "shell/image_list.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <cstdlib>

using quorvelle::shell::ImageList;

namespace {

// -1 stands for the program icon.
QImage render(int index)
{
    const QIcon icon = index < 0 ? ImageList::appIcon() : ImageList::icon(index);
    return icon.pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32);
}

int opaquePixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qAlpha(image.pixel(x, y)) > 128;
    return n;
}

// Pixels where some channel, alpha included, moves by more than a quarter of its range.
int changedPixels(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int d =
                std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            n += d > 64;
        }
    return n;
}

} // namespace

class TestImageList : public QObject
{
    Q_OBJECT

private slots:
    void rendersAtListSize_data();
    void rendersAtListSize();
    void pairsLookDifferent_data();
    void pairsLookDifferent();
    void unknownIndexIsNull_data();
    void unknownIndexIsNull();
    void iconsAreCached();
};

void TestImageList::rendersAtListSize_data()
{
    QTest::addColumn<int>("index");
    for (int i :
         {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 15, 17, 18, 19, 20, 21,  26,  28,
          29, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 50, 51, 65, 66, 67, 68, 69,  81,  82,
          83, 84, 85, 86, 87, 88, 89, 90, 91, 92, 93, 94, 95, 96, 97, 98, 99, 100, 101, 102})
        QTest::addRow("%02d", i) << i;
    for (int i = 110; i <= 118; ++i)
        QTest::addRow("%d", i) << i;
    for (int i = ImageList::TransferIdle; i <= ImageList::TransferFailed; ++i)
        QTest::addRow("%d", i) << i;
    QTest::newRow("app") << -1;
}

void TestImageList::rendersAtListSize()
{
    QFETCH(int, index);
    if (index >= 0) {
        QVERIFY(ImageList::has(index));
        QVERIFY(!ImageList::icon(index).isNull());
    }
    const QImage image = render(index);
    QCOMPARE(image.size(), QSize(16, 16));
    // A broken file renders empty; a few stray pixels would not read at this size either.
    QVERIFY2(opaquePixels(image) >= 24, qPrintable(QString::number(opaquePixels(image))));
}

void TestImageList::pairsLookDifferent_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::newRow("channel read/unread") << 8 << 9;
    QTest::newRow("private read/unread") << 10 << 11;
    QTest::newRow("main read/unread") << 40 << 41;
    for (int i = 0; i < 4; ++i) {
        QTest::addRow("tray %d/flash", i) << 32 + i << 36 + i;
        QTest::addRow("user %d/selected", i) << i << 4 + i;
    }
    QTest::newRow("user normal/dnd") << 0 << 1;
    QTest::newRow("user dnd/away") << 1 << 2;
    QTest::newRow("user away/offline") << 2 << 3;
    QTest::newRow("tray normal/offline") << 32 << 35;
    QTest::newRow("single/mass message") << 17 << 18;
    QTest::newRow("outgoing/incoming") << 19 << 20;
    QTest::newRow("add/del") << 50 << 51;
    QTest::newRow("ok/cancel") << 65 << 15;
    QTest::newRow("reply/quote") << 67 << 68;
    QTest::newRow("transfer sending/receiving")
        << ImageList::TransferSending << ImageList::TransferReceiving;
    QTest::newRow("transfer finished/failed")
        << ImageList::TransferFinished << ImageList::TransferFailed;
    QTest::newRow("add/remove file") << 111 << 112;
    QTest::newRow("start/stop") << 114 << 115;
    QTest::newRow("transfer idle/problem") << ImageList::TransferIdle << ImageList::TransferProblem;
}

void TestImageList::pairsLookDifferent()
{
    QFETCH(int, a);
    QFETCH(int, b);
    const int changed = changedPixels(render(a), render(b));
    QVERIFY2(changed >= 16, qPrintable(QString::number(changed)));
}

void TestImageList::unknownIndexIsNull_data()
{
    QTest::addColumn<int>("index");
    for (int i : {-1, 12, 14, 16, 31, 42, 80, 103, 109, 119, 126})
        QTest::addRow("%d", i) << i;
}

void TestImageList::unknownIndexIsNull()
{
    QFETCH(int, index);
    QVERIFY(!ImageList::has(index));
    QVERIFY(ImageList::icon(index).isNull());
}

void TestImageList::iconsAreCached()
{
    QCOMPARE(ImageList::icon(8).cacheKey(), ImageList::icon(8).cacheKey());
    QVERIFY(ImageList::icon(8).cacheKey() != ImageList::icon(9).cacheKey());
}

QTEST_MAIN(TestImageList)
#include "test_image_list.moc"
