#pragma once

// The send-file dialog: a file chooser for one or more files beside a check list of
// the users who are not Offline, the user selected in the users list checked.

#include <QDialog>

class QFileDialog;
class QLabel;
class QListWidget;

namespace quorvelle::presence {
class UsersRegistry;
}

namespace quorvelle::transfer {

class TOpenSendFileDialog : public QDialog
{
    Q_OBJECT

public:
    TOpenSendFileDialog(const presence::UsersRegistry& users, const QString& selected,
                        QWidget* parent = nullptr);

    QStringList files() const { return m_files; }
    // The checked nicks, in list order.
    QStringList nicks() const;

private:
    QFileDialog* m_chooser;
    QListWidget* SendUsersList;
    QLabel* UsersLabel;
    QStringList m_files;
};

} // namespace quorvelle::transfer
