#pragma once

// The per-user settings tree: sections of named text values. On Windows it is the
// registry key Software\Halvorenwerk\Quorvelle; elsewhere an INI file under the
// user's configuration directory, one group per section. Every value is text:
// Booleans "1"/"0", integers in decimal.

#include <QHash>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <memory>

namespace quorvelle::settings {

class SettingsStore
{
public:
    // The user's own store.
    SettingsStore();
    // A store in an INI file at the given path (for tests and tools).
    explicit SettingsStore(const QString& iniPath);
    ~SettingsStore();

    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // Reads never create a section or a value; missing or malformed values give
    // the default.
    QString readText(const QString& section, const QString& name, const QString& fallback) const;
    int readInt(const QString& section, const QString& name, int fallback) const;
    bool readBool(const QString& section, const QString& name, bool fallback) const;

    void writeText(const QString& section, const QString& name, const QString& value);
    void writeInt(const QString& section, const QString& name, int value);
    void writeBool(const QString& section, const QString& name, bool value);

    // The value names of a section (the items of a list section), in stored order.
    QStringList valueNames(const QString& section) const;
    // Names written into a section after it was erased keep the order of writing.
    void eraseSection(const QString& section);

    // Writes pending changes to disk (atomically: temporary file, then rename).
    // Returns false when the store could not be written.
    bool sync();

    QString location() const;

private:
    // The raw text of a value, or a null string when it is missing.
    QString rawText(const QString& section, const QString& name) const;

    bool isIniFile() const;
    // Puts the rewritten list sections' lines in their order of writing.
    bool restoreListOrder();

    std::unique_ptr<QSettings> m_settings;
    // Sections erased and written anew since the last sync: their names in order.
    QHash<QString, QStringList> m_rewrittenLists;
};

// Call once before the first store is opened: INI files on every system but
// Windows, where the registry is used.
void UseNativeSettingsFormat();

} // namespace quorvelle::settings
