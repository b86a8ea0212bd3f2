#include "shell/layout_state.h"

#include <QTest>

using namespace quorvelle::shell;
using namespace Qt::Literals::StringLiterals;

namespace {

// Subject, nick, users: n normal, m minimised, c closed, C closed while minimised.
LayoutState Parse(const QString& boxes)
{
    LayoutState s;
    s.subjectHeight = 60;
    s.usersNickWidth = 150;
    const Box order[] = {Box::Subject, Box::Nick, Box::Users};
    for (int i = 0; i < 3; ++i) {
        const char c = boxes.at(i).toLatin1();
        s.box(order[i]) = {c == 'n' || c == 'm', c == 'm' || c == 'C'};
    }
    return s;
}

Box BoxNamed(QStringView name)
{
    return name == u"S" ? Box::Subject : name == u"N" ? Box::Nick : Box::Users;
}

// "min N", "close U", "left", "view", "sizes", "width 200", "subject 80", "font 20".
LayoutAction ActionOf(const QString& text)
{
    const QStringList w = text.split(u' ');
    const int value = w.value(1).toInt();
    if (w[0] == u"min")
        return LayoutAction::minimize(BoxNamed(w[1]));
    if (w[0] == u"close")
        return LayoutAction::close(BoxNamed(w[1]));
    const QHash<QString, LayoutAction::Kind> kinds{
        {u"left"_s, LayoutAction::LeftPlace},       {u"view"_s, LayoutAction::DefaultView},
        {u"sizes"_s, LayoutAction::DefaultSizes},   {u"width"_s, LayoutAction::PanelMoved},
        {u"subject"_s, LayoutAction::SubjectMoved}, {u"font"_s, LayoutAction::MainFont}};
    return LayoutAction::of(kinds.value(w[0]), value);
}

LayoutResult Run(LayoutResult r, const QString& actions)
{
    if (!actions.isEmpty())
        for (const QString& a : actions.split(u", "_s))
            r = Transition(r.state, ActionOf(a));
    return r;
}

// "S:n60 N:b17 U:c14 P:150|<" with "f" when the focus goes to the input line:
// shape (h n b c), height, a users column's width, the panel's width, "|" for its
// splitter, "<" on the left.
QString Describe(const LayoutResult& r)
{
    const auto box = [](const BoxGeometry& b, bool withHeight) {
        const char shape = "hnbc"[int(b.shape)];
        QString t = QString(QLatin1Char(shape));
        if (withHeight && b.shape != BoxShape::Hidden)
            t += QString::number(b.height);
        if (b.width)
            t += QString::number(b.width);
        return t;
    };
    const LayoutGeometry& g = r.geometry;
    QString t =
        u"S:%1 N:%2 U:%3 P:%4"_s.arg(box(g.subject, true), box(g.nick, true), box(g.users, false))
            .arg(g.panelWidth);
    if (g.panelSplitter)
        t += u'|';
    if (g.panelOnLeft)
        t += u'<';
    if (r.focusInputLine)
        t += u" f"_s;
    return t;
}

} // namespace

class TestLayoutState : public QObject
{
    Q_OBJECT

private slots:
    void transitions_data();
    void transitions();
    void startUp_data();
    void startUp();
};

void TestLayoutState::transitions_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("result");
    const auto row = [](const char* start, const char* actions, const char* result) {
        QTest::addRow("%s: %s", start, actions)
            << QString::fromLatin1(start) << QString::fromLatin1(actions)
            << QString::fromLatin1(result);
    };
    // The subject box.
    row("nnn", "min S", "S:b17 N:n46 U:n P:150| f");
    row("Cnn", "close S", "S:b17 N:n46 U:n P:150|");
    // Minimising and restoring the nick box looks at the users box.
    row("nnn", "min N", "S:n60 N:b17 U:n P:150| f");
    row("nnm", "min N", "S:n60 N:c46 U:c P:22 f");
    row("nnc", "min N", "S:n60 N:c46 U:h P:22 f");
    row("nmn", "min N", "S:n60 N:n46 U:n P:150|");
    row("nmm", "min N", "S:n60 N:n46 U:c14 P:150|");
    // ... and the users box at the nick box.
    row("nnn", "min U", "S:n60 N:n46 U:c14 P:150| f");
    row("nmn", "min U", "S:n60 N:c46 U:c P:22 f");
    row("ncn", "min U", "S:n60 N:h U:c P:22 f");
    row("nnm", "min U", "S:n60 N:n46 U:n P:150|");
    row("nmm", "min U", "S:n60 N:b17 U:n P:150|");
    // Closing.
    row("nnm", "close N", "S:n60 N:h U:c P:22 f");
    row("nnc", "close N", "S:n60 N:h U:h P:0 f");
    row("nmn", "close U", "S:n60 N:c46 U:h P:22 f");
    row("ncn", "close U", "S:n60 N:h U:h P:0 f");
    // Reopening shows a box as it was closed.
    row("nCm", "close N", "S:n60 N:c46 U:c P:22");
    row("nCn", "close N", "S:n60 N:b17 U:n P:150|");
    row("ncm", "close N", "S:n60 N:n46 U:c14 P:150|");
    row("nCc", "close N", "S:n60 N:c46 U:h P:22");
    row("ncc", "close N", "S:n60 N:n46 U:h P:150|");
    row("nmc", "close U", "S:n60 N:b17 U:n P:150|");
    row("nnC", "close U", "S:n60 N:n46 U:c14 P:150|");
    row("ncC", "close U", "S:n60 N:h U:c P:22");
    // A closed box has no minimise button.
    row("ncn", "min N", "S:n60 N:h U:n P:150|");
    // The remembered width outlives the strip and the closed panel; the hidden
    // splitter cannot be dragged.
    row("nnn", "width 200, min N, min U, width 5, min N", "S:n60 N:n46 U:c14 P:200|");
    row("nnn", "width 200, close N, close U, width 9, close U", "S:n60 N:h U:n P:200|");
    row("nnn", "width 3", "S:n60 N:n46 U:n P:37|");
    row("nnn", "min S, subject 90, min S", "S:n60 N:n46 U:n P:150|");
    row("nnn", "left", "S:n60 N:n46 U:n P:150|<");
    row("CmC", "left, view", "S:n60 N:n46 U:n P:150|");
    // Default sizes follow the font; a minimised subject keeps its bar.
    row("mnn", "font 20, subject 90, sizes", "S:b17 N:n51 U:n P:120|");
    row("nnn", "font 20, subject 90, sizes", "S:n51 N:n51 U:n P:120|");
    row("nnn", "font 20, subject 90", "S:n90 N:n51 U:n P:150|");
}

void TestLayoutState::transitions()
{
    QFETCH(QString, start);
    QFETCH(QString, actions);
    QFETCH(QString, result);
    const LayoutState s = Parse(start);
    QCOMPARE(Describe(Run({s, GeometryOf(s)}, actions)), result);
}

void TestLayoutState::startUp_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("left");
    QTest::addColumn<QString>("after"); // actions once started
    QTest::addColumn<QString>("result");
    QTest::newRow("defaults") << u"nnn"_s << false << QString() << u"S:n60 N:n46 U:n P:150|"_s;
    QTest::newRow("all minimised") << u"mmm"_s << true << QString() << u"S:b17 N:c46 U:c P:22<"_s;
    // The stored width, not the default, comes back from the strip.
    QTest::newRow("strip restored")
        << u"nmm"_s << false << u"min U"_s << u"S:n60 N:b17 U:n P:150|"_s;
    // Minimised before closed: each box reopens minimised.
    QTest::newRow("all closed") << u"CCC"_s << false << QString() << u"S:h N:h U:h P:0"_s;
    QTest::newRow("reopened") << u"CCC"_s << false << u"close S, close N"_s
                              << u"S:b17 N:c46 U:h P:22"_s;
}

void TestLayoutState::startUp()
{
    QFETCH(QString, stored);
    QFETCH(bool, left);
    QFETCH(QString, after);
    QFETCH(QString, result);
    LayoutState s = Parse(stored);
    s.leftPlacement = left;
    s.editBoxHeight = 40;
    s.window = QSize(700, 500);
    const LayoutResult started = StartUp(s);
    QCOMPARE(started.state, s);
    QCOMPARE(started.geometry.inputHeight, 40);
    QCOMPARE(Describe(Run(started, after)), result);
}

QTEST_GUILESS_MAIN(TestLayoutState)
#include "test_layout_state.moc"
