#pragma once

// The last 50 lines the user sent, for "Previous Line" and "Next Line". Each
// command shows the entry under the read cursor, then moves it: right after a
// send, "Previous" shows the line just sent. Not saved.

#include <QString>
#include <array>

namespace quorvelle::chat {

class LineHistory
{
public:
    static constexpr int Size = 50;

    void store(const QString& line);
    // Empty while nothing was sent.
    QString previous();
    QString next();
    int count() const { return m_count; }

private:
    std::array<QString, Size> m_lines; // entries 1..50 at 0..49
    int m_write = 0;                   // the newest entry, 0 before the first
    int m_count = 0;
    int m_read = 0;
};

} // namespace quorvelle::chat
