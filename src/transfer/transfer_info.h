#pragma once

// One file transfer as the queue shows it, its state codes and their status texts.

#include <QDateTime>
#include <QMetaType>
#include <QString>

namespace quorvelle::transfer {

enum class Direction
{
    Send,
    Receive
};

// The codes are shown to users and compared by other copies' users in bug
// reports, so they keep their numbers.
enum TransferState : int
{
    Queued = 0,  // send: no worker yet
    Created = 1, // worker created, nothing reported yet
    Connecting = 2,
    NoAnswer = 3, // a connect attempt failed, waiting for the next
    Sending = 4,
    SendOk = 5,
    Receiving = 6,
    ReceiveOk = 7,
    CantConnect = 8,
    ErrCreateSock = 20,
    ErrCreateEvent = 21,
    ErrEventSelect = 22,
    ErrOpenFile = 23,
    ErrCreateFile = 24, // receive: the incoming file cannot be created or put in place
    ErrSendPkt = 25,
    ErrTimeout = 26,
    ErrClose = 27,
    ErrGetLen = 28,
    ErrOverflow = 29,
    ErrRecv = 30,
    ErrBadPkt = 31, // an unexpected command, or a header that cannot be taken apart
    ErrAccept = 32,
    ErrGetIp = 33,
    ErrTooBig = 34,    // send: the file has 2 GiB or more, its size does not fit the header
    ErrReadFile = 35,  // send: reading the file failed or it shrank while sent
    ErrWriteFile = 36, // receive: writing the incoming file failed (disk full ...)
};

// Which fields a report carries.
namespace Field {
inline constexpr int FileName = 1;
inline constexpr int NickName = 2;
inline constexpr int Size = 4;
inline constexpr int Done = 8;
inline constexpr int State = 16;
inline constexpr int Id = 32;
inline constexpr int Address = 64;
inline constexpr int Time = 128;    // start of a phase
inline constexpr int Elapsed = 256; // the transfer's elapsed time, with its final state
inline constexpr int NewRow = 127;  // all but the times
} // namespace Field

struct TransferInfo
{
    int id = 0;
    // Sending: the full path of the file; receiving: incoming directory + received name.
    QString fileName;
    QString nickName;
    // Sending: the recipient's IPv4 address (host order), after a failed connect
    // attempt the attempt number; receiving: 0.
    quint32 address = 0;
    qint32 size = 0;
    qint64 done = 0;
    QDateTime time;       // start of the current phase
    qint64 elapsedMs = 0; // with Field::Elapsed
    int state = Queued;
};

bool IsFinalState(int state);
// The "Status Message:" text of a transfer, in English, as lines of #Main and the
// command line tell it.
QString StatusText(const TransferInfo& info);
// The same, translated, as the files queue window shows it.
QString ShownStatusText(const TransferInfo& info);

} // namespace quorvelle::transfer

Q_DECLARE_METATYPE(quorvelle::transfer::TransferInfo)
Q_DECLARE_METATYPE(quorvelle::transfer::Direction)
