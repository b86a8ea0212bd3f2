#include "chat/channel_list.h"

#include "settings/settings.h"

namespace quorvelle::chat {

namespace section = settings::section;

QList<KeptChannel> KeptChannels(const settings::Settings& settings)
{
    const QStringList stored = settings.listItems(section::ChannelsList);
    if (stored.isEmpty())
        return {{QStringLiteral("#Talks"), true}};
    QList<KeptChannel> kept;
    for (const QString& name : stored)
        if (IsChannelName(name))
            kept.append({name, settings.listFlag(section::ChannelsList, name, false)});
    return kept;
}

void SaveKeptChannels(settings::Settings& settings, const QList<KeptChannel>& channels)
{
    settings.eraseSection(section::ChannelsList);
    for (const KeptChannel& channel : channels)
        settings.setListFlag(section::ChannelsList, channel.name, channel.opensAtStart);
}

QStringList StartupChannels(const settings::Settings& settings)
{
    QStringList open;
    for (const KeptChannel& channel : KeptChannels(settings))
        if (channel.opensAtStart && open.size() < MaxStartupChannels)
            open.append(channel.name);
    return open;
}

bool IsChannelName(const QString& name)
{
    if (name.size() < 2 || !name.startsWith(u'#'))
        return false;
    for (const QChar c : name)
        if (c == u'/' || c == u'\\' || c.category() == QChar::Other_Control)
            return false;
    return true;
}

QString ChannelFromTyped(const QString& typed)
{
    if (typed.isEmpty() || typed.startsWith(u'#'))
        return typed;
    return u'#' + typed;
}

} // namespace quorvelle::chat
