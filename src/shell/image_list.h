#pragma once

#include <QIcon>

namespace quorvelle::shell {

// The numbered pictures shared by all windows.
class ImageList
{
public:
    // Known numbers: 0..7 user states (4..7 for a selected row), 8..11 tabs,
    // 32..39 tray (36..39 the flash frames), 40..41 the main tab, 81..102 smiles.
    // Glyphs and window icons: 15 Cancel, 17 single message, 18 mass message,
    // 19 outgoing, 20 incoming / add to list, 21 sounds, 26 user information,
    // 28 messages archive, 29 all messages, 50 Add, 51 Del, 65 OK,
    // 66 message window, 67 Reply, 68 Quote, 69 Refresh.
    // Files queue: 110 the window (and "Files Queue..."), 111 add a file (and
    // "Send File"), 112 remove a file, 113 remove the finished ones, 114 start,
    // 115 stop, 116 grid lines, 117 open a received file, 118 the incoming
    // directory; its rows: 120..125, named below.
    static constexpr int TransferIdle = 120;
    static constexpr int TransferSending = 121;
    static constexpr int TransferReceiving = 122;
    static constexpr int TransferProblem = 123;
    static constexpr int TransferFinished = 124;
    static constexpr int TransferFailed = 125;

    static QIcon icon(int index); // null for an unknown index
    static QIcon appIcon();
    static bool has(int index);
};

} // namespace quorvelle::shell
