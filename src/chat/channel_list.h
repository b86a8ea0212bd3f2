#pragma once

// The channels kept in the settings (section ChannelsList: one value per channel,
// true when it opens at start).

#include <QStringList>

namespace quorvelle::settings {
class Settings;
}

namespace quorvelle::chat {

// The channels to open at start, in stored order: those whose value is true, or
// "#Talks" while the section is empty.
QStringList StartupChannels(const settings::Settings& settings);

} // namespace quorvelle::chat
