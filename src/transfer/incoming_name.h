#pragma once

// A file name from a peer, reduced to a plain name that stays inside the incoming
// directory whatever the peer sent.

#include <QString>

namespace quorvelle::transfer {

// Room for the hidden temporary name around it within the usual 255-byte limit.
inline constexpr int MaxIncomingNameBytes = 180;

// The last path component ("/" and "\" both separate), without control characters,
// with the characters that Windows refuses in names as "_", without trailing dots and
// spaces, and cut to MaxIncomingNameBytes of UTF-8 (the extension kept when short).
// Empty when nothing usable is left: an empty name, "." or "..".
QString ReduceIncomingName(const QString& name);

} // namespace quorvelle::transfer
