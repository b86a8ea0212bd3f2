#include "transfer/transfer_info.h"

namespace quorvelle::transfer {

using namespace Qt::Literals::StringLiterals;

bool IsFinalState(int state)
{
    return state == SendOk || state == ReceiveOk || state == CantConnect || state >= 20;
}

QString StatusText(const TransferInfo& info)
{
    switch (info.state) {
    case Connecting:
        return u"Connecting to "_s + info.nickName;
    case NoAnswer:
        return u"No Answer %1, Waiting"_s.arg(info.address);
    case Sending:
        return u"Sending to "_s + info.nickName;
    case SendOk:
        return u"Send OK"_s;
    case Receiving:
        return u"Receiving from "_s + info.nickName;
    case ReceiveOk:
        return u"Receive OK"_s;
    case CantConnect:
        return u"Can't Connect to "_s + info.nickName;
    case ErrCreateSock:
        return u"ERR_CREATE_SOCK"_s;
    case ErrCreateEvent:
        return u"ERR_CREATE_EVENT"_s;
    case ErrEventSelect:
        return u"ERR_EVENT_SELECT"_s;
    case ErrOpenFile:
        return u"ERR_OPEN_FILE"_s;
    case ErrCreateFile:
        return u"ERR_CREATE_FILE"_s;
    case ErrSendPkt:
        return u"ERR_SENDPKT"_s;
    case ErrTimeout:
        return u"ERR_TIMEOUT"_s;
    case ErrClose:
        return u"ERR_CLOSE"_s;
    case ErrGetLen:
        return u"ERR_GETLEN"_s;
    case ErrOverflow:
        return u"ERR_OVERFLOW"_s;
    case ErrRecv:
        return u"ERR_RECV"_s;
    case ErrBadPkt:
        return u"ERR_BADPKT"_s;
    case ErrAccept:
        return u"ERR_ACCEPT"_s;
    case ErrGetIp:
        return u"ERR_GETIP"_s;
    case ErrTooBig:
        return u"ERR_TOO_BIG"_s;
    case ErrReadFile:
        return u"ERR_READ_FILE"_s;
    case ErrWriteFile:
        return u"ERR_WRITE_FILE"_s;
    default:
        return {};
    }
}

} // namespace quorvelle::transfer
