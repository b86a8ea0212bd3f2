#include "transfer/transfer_info.h"

#include <QCoreApplication>

namespace quorvelle::transfer {

using namespace Qt::Literals::StringLiterals;

bool IsFinalState(int state)
{
    return state == SendOk || state == ReceiveOk || state == CantConnect || state >= 20;
}

namespace {

// The English text of a state, "%1" for the nick or the address; the error codes
// are codes and stay as they are. Context "TransferStatus" for the window.
const char* StatusTemplate(int state)
{
    switch (state) {
    case Connecting:
        return QT_TRANSLATE_NOOP("TransferStatus", "Connecting to %1");
    case NoAnswer:
        return QT_TRANSLATE_NOOP("TransferStatus", "No Answer %1, Waiting");
    case Sending:
        return QT_TRANSLATE_NOOP("TransferStatus", "Sending to %1");
    case SendOk:
        return QT_TRANSLATE_NOOP("TransferStatus", "Send OK");
    case Receiving:
        return QT_TRANSLATE_NOOP("TransferStatus", "Receiving from %1");
    case ReceiveOk:
        return QT_TRANSLATE_NOOP("TransferStatus", "Receive OK");
    case CantConnect:
        return QT_TRANSLATE_NOOP("TransferStatus", "Can't Connect to %1");
    case ErrCreateSock:
        return "ERR_CREATE_SOCK";
    case ErrCreateEvent:
        return "ERR_CREATE_EVENT";
    case ErrEventSelect:
        return "ERR_EVENT_SELECT";
    case ErrOpenFile:
        return "ERR_OPEN_FILE";
    case ErrCreateFile:
        return "ERR_CREATE_FILE";
    case ErrSendPkt:
        return "ERR_SENDPKT";
    case ErrTimeout:
        return "ERR_TIMEOUT";
    case ErrClose:
        return "ERR_CLOSE";
    case ErrGetLen:
        return "ERR_GETLEN";
    case ErrOverflow:
        return "ERR_OVERFLOW";
    case ErrRecv:
        return "ERR_RECV";
    case ErrBadPkt:
        return "ERR_BADPKT";
    case ErrAccept:
        return "ERR_ACCEPT";
    case ErrGetIp:
        return "ERR_GETIP";
    case ErrTooBig:
        return "ERR_TOO_BIG";
    case ErrReadFile:
        return "ERR_READ_FILE";
    case ErrWriteFile:
        return "ERR_WRITE_FILE";
    default:
        return nullptr;
    }
}

QString Filled(const QString& text, const TransferInfo& info)
{
    if (!text.contains(u"%1"))
        return text;
    return info.state == NoAnswer ? text.arg(info.address) : text.arg(info.nickName);
}

} // namespace

QString StatusText(const TransferInfo& info)
{
    const char* text = StatusTemplate(info.state);
    return text ? Filled(QString::fromLatin1(text), info) : QString();
}

QString ShownStatusText(const TransferInfo& info)
{
    const char* text = StatusTemplate(info.state);
    return text ? Filled(QCoreApplication::translate("TransferStatus", text), info) : QString();
}

} // namespace quorvelle::transfer
