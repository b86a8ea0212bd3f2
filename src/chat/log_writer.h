#pragma once

// Conversation logs and the messages archive: plain 8-bit text files in the logs
// directory, only ever appended to, one line per call, CR LF line ends.

#include "net/wire_text.h"

#include <QString>

namespace quorvelle::chat {

class LogWriter
{
public:
    explicit LogWriter(const net::WireText& text, QString directory = QString())
        : m_text(text), m_directory(std::move(directory))
    {}

    // The directory ends with a separator, or is empty (the current directory).
    const QString& directory() const { return m_directory; }
    const net::WireText& text() const { return m_text; }
    void setDirectory(const QString& directory) { m_directory = directory; }

    // A writer that writes nothing (a peer started without logs).
    void setEnabled(bool enabled) { m_enabled = enabled; }

    // Appends text and CR LF to the named file, creating the directory as needed.
    // Silent on failure; a name that cannot be a file name is not logged.
    void AppendLogLine(const QString& fileName, const QString& text) const;

    // A conversation or nick that can name a log file: no path separators, no
    // characters that some systems refuse, nothing that climbs out.
    static bool IsLoggableName(const QString& name);

private:
    const net::WireText& m_text;
    QString m_directory;
    bool m_enabled = true;
};

} // namespace quorvelle::chat
