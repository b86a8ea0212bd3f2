#pragma once

namespace quorvelle::net {

// The kind of a conversation, which decides how it is announced and logged.
enum class ConversationKind
{
    Main = 1,
    Channel = 2,
    Private = 3
};

} // namespace quorvelle::net
