#pragma once

// The send-file dialog: a file chooser for one or more files beside a check list of
// the users who are not Offline, the user selected in the users list checked. A
// name the net's code page cannot carry is shown as it will arrive, with a warning.

#include <QDialog>

class QFileDialog;
class QLabel;
class QListWidget;

namespace quorvelle::presence {
class UsersRegistry;
}
namespace quorvelle::net {
class WireText;
}

namespace quorvelle::transfer {

class TOpenSendFileDialog : public QDialog
{
    Q_OBJECT

public:
    TOpenSendFileDialog(const presence::UsersRegistry& users, const QString& selected,
                        const net::WireText& text, QWidget* parent = nullptr);

    QStringList files() const { return m_files; }
    // Shows files as chosen (dropped ones), for the user to confirm.
    void chooseFiles(const QStringList& files);
    // The checked nicks, in list order.
    QStringList nicks() const;

private:
    // The warning for the names typed or chosen that lose characters on the way.
    void showArrivingName(const QString& typed);

    const net::WireText& m_text;
    QFileDialog* m_chooser;
    QLabel* ArrivingName;
    QListWidget* SendUsersList;
    QLabel* UsersLabel;
    QStringList m_files;
};

} // namespace quorvelle::transfer
