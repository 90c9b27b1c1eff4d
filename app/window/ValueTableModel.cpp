#include "ValueTableModel.h"

#include "ValueTable.h"

#include <utility>

namespace orvex {

ValueTableModel::ValueTableModel(QObject* parent) : QAbstractTableModel(parent) {}

ValueTableModel::~ValueTableModel() = default;

void ValueTableModel::setTable(std::shared_ptr<const ValueTable> table, const QStringList& titles,
                               const QStringList& tips) {
    beginResetModel();
    table_ = std::move(table);
    titles_ = titles;
    tips_ = tips;
    endResetModel();
}

int ValueTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !table_ ? 0 : static_cast<int>(table_->rowCount());
}

int ValueTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !table_ ? 0 : static_cast<int>(table_->columnCount());
}

QVariant ValueTableModel::data(const QModelIndex& index, int role) const {
    if (!table_ || !index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    return QString::fromStdString(
        table_->text(static_cast<std::size_t>(index.row()), static_cast<std::size_t>(index.column())));
}

QVariant ValueTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= titles_.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return titles_[section];
    if (role == Qt::ToolTipRole)
        return section < tips_.size() ? tips_[section] : QString();
    return {};
}

} // namespace orvex
