#include "shell/users_list_model.h"

#include "presence/users_registry.h"
#include "shell/image_list.h"

namespace quorvelle::shell {

QVariant UsersListModel::data(const QModelIndex& index, int role) const
{
    using presence::UsersRegistry;
    switch (role) {
    case Qt::DisplayRole:
        return QIdentityProxyModel::data(index, UsersRegistry::NickRole);
    case Qt::DecorationRole: {
        const QString status =
            QIdentityProxyModel::data(index, UsersRegistry::StatusRole).toString();
        return ImageList::icon(status.isEmpty() ? 0 : qBound(0, status[0].digitValue(), 3));
    }
    case Qt::ToolTipRole:
        return presence::StatusName(
            QIdentityProxyModel::data(index, UsersRegistry::StatusRole).toString());
    default:
        return QIdentityProxyModel::data(index, role);
    }
}

} // namespace quorvelle::shell
