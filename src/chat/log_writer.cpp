#include "chat/log_writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quorvelle::chat {

bool LogWriter::IsLoggableName(const QString& name)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    for (QChar c : name)
        if (c.unicode() < 0x20 || QStringView(u"\\/:*?\"<>|").contains(c))
            return false;
    return true;
}

void LogWriter::AppendLogLine(const QString& fileName, const QString& text) const
{
    if (!m_enabled || !IsLoggableName(fileName))
        return;
    const QString path = m_directory + fileName;
    if (!m_directory.isEmpty())
        QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    file.write(m_text.encode(text) + "\r\n");
}

} // namespace quorvelle::chat
