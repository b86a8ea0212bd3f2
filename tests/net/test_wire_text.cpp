#include "net/wire_text.h"

#include <QTest>

using namespace quorvelle::net;

class TestWireText : public QObject
{
    Q_OBJECT

private slots:
    void encode_data();
    void encode();
    void defaultCodepage_data();
    void defaultCodepage();
    void unmappable();
};

void TestWireText::encode_data()
{
    QTest::addColumn<QByteArray>("codepage");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("decoded");
    const QString privet = QStringLiteral(u"Привет");
    QTest::newRow("cyrillic in 1251")
        << QByteArray("windows-1251") << privet << QByteArray::fromHex("cff0e8e2e5f2") << privet;
    QTest::newRow("capital EM") << QByteArray("windows-1251") << QStringLiteral(u"М")
                                << QByteArray("\xcc") << QStringLiteral(u"М");
    QTest::newRow("unmappable becomes ?")
        << QByteArray("windows-1251") << QStringLiteral(u"a€b✓c😀d")
        << QByteArray("a\x88"
                      "b?c?d")
        << QStringLiteral(u"a€b?c?d");
    QTest::newRow("control 0x1A stays") << QByteArray("windows-1251") << QStringLiteral("\x1a")
                                        << QByteArray("\x1a") << QStringLiteral("\x1a");
    QTest::newRow("latin in 1252") << QByteArray("windows-1252") << QStringLiteral(u"café")
                                   << QByteArray("caf\xe9") << QStringLiteral(u"café");
    QTest::newRow("unknown page falls back")
        << QByteArray("no-such-page") << privet << QByteArray::fromHex("cff0e8e2e5f2") << privet;
}

void TestWireText::encode()
{
    QFETCH(QByteArray, codepage);
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, decoded);
    const WireText wire(codepage);
    QCOMPARE(wire.encode(text).toHex(), bytes.toHex());
    QCOMPARE(wire.decode(bytes), decoded);
}

void TestWireText::unmappable()
{
    // What would go out as "?", each once, for the input line's warning.
    const WireText cyrillic("windows-1251");
    QCOMPARE(cyrillic.unmappable(QStringLiteral(u"a€b✓c😀d✓")), QStringLiteral(u"✓😀"));
    QCOMPARE(cyrillic.unmappable(QStringLiteral(u"Привет")), QString());
    WireText western("windows-1251");
    western.setCodepage("windows-1252");
    QCOMPARE(western.unmappable(QStringLiteral(u"café ЖЖ")), QStringLiteral(u"Ж"));
}

void TestWireText::defaultCodepage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("codepage");
    QTest::newRow("C") << QStringLiteral("C") << QByteArray("windows-1251");
    QTest::newRow("ru_RU") << QStringLiteral("ru_RU") << QByteArray("windows-1251");
    QTest::newRow("en_US") << QStringLiteral("en_US") << QByteArray("windows-1252");
    QTest::newRow("pl_PL") << QStringLiteral("pl_PL") << QByteArray("windows-1250");
    QTest::newRow("sr_Cyrl") << QStringLiteral("sr_Cyrl_RS") << QByteArray("windows-1251");
    QTest::newRow("el_GR") << QStringLiteral("el_GR") << QByteArray("windows-1253");
}

void TestWireText::defaultCodepage()
{
    QFETCH(QString, locale);
    QFETCH(QByteArray, codepage);
    QCOMPARE(quorvelle::settings::AnsiCodepageFor(QLocale(locale)), codepage);
}

QTEST_GUILESS_MAIN(TestWireText)
#include "test_wire_text.moc"
