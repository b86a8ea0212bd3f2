#include "transfer/receive_worker.h"

#include "transfer/incoming_name.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <filesystem>

namespace quorvelle::transfer {

using namespace Qt::Literals::StringLiterals;

namespace {

std::filesystem::path nativePath(const QString& path)
{
    return std::filesystem::path(path.toStdU16String());
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
    QDir().mkdir(dir); // one level; when it fails, creating the file says so
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
    m_info.done += argument.size();
    if (m_info.done > m_info.size)
        return finish(ErrSize);
    if (!sendPayload(AckPayload()))
        return;
    reportChange(Field::Done);
}

void ReceiveWorker::endArrived()
{
    if (m_info.done != m_info.size)
        return finish(ErrSize);
    const bool written = m_part.flush();
    m_part.close();
    if (!written || m_part.error() != QFileDevice::NoError)
        return finish(ErrWriteFile);
    // The rename replaces an existing file in one step.
    std::error_code error;
    std::filesystem::rename(nativePath(m_part.fileName()), nativePath(m_info.fileName), error);
    if (error)
        return finish(ErrCreateFile);
    m_part.setFileName(QString());
    finish(ReceiveOk);
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
