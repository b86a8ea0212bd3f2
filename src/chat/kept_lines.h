#pragma once

// The lines a conversation view keeps, in a compact form: their UTF-8 texts packed
// together, each with the colour and markup it came with. A typical line costs
// about 80 bytes here, against well over 700 laid out in a text document.

#include "chat/markup.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <deque>

namespace quorvelle::chat {

struct KeptLine
{
    QString text;
    quint32 rgba = 0;
    ColourCodeMode mode = ColourCodeMode::Disabled;
    bool smiles = false;
};

class KeptLines
{
public:
    int size() const { return int(m_entries.size()); }
    void append(const KeptLine& line);
    KeptLine at(int index) const;
    // The oldest count lines leave.
    void removeFirst(int count);
    // Lines of a colour in the map take its new colour; true when any did.
    bool recolour(const QHash<quint32, quint32>& colours);
    void clear();

private:
    struct Entry
    {
        quint32 chunk; // counted from the first chunk ever made
        quint32 offset;
        quint32 length;
        quint32 rgba;
        quint8 mode; // a ColourCodeMode
        bool smiles;
    };

    // Texts go into chunks of a fixed size, so that the store never holds much more
    // than its lines, and the oldest chunk goes once its last line has left.
    std::deque<QByteArray> m_chunks;
    quint32 m_firstChunk = 0;
    std::deque<Entry> m_entries;
};

} // namespace quorvelle::chat
