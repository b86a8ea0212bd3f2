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

// Small and shown, so that the document is laid out and scrolls.
bool ShowSmall(ConversationView& view)
{
    view.resize(300, 120);
    view.show();
    return QTest::qWaitForWindowExposed(&view);
}

} // namespace

class TestConversationView : public QObject
{
    Q_OBJECT

private slots:
    void colourValues_data();
    void colourValues();
    void linesArePlainAndColoured_data();
    void linesArePlainAndColoured();
    void emptyListAndClear();
    void markupAndSmiles_data();
    void markupAndSmiles();
    void oldestLinesLeaveAFullView();
    void followsWhenAtBottom_data();
    void followsWhenAtBottom();
    void keepsPositionWhenScrolledUp();
    void hiddenViewOpensAtBottom();
    void mouse();
};

void TestConversationView::colourValues_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("rgb");
    QTest::newRow("red is the low byte") << 0x0000FF << QColor(255, 0, 0) << true;
    QTest::newRow("blue is the high byte") << 0xFF0000 << QColor(0, 0, 255) << true;
    QTest::newRow("mixed") << 0x563412 << QColor(0x12, 0x34, 0x56) << true;
    QTest::newRow("black") << 0 << QColor(0, 0, 0) << true;
    QTest::newRow("window background") << int(0x80000005u) << QColor(1, 1, 1) << false;
    QTest::newRow("stored negative") << -2147483643 << QColor(1, 1, 1) << false;
    QTest::newRow("window text") << int(0x80000008u) << QColor(2, 2, 2) << false;
    QTest::newRow("button face") << int(0x8000000Fu) << QColor(3, 3, 3) << false;
    QTest::newRow("button text") << int(0x80000012u) << QColor(4, 4, 4) << false;
    QTest::newRow("tooltip background") << int(0x80000018u) << QColor(5, 5, 5) << false;
    QTest::newRow("tooltip text") << int(0x80000017u) << QColor(6, 6, 6) << false;
    QTest::newRow("unknown index is text") << int(0x80000001u) << QColor(2, 2, 2) << false;
    QTest::newRow("top bit only") << int(0x80000000u) << QColor(2, 2, 2) << false;
}

void TestConversationView::colourValues()
{
    QFETCH(int, value);
    QFETCH(QColor, colour);
    QFETCH(bool, rgb);
    QPalette p;
    const QPalette::ColorRole roles[] = {QPalette::Base,        QPalette::Text,
                                         QPalette::Button,      QPalette::ButtonText,
                                         QPalette::ToolTipBase, QPalette::ToolTipText};
    for (int i = 0; i < 6; ++i)
        p.setColor(roles[i], QColor(i + 1, i + 1, i + 1));
    QCOMPARE(ToQColor(value, p), colour);
    if (rgb)
        QCOMPARE(FromQColor(colour), value);
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

    // No empty paragraph before the first line.
    QCOMPARE(view.toPlainText(), (lines + QStringList{u"last"_s}).join(u'\n'));
    QTextDocument* doc = view.document();
    QCOMPARE(doc->blockCount(), lines.size() + 1);
    for (int i = 0; i < lines.size(); ++i) {
        for (const QColor& c : BlockColours(doc->findBlockByNumber(i)))
            QCOMPARE(c, first);
    }
    QCOMPARE(BlockColours(doc->lastBlock()), QList<QColor>{second});
}

void TestConversationView::emptyListAndClear()
{
    ConversationView view;
    view.appendLines({}, Qt::red);
    view.appendLines({u"a"_s}, Qt::blue);
    view.appendLines({}, Qt::green);
    QCOMPARE(view.toPlainText(), u"\na\n"_s);
    QCOMPARE(BlockColours(view.document()->lastBlock()), QList<QColor>{QColor(Qt::green)});

    view.clearView();
    view.appendLines({u"c"_s}, Qt::blue);
    QCOMPARE(view.toPlainText(), u"c"_s);
}

void TestConversationView::markupAndSmiles_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("copied");
    // "^" pairs are olive; ":)" is one picture, one position, copied as its text.
    const QString obj(QChar::ObjectReplacementCharacter);
    QTest::newRow("stripped") << 3 << u"a ok b "_s + obj << u"a ok b :)"_s;
    QTest::newRow("hided") << 2 << u"a ^ok^ b "_s + obj << u"a ^ok^ b :)"_s;
    QTest::newRow("disabled") << 0 << u"a ^ok^ b "_s + obj << u"a ^ok^ b :)"_s;
}

void TestConversationView::markupAndSmiles()
{
    QFETCH(int, mode);
    QFETCH(QString, document);
    QFETCH(QString, copied);
    ConversationView view;
    view.setBackgroundColour(Qt::white);
    view.setMarkup(ColourCodeMode(mode), true);
    view.appendLines({u"a ^ok^ b :)"_s, u"<b>&amp;</b>"_s}, Qt::blue);
    QCOMPARE(view.document()->firstBlock().text(), document);
    QCOMPARE(view.document()->lastBlock().text(), u"<b>&amp;</b>"_s); // never markup
    QTextCursor ok(view.document());
    ok.setPosition(int(document.indexOf(u"ok"_s)) + 1);
    const QColor expected = mode == 0 ? QColor(Qt::blue) : QColor(128, 128, 0);
    QCOMPARE(ok.charFormat().foreground().color(), expected);
    if (mode == 2) {
        QTextCursor code(view.document());
        code.setPosition(3); // the first "^", painted away
        QCOMPARE(code.charFormat().foreground().color(), QColor(Qt::white));
    }
    view.selectAll();
    view.copy();
    QCOMPARE(QGuiApplication::clipboard()->text(), copied + u"\n<b>&amp;</b>"_s);
}

void TestConversationView::oldestLinesLeaveAFullView()
{
    ConversationView view;
    QStringList lines;
    for (int i = 0; i < ConversationView::MaxLines + ConversationView::TrimBatch; ++i)
        lines << QString::number(i);
    view.appendLines(lines, Qt::black);
    QCOMPARE(view.document()->blockCount(), ConversationView::MaxLines);
    QCOMPARE(view.document()->firstBlock().text(), QString::number(ConversationView::TrimBatch));
    view.appendLines({u"newest"_s}, Qt::black); // below the batch: nothing leaves yet
    QCOMPARE(view.document()->blockCount(), ConversationView::MaxLines + 1);
    QCOMPARE(view.document()->lastBlock().text(), u"newest"_s);
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
    QVERIFY(ShowSmall(view));
    QScrollBar* bar = view.verticalScrollBar();
    for (int i = 0; i < 400; i += batch) {
        view.appendLines(QStringList(batch, u"a line with some words to wrap in a narrow view"_s),
                         Qt::black);
        QVERIFY(view.isAtBottom());
    }
    QVERIFY(bar->maximum() > 1000);
    QCOMPARE(bar->value(), bar->maximum());

    // A few pixels short of the end still counts as the end.
    bar->setValue(bar->maximum() - 10);
    view.appendLines({u"more"_s}, Qt::black);
    QCoreApplication::processEvents();
    QCOMPARE(bar->value(), bar->maximum());
}

void TestConversationView::keepsPositionWhenScrolledUp()
{
    ConversationView view;
    QVERIFY(ShowSmall(view));
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

void TestConversationView::hiddenViewOpensAtBottom()
{
    // A tab in the background is laid out only when first shown, in steps.
    ConversationView view;
    for (int i = 0; i < 3000; ++i)
        view.appendLines({u"line %1"_s.arg(i)}, Qt::black);
    QVERIFY(ShowSmall(view));
    QScrollBar* bar = view.verticalScrollBar();
    QTRY_VERIFY(bar->maximum() > 3000 * 10);
    QTRY_COMPARE(bar->value(), bar->maximum());
}

void TestConversationView::mouse()
{
    ConversationView view;
    QVERIFY(ShowSmall(view));
    view.appendLines({u"select me please"_s}, Qt::black);
    QSignalSpy released(&view, &ConversationView::released);
    QSignalSpy right(&view, &ConversationView::rightClicked);
    QApplication::clipboard()->setText(u"old"_s);

    QTextCursor end(view.document());
    end.movePosition(QTextCursor::End);
    const QPoint from = view.cursorRect(QTextCursor(view.document())).center() + QPoint(1, 0);
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
    QCOMPARE(QApplication::clipboard()->text(), u"old"_s);

    QTest::mouseClick(vp, Qt::RightButton, {}, to);
    QCOMPARE(right.size(), 1);
    QCOMPARE(right.at(0).at(0).toPoint(), vp->mapToGlobal(to));
    QCOMPARE(released.size(), 3);
}

QTEST_MAIN(TestConversationView)
#include "test_conversation_view.moc"
