#include "chat/channel_list.h"

#include "settings/settings.h"

namespace quorvelle::chat {

namespace section = settings::section;

QList<KeptChannel> KeptChannels(const settings::Settings& settings)
{
    QList<KeptChannel> kept;
    for (const QString& name : settings.listItems(section::ChannelsList))
        if (IsChannelName(name))
            kept.append({name, settings.listFlag(section::ChannelsList, name, false)});
    if (kept.isEmpty()) // nothing kept yet
        return {{QStringLiteral("#Talks"), true}};
    return kept;
}

void SaveKeptChannels(settings::Settings& settings, const QList<KeptChannel>& channels)
{
    // Stored names the window does not take (written by hand or by another
    // program) are not the window's to erase.
    QList<KeptChannel> foreign;
    for (const QString& name : settings.listItems(section::ChannelsList))
        if (!IsChannelName(name))
            foreign.append({name, settings.listFlag(section::ChannelsList, name, false)});
    settings.eraseSection(section::ChannelsList);
    for (const KeptChannel& channel : channels + foreign)
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
