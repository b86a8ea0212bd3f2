#pragma once

// An archive file as people fill it: sent, received and mass messages of a few lines
// each, with colour codes and smiles.
#include "messages/message_archive.h"

namespace quorvelle::bench {

using namespace Qt::Literals::StringLiterals;
using messages::ArchiveRecord;
using messages::MassRecipient;

inline QByteArray ArchiveFile(const net::WireText& wire, int records)
{
    const QString nicks[] = {u"Вася"_s, u"Bob"_s, u"Петрович"_s, u"admin_2"_s};
    QString text;
    for (int i = 0; i < records; ++i) {
        const bool sent = i % 3 == 0;
        const ArchiveRecord record{
            sent,
            u"%1.03.2024 12:%2:%3"_s.arg(i % 28 + 1, 2, 10, QChar(u'0'))
                .arg(i / 60 % 60, 2, 10, QChar(u'0'))
                .arg(i % 60, 2, 10, QChar(u'0')),
            sent ? u"Me"_s : nicks[i % 4], i % 5 == 0 ? MassRecipient.toString() : nicks[i % 4],
            // Several lines with codes, a smile and an empty line, as people write them.
            u"Привет, _|это|_ сообщение %1 :)\r\n\r\nВторая строка.\r\n"_s.arg(i)};
        text += ArchiveRecordText(record) + u"\r\n"_s;
    }
    return wire.encode(text);
}

} // namespace quorvelle::bench
