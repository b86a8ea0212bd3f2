#include "settings/colours.h"
#include "settings/settings.h"

#include <QColor>
#include <QTemporaryDir>
#include <QTest>

using namespace quorvelle::settings;
using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(ColourId)

namespace {

SchemaContext testContext()
{
    return SchemaContext{u"HOST"_s,   u"Quorvelle v.1"_s, QDateTime(QDate(2026, 1, 2), QTime(3, 4)),
                         u"/data/"_s, u"/data/Sounds/"_s, "windows-1251"};
}

constexpr quint32 DarkBase = 0x202124, DarkText = 0xE8EAED;
constexpr int Default = -1;
// Marks a row whose colour is shown as a lighter, readable shade of its own hue.
constexpr qint64 ReadableShade = -1;

} // namespace

class TestColours : public QObject
{
    Q_OBJECT

private slots:
    void storedValues_data();
    void storedValues();
    void saveAndLoad();
    void shown_data();
    void shown();
    void kindsStayApartOnDarkBackgrounds_data();
    void kindsStayApartOnDarkBackgrounds();

private:
    QTemporaryDir m_dir;
    SettingsSchema m_schema{testContext()};
};

// What a hand-edited or damaged store may hold, read as one line colour.
void TestColours::storedValues_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("value");
    const int fallback = Rgb(0, 128, 0);
    QTest::newRow("missing") << QString() << fallback;
    QTest::newRow("not a number") << u"green"_s << fallback;
    QTest::newRow("rgb") << u"65280"_s << Rgb(0, 255, 0);
    QTest::newRow("window text") << u"-2147483640"_s << WindowText;
    QTest::newRow("other system colour") << u"-2147483633"_s << fallback;
    QTest::newRow("top byte set") << u"16777216"_s << fallback;
    QTest::newRow("negative") << u"-5"_s << fallback;
    QTest::newRow("past 32 bits") << u"99999999999"_s << fallback;
}

void TestColours::storedValues()
{
    QFETCH(QString, stored);
    QFETCH(int, value);
    SettingsStore store(m_dir.filePath(u"stored.ini"_s));
    store.eraseSection(u"Colors"_s);
    if (!stored.isNull())
        store.writeText(u"Colors"_s, u"SysStrFont2"_s, stored);
    Settings settings(store, m_schema);
    Colours colours;
    colours.load(settings);
    QCOMPARE(colours.value(LineColourId(2)), value);
    QCOMPARE(colours.value(LineColourId(3)), Rgb(128, 0, 0));
}

// Every colour comes back as saved, system colours in their signed text form.
void TestColours::saveAndLoad()
{
    const QString path = m_dir.filePath(u"roundtrip.ini"_s);
    Colours picked;
    for (int i = 0; i < ColourCount; ++i)
        picked.set(ColourId(i), Rgb(i, 255 - i, 7 * i));
    picked.set(ColourId::SubjectBrush, WindowText);
    picked.set(ColourId::UsersListFont, Rgb(1, 2, 3) | 0x7F000000); // not a colour: ignored
    {
        SettingsStore store(path);
        Settings settings(store, m_schema);
        picked.save(settings);
    }
    SettingsStore store(path);
    QCOMPARE(store.readText(u"Colors"_s, u"SubjectBrush"_s, {}), u"-2147483640"_s);
    QCOMPARE(store.readText(u"Colors"_s, u"SysStrFont12"_s, {}),
             QString::number(Rgb(24, 231, 168)));
    Settings settings(store, m_schema);
    Colours loaded;
    loaded.load(settings);
    for (int i = 0; i < ColourCount; ++i)
        QCOMPARE(loaded.value(ColourId(i)), picked.value(ColourId(i)));
    QCOMPARE(loaded.value(ColourId::UsersListFont), Rgb(2, 253, 14));

    loaded.reset();
    QCOMPARE(loaded.value(LineColourId(8)), Rgb(0, 0, 128));
}

void TestColours::shown_data()
{
    QTest::addColumn<quint32>("base");
    QTest::addColumn<int>("chatBrush");
    QTest::addColumn<ColourId>("id");
    QTest::addColumn<int>("value"); // both -1: the default
    QTest::addColumn<qint64>("expected");
    const quint32 light = 0xFFFFFF;
    const ColourId navy = LineColourId(8);
    QTest::newRow("light: navy as stored")
        << light << Default << navy << Default << qint64(0x000080);
    QTest::newRow("dark: navy") << DarkBase << Default << navy << Default << ReadableShade;
    QTest::newRow("dark: message quote")
        << DarkBase << Default << MessageColourId(2) << Default << ReadableShade;
    QTest::newRow("dark: silver reads")
        << DarkBase << Default << LineColourId(4) << Default << qint64(0xC0C0C0);
    QTest::newRow("dark: picked navy")
        << DarkBase << Default << navy << Rgb(0, 0, 130) << qint64(0x000082);
    QTest::newRow("dark: own text")
        << DarkBase << Default << LineColourId(12) << Default << qint64(DarkText);
    QTest::newRow("dark: picked white brush")
        << DarkBase << Rgb(255, 255, 255) << navy << Default << qint64(0x000080);
    QTest::newRow("light: picked black brush")
        << light << Rgb(0, 0, 0) << navy << Default << ReadableShade;
}

void TestColours::shown()
{
    QFETCH(quint32, base);
    QFETCH(int, chatBrush);
    QFETCH(ColourId, id);
    QFETCH(int, value);
    QFETCH(qint64, expected);
    Colours colours;
    if (chatBrush != Default)
        colours.set(ColourId::ChatBrush, chatBrush);
    if (value != Default)
        colours.set(id, value);
    const int stored = colours.value(id);
    const DesktopColours desktop{base, DarkText};
    const quint32 shown = colours.shown(id, desktop);
    QCOMPARE(colours.value(id), stored);
    if (expected != ReadableShade) {
        QCOMPARE(shown, quint32(expected));
        return;
    }
    const QColor before = QColor::fromRgb(RgbOf(stored)), after = QColor::fromRgb(shown);
    const quint32 background = colours.shown(ColourTable()[size_t(id)].drawnOn, desktop);
    QVERIFY2(ContrastRatio(shown, background) >= 4.5, qPrintable(after.name()));
    QVERIFY(after.lightnessF() > before.lightnessF());
    QVERIFY2(qAbs(after.hslHueF() - before.hslHueF()) < 0.01, qPrintable(after.name()));
}

// Line kinds whose default colours differ are told apart on a dark background too.
void TestColours::kindsStayApartOnDarkBackgrounds_data()
{
    QTest::addColumn<quint32>("base");
    QTest::newRow("black") << quint32(0x000000);
    QTest::newRow("dark grey") << quint32(0x2B2B2B);
    QTest::newRow("dark blue") << quint32(0x1E2433);
}

void TestColours::kindsStayApartOnDarkBackgrounds()
{
    QFETCH(quint32, base);
    const Colours colours;
    const DesktopColours desktop{base, 0xEEEEEE};
    QHash<quint32, int> kindOf; // shown colour -> default value of the first kind with it
    for (int kind = 1; kind <= 12; ++kind) {
        const ColourId id = LineColourId(kind);
        const quint32 shown = colours.shown(id, desktop);
        QVERIFY2(ContrastRatio(shown, base) >= 4.5, qPrintable(QString::number(kind)));
        const auto other = kindOf.constFind(shown);
        QVERIFY2(other == kindOf.cend() || *other == colours.value(id),
                 qPrintable(u"kind %1 looks like another kind: %2"_s.arg(kind).arg(shown, 6, 16)));
        kindOf.insert(shown, colours.value(id));
    }
}

QTEST_GUILESS_MAIN(TestColours)
#include "test_colours.moc"
