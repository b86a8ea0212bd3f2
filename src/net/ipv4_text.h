#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace quorvelle::net {

// The classic IPv4 text-to-address conversion with its shorthand forms: one to four
// parts in decimal, octal (leading 0) or hex (0x), the last part filling the
// remaining bytes ("10.1" is 10.0.0.1). Host byte order; nullopt when rejected.
std::optional<quint32> ParseIpv4Text(QStringView text);

// An IPv4 address (host byte order, as QHostAddress gives it) in dotted decimal.
QString IpToText(quint32 ipv4);

} // namespace quorvelle::net
