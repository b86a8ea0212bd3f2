#include "messages/archive_model.h"

#include "shell/image_list.h"

namespace quorvelle::messages {

using namespace Qt::Literals::StringLiterals;

void ArchiveModel::setRecords(QList<ArchiveRecord> records)
{
    beginResetModel();
    m_records = std::move(records);
    endResetModel();
}

int ArchiveModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_records.size());
}

int ArchiveModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ArchiveModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_records.size())
        return {};
    const ArchiveRecord& r = m_records.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case Direction:
            return r.outgoing ? u">"_s : u"<"_s;
        case DateTime:
            return r.dateTime;
        case From:
            return r.sender;
        case To:
            return r.recipient;
        case Text: {
            // One row a record: the lines side by side. The text is only ever drawn
            // as plain text, whatever a peer put into it.
            QString line = r.text;
            line.replace(u"\r\n"_s, u"  "_s);
            for (QChar& c : line)
                if (c.unicode() < 0x20)
                    c = u' ';
            return line;
        }
        }
        break;
    case Qt::DecorationRole:
        if (index.column() == Direction)
            return shell::ImageList::icon(r.isMass() ? 18 : 17);
        break;
    case Qt::ToolTipRole:
        if (index.column() == Text)
            // Rich text, so that a peer's "<b>" shows as typed.
            return u"<qt>"_s + r.text.toHtmlEscaped().replace(u"\r\n"_s, u"<br>"_s);
        break;
    case OutgoingRole:
        return r.outgoing;
    }
    return {};
}

QVariant ArchiveModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const QString captions[ColumnCount] = {QString(), tr("Date Time:"), tr("From:"), tr("To:"),
                                           tr("Message Text:")};
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < ColumnCount)
        return captions[section];
    return {};
}

void ArchiveFilter::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    invalidateFilter();
}

bool ArchiveFilter::filterAcceptsRow(int row, const QModelIndex&) const
{
    const ArchiveRecord& r = static_cast<const ArchiveModel*>(sourceModel())->record(row);
    if (m_outgoing && r.outgoing != *m_outgoing)
        return false;
    const auto holds = [this](const QString& field) {
        return field.contains(m_text, Qt::CaseInsensitive);
    };
    return m_text.isEmpty() || holds(r.text) || holds(r.sender) || holds(r.recipient);
}

} // namespace quorvelle::messages
