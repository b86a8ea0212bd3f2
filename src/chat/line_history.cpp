#include "chat/line_history.h"

namespace quorvelle::chat {

void LineHistory::store(const QString& line)
{
    m_write = m_write % Size + 1;
    if (m_count < Size)
        ++m_count;
    m_read = m_write;
    m_lines[size_t(m_write - 1)] = line;
}

QString LineHistory::previous()
{
    if (m_count < 1)
        return {};
    const QString line = m_lines[size_t(m_read - 1)];
    if (--m_read < 1)
        m_read = m_count;
    return line;
}

QString LineHistory::next()
{
    if (m_count < 1)
        return {};
    const QString line = m_lines[size_t(m_read - 1)];
    if (++m_read > m_count)
        m_read = 1;
    return line;
}

} // namespace quorvelle::chat
