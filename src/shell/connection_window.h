#pragma once

#include "ui_connection_window.h"

#include <QStringList>
#include <QWidget>

namespace quorvelle::shell {

// The window in which the user edits the broadcast address table, the UDP port and
// the code page of the net's text.
// Nothing takes effect while it is open: its result is handed over when it closes,
// and Cancel or the close box hand back what it was opened with.
class TConnFm : public QWidget
{
    Q_OBJECT

public:
    TConnFm(const QStringList& addressTexts, quint16 port, const QByteArray& codepage = {},
            QWidget* parent = nullptr);

    // The switch "Broadcast on every network interface", as it opens.
    void setEveryInterface(bool on);

signals:
    // Every close: the address texts in list order and the port to send to.
    void applied(const QStringList& addressTexts, quint16 port);
    // After applied(), when the user closed with OK.
    void confirmed();
    // With OK, when another code page was chosen.
    void codepageChosen(const QByteArray& codepage);
    // With OK, when the switch was turned.
    void everyInterfaceChosen(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    bool Edit1KeyDown(const QKeyEvent& key);
    bool Edit2KeyDown(const QKeyEvent& key);
    QStringList listEntries() const;

    Ui::TConnFm ui;
    QStringList snapshot_;
    quint16 port_;
    QByteArray codepage_;
    bool everyInterface_ = true;
    bool confirmed_ = false;
    bool centred_ = false;
};

} // namespace quorvelle::shell
