#include "settings/settings.h"

#include <QtDebug>

namespace quorvelle::settings {

const SettingDef& Settings::def(const Key& k) const
{
    const SettingDef* found = m_schema.find(k);
    Q_ASSERT_X(found, "Settings", "key outside the schema");
    return *found;
}

bool Settings::flag(const Key& k) const
{
    const SettingDef& d = def(k);
    return m_store.readBool(k.sectionName(), k.valueName(), d.fallback.value_or(QString()) == u"1");
}

int Settings::number(const Key& k) const
{
    return number(k, def(k).fallback.value_or(QString()).toInt());
}

int Settings::number(const Key& k, int fallback) const
{
    return m_store.readInt(k.sectionName(), k.valueName(), fallback);
}

QString Settings::text(const Key& k) const
{
    return text(k, def(k).fallback.value_or(QString()));
}

QString Settings::text(const Key& k, const QString& fallback) const
{
    return m_store.readText(k.sectionName(), k.valueName(), fallback);
}

void Settings::setFlag(const Key& k, bool value)
{
    m_store.writeBool(k.sectionName(), k.valueName(), value);
}

void Settings::setNumber(const Key& k, int value)
{
    m_store.writeInt(k.sectionName(), k.valueName(), value);
}

void Settings::setText(const Key& k, const QString& value)
{
    m_store.writeText(k.sectionName(), k.valueName(), value);
}

QStringList Settings::listItems(QLatin1StringView section) const
{
    return m_store.valueNames(QString(section));
}

bool Settings::listFlag(QLatin1StringView section, const QString& item, bool fallback) const
{
    return m_store.readBool(QString(section), item, fallback);
}

void Settings::eraseSection(QLatin1StringView section)
{
    m_store.eraseSection(QString(section));
}

void Settings::setListFlag(QLatin1StringView section, const QString& item, bool value)
{
    m_store.writeBool(QString(section), item, value);
}

void Settings::setListItem(QLatin1StringView section, const QString& item)
{
    m_store.writeText(QString(section), item, QString());
}

} // namespace quorvelle::settings
