#include "settings/settings_store.h"

#include "settings/ini_list_order.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <utility>

namespace quorvelle::settings {

namespace {

QString key(const QString& section, const QString& name)
{
    return section + u'/' + name;
}

} // namespace

void UseNativeSettingsFormat()
{
#ifndef Q_OS_WIN
    QSettings::setDefaultFormat(QSettings::IniFormat);
#endif
    // Every program of the family (the desktop program, the headless peer) shares
    // one store.
    QCoreApplication::setOrganizationName(QStringLiteral("Halvorenwerk"));
    QCoreApplication::setApplicationName(QStringLiteral("Quorvelle"));
}

SettingsStore::SettingsStore() : m_settings(std::make_unique<QSettings>()) {}

SettingsStore::SettingsStore(const QString& iniPath)
    : m_settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{}

SettingsStore::~SettingsStore()
{
    sync();
}

QString SettingsStore::rawText(const QString& section, const QString& name) const
{
    const QVariant value = m_settings->value(key(section, name));
    if (!value.isValid())
        return {};
    // An INI line with unquoted commas reads back as a list; keep it as written.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    QString text = value.toString();
    if (text.isNull())
        text = QLatin1String(""); // present but empty, or not text at all
    return text;
}

QString SettingsStore::readText(const QString& section, const QString& name,
                                const QString& fallback) const
{
    const QString text = rawText(section, name);
    return text.isNull() ? fallback : text;
}

int SettingsStore::readInt(const QString& section, const QString& name, int fallback) const
{
    bool ok = false;
    const int value = rawText(section, name).trimmed().toInt(&ok, 10);
    return ok ? value : fallback;
}

bool SettingsStore::readBool(const QString& section, const QString& name, bool fallback) const
{
    bool ok = false;
    const qlonglong value = rawText(section, name).trimmed().toLongLong(&ok, 10);
    return ok ? value != 0 : fallback;
}

void SettingsStore::writeText(const QString& section, const QString& name, const QString& value)
{
    m_settings->setValue(key(section, name), value);
    if (const auto list = m_rewrittenLists.find(section);
        list != m_rewrittenLists.end() && !list->contains(name))
        list->append(name);
}

void SettingsStore::writeInt(const QString& section, const QString& name, int value)
{
    writeText(section, name, QString::number(value));
}

void SettingsStore::writeBool(const QString& section, const QString& name, bool value)
{
    writeText(section, name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QStringList SettingsStore::valueNames(const QString& section) const
{
    m_settings->beginGroup(section);
    const QStringList names = m_settings->childKeys();
    m_settings->endGroup();
    // Rewritten and not yet synced, the order is the one of writing; otherwise
    // the file's.
    QStringList ordered = m_rewrittenLists.value(section);
    if (!m_rewrittenLists.contains(section) && isIniFile()) {
        QFile file(m_settings->fileName());
        if (file.open(QIODevice::ReadOnly))
            ordered = IniSectionKeyOrder(file.readAll(), section);
    }
    ordered.removeIf([&](const QString& name) { return !names.contains(name); });
    for (const QString& name : names)
        if (!ordered.contains(name))
            ordered.append(name);
    return ordered;
}

void SettingsStore::eraseSection(const QString& section)
{
    m_settings->remove(section);
    m_rewrittenLists.insert(section, {});
}

bool SettingsStore::sync()
{
    m_settings->sync();
    const bool written = m_settings->status() == QSettings::NoError;
    return restoreListOrder() && written;
}

bool SettingsStore::isIniFile() const
{
    return m_settings->format() == QSettings::IniFormat;
}

bool SettingsStore::restoreListOrder()
{
    const QHash<QString, QStringList> lists = std::exchange(m_rewrittenLists, {});
    if (lists.isEmpty() || !isIniFile())
        return true;
    QFile in(m_settings->fileName());
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray written = in.readAll();
    in.close();
    QByteArray ordered = written;
    for (auto list = lists.cbegin(); list != lists.cend(); ++list)
        ordered = IniReorderSection(ordered, list.key(), list.value());
    if (ordered == written)
        return true;
    QSaveFile out(m_settings->fileName());
    return out.open(QIODevice::WriteOnly) && out.write(ordered) == ordered.size() && out.commit();
}

QString SettingsStore::location() const
{
    return m_settings->fileName();
}

} // namespace quorvelle::settings
