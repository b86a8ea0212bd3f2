#include "messages/raw_text.h"

#include <QTest>

using namespace quorvelle;
using namespace quorvelle::messages;
using namespace Qt::Literals::StringLiterals;

class TestRawText : public QObject
{
    Q_OBJECT

private slots:
    void quote_data();
    void quote();
    void lineColour_data();
    void lineColour();
    void rebuild_data();
    void rebuild();
};

void TestRawText::quote_data()
{
    QTest::addColumn<QString>("raw");
    QTest::addColumn<QString>("quoted");
    QTest::addColumn<QStringList>("viewLines");
    QTest::newRow("lines") << u"a\r\nb"_s << u">a\r\n>b\r\n"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("final break") << u"a\r\n"_s << u">a\r\n"_s << QStringList{u"a"_s};
    QTest::newRow("deeper") << u">a\r\n>>b\r\n"_s << u">>a\r\n>>>b\r\n"_s
                            << QStringList{u">a"_s, u">>b"_s};
    QTest::newRow("empty line") << u"a\r\n\r\nb\r\n"_s << u">a\r\n>\r\n>b\r\n"_s
                                << QStringList{u"a"_s, u" "_s, u"b"_s};
    QTest::newRow("lone LF and CR")
        << u"a\nb\rc"_s << u">a\r\n>b\r\n>c\r\n"_s << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("empty") << QString() << QString() << QStringList();
}

void TestRawText::quote()
{
    QFETCH(QString, raw);
    QFETCH(QString, quoted);
    QFETCH(QStringList, viewLines);
    QCOMPARE(QuotedRawText(raw), quoted);
    QCOMPARE(MessageViewLines(raw), viewLines);
}

void TestRawText::lineColour_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("depth");
    QTest::addColumn<QuoteColour>("colour");
    QTest::newRow("plain") << u"a > b"_s << 0 << QuoteColour::Text;
    QTest::newRow("space first") << u" >a"_s << 0 << QuoteColour::Text;
    QTest::newRow("one") << u">a"_s << 1 << QuoteColour::SingleQuote;
    QTest::newRow("two") << u">>a"_s << 2 << QuoteColour::DoubleQuote;
    QTest::newRow("three") << u">>>"_s << 3 << QuoteColour::SingleQuote;
    QTest::newRow("four") << u">>>>a>"_s << 4 << QuoteColour::DoubleQuote;
}

void TestRawText::lineColour()
{
    QFETCH(QString, line);
    QFETCH(int, depth);
    QFETCH(QuoteColour, colour);
    QCOMPARE(QuoteDepth(line), depth);
    QCOMPARE(LineColour(line), colour);
}

void TestRawText::rebuild_data()
{
    // raw: the received text; edited: the window's text after Quote and the user's typing.
    QTest::addColumn<QString>("raw");
    QTest::addColumn<chat::ColourCodeMode>("mode");
    QTest::addColumn<QString>("edited");
    QTest::addColumn<QString>("sent");
    const auto stripped = chat::ColourCodeMode::EnabledStripped;
    const QString coded = u"_|red|_ and $navy$\r\nplain\r\n"_s;
    QTest::newRow("unchanged quoted lines keep their codes")
        << coded << stripped << u">red and navy\n>plain\nanswer"_s
        << u">_|red|_ and $navy$\r\n>plain\r\nanswer\r\n"_s;
    QTest::newRow("an edited quoted line goes as typed")
        << coded << stripped << u">red and NAVY\n>plain"_s << u">red and NAVY\r\n>plain\r\n"_s;
    QTest::newRow("two identical quoted lines")
        << u"*a*\r\n_a_\r\n"_s << stripped << u">a\n>a\n>a"_s << u">*a*\r\n>_a_\r\n>a\r\n"_s;
    QTest::newRow("in the edited order")
        << u"*a*\r\n_b_"_s << stripped << u">b\n>a"_s << u">_b_\r\n>*a*\r\n"_s;
    QTest::newRow("an empty line between")
        << u"*x*"_s << stripped << u">x\n\n\nanswer"_s << u">*x*\r\n\r\n\r\nanswer\r\n"_s;
    QTest::newRow("hidden codes") << u"_|r|_"_s << chat::ColourCodeMode::EnabledHided
                                  << u">  r  \nok"_s << u">_|r|_\r\nok\r\n"_s;
    QTest::newRow("smile read as a space")
        << u":) hi"_s << stripped << u">  hi\nok"_s << u">:) hi\r\nok\r\n"_s;
    QTest::newRow("final CR LF added") << QString() << stripped << u"hello"_s << u"hello\r\n"_s;
    QTest::newRow("typed final break kept once")
        << QString() << stripped << u"hello\n"_s << u"hello\r\n"_s;
}

void TestRawText::rebuild()
{
    QFETCH(QString, raw);
    QFETCH(chat::ColourCodeMode, mode);
    QFETCH(QString, edited);
    QFETCH(QString, sent);
    const QString quoted = QuotedRawText(raw);
    QCOMPARE(RebuildRawText(edited, quoted, ShownText(quoted, mode, true)), sent);
}

QTEST_GUILESS_MAIN(TestRawText)
#include "test_raw_text.moc"
