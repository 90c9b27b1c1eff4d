#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <memory>

namespace orvex {

class ValueTable;

// A table of values as an item model: each cell's text is computed when the view asks for it, so a table
// of a million rows holds no more than its formulas.
class ValueTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit ValueTableModel(QObject* parent = nullptr);
    ~ValueTableModel() override;

    // Shows `table` (nullptr: nothing) with a title and a tooltip for each of its columns.
    void setTable(std::shared_ptr<const ValueTable> table, const QStringList& titles,
                  const QStringList& tips);
    [[nodiscard]] const std::shared_ptr<const ValueTable>& table() const noexcept { return table_; }
    [[nodiscard]] const QStringList& titles() const noexcept { return titles_; }

    [[nodiscard]] int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role = Qt::DisplayRole) const override;

  private:
    std::shared_ptr<const ValueTable> table_;
    QStringList titles_;
    QStringList tips_;
};

} // namespace orvex
