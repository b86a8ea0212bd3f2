#include "chat/channel_list.h"

#include "settings/settings.h"

namespace quorvelle::chat {

QStringList StartupChannels(const settings::Settings& settings)
{
    namespace section = settings::section;
    const QStringList stored = settings.listItems(section::ChannelsList);
    if (stored.isEmpty())
        return {QStringLiteral("#Talks")};
    QStringList open;
    for (const QString& channel : stored)
        if (settings.listFlag(section::ChannelsList, channel, false))
            open.append(channel);
    return open;
}

} // namespace quorvelle::chat
