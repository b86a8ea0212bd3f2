#pragma once

#include <QIdentityProxyModel>

namespace quorvelle::shell {

// The users list as the window shows it: the status as a picture, the nick as
// plain text (an "&" is an "&").
class UsersListModel : public QIdentityProxyModel
{
    Q_OBJECT

public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};

} // namespace quorvelle::shell
