#include "chat/markup.h"

#include <QElapsedTimer>
#include <QTest>

using namespace quorvelle::chat;
using namespace Qt::Literals::StringLiterals;

namespace {

QString ColourName(int colour)
{
    for (const ColourCodeEntry& entry : ColourCodeTable()) {
        if (entry.colour == colour)
            return entry.caption.trimmed().toString();
    }
    return QString::number(colour, 16);
}

// The shown text with every run bracketed: "«Olive:text»", "«hid:code»".
QString Annotated(const RenderedLine& line)
{
    QString out;
    qsizetype at = 0;
    for (const MarkupRun& run : line.runs) {
        out += line.shown.mid(at, run.start - at) + u'«' +
               (run.hidden ? u"hid"_s : ColourName(run.colour)) + u':' +
               line.shown.mid(run.start, run.length) + u'»';
        at = run.start + run.length;
    }
    return out + line.shown.mid(at);
}

// "start+length:image" for each smile.
QString SmileList(const RenderedLine& line)
{
    QStringList out;
    for (const SmileSpan& smile : line.smiles)
        out << u"%1+%2:%3"_s.arg(smile.start).arg(smile.length).arg(smile.image);
    return out.join(u' ');
}

} // namespace

class TestMarkup : public QObject
{
    Q_OBJECT

private slots:
    void render_data();
    void render();
    void readBack_data();
    void readBack();
    void longLines();
};

void TestMarkup::render_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("showSmiles");
    QTest::addColumn<QString>("annotated");
    QTest::addColumn<QString>("smiles");

    QTest::newRow("olive macro, disabled") << u"^Ок!^"_s << 0 << true << u"^Ок!^"_s << QString();
    QTest::newRow("olive macro, enabled")
        << u"^Ок!^"_s << 1 << true << u"«Olive:^Ок!^»"_s << QString();
    QTest::newRow("olive macro, hided")
        << u"^Ок!^"_s << 2 << true << u"«hid:^»«Olive:Ок!»«hid:^»"_s << QString();
    QTest::newRow("olive macro, stripped")
        << u"^Ок!^"_s << 3 << true << u"«Olive:Ок!»"_s << QString();
    QTest::newRow("fuchsia macro, hided")
        << u"#|Эй|# :?:"_s << 2 << true << u"«hid:#|»«Fuchsia:Эй»«hid:|#» :?:"_s << u"7+3:100"_s;
    QTest::newRow("fuchsia macro, stripped")
        << u"#|Эй|# :?:"_s << 3 << true << u"«Fuchsia:Эй» :?:"_s << u"3+3:100"_s;
    QTest::newRow("rainbow macro, stripped")
        << u"_|П|_^|р|^&|и|&%|в|%$|е|$#|т|# :!:"_s << 3 << true
        << u"«Red:П»«Yellow:р»«Lime:и»«Aqua:в»«Blue:е»«Fuchsia:т» :!:"_s << u"7+3:99"_s;

    // White pairs first, gray afterwards paints over it.
    QTest::newRow("later entry wins, enabled")
        << u"*a @b* c@"_s << 1 << true << u"«White:*a »«Gray:@b* c@»"_s << QString();
    QTest::newRow("later entry wins, hided")
        << u"*a @b* c@"_s << 2 << true << u"«hid:*»«White:a »«hid:@»«Gray:b* c»«hid:@»"_s
        << QString();
    QTest::newRow("later entry wins, stripped")
        << u"*a @b* c@"_s << 3 << true << u"«White:a »«Gray:b c»"_s << QString();
    QTest::newRow("four asterisks")
        << u"*a* *b*"_s << 3 << true << u"«White:a» «White:b»"_s << QString();
    QTest::newRow("odd asterisk") << u"*a* *b"_s << 3 << true << u"«White:a» *b"_s << QString();
    QTest::newRow("lone asterisk, hided") << u"x * y"_s << 2 << true << u"x * y"_s << QString();
    QTest::newRow("channel names, enabled")
        << u"#a #b"_s << 1 << true << u"«Purple:#a #»b"_s << QString();
    QTest::newRow("channel names, stripped")
        << u"#a #b"_s << 3 << true << u"«Purple:a »b"_s << QString();
    QTest::newRow("silver is not gray") << u"@|x|@"_s << 3 << true << u"«Silver:x»"_s << QString();
    QTest::newRow("red then gray") << u"_|red|_ and @gray@ end"_s << 3 << true
                                   << u"«Red:red» and «Gray:gray» end"_s << QString();
    // The first "|_" precedes the red start: unmatched, it stays; "_" then pairs.
    QTest::newRow("end code before start")
        << u"|_ _|x|_"_s << 3 << true << u"|«Maroon: _|x|»"_s << QString();
    // Stripping the first pair joins "@" and "|" into a start code that pairs again.
    QTest::newRow("closing up makes a code")
        << u"@@||b|@ c|@"_s << 3 << true << u"«Silver:b c»"_s << QString();
    QTest::newRow("lines apart") << u"*a\r*b*\r:)"_s << 3 << true << u"*a\r«White:b»\r:)"_s
                                 << u"5+2:81"_s;
    QTest::newRow("NUL and lone surrogate")
        << u"*\0\xD800* :\xDC00)"_s << 3 << true << u"«White:\0\xD800» :\xDC00)"_s << QString();

    QTest::newRow("repeats are one smile")
        << u":)))) :EEE"_s << 3 << true << u":)))) :EEE"_s << u"0+5:83 6+4:94"_s;
    QTest::newRow("two smiles") << u":) :)"_s << 3 << true << u":) :)"_s << u"0+2:81 3+2:81"_s;
    QTest::newRow("colon ending takes no repeat")
        << u":!::)"_s << 3 << true << u":!::)"_s << u"0+3:99 3+2:81"_s;
    QTest::newRow("smile in nick") << u"<B)> hi"_s << 3 << true << u"<B)> hi"_s << u"1+2:95"_s;
    QTest::newRow("smiles off") << u"*:)*"_s << 3 << false << u"«White::)»"_s << QString();
    QTest::newRow("disabled codes, smiles on")
        << u"^x^ :)"_s << 0 << true << u"^x^ :)"_s << u"4+2:81"_s;
    // Smiles are searched in what the mode leaves: shown codes count, hidden ones do not.
    QTest::newRow("smile of code, enabled")
        << u"_|O|_"_s << 1 << true << u"«Red:_|O|_»"_s << u"2+2:97"_s;
    QTest::newRow("smile of code, hided")
        << u"_|O|_"_s << 2 << true << u"«hid:_|»«Red:O»«hid:|_»"_s << QString();
}

void TestMarkup::render()
{
    QFETCH(QString, text);
    QFETCH(int, mode);
    QFETCH(bool, showSmiles);
    QFETCH(QString, annotated);
    QFETCH(QString, smiles);

    const RenderedLine line = RenderMarkup(text, ColourCodeMode(mode), showSmiles);
    QCOMPARE(Annotated(line), annotated);
    QCOMPARE(SmileList(line), smiles);
}

void TestMarkup::readBack_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("pictured");

    QTest::newRow("hidden codes") << u"#|Эй|# :?:"_s << 2 << u"  Эй   :?:"_s << u"  Эй    "_s;
    QTest::newRow("unmatched start codes")
        << u"|_ _|x|_ * :))))"_s << 3 << u"|   x|   :))))"_s << u"|   x|    "_s;
    QTest::newRow("shown codes") << u"*a* :)"_s << 1 << u"*a* :)"_s << u"*a*  "_s;
}

void TestMarkup::readBack()
{
    QFETCH(QString, text);
    QFETCH(int, mode);
    QFETCH(QString, hint);
    QFETCH(QString, pictured);

    const RenderedLine line = RenderMarkup(text, ColourCodeMode(mode), true);
    QCOMPARE(line.hint, hint);
    QCOMPARE(line.pictured, pictured);
}

void TestMarkup::longLines()
{
    // Every start code pairs with an end code far away: nested spans over 8000 characters.
    QElapsedTimer timer;
    timer.start();
    const QString nested = u"@| "_s.repeated(1333) + u"|@ "_s.repeated(1333);
    const RenderedLine silver = RenderMarkup(nested, ColourCodeMode::Enabled, true);
    QCOMPARE(silver.runs.size(), 1);
    QCOMPARE(silver.runs[0].length, nested.size() - 1);

    const RenderedLine mixed =
        RenderMarkup(u"_|a|_@b@:)"_s.repeated(800), ColourCodeMode::EnabledStripped, true);
    QCOMPARE(mixed.shown.size(), 3200);
    QCOMPARE(mixed.runs.size(), 1600);
    QCOMPARE(mixed.runs[1598].start, 3196);
    QCOMPARE(ColourName(mixed.runs[1598].colour), u"Red"_s);
    QCOMPARE(mixed.smiles.size(), 800);
    QCOMPARE(mixed.smiles.last().start, 3198);
    qInfo("two 8000-character lines of codes rendered in %lld ms", timer.elapsed());
}

QTEST_GUILESS_MAIN(TestMarkup)
#include "test_markup.moc"
