#pragma once

// Typed access to the settings tree: each key is read with the default that the
// schema declares for it.

#include "settings/settings_schema.h"
#include "settings/settings_store.h"

namespace quorvelle::settings {

class Settings
{
public:
    Settings(SettingsStore& store, const SettingsSchema& schema) : m_store(store), m_schema(schema)
    {}

    bool flag(const Key& k) const;
    int number(const Key& k) const;
    QString text(const Key& k) const;
    // For the values whose default the caller computes.
    int number(const Key& k, int fallback) const;
    QString text(const Key& k, const QString& fallback) const;

    void setFlag(const Key& k, bool value);
    void setNumber(const Key& k, int value);
    void setText(const Key& k, const QString& value);

    // List sections: the items are the value names.
    QStringList listItems(QLatin1StringView section) const;
    bool listFlag(QLatin1StringView section, const QString& item, bool fallback) const;
    void eraseSection(QLatin1StringView section);
    void setListFlag(QLatin1StringView section, const QString& item, bool value);
    void setListItem(QLatin1StringView section, const QString& item);

    SettingsStore& store() { return m_store; }
    const SettingsSchema& schema() const { return m_schema; }

private:
    const SettingDef& def(const Key& k) const;

    SettingsStore& m_store;
    const SettingsSchema& m_schema;
};

} // namespace quorvelle::settings
