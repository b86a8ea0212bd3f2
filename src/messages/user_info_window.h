#pragma once

// The information windows (TUserInfoFm): one per asked user, opened by the first
// reply, refreshed with their own id, dropped replies for closed ones. The
// bookkeeping is UserInfoWindows; this is the information sink of the desktop.

#include "messages/user_info.h"
#include "net/sinks.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;

namespace quorvelle::chat {
class ChatSession;
}

namespace quorvelle::messages {

class TUserInfoFm : public QWidget
{
    Q_OBJECT

public:
    TUserInfoFm();
    void show(const UserInfoView& view);

signals:
    void refreshRequested(); // BitBtn2

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // A group of two captioned values side by side.
    QGroupBox* TwoValues(const QString& title, const QString& left, const QString& right,
                         QLabel*& leftValue, QLabel*& rightValue);

    QLabel* ChatLab;
    QGroupBox* SysBox;
    QGroupBox* MemBox;
    QGroupBox* ProgBox;
    QLabel* SysLab1;
    QLabel* SysLab0;
    QLabel* MemLab0;
    QLabel* MemLab1;
    QLineEdit* ProgEd0;
    QLineEdit* ProgEd1;
};

class UserInfoWindowSet : public QObject, public net::InformationSink
{
    Q_OBJECT

public:
    explicit UserInfoWindowSet(chat::ChatSession& session, QObject* parent = nullptr);

    // InformationSink
    bool showInformation(const QString& window, const net::InfoReply& reply) override;
    // "Request INFO": an open window for the user comes forward instead of asking.
    void RequestINFO1Click(const QString& nick, QChar status);
    void followRename(const QString& from, const QString& to);

private:
    chat::ChatSession& m_session;
    UserInfoWindows m_ids;
    QHash<int, QPointer<TUserInfoFm>> m_windows;
};

} // namespace quorvelle::messages
