#include "presence/status.h"

namespace quorvelle::presence {

std::optional<Status> StatusFromText(QStringView text)
{
    if (text.size() != 1 || text[0] < u'0' || text[0] > u'3')
        return std::nullopt;
    return Status(text[0].unicode());
}

QString StatusName(QStringView status)
{
    const auto known = StatusFromText(status);
    if (!known)
        return {};
    static const QString names[] = {QStringLiteral("Normal"), QStringLiteral("DND"),
                                    QStringLiteral("Away"), QStringLiteral("Offline")};
    return names[char16_t(*known) - u'0'];
}

QChar NormalizeStatus(QStringView status)
{
    return status.size() == 1 ? status[0] : StatusChar(Status::Normal);
}

} // namespace quorvelle::presence
