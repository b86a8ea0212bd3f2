#include "settings/program_info.h"
#include "settings/settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quorvelle::settings;
using namespace Qt::Literals::StringLiterals;

namespace {

SchemaContext testContext()
{
    return SchemaContext{
        u"HOSTNAME"_s, u"Quorvelle v.9.8.7.6"_s, QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7)),
        u"/data/"_s,   u"/data/Sounds/"_s,       "windows-1251"};
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void freshStoreGivesDefaults_data();
    void freshStoreGivesDefaults();
    void everyDefaultReadsBackAsWritten();
    void garbageFallsBack_data();
    void garbageFallsBack();
    void readsCreateNothing();
    void listSectionsRoundTripAndErase();
    void textSurvives_data();
    void textSurvives();
    void damagedFilesGiveDefaults_data();
    void damagedFilesGiveDefaults();
    void programInfo();

private:
    QString iniPath() const { return m_dir.filePath(u"Quorvelle.ini"_s); }
    QTemporaryDir m_dir;
    SettingsSchema m_schema{testContext()};
};

void TestSettings::init()
{
    QFile::remove(iniPath());
}

void TestSettings::freshStoreGivesDefaults_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    auto row = [](Key k, const QString& expected) {
        QTest::addRow("%s/%s", qPrintable(k.sectionName()), qPrintable(k.valueName()))
            << k.sectionName() << k.valueName() << expected;
    };
    using namespace key;
    row(NickName, u"HOSTNAME"_s);
    row(UsStatus, u"0"_s);
    row(UDPPort, u"8166"_s);
    row(Subject, u"Quorvelle v.9.8.7.6"_s);
    row(SubjDateTime, u"[04.03.2026 - 05:06:07]"_s);
    row(LogsDir, u"/data/Logs/"_s);
    row(FilesDir, u"/data/In/"_s);
    row(HotKey, u"Ctrl+Alt+S"_s);
    row(StyleCodes, u"3"_s);
    row(ChatWidth, u"536"_s);
    row(ChatHeight, u"366"_s);
    row(FontCharset, u"204"_s);
    row(FontName, u"Arial"_s);
    row(FontStyle, u"1"_s);
    row(ViewLeftPlacement, u"0"_s);
    row(TimeWSeconds, u"0"_s);
    row(SysErrors, u"1"_s);
    row(ChatBrush, u"-2147483643"_s);
    row(SysStrFont.at(12), u"-2147483640"_s);
    row(SysStrFont.at(2), QString::number(0x008000));
    row(MessStrFont.at(1), QString::number(0xFF00FF));
    row(Macro.at(3), u"Привет Всем!"_s);
    row(Macro.at(10), u":\\"_s);
    row(Nick.at(10), QString());
    row(Event.at(13), u"/data/Sounds/RecvLine.wav"_s);
    row(InAway, u"1"_s);
    row(InDND, u"0"_s);
}

void TestSettings::freshStoreGivesDefaults()
{
    QFETCH(QString, section);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    SettingsStore store(iniPath());
    Settings settings(store, m_schema);
    const SettingDef* def = nullptr;
    for (const SettingDef& d : m_schema.all())
        if (d.key.sectionName() == section && d.key.valueName() == name)
            def = &d;
    QVERIFY(def);
    switch (def->type) {
    case ValueType::Boolean:
        QCOMPARE(settings.flag(def->key) ? u"1"_s : u"0"_s, expected);
        break;
    case ValueType::Integer:
        QCOMPARE(QString::number(settings.number(def->key)), expected);
        break;
    case ValueType::Text:
        QCOMPARE(settings.text(def->key), expected);
        break;
    }
    QVERIFY(settings.listItems(section::AddrList).isEmpty());
}

// Writing every default and reading it back must give the same values, and the
// file must hold them as the text forms ("1"/"0", decimal).
void TestSettings::everyDefaultReadsBackAsWritten()
{
    QSet<QString> seen;
    {
        SettingsStore store(iniPath());
        for (const SettingDef& d : m_schema.all()) {
            const QString id = d.key.sectionName() + u'/' + d.key.valueName();
            QVERIFY2(!seen.contains(id), qPrintable(u"declared twice: "_s + id));
            seen.insert(id);
            if (d.fallback)
                store.writeText(d.key.sectionName(), d.key.valueName(), *d.fallback);
        }
        QVERIFY(store.sync());
    }
    SettingsStore store(iniPath());
    for (const SettingDef& d : m_schema.all()) {
        if (!d.fallback)
            continue;
        QCOMPARE(store.readText(d.key.sectionName(), d.key.valueName(), u"<missing>"_s),
                 *d.fallback);
    }
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray ini = file.readAll();
    QVERIFY(ini.contains("[SystemMessages]\nBeepConf=1\n"));
    QVERIFY(ini.contains("UDPPort=8166\n"));
}

void TestSettings::garbageFallsBack_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("asInt");  // with default 42
    QTest::addColumn<int>("asBool"); // with default true; -1 means the default
    QTest::newRow("word") << u"abc"_s << 42 << -1;
    QTest::newRow("empty") << QString() << 42 << -1;
    QTest::newRow("number and text") << u"12abc"_s << 42 << -1;
    QTest::newRow("too big for int") << u"4294967296"_s << 42 << 1;
    QTest::newRow("negative") << u"-7"_s << -7 << 1;
    QTest::newRow("zero") << u"0"_s << 0 << 0;
    QTest::newRow("two") << u"2"_s << 2 << 1;
    QTest::newRow("hex is not decimal") << u"0x10"_s << 42 << -1;
}

void TestSettings::garbageFallsBack()
{
    QFETCH(QString, stored);
    QFETCH(int, asInt);
    QFETCH(int, asBool);
    SettingsStore store(iniPath());
    store.writeText(u"Settings"_s, u"Value"_s, stored);
    QCOMPARE(store.readInt(u"Settings"_s, u"Value"_s, 42), asInt);
    QCOMPARE(store.readBool(u"Settings"_s, u"Value"_s, true), asBool == -1 ? true : asBool == 1);
    QCOMPARE(store.readBool(u"Settings"_s, u"Value"_s, false), asBool == -1 ? false : asBool == 1);
    QCOMPARE(store.readText(u"Settings"_s, u"Value"_s, u"dflt"_s),
             stored.isNull() ? u""_s : stored);
}

void TestSettings::readsCreateNothing()
{
    {
        SettingsStore store(iniPath());
        Settings settings(store, m_schema);
        for (const SettingDef& d : m_schema.all())
            settings.text(d.key, QString());
        QVERIFY(settings.listItems(section::ChannelsList).isEmpty());
    }
    QVERIFY(!QFile::exists(iniPath()));
}

void TestSettings::listSectionsRoundTripAndErase()
{
    const QStringList addresses{u"10.0.0.255"_s, u"255.255.255.255."_s, u"127.0.0.1"_s};
    {
        SettingsStore store(iniPath());
        Settings settings(store, m_schema);
        for (const QString& a : addresses)
            settings.setListItem(section::AddrList, a);
        settings.setListFlag(section::ChannelsList, u"#Talks"_s, true);
        settings.setListFlag(section::ChannelsList, u"#Игры; [x]=y"_s, false);
    }
    SettingsStore store(iniPath());
    Settings settings(store, m_schema);
    QStringList read = settings.listItems(section::AddrList);
    read.sort();
    QStringList expected = addresses;
    expected.sort();
    QCOMPARE(read, expected);
    QCOMPARE(settings.listItems(section::ChannelsList).size(), 2);
    QCOMPARE(settings.listFlag(section::ChannelsList, u"#Talks"_s, false), true);
    QCOMPARE(settings.listFlag(section::ChannelsList, u"#Игры; [x]=y"_s, true), false);

    settings.eraseSection(section::AddrList);
    QVERIFY(settings.listItems(section::AddrList).isEmpty());
    QCOMPARE(settings.listItems(section::ChannelsList).size(), 2);
}

void TestSettings::textSurvives_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("cyrillic") << u"Тема дня: привет"_s;
    QTest::newRow("commas") << u"one, two, three"_s;
    QTest::newRow("ini syntax") << u"[x]\n;y=z \"q\" \\"_s;
    QTest::newRow("leading blanks") << u"  spaced  "_s;
    QTest::newRow("at sign") << u"@Variant(x)"_s;
}

void TestSettings::textSurvives()
{
    QFETCH(QString, text);
    {
        SettingsStore store(iniPath());
        Settings settings(store, m_schema);
        settings.setText(key::Subject, text);
        settings.setText(key::NickName, text);
    }
    SettingsStore store(iniPath());
    Settings settings(store, m_schema);
    QCOMPARE(settings.text(key::Subject), text);
    QCOMPARE(settings.text(key::NickName), text);
}

void TestSettings::damagedFilesGiveDefaults_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("truncated") << QByteArray("[Settings]\nUDPPo");
    QTest::newRow("binary") << QByteArray("\x00\xff\xfe[\x01]=\n\n\x80\x81", 11);
    QTest::newRow("garbage values") << QByteArray("[Settings]\nUDPPort=@Variant(\\0\\xff)\n"
                                                  "TimeUsers=yes\n[SystemMessages]\nJLNet=\n");
}

void TestSettings::damagedFilesGiveDefaults()
{
    QFETCH(QByteArray, content);
    {
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    SettingsStore store(iniPath());
    Settings settings(store, m_schema);
    QCOMPARE(settings.number(key::UDPPort), 8166);
    QCOMPARE(settings.flag(key::TimeUsers), true);
    QCOMPARE(settings.flag(key::JLNet), true);
    QCOMPARE(settings.text(key::HotKey), u"Ctrl+Alt+S"_s);
}

void TestSettings::programInfo()
{
    QVERIFY(
        QRegularExpression(u"^\\d+\\.\\d+\\.\\d+\\.\\d+$"_s).match(GetVersionText()).hasMatch());
    QCOMPARE(WindowCaption(), u"Quorvelle v."_s + GetVersionText());
}

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
