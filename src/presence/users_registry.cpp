#include "presence/users_registry.h"

#include <algorithm>
#include <utility>

namespace quorvelle::presence {

namespace {

constexpr quint32 LoopbackAddress = 0x7F000001;

} // namespace

struct UsersRegistry::User
{
    User(QString text, QString nick, QCollatorSortKey key, quint32 address)
        : text(std::move(text)), nick(std::move(nick)), key(std::move(key)), address(address)
    {}

    QString text; // status digit + nick
    QString nick;
    QCollatorSortKey key;                          // of text, computed once
    std::array<quint16, SignatureRingSize> ring{}; // newest first
    int ringCount = 0; // signatures seen yet: a new user's ring starts empty
    quint32 address = 0;
};

UsersRegistry::UsersRegistry(QObject* parent) : QAbstractListModel(parent)
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    // The C locale's collator compares case-insensitively but builds its sort keys
    // from the raw bytes; such keys would disagree with compare() and break the
    // binary search, so for it the keys are built from folded text instead.
    const QString upper = QStringLiteral("A");
    const QString lower = QStringLiteral("a");
    m_foldKeys = m_collator.compare(upper, lower) == 0 &&
                 m_collator.sortKey(upper).compare(m_collator.sortKey(lower)) != 0;
}

UsersRegistry::~UsersRegistry() = default;

QCollatorSortKey UsersRegistry::sortKey(const QString& text) const
{
    if (!m_foldKeys)
        return m_collator.sortKey(text);
    // Those byte keys order by code point, while compare() orders folded UTF-16 code
    // units; lifting units from the surrogate range up makes both orders the same.
    const QString folded = text.toCaseFolded();
    QString keyText;
    keyText.reserve(folded.size() * 2);
    for (QChar c : folded) {
        if (c.unicode() < 0xD800) {
            keyText += c;
        } else {
            const char32_t lifted = 0x10000u + c.unicode();
            keyText += QChar(QChar::highSurrogate(lifted));
            keyText += QChar(QChar::lowSurrogate(lifted));
        }
    }
    return m_collator.sortKey(keyText);
}

int UsersRegistry::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant UsersRegistry::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.column() != 0 || index.row() < 0 || index.row() >= count())
        return {};
    const User& user = *m_items[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return user.text;
    case StatusRole:
        return QString(user.text[0]);
    case NickRole:
        return user.nick;
    case AddressRole:
        return QVariant::fromValue(user.address);
    default:
        return {};
    }
}

QHash<int, QByteArray> UsersRegistry::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    names.insert(StatusRole, QByteArrayLiteral("status"));
    names.insert(NickRole, QByteArrayLiteral("nick"));
    names.insert(AddressRole, QByteArrayLiteral("address"));
    return names;
}

int UsersRegistry::count() const
{
    return int(m_items.size());
}

QString UsersRegistry::itemText(int index) const
{
    return index >= 0 && index < count() ? m_items[size_t(index)]->text : QString();
}

QString UsersRegistry::ItemNick(int index) const
{
    return index >= 0 && index < count() ? m_items[size_t(index)]->nick : QString();
}

QChar UsersRegistry::status(int index) const
{
    return index >= 0 && index < count() ? m_items[size_t(index)]->text[0] : QChar();
}

quint32 UsersRegistry::address(int index) const
{
    return index >= 0 && index < count() ? m_items[size_t(index)]->address : 0;
}

int UsersRegistry::indexOf(const User* user) const
{
    // Items that collate equal (nicks differing only in case) form a short run;
    // the user is somewhere in it.
    auto it = std::lower_bound(m_items.begin(), m_items.end(), user->key,
                               [](const std::unique_ptr<User>& item, const QCollatorSortKey& key) {
                                   return item->key.compare(key) < 0;
                               });
    for (; it != m_items.end() && (*it)->key.compare(user->key) == 0; ++it) {
        if (it->get() == user)
            return int(it - m_items.begin());
    }
    return -1;
}

int UsersRegistry::FindUser(const QString& nick) const
{
    const User* user = m_byNick.value(nick);
    return user ? indexOf(user) : -1;
}

int UsersRegistry::insertSorted(std::unique_ptr<User> user)
{
    // After any equal items, so an earlier arrival keeps its place.
    const auto it =
        std::upper_bound(m_items.begin(), m_items.end(), user->key,
                         [](const QCollatorSortKey& key, const std::unique_ptr<User>& item) {
                             return key.compare(item->key) < 0;
                         });
    const int row = int(it - m_items.begin());
    beginInsertRows(QModelIndex(), row, row);
    m_byNick.insert(user->nick, user.get());
    m_items.insert(it, std::move(user));
    endInsertRows();
    emit countChanged(count());
    return row;
}

int UsersRegistry::AddUser(const QString& nick, QStringView status, quint32 address)
{
    if (User* existing = m_byNick.value(nick)) {
        const int row = indexOf(existing);
        if (existing->address != address) {
            existing->address = address;
            const QModelIndex changed = index(row);
            emit dataChanged(changed, changed, {AddressRole});
        }
        return row;
    }
    QString text;
    text.reserve(nick.size() + 1);
    text += NormalizeStatus(status);
    text += nick;
    QCollatorSortKey key = sortKey(text);
    return insertSorted(std::make_unique<User>(std::move(text), nick, std::move(key), address));
}

void UsersRegistry::RemoveUser(const QString& nick)
{
    const auto found = m_byNick.constFind(nick);
    if (found == m_byNick.cend())
        return;
    const int row = indexOf(found.value());
    beginRemoveRows(QModelIndex(), row, row);
    m_byNick.erase(found);
    m_items.erase(m_items.begin() + row);
    endRemoveRows();
    emit countChanged(count());
}

int UsersRegistry::RenameUser(const QString& oldNick, const QString& newNick, QStringView status,
                              const QString& myNick)
{
    const int row = FindUser(oldNick);
    if (row < 0)
        return -1;
    const auto ring = m_items[size_t(row)]->ring;
    const int ringCount = m_items[size_t(row)]->ringCount;
    const quint32 userAddress = UserAddress(oldNick, myNick);
    RemoveUser(oldNick);
    const int newRow = AddUser(newNick, status, userAddress);
    // Also when newNick was already listed: its ring takes the moved one, as peers
    // expect the duplicate filter to follow the rename.
    m_items[size_t(newRow)]->ring = ring;
    m_items[size_t(newRow)]->ringCount = ringCount;
    return newRow;
}

int UsersRegistry::SetUserStatus(const QString& nick, QStringView status, const QString& myNick)
{
    return RenameUser(nick, nick, status, myNick);
}

UsersRegistry::Signature UsersRegistry::CheckSignature(int index, quint16 signature)
{
    if (index < 0 || index >= count())
        return Signature::Duplicate;
    User& user = *m_items[size_t(index)];
    auto& ring = user.ring;
    if (std::find(ring.begin(), ring.begin() + user.ringCount, signature) !=
        ring.begin() + user.ringCount)
        return Signature::Duplicate;
    std::copy_backward(ring.begin(), ring.end() - 1, ring.end());
    ring[0] = signature;
    user.ringCount = std::min(user.ringCount + 1, SignatureRingSize);
    return Signature::New;
}

void UsersRegistry::ClearUsers()
{
    beginResetModel();
    m_byNick.clear();
    m_items.clear();
    endResetModel();
    emit countChanged(0);
}

quint32 UsersRegistry::UserAddress(const QString& nick, const QString& myNick) const
{
    if (nick == myNick)
        return LoopbackAddress;
    const User* user = m_byNick.value(nick);
    return user ? user->address : 0;
}

QString UsersRegistry::CountCaption() const
{
    return tr(" Users: %1 ").arg(count());
}

} // namespace quorvelle::presence
