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

Q_DECLARE_METATYPE(Key)

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void freshStoreGivesDefaults_data();
    void freshStoreGivesDefaults();
    void textReadsBackAsWritten();
    void garbageFallsBack_data();
    void garbageFallsBack();
    void listSectionsKeepTheirOrder_data();
    void listSectionsKeepTheirOrder();
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

// The defaults made from the machine and the moment, numbered lists at both ends,
// system colours stored negative, and one of each type.
void TestSettings::freshStoreGivesDefaults_data()
{
    QTest::addColumn<Key>("key");
    QTest::addColumn<QString>("expected");
    auto row = [](Key k, const QString& expected) {
        QTest::addRow("%s/%s", qPrintable(k.sectionName()), qPrintable(k.valueName()))
            << k << expected;
    };
    using namespace key;
    row(NickName, u"HOSTNAME"_s);
    row(Subject, u"Quorvelle v.9.8.7.6"_s);
    row(SubjDateTime, u"[04.03.2026 - 05:06:07]"_s);
    row(LogsDir, u"/data/Logs/"_s);
    row(FilesDir, u"/data/In/"_s);
    row(TimeWSeconds, u"0"_s);
    row(ChatBrush, u"-2147483643"_s);
    row(SysStrFont.at(12), u"-2147483640"_s);
    row(MessStrFont.at(1), QString::number(0xFF00FF));
    row(Macro.at(10), u":\\"_s);
    row(Nick.at(10), QString());
    row(Event.at(13), u"/data/Sounds/RecvLine.wav"_s);
}

void TestSettings::freshStoreGivesDefaults()
{
    QFETCH(Key, key);
    QFETCH(QString, expected);
    const SettingDef* def = m_schema.find(key);
    QVERIFY(def);
    {
        SettingsStore store(iniPath());
        Settings settings(store, m_schema);
        const QString read =
            def->type == ValueType::Boolean   ? (settings.flag(key) ? u"1"_s : u"0"_s)
            : def->type == ValueType::Integer ? QString::number(settings.number(key))
                                              : settings.text(key);
        QCOMPARE(read, expected);
    }
    QVERIFY(!QFile::exists(iniPath())); // reading creates nothing
}

// Every default, declared once, and text that looks like INI syntax read back as
// written; the file holds the text forms ("1"/"0", decimal).
void TestSettings::textReadsBackAsWritten()
{
    const QStringList awkward{u"Тема дня: привет"_s, u"one, two, three"_s, u"[x]\n;y=z \"q\" \\"_s,
                              u"  spaced  "_s, u"@Variant(x)"_s};
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
        for (int i = 0; i < awkward.size(); ++i)
            store.writeText(u"Awkward"_s, QString::number(i), awkward[i]);
        QVERIFY(store.sync());
    }
    SettingsStore store(iniPath());
    for (const SettingDef& d : m_schema.all()) {
        if (d.fallback)
            QCOMPARE(store.readText(d.key.sectionName(), d.key.valueName(), u"<missing>"_s),
                     *d.fallback);
    }
    for (int i = 0; i < awkward.size(); ++i)
        QCOMPARE(store.readText(u"Awkward"_s, QString::number(i), {}), awkward[i]);
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
    QTest::addColumn<int>("asBool"); // -1 means the default
    QTest::newRow("empty") << QString() << 42 << -1;
    QTest::newRow("number and text") << u"12abc"_s << 42 << -1;
    QTest::newRow("hex is not decimal") << u"0x10"_s << 42 << -1;
    QTest::newRow("too big for int") << u"4294967296"_s << 42 << 1;
    QTest::newRow("negative") << u"-7"_s << -7 << 1;
    QTest::newRow("zero") << u"0"_s << 0 << 0;
    QTest::newRow("two") << u"2"_s << 2 << 1;
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

// List sections keep their order (the broadcast table is tried first to last):
// written by the program, hand-written, or rewritten over an older order.
void TestSettings::listSectionsKeepTheirOrder_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QStringList>("written");
    QTest::addColumn<QStringList>("expected");
    const QStringList table{u"10.77.0.255"_s, u"1.2.3.4"_s, u"255.255.255.255"_s, u"127.0.0.1"_s};
    QTest::newRow("written") << QByteArray() << table << table;
    QTest::newRow("hand-written")
        << QByteArray("[AddrList]\n10.77.0.255=\n; a comment\n1.2.3.4=\n\n255.255.255.255=\n"
                      "127.0.0.1=")
        << QStringList() << table;
    QTest::newRow("rewritten") << QByteArray("[AddrList]\n1.2.3.4=\n10.77.0.255=\n9.9.9.9=\n")
                               << table << table;
}

void TestSettings::listSectionsKeepTheirOrder()
{
    QFETCH(QByteArray, before);
    QFETCH(QStringList, written);
    QFETCH(QStringList, expected);
    const QList<std::pair<QString, bool>> channels{
        {u"#Zeta"_s, true}, {u"#Игры; [x]=y"_s, false}, {u"#Alpha"_s, true}};
    {
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(before);
    }
    for (int start = 0; start < 2; ++start) { // and once more after a restart
        SettingsStore store(iniPath());
        Settings settings(store, m_schema);
        if (start > 0 || written.isEmpty())
            QCOMPARE(settings.listItems(section::AddrList), expected);
        const QStringList table =
            written.isEmpty() ? settings.listItems(section::AddrList) : written;
        settings.eraseSection(section::AddrList);
        QVERIFY(settings.listItems(section::AddrList).isEmpty());
        for (const QString& a : table)
            settings.setListItem(section::AddrList, a);
        settings.eraseSection(section::ChannelsList);
        for (const auto& [name, ticked] : channels)
            settings.setListFlag(section::ChannelsList, name, ticked);
    }
    SettingsStore store(iniPath());
    Settings settings(store, m_schema);
    QCOMPARE(settings.listItems(section::AddrList), expected);
    QStringList names;
    for (const auto& [name, ticked] : channels) {
        names.append(name);
        QCOMPARE(settings.listFlag(section::ChannelsList, name, !ticked), ticked);
    }
    QCOMPARE(settings.listItems(section::ChannelsList), names);
}

void TestSettings::damagedFilesGiveDefaults_data()
{
    QTest::addColumn<QByteArray>("content");
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
    // The default sounds are named relative to where the program finds them, so a
    // settings file written at exit names no build or install folder.
    const SettingsSchema schema(SchemaContext::current());
    QCOMPARE(schema.find(key::Event.at(13))->fallback.value(), u"Sounds/RecvLine.wav"_s);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
