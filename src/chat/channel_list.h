#pragma once

// The channels kept in the settings (section ChannelsList: one value per channel,
// true when it opens at start), and the rules of the Channels window's list.

#include <QList>
#include <QStringList>

namespace quorvelle::settings {
class Settings;
}

namespace quorvelle::chat {

struct KeptChannel
{
    QString name;
    bool opensAtStart = false;
    friend bool operator==(const KeptChannel&, const KeptChannel&) = default;
};

// At most this many stored channels open at start; a hand-edited list of thousands
// would otherwise bury the window in tabs.
inline constexpr int MaxStartupChannels = 100;

// The stored list in stored order, or "#Talks" ticked while the section is empty.
// Names that cannot be channels (see IsChannelName) are left out.
QList<KeptChannel> KeptChannels(const settings::Settings& settings);
// Replaces the section with the list, in list order.
void SaveKeptChannels(settings::Settings& settings, const QList<KeptChannel>& channels);

// The channels to open at start, in stored order: the ticked ones of KeptChannels.
QStringList StartupChannels(const settings::Settings& settings);

// A name that can travel in packets and be stored: "#" and at least one more
// character, no "/" or "\" (separators of the packets and of the settings), no
// control characters.
bool IsChannelName(const QString& name);

// What "Add" makes of the typed text: "#" put in front when missing.
QString ChannelFromTyped(const QString& typed);

} // namespace quorvelle::chat
