#include "chat/colour_value.h"
#include "chat/conversation_view.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>

using namespace quorvelle::chat;
using namespace Qt::Literals::StringLiterals;

namespace {

// The foreground of every fragment in the block, or the block's own when it is empty.
QList<QColor> BlockColours(const QTextBlock& block)
{
    QList<QColor> colours;
    for (auto it = block.begin(); !it.atEnd(); ++it)
        colours << it.fragment().charFormat().foreground().color();
    if (colours.isEmpty())
        colours << block.charFormat().foreground().color();
    return colours;
}

QPalette MarkedPalette()
{
    QPalette p;
    p.setColor(QPalette::Base, QColor(1, 1, 1));
    p.setColor(QPalette::Text, QColor(2, 2, 2));
    p.setColor(QPalette::Button, QColor(3, 3, 3));
    p.setColor(QPalette::ButtonText, QColor(4, 4, 4));
    p.setColor(QPalette::ToolTipBase, QColor(5, 5, 5));
    p.setColor(QPalette::ToolTipText, QColor(6, 6, 6));
    return p;
}

} // namespace

class TestConversationView : public QObject
{
    Q_OBJECT

private slots:
    void toQColor_data();
    void toQColor();
    void fromQColor_data();
    void fromQColor();
    void linesArePlainAndColoured_data();
    void linesArePlainAndColoured();
    void emptyListAddsParagraph();
    void clearStartsOver();
    void rendererInsertsLines();
    void followsWhenAtBottom_data();
    void followsWhenAtBottom();
    void keepsPositionWhenScrolledUp();
    void mouse();
};

void TestConversationView::toQColor_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("red is the low byte") << 0x0000FF << QColor(255, 0, 0);
    QTest::newRow("green") << 0x00FF00 << QColor(0, 255, 0);
    QTest::newRow("blue is the high byte") << 0xFF0000 << QColor(0, 0, 255);
    QTest::newRow("mixed") << (0x12 + 256 * 0x34 + 65536 * 0x56) << QColor(0x12, 0x34, 0x56);
    QTest::newRow("black") << 0 << QColor(0, 0, 0);
    QTest::newRow("window background") << int(0x80000005u) << QColor(1, 1, 1);
    QTest::newRow("stored negative") << -2147483643 << QColor(1, 1, 1);
    QTest::newRow("window text") << int(0x80000008u) << QColor(2, 2, 2);
    QTest::newRow("button face") << int(0x8000000Fu) << QColor(3, 3, 3);
    QTest::newRow("button text") << int(0x80000012u) << QColor(4, 4, 4);
    QTest::newRow("tooltip background") << int(0x80000018u) << QColor(5, 5, 5);
    QTest::newRow("tooltip text") << int(0x80000017u) << QColor(6, 6, 6);
    QTest::newRow("unknown index is text") << int(0x80000001u) << QColor(2, 2, 2);
    // A system index must not leak into RGB: 0x80000005 is not dark red.
    QTest::newRow("top bit only") << int(0x80000000u) << QColor(2, 2, 2);
}

void TestConversationView::toQColor()
{
    QFETCH(int, value);
    QFETCH(QColor, colour);
    QCOMPARE(ToQColor(value, MarkedPalette()), colour);
}

void TestConversationView::fromQColor_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("value");
    QTest::newRow("red") << QColor(255, 0, 0) << 0x0000FF;
    QTest::newRow("blue") << QColor(0, 0, 255) << 0xFF0000;
    QTest::newRow("mixed") << QColor(0x12, 0x34, 0x56) << 0x563412;
    QTest::newRow("white") << QColor(Qt::white) << 0xFFFFFF;
}

void TestConversationView::fromQColor()
{
    QFETCH(QColor, colour);
    QFETCH(int, value);
    QCOMPARE(FromQColor(colour), value);
    QCOMPARE(ToQColor(value), colour);
}

void TestConversationView::linesArePlainAndColoured_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("one") << QStringList{u"[12:34] <Ann> hello"_s};
    QTest::newRow("markup stays literal")
        << QStringList{u"<b>x</b>"_s, u"&amp; &lt;"_s, u"<a href=\"http://h\">l</a>"_s};
    QTest::newRow("empty line inside") << QStringList{u"a"_s, QString(), u"c"_s};
    QTest::newRow("spaces kept") << QStringList{u"  two  spaces  "_s};
}

void TestConversationView::linesArePlainAndColoured()
{
    QFETCH(QStringList, lines);
    ConversationView view;
    const QColor first(200, 10, 20);
    const QColor second(5, 100, 250);
    view.appendLines(lines, first);
    view.appendLines({u"last"_s}, second);

    QCOMPARE(view.toPlainText(), (lines + QStringList{u"last"_s}).join(u'\n'));
    QTextDocument* doc = view.document();
    QCOMPARE(doc->blockCount(), lines.size() + 1);
    for (int i = 0; i < lines.size(); ++i) {
        const QTextBlock block = doc->findBlockByNumber(i);
        QCOMPARE(block.text(), lines[i]);
        for (const QColor& c : BlockColours(block))
            QCOMPARE(c, first);
    }
    QCOMPARE(BlockColours(doc->lastBlock()), QList<QColor>{second});
    QVERIFY(!doc->toHtml().contains(u"<b>x</b>"_s));
}

void TestConversationView::emptyListAddsParagraph()
{
    ConversationView view;
    view.appendLines({}, Qt::red);
    view.appendLines({u"a"_s}, Qt::blue);
    view.appendLines({}, Qt::green);
    QCOMPARE(view.toPlainText(), u"\na\n"_s);
    QCOMPARE(view.document()->blockCount(), 3);
    QCOMPARE(BlockColours(view.document()->lastBlock()), QList<QColor>{QColor(Qt::green)});
}

void TestConversationView::clearStartsOver()
{
    ConversationView view;
    view.appendLines({u"a"_s, u"b"_s}, Qt::red);
    view.clearView();
    QVERIFY(view.toPlainText().isEmpty());
    view.appendLines({u"c"_s}, Qt::blue);
    QCOMPARE(view.toPlainText(), u"c"_s);
    QCOMPARE(view.document()->blockCount(), 1);
}

void TestConversationView::rendererInsertsLines()
{
    ConversationView view;
    QStringList seen;
    view.setLineRenderer([&](QTextCursor& cursor, const QString& line, const QTextCharFormat& f) {
        seen << line;
        QCOMPARE(f.foreground().color(), QColor(Qt::red));
        cursor.insertText(line.toUpper(), f);
    });
    view.appendLines({u"ab"_s, u"cd"_s}, Qt::red);
    QCOMPARE(seen, (QStringList{u"ab"_s, u"cd"_s}));
    QCOMPARE(view.toPlainText(), u"AB\nCD"_s);

    view.setLineRenderer({}); // back to plain
    view.appendLines({u"ef"_s}, Qt::red);
    QCOMPARE(view.toPlainText(), u"AB\nCD\nef"_s);
}

void TestConversationView::followsWhenAtBottom_data()
{
    QTest::addColumn<int>("batch");
    QTest::newRow("one by one") << 1;
    QTest::newRow("batches") << 25;
}

void TestConversationView::followsWhenAtBottom()
{
    QFETCH(int, batch);
    ConversationView view;
    view.resize(300, 120);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QScrollBar* bar = view.verticalScrollBar();
    for (int i = 0; i < 400; i += batch) {
        QStringList lines;
        for (int j = 0; j < batch; ++j)
            lines << u"line %1 with some words to wrap in a narrow view"_s.arg(i + j);
        view.appendLines(lines, Qt::black);
        QVERIFY(view.isAtBottom());
    }
    QVERIFY(bar->maximum() > 1000);
    QCOMPARE(bar->value(), bar->maximum());

    // A few pixels short of the end still counts as the end.
    bar->setValue(bar->maximum() - 10);
    view.appendLines({u"more"_s}, Qt::black);
    QCOMPARE(bar->value(), bar->maximum());
    QCoreApplication::processEvents();
    QCOMPARE(bar->value(), bar->maximum());
}

void TestConversationView::keepsPositionWhenScrolledUp()
{
    ConversationView view;
    view.resize(300, 120);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QScrollBar* bar = view.verticalScrollBar();
    for (int i = 0; i < 100; ++i)
        view.appendLines({u"line %1"_s.arg(i)}, Qt::black);
    const int top = bar->maximum() / 2;
    bar->setValue(top);
    QVERIFY(!view.isAtBottom());
    const int oldMax = bar->maximum();
    for (int i = 0; i < 100; ++i)
        view.appendLines({u"later %1"_s.arg(i)}, Qt::black);
    view.appendLines(QStringList(50, u"batch"_s), Qt::black);
    QCoreApplication::processEvents();
    QVERIFY(bar->maximum() > oldMax);
    QCOMPARE(bar->value(), top);
}

void TestConversationView::mouse()
{
    ConversationView view;
    view.resize(300, 120);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.appendLines({u"select me please"_s}, Qt::black);
    QSignalSpy released(&view, &ConversationView::released);
    QSignalSpy right(&view, &ConversationView::rightClicked);
    QApplication::clipboard()->setText(u"old"_s);

    const QRect first = view.cursorRect(QTextCursor(view.document()));
    const QPoint from = first.center() + QPoint(1, 0);
    QTextCursor end(view.document());
    end.movePosition(QTextCursor::EndOfBlock);
    const QPoint to = view.cursorRect(end).center();

    QWidget* vp = view.viewport();
    QTest::mousePress(vp, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, to, vp->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(vp, &move);
    QTest::mouseRelease(vp, Qt::LeftButton, {}, to);
    QCOMPARE(released.size(), 1);
    QCOMPARE(QApplication::clipboard()->text(), u"select me please"_s);
    QVERIFY(!view.textCursor().hasSelection());

    // A plain click copies nothing.
    QApplication::clipboard()->setText(u"old"_s);
    QTest::mouseClick(vp, Qt::LeftButton, {}, from);
    QCOMPARE(released.size(), 2);
    QCOMPARE(QApplication::clipboard()->text(), u"old"_s);

    QTest::mousePress(vp, Qt::RightButton, {}, to);
    QCOMPARE(right.size(), 1);
    QCOMPARE(right.at(0).at(0).toPoint(), vp->mapToGlobal(to));
    QTest::mouseRelease(vp, Qt::RightButton, {}, to);
    QCOMPARE(released.size(), 3);
}

QTEST_MAIN(TestConversationView)
#include "test_conversation_view.moc"
