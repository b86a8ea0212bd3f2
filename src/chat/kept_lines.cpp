#include "chat/kept_lines.h"

namespace quorvelle::chat {

namespace {

constexpr qsizetype ChunkSize = 64 * 1024;

} // namespace

void KeptLines::append(const KeptLine& line)
{
    const QByteArray utf8 = line.text.toUtf8();
    if (m_chunks.empty() || m_chunks.back().size() + utf8.size() > m_chunks.back().capacity()) {
        m_chunks.emplace_back();
        m_chunks.back().reserve(qMax(ChunkSize, utf8.size()));
    }
    QByteArray& chunk = m_chunks.back();
    m_entries.push_back(Entry{m_firstChunk + quint32(m_chunks.size()) - 1, quint32(chunk.size()),
                              quint32(utf8.size()), line.rgba, quint8(line.mode), line.smiles});
    chunk.append(utf8);
}

KeptLine KeptLines::at(int index) const
{
    const Entry& e = m_entries[size_t(index)];
    const QByteArray& chunk = m_chunks[size_t(e.chunk - m_firstChunk)];
    return KeptLine{QString::fromUtf8(chunk.sliced(e.offset, e.length)), e.rgba,
                    ColourCodeMode(e.mode), e.smiles};
}

void KeptLines::removeFirst(int count)
{
    count = qBound(0, count, size());
    m_entries.erase(m_entries.begin(), m_entries.begin() + count);
    if (m_entries.empty()) {
        clear();
        return;
    }
    while (m_firstChunk < m_entries.front().chunk) {
        m_chunks.pop_front();
        ++m_firstChunk;
    }
}

void KeptLines::clear()
{
    m_entries.clear();
    m_chunks.clear();
    m_firstChunk = 0;
}

bool KeptLines::recolour(const QHash<quint32, quint32>& colours)
{
    bool changed = false;
    for (Entry& entry : m_entries)
        if (const auto to = colours.constFind(entry.rgba); to != colours.cend()) {
            entry.rgba = *to;
            changed = true;
        }
    return changed;
}

} // namespace quorvelle::chat
