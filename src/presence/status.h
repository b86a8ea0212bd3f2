#pragma once

// A user's status as the net spells it: one digit, "0" Normal, "1" DND, "2" Away,
// "3" Offline. The own status is always one of the four; a peer's status field is
// kept as it came, so peers' statuses stay characters.

#include <QChar>
#include <QString>
#include <optional>

namespace quorvelle::presence {

enum class Status : char16_t
{
    Normal = u'0',
    DND = u'1',
    Away = u'2',
    Offline = u'3',
};

constexpr QChar StatusChar(Status status)
{
    return QChar(char16_t(status));
}

// The four digits; anything else is no status of ours.
std::optional<Status> StatusFromText(QStringView text);

inline bool IsOffline(QChar status)
{
    return status == StatusChar(Status::Offline);
}

// "Normal", "DND", "Away", "Offline" for "0".."3"; empty for anything else.
QString StatusName(QStringView status);

// The status character the registry keeps for a status field from the net: a single
// character as it came (it leads the item text and sorts it), '0' for an empty or
// longer field, whose item could never be found again by its nick.
QChar NormalizeStatus(QStringView status);

} // namespace quorvelle::presence
