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
    void appendAndClear();
    void markupAndSmiles_data();
    void markupAndSmiles();
    void oldestLinesLeaveAFullView();
    void findsLinesNotLaidOut();
    void scrolling_data();
    void scrolling();
    void mouse();
};

void TestConversationView::colourValues_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QColor>("colour");
    // The palette holds grey n, n, n for the n-th system colour.
    QTest::newRow("red, green, blue from the low byte") << 0x563412 << QColor(0x12, 0x34, 0x56);
    QTest::newRow("window background, stored negative") << -2147483643 << QColor(1, 1, 1);
    QTest::newRow("window text") << int(0x80000008u) << QColor(2, 2, 2);
    QTest::newRow("button face") << int(0x8000000Fu) << QColor(3, 3, 3);
    QTest::newRow("button text") << int(0x80000012u) << QColor(4, 4, 4);
    QTest::newRow("tooltip background") << int(0x80000018u) << QColor(5, 5, 5);
    QTest::newRow("tooltip text") << int(0x80000017u) << QColor(6, 6, 6);
    QTest::newRow("unknown index is text") << int(0x80000001u) << QColor(2, 2, 2);
    QTest::newRow("top bit only") << int(0x80000000u) << QColor(2, 2, 2);
}

void TestConversationView::colourValues()
{
    QFETCH(int, value);
    QFETCH(QColor, colour);
    QPalette p;
    const QPalette::ColorRole roles[] = {QPalette::Base,        QPalette::Text,
                                         QPalette::Button,      QPalette::ButtonText,
                                         QPalette::ToolTipBase, QPalette::ToolTipText};
    for (int i = 0; i < 6; ++i)
        p.setColor(roles[i], QColor(i + 1, i + 1, i + 1));
    QCOMPARE(ToQColor(value, p), colour);
    if (value >= 0)
        QCOMPARE(FromQColor(colour), value);
}

// Plain text in each batch's colour, no empty paragraph before the first line, an
// empty batch as a blank line, and a cleared view that starts afresh.
void TestConversationView::appendAndClear()
{
    ConversationView view;
    view.appendLines({u"a"_s, QString(), u"  two  spaces  "_s}, Qt::red);
    view.appendLines({}, Qt::green);
    view.appendLines({u"last"_s}, Qt::blue);
    QCOMPARE(view.toPlainText(), u"a\n\n  two  spaces  \n\nlast"_s);
    const QTextDocument* doc = view.document();
    QCOMPARE(doc->blockCount(), 5);
    for (int i = 0; i < 3; ++i) {
        for (const QColor& c : BlockColours(doc->findBlockByNumber(i)))
            QCOMPARE(c, QColor(Qt::red));
    }
    QCOMPARE(BlockColours(doc->findBlockByNumber(3)), QList<QColor>{QColor(Qt::green)});
    QCOMPARE(BlockColours(doc->lastBlock()), QList<QColor>{QColor(Qt::blue)});

    view.clearView();
    view.appendLines({}, Qt::red);
    view.appendLines({u"c"_s}, Qt::blue);
    QCOMPARE(view.toPlainText(), u"\nc"_s);
    QCOMPARE(BlockColours(doc->firstBlock()), QList<QColor>{QColor(Qt::red)});
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
        // Shown lines follow a new background and new line colours.
        view.setBackgroundColour(Qt::black);
        view.recolour({{QColor(Qt::blue).rgba(), QColor(Qt::cyan).rgba()}});
        code = QTextCursor(view.document());
        code.setPosition(3);
        QCOMPARE(code.charFormat().foreground().color(), QColor(Qt::black));
        QCOMPARE(BlockColours(view.document()->lastBlock()), QList<QColor>{QColor(Qt::cyan)});
    }
    view.selectAll();
    view.copy();
    QCOMPARE(QGuiApplication::clipboard()->text(), copied + u"\n<b>&amp;</b>"_s);
}

// Finding searches every kept line: one that waits in the store is laid out,
// selected and brought into sight; searching wraps round in both directions.
void TestConversationView::findsLinesNotLaidOut()
{
    ConversationView view;
    QStringList lines;
    for (int i = 0; i < ConversationView::MaxLines; ++i)
        lines << u"line %1 end"_s.arg(i);
    view.appendLines(lines, Qt::black);
    QVERIFY(ShowSmall(view));
    const QString wanted = u"LINE 123 END"_s;
    QCOMPARE(view.findLine(wanted, -1, true, Qt::CaseSensitive), -1);
    const int line = view.findLine(wanted, -1, true, Qt::CaseInsensitive);
    QCOMPARE(line, 123);
    QCOMPARE(view.findLine(wanted, line, true, Qt::CaseInsensitive), 123); // wraps to itself
    QCOMPARE(view.findLine(u"end"_s, 0, true, Qt::CaseInsensitive), lines.size() - 1);
    view.showFound(line, wanted, Qt::CaseInsensitive);
    QCOMPARE(view.textCursor().selectedText(), u"line 123 end"_s);
    QVERIFY(view.viewport()->rect().contains(view.cursorRect().center()));
}

// The view keeps MaxLines lines, of which only the newest are laid out while it
// follows them; scrolled to the top, the older ones come back in order, with the
// line the user was reading staying where it was.
void TestConversationView::oldestLinesLeaveAFullView()
{
    ConversationView view;
    QStringList lines;
    for (int i = 0; i < ConversationView::MaxLines + ConversationView::TrimBatch; ++i)
        lines << QString::number(i) + (i % 2 ? u" Эй"_s : QString());
    view.appendLines(lines, Qt::black);
    view.appendLines({u"newest"_s}, Qt::darkRed); // below the batch: nothing leaves yet
    QCOMPARE(view.lineCount(), ConversationView::MaxLines + 1);
    QVERIFY(view.document()->blockCount() <= 2 * ConversationView::LaidOutLines);
    QCOMPARE(view.document()->lastBlock().text(), u"newest"_s);

    QVERIFY(ShowSmall(view));
    QScrollBar* bar = view.verticalScrollBar();
    const QPoint middle(1, view.viewport()->height() / 2);
    QString first;
    for (int round = 0; round < 100 && first != QString::number(ConversationView::TrimBatch);
         ++round) {
        bar->setValue(0);
        const QString shown = view.cursorForPosition(middle).block().text();
        QTest::qWait(1);
        QCOMPARE(view.cursorForPosition(middle).block().text(), shown);
        first = view.document()->firstBlock().text();
    }
    QCOMPARE(first, QString::number(ConversationView::TrimBatch));
    QCOMPARE(view.document()->blockCount(), view.lineCount());
    QCOMPARE(view.document()->findBlockByNumber(5001).text(),
             QString::number(ConversationView::TrimBatch + 5001) + u" Эй"_s);
    QCOMPARE(BlockColours(view.document()->lastBlock()), QList<QColor>{QColor(Qt::darkRed)});

    // Back at the end, the lines scrolled back to leave the document again.
    bar->setValue(bar->maximum());
    view.appendLines({u"after"_s}, Qt::black);
    QVERIFY(view.document()->blockCount() <= 2 * ConversationView::LaidOutLines);
    QCOMPARE(view.lineCount(), ConversationView::MaxLines + 2);
}

void TestConversationView::scrolling_data()
{
    QTest::addColumn<int>("batch");
    QTest::addColumn<bool>("scrolledUp");
    QTest::newRow("at the end, one by one") << 1 << false;
    QTest::newRow("at the end, in batches") << 25 << false;
    QTest::newRow("scrolled up, one by one") << 1 << true;
    QTest::newRow("scrolled up, in batches") << 50 << true;
}

// Filled while hidden, like a tab in the background, the view is laid out when first
// shown, in steps, and opens at the end. There (or a few pixels short of it) it
// follows new lines; scrolled up, it keeps the user's place.
void TestConversationView::scrolling()
{
    QFETCH(int, batch);
    QFETCH(bool, scrolledUp);
    ConversationView view;
    for (int i = 0; i < ConversationView::LaidOutLines; ++i)
        view.appendLines({u"line %1"_s.arg(i)}, Qt::black);
    QVERIFY(ShowSmall(view));
    QScrollBar* bar = view.verticalScrollBar();
    QTRY_VERIFY(bar->maximum() > ConversationView::LaidOutLines * 10);
    QTRY_COMPARE(bar->value(), bar->maximum());
    const int kept = scrolledUp ? bar->maximum() / 2 : bar->maximum() - 10;
    bar->setValue(kept);
    const int oldMax = bar->maximum();
    for (int i = 0; i < 400; i += batch)
        view.appendLines(QStringList(batch, u"a line with some words to wrap in a narrow view"_s),
                         Qt::black);
    QCoreApplication::processEvents();
    QVERIFY(bar->maximum() > oldMax + 1000);
    QCOMPARE(bar->value(), scrolledUp ? kept : bar->maximum());
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
