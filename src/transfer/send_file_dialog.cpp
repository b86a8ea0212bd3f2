#include "transfer/send_file_dialog.h"

#include "net/wire_text.h"
#include "presence/status.h"
#include "presence/users_registry.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace quorvelle::transfer {

using namespace Qt::Literals::StringLiterals;

namespace {

// Where the last files came from, else the home directory.
QString& lastDirectory()
{
    static QString directory = QDir::homePath();
    return directory;
}

} // namespace

TOpenSendFileDialog::TOpenSendFileDialog(const presence::UsersRegistry& users,
                                         const QString& selected, const net::WireText& text,
                                         QWidget* parent)
    : QDialog(parent), m_text(text)
{
    setObjectName(u"TOpenSendFileDialog"_s);
    setWindowTitle(tr("Select File for Send to Users"));

    // Qt's own chooser, so that the users list can sit beside it on every desktop.
    m_chooser = new QFileDialog(this, Qt::Widget);
    m_chooser->setOption(QFileDialog::DontUseNativeDialog);
    m_chooser->setFileMode(QFileDialog::ExistingFiles);
    m_chooser->setNameFilter(tr("Any file (*)"));
    m_chooser->setAcceptMode(QFileDialog::AcceptOpen);
    m_chooser->setSizeGripEnabled(false);
    m_chooser->setWindowFlags(Qt::Widget); // inside this dialog, not a window of its own
    m_chooser->show();                     // a dialog stays hidden inside another until asked
    m_chooser->setDirectory(lastDirectory());

    auto* panel = new QWidget(this);
    UsersLabel = new QLabel(panel);
    UsersLabel->setObjectName(u"UsersLabel"_s);
    SendUsersList = new QListWidget(panel);
    SendUsersList->setObjectName(u"SendUsersList"_s);
    SendUsersList->setFixedWidth(130);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(6, 6, 6, 6);
    panelLayout->addWidget(UsersLabel);
    panelLayout->addWidget(SendUsersList, 1);
    ArrivingName = new QLabel(panel);
    ArrivingName->setObjectName(u"ArrivingName"_s);
    ArrivingName->setWordWrap(true);
    ArrivingName->setFixedWidth(130);
    ArrivingName->setTextFormat(Qt::PlainText);
    ArrivingName->hide();
    panelLayout->addWidget(ArrivingName);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_chooser, 1);
    layout->addWidget(panel);

    for (int i = 0; i < users.count(); ++i) {
        if (presence::IsOffline(users.status(i)))
            continue;
        auto* item = new QListWidgetItem(users.ItemNick(i), SendUsersList);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(item->text() == selected ? Qt::Checked : Qt::Unchecked);
    }
    UsersLabel->setText(tr("Users: %1").arg(SendUsersList->count()));

    connect(m_chooser, &QFileDialog::filesSelected, this, [this](const QStringList& files) {
        m_files = files;
        if (!files.isEmpty())
            lastDirectory() = QFileInfo(files.first()).absolutePath();
        accept();
    });
    connect(m_chooser, &QFileDialog::rejected, this, &QDialog::reject);
    resize(680, 380);
    // A path can be typed at once.
    if (auto* name = m_chooser->findChild<QLineEdit*>(u"fileNameEdit"_s)) {
        setFocusProxy(name);
        // The names typed or chosen, one or several ("a" "b").
        connect(name, &QLineEdit::textChanged, this, &TOpenSendFileDialog::showArrivingName);
    }
}

QStringList TOpenSendFileDialog::nicks() const
{
    QStringList checked;
    for (int i = 0; i < SendUsersList->count(); ++i)
        if (SendUsersList->item(i)->checkState() == Qt::Checked)
            checked.append(SendUsersList->item(i)->text());
    return checked;
}

void TOpenSendFileDialog::chooseFiles(const QStringList& files)
{
    if (files.isEmpty())
        return;
    m_chooser->setDirectory(QFileInfo(files.first()).absolutePath());
    QStringList quoted;
    for (const QString& file : files)
        quoted.append(u'"' + file + u'"');
    if (auto* name = m_chooser->findChild<QLineEdit*>(u"fileNameEdit"_s))
        name->setText(files.size() == 1 ? files.first() : quoted.join(u' '));
}

void TOpenSendFileDialog::showArrivingName(const QString& typed)
{
    QStringList names = typed.split(u'"', Qt::SkipEmptyParts);
    names.removeIf([](const QString& part) { return part.trimmed().isEmpty(); });
    QStringList arriving, lost;
    for (const QString& name : names) {
        const QString file = QFileInfo(name).fileName();
        if (m_text.unmappable(file).isEmpty())
            continue;
        lost.append(file);
        arriving.append(u'"' + m_text.decode(m_text.encode(file)) + u'"');
    }
    const QString missing = m_text.unmappable(lost.join(QString()));
    ArrivingName->setVisible(!arriving.isEmpty());
    if (arriving.isEmpty())
        return;
    ArrivingName->setText(
        tr("\u26A0 Arrives as %1: the code page %2 cannot carry %3.")
            .arg(arriving.join(u", "_s), QString::fromLatin1(m_text.codepage()), missing));
}

} // namespace quorvelle::transfer
