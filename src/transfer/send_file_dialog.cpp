#include "transfer/send_file_dialog.h"

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
                                         const QString& selected, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(u"TOpenSendFileDialog"_s);
    setWindowTitle(u"Select File for Send to Users"_s);

    // Qt's own chooser, so that the users list can sit beside it on every desktop.
    m_chooser = new QFileDialog(this, Qt::Widget);
    m_chooser->setOption(QFileDialog::DontUseNativeDialog);
    m_chooser->setFileMode(QFileDialog::ExistingFiles);
    m_chooser->setNameFilter(u"Any file (*)"_s);
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
    UsersLabel->setText(u"Users: "_s + QString::number(SendUsersList->count()));

    connect(m_chooser, &QFileDialog::filesSelected, this, [this](const QStringList& files) {
        m_files = files;
        if (!files.isEmpty())
            lastDirectory() = QFileInfo(files.first()).absolutePath();
        accept();
    });
    connect(m_chooser, &QFileDialog::rejected, this, &QDialog::reject);
    resize(680, 380);
    // A path can be typed at once.
    if (auto* name = m_chooser->findChild<QLineEdit*>(u"fileNameEdit"_s))
        setFocusProxy(name);
}

QStringList TOpenSendFileDialog::nicks() const
{
    QStringList checked;
    for (int i = 0; i < SendUsersList->count(); ++i)
        if (SendUsersList->item(i)->checkState() == Qt::Checked)
            checked.append(SendUsersList->item(i)->text());
    return checked;
}

} // namespace quorvelle::transfer
