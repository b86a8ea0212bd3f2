#pragma once

// The About window (TAboutFm): the program's picture, name, version and where its
// makers are found. Esc or OK closes it.

#include <QWidget>

class QLabel;
class QPushButton;

namespace quorvelle::shell {

class TAboutFm : public QWidget
{
    Q_OBJECT

public:
    TAboutFm();

    static const QString WebSite;
    static const QString MailAddress;

    QLabel* Title;
    QLabel* WebLink;
    QLabel* MailLink;
    QPushButton* OkBtn;
};

} // namespace quorvelle::shell
