#pragma once

// The pictures of the file transfer windows, from the main image list.

#include "shell/image_list.h"
#include "transfer/transfer_info.h"

#include <QIcon>

namespace quorvelle::transfer {

inline constexpr int ImageFilesQueue = 41;
inline constexpr int ImageAddFile = 50;
inline constexpr int ImageRemove = 51;
inline constexpr int ImageRemoveOk = 65;
inline constexpr int ImageStart = 8;
inline constexpr int ImageStop = 15;
inline constexpr int ImageGrid = 11;
inline constexpr int ImageOpen = 36;
inline constexpr int ImageFolder = 37;

// A row's picture: waiting, sending, receiving, a problem it may get over, done, failed.
inline QIcon StateIcon(int state)
{
    enum
    {
        Idle = 120,
        ActiveSend,
        ActiveReceive,
        Problem,
        Finished,
        Failed
    };
    switch (state) {
    case Queued:
    case Created:
        return shell::ImageList::icon(Idle);
    case Connecting:
    case Sending:
        return shell::ImageList::icon(ActiveSend);
    case Receiving:
        return shell::ImageList::icon(ActiveReceive);
    case SendOk:
    case ReceiveOk:
        return shell::ImageList::icon(Finished);
    case CantConnect:
        return shell::ImageList::icon(Failed);
    default:
        return shell::ImageList::icon(Problem);
    }
}

} // namespace quorvelle::transfer
