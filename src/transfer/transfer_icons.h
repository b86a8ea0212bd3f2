#pragma once

// The pictures of the file transfer windows, from the main image list.

#include "shell/image_list.h"
#include "transfer/transfer_info.h"

#include <QIcon>

namespace quorvelle::transfer {

inline constexpr int ImageFilesQueue = 110;
inline constexpr int ImageAddFile = 111;
inline constexpr int ImageRemove = 112;
inline constexpr int ImageRemoveOk = 113;
inline constexpr int ImageStart = 114;
inline constexpr int ImageStop = 115;
inline constexpr int ImageGrid = 116;
inline constexpr int ImageOpen = 117;
inline constexpr int ImageFolder = 118;
inline constexpr int ImageCancel = 15;

// A row's picture: waiting, sending, receiving, a problem it may get over, done, failed.
inline QIcon StateIcon(int state)
{
    using shell::ImageList;
    enum
    {
        Idle = ImageList::TransferIdle,
        ActiveSend = ImageList::TransferSending,
        ActiveReceive = ImageList::TransferReceiving,
        Problem = ImageList::TransferProblem,
        Finished = ImageList::TransferFinished,
        Failed = ImageList::TransferFailed
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
