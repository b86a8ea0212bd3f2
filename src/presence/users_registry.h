#pragma once

// Everyone this program has heard of on the net: nick, status, address and the
// signatures of the last ten datagrams from each. A list model of the items
// "status digit + nick", kept sorted by locale-aware, case-insensitive collation of
// the whole item text, so users group by status and then by name. The own user is
// listed too, since the program hears its own broadcasts.

#include "presence/status.h"

#include <QAbstractListModel>
#include <QCollator>
#include <QHash>
#include <QString>
#include <array>
#include <memory>
#include <vector>

namespace quorvelle::presence {

inline constexpr int SignatureRingSize = 10;

class UsersRegistry : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Roles
    {
        StatusRole = Qt::UserRole + 1, // QString, one digit
        NickRole,                      // QString
        AddressRole,                   // quint32, host byte order
    };
    enum class Signature
    {
        New,
        Duplicate
    };

    explicit UsersRegistry(QObject* parent = nullptr);
    ~UsersRegistry() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    // Qt::DisplayRole gives the item text: status digit + nick.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    int count() const;
    QString itemText(int index) const;
    QString ItemNick(int index) const;
    QChar status(int index) const;
    quint32 address(int index) const;

    // Index of the user with exactly this nick (case-sensitive), or -1.
    int FindUser(const QString& nick) const;
    // Adds the user if absent (no signature seen yet); else only refreshes its address.
    int AddUser(const QString& nick, QStringView status, quint32 address);
    void RemoveUser(const QString& nick);
    // Moves a user to a new nick and status, keeping ring and address (the own
    // nick's address is 127.0.0.1). -1 when old is absent.
    int RenameUser(const QString& oldNick, const QString& newNick, QStringView status,
                   const QString& myNick);
    int SetUserStatus(const QString& nick, QStringView status, const QString& myNick);
    // The duplicate filter: a signature among the user's last ten is a duplicate and
    // leaves the ring alone; a new one enters the ring.
    Signature CheckSignature(int index, quint16 signature);
    void ClearUsers();

    // 127.0.0.1 for the own nick, the registry's address otherwise, 0 when absent.
    quint32 UserAddress(const QString& nick, const QString& myNick) const;

    // " Users: N "
    QString CountCaption() const;

signals:
    void countChanged(int count);

private:
    struct User;
    int indexOf(const User* user) const;
    int insertSorted(std::unique_ptr<User> user);
    QCollatorSortKey sortKey(const QString& text) const;

    QCollator m_collator;
    bool m_foldKeys = false;                    // see sortKey()
    std::vector<std::unique_ptr<User>> m_items; // sorted
    QHash<QString, User*> m_byNick;
};

} // namespace quorvelle::presence
