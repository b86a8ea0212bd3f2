#include "chat/layout_conversion.h"

#include <QSet>
#include <QStringDecoder>
#include <QTest>
#include <algorithm>

using namespace quorvelle::chat;
using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(LayoutDirection)

namespace {

constexpr auto A = LayoutDirection::UsToRussian;
constexpr auto B = LayoutDirection::RussianToUs;

// The characters of the code page text travels in, codes 32 to 255.
QString CodePageCharacters()
{
    QByteArray bytes;
    for (int code = 32; code <= 255; ++code)
        bytes += char(code);
    QStringDecoder decode("windows-1251");
    return decode.isValid() ? decode(bytes) : QString();
}

} // namespace

class TestLayoutConversion : public QObject
{
    Q_OBJECT

private slots:
    void convert_data();
    void convert();
    void roundTrip();
    void distinctImages();
};

void TestLayoutConversion::convert_data()
{
    QTest::addColumn<LayoutDirection>("direction");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    const QString row = u"[]{};:'\",.<>/?`~@#$^&|"_s;
    const QString rowRu = u"хъХЪжЖэЭбюБЮ.,ёЁ\"№;:?/"_s;
    QTest::newRow("word A") << A << u"ghbdtn"_s << u"привет"_s;
    QTest::newRow("word B") << B << u"привет"_s << u"ghbdtn"_s;
    QTest::newRow("sentence A") << A << u"Ghbdtn? VBH! `srf"_s << u"Привет, МИР! ёыка"_s;
    QTest::newRow("sentence B") << B << u"Привет, МИР! ёыка"_s << u"Ghbdtn? VBH! `srf"_s;
    QTest::newRow("punctuation A") << A << row << rowRu;
    QTest::newRow("punctuation B") << B << rowRu << row;
    QTest::newRow("A leaves Cyrillic") << A << u"мир ЁЖ"_s << u"мир ЁЖ"_s;
    QTest::newRow("B leaves Latin") << B << u"qwerty QWERTY"_s << u"qwerty QWERTY"_s;
    const QString untouched = u"0123456789 !%*()-_=+\\ \t\r\n\x01\x1f\x7f äß€ 😀"_s;
    QTest::newRow("untouched A") << A << untouched << untouched;
    QTest::newRow("untouched B") << B << untouched << untouched;
    QTest::newRow("empty") << A << QString() << QString();
}

void TestLayoutConversion::convert()
{
    QFETCH(LayoutDirection, direction);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(ConvertLayout(text, direction), expected);
}

void TestLayoutConversion::roundTrip()
{
    // Latin text converts there and back; so does Cyrillic text the other way round.
    QString latin1;
    for (char16_t c = 32; c <= 255; ++c)
        if (c < 127 || c >= 160)
            latin1 += QChar(c);
    QString cyrillic = u"Ёё№"_s;
    for (char16_t c = u'А'; c <= u'я'; ++c)
        cyrillic += QChar(c);
    QCOMPARE(ConvertLayout(ConvertLayout(latin1, A), B), latin1);
    QCOMPARE(ConvertLayout(ConvertLayout(cyrillic, B), A), cyrillic);
    // Every Cyrillic letter has its US key.
    const QString keys = ConvertLayout(cyrillic, B);
    QVERIFY(std::all_of(keys.begin(), keys.end(), [](QChar c) { return c.unicode() < 127; }));
}

void TestLayoutConversion::distinctImages()
{
    const QString alphabet = CodePageCharacters();
    QCOMPARE(alphabet.size(), 224);
    for (const LayoutDirection direction : {A, B}) {
        const LayoutDirection back = direction == A ? B : A;
        QSet<QChar> images;
        for (const QChar c : alphabet) {
            const QChar image = ConvertLayout(QStringView(&c, 1), direction).at(0);
            if (image == c)
                continue;
            QVERIFY2(alphabet.contains(image), qPrintable(QString(c)));
            QVERIFY2(!images.contains(image), qPrintable(QString(c)));
            QCOMPARE(ConvertLayout(QStringView(&image, 1), back), QString(c));
            images.insert(image);
        }
        QCOMPARE(images.size(), 74); // 52 letters and 22 other keys
    }
}

QTEST_GUILESS_MAIN(TestLayoutConversion)
#include "test_layout_conversion.moc"
