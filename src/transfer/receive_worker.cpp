#include "transfer/receive_worker.h"

#include "transfer/incoming_name.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <filesystem>

#if defined(Q_OS_LINUX)
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#elif defined(Q_OS_WIN)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace quorvelle::transfer {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int MaxNameTries = 10000;

enum class Rename
{
    Done,
    Taken, // the target exists: nothing moved
    Failed
};

// Moves a file to a name that must not exist yet, in one step where the system
// can: between a look and a move another transfer could take the name.
Rename RenameNoReplace(const QString& from, const QString& to)
{
#if defined(Q_OS_LINUX)
    const QByteArray f = QFile::encodeName(from), t = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, f.constData(), AT_FDCWD, t.constData(), RENAME_NOREPLACE) == 0)
        return Rename::Done;
    if (errno == EEXIST)
        return Rename::Taken;
    // A file system without that flag: a hard link is just as exclusive.
    if (::link(f.constData(), t.constData()) == 0) {
        ::unlink(f.constData());
        return Rename::Done;
    }
    if (errno == EEXIST)
        return Rename::Taken;
#elif defined(Q_OS_WIN)
    if (MoveFileExW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(from).utf16()),
                    reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(to).utf16()), 0))
        return Rename::Done;
    const DWORD error = GetLastError();
    return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? Rename::Taken
                                                                       : Rename::Failed;
#endif
    if (QFileInfo::exists(to))
        return Rename::Taken;
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(from.toStdU16String()),
                            std::filesystem::path(to.toStdU16String()), error);
    return error ? Rename::Failed : Rename::Done;
}

// "report (2).pdf" beside "report.pdf"; "README (2)"; ".profile (2)".
QString NumberedName(const QFileInfo& file, int n)
{
    const QString base = file.completeBaseName();
    const QString suffix = file.suffix();
    const QString numbered = base.isEmpty() || suffix.isEmpty()
                                 ? u"%1 (%2)"_s.arg(file.fileName()).arg(n)
                                 : u"%1 (%2).%3"_s.arg(base).arg(n).arg(suffix);
    return file.dir().filePath(numbered);
}

} // namespace

ReceiveWorker::ReceiveWorker(int id, qintptr descriptor, const TransferContext& context,
                             QObject* parent)
    : TransferWorker(Direction::Receive, TransferInfo(), context, parent), m_descriptor(descriptor)
{
    m_info.id = id;
    m_info.state = Created;
    m_info.time = QDateTime::currentDateTime();
}

ReceiveWorker::~ReceiveWorker()
{
    closeFile(false);
}

void ReceiveWorker::start()
{
    reportChange(Field::NewRow);
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(m_descriptor))
        return finish(ErrAccept);
    watch(socket);
}

void ReceiveWorker::packetArrived(QByteArrayView payload)
{
    const PayloadView p = SplitPayloadView(payload);
    // A header comes first and once; data or an end before it is as wrong as an
    // unknown command.
    if (p.command == "B" && !m_haveHeader)
        headerArrived(p.argument);
    else if (p.command == "D" && m_haveHeader)
        dataArrived(p.argument);
    else if (p.command == "E" && m_haveHeader)
        endArrived();
    else
        finish(ErrBadPkt);
}

void ReceiveWorker::headerArrived(QByteArrayView argument)
{
    const std::optional<Header> header = ParseHeader(argument);
    const QString name =
        header ? ReduceIncomingName(m_ctx.text.decode(header->fileName)) : QString();
    if (name.isEmpty())
        return finish(ErrBadPkt);
    if (header->size < 0) // a sender's file of 2 GiB or more: its size does not fit
        return finish(ErrTooBig);
    m_haveHeader = true;
    const QString dir = m_ctx.incomingDir;
    m_info.nickName = m_ctx.text.decode(header->nick);
    m_info.fileName = dir.isEmpty() ? name : QDir(dir).filePath(name);
    m_info.size = header->size;
    m_info.done = 0;
    m_info.time = QDateTime::currentDateTime();
    reportChange(Field::FileName | Field::NickName | Field::Size | Field::Id | Field::Time);
    if (dir.isEmpty())
        return finish(ErrCreateFile);
    // With its parents: a default folder under a data directory not made yet must
    // not refuse the file. When it fails, creating the file says so.
    QDir().mkpath(dir);
    if (QFileInfo(m_info.fileName).isDir() || !openPartFile(dir, name))
        return finish(ErrCreateFile);
    if (!sendPayload(AckPayload()))
        return;
    setState(Receiving);
}

bool ReceiveWorker::openPartFile(const QString& dir, const QString& name)
{
    // Hidden, and one per transfer: two transfers of one name never share a file.
    for (int tries = 0; tries < 8; ++tries) {
        const QString part =
            u".%1.%2.part"_s.arg(name, QString::number(QRandomGenerator::global()->generate(), 16));
        m_part.setFileName(QDir(dir).filePath(part));
        if (m_part.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
            return true;
        const bool taken = m_part.exists();
        m_part.setFileName(QString()); // not ours: never removed by closeFile()
        if (!taken)
            return false;
    }
    return false;
}

void ReceiveWorker::dataArrived(QByteArrayView argument)
{
    if (m_part.write(argument.data(), argument.size()) != argument.size())
        return finish(ErrWriteFile);
    // The announced size is what the file had when the sender looked; a file that
    // grows or shrinks while it is sent arrives as it was read.
    m_info.done += argument.size();
    if (!sendPayload(AckPayload()))
        return;
    reportChange(Field::Done);
}

void ReceiveWorker::endArrived()
{
    const bool written = m_part.flush();
    m_part.close();
    if (!written || m_part.error() != QFileDevice::NoError)
        return finish(ErrWriteFile);
    // Nothing a peer sends replaces a file: the first free name of "name (n).ext".
    // The rename itself refuses to replace, so two transfers of one name that end
    // together still end as two files.
    const QFileInfo wanted(m_info.fileName);
    for (int n = 1; n <= MaxNameTries; ++n) {
        const QString target = n == 1 ? m_info.fileName : NumberedName(wanted, n);
        const Rename result = RenameNoReplace(m_part.fileName(), target);
        if (result == Rename::Failed)
            break;
        if (result == Rename::Done) {
            m_part.setFileName(QString());
            if (target != m_info.fileName) {
                m_info.fileName = target;
                reportChange(Field::FileName);
            }
            return finish(ReceiveOk);
        }
    }
    finish(ErrCreateFile);
}

void ReceiveWorker::closeFile(bool)
{
    // Whatever is still under the temporary name was not received whole.
    if (!m_part.fileName().isEmpty()) {
        m_part.close();
        m_part.remove();
        m_part.setFileName(QString());
    }
}

} // namespace quorvelle::transfer
