#include "GraphDocument.h"

#include "Cp1251.h"
#include "Renderer.h"

#include <QIcon>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>

namespace orvex {

namespace {
QString formulaText(const TGraphEntry& entry) {
    return QString::fromStdString(Cp1251ToUtf8(entry.Formula));
}

// A square of the graph's colour with a grey border, so that white and pale colours show too; drawn at
// two sizes for ordinary and doubled screens.
QIcon swatch(std::uint32_t colour) {
    QIcon icon;
    for (int side : {12, 24}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        const int border = side / 12;
        painter.fillRect(0, 0, side, side, QColor(0x80, 0x80, 0x80));
        painter.fillRect(border, border, side - 2 * border, side - 2 * border, ColorFromValue(colour));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
} // namespace

GraphDocument::GraphDocument(QListWidget* list, QObject* parent) : QObject(parent), list_(list) {
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setIconSize(QSize(12, 12)); // the colour swatches, no taller than a row of text
    connect(list_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        const int row = list_->row(item);
        if (row >= 0)
            emit checkToggled(row);
    });
}

int GraphDocument::count() const {
    return list_->count();
}

int GraphDocument::selectedIndex() const {
    const QModelIndexList selected = list_->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return -1;
    const int row = selected.constFirst().row();
    return row >= 0 && row < count() ? row : -1;
}

const TGraphEntry& GraphDocument::record(int index) const {
    return graphs_.at(static_cast<size_t>(index));
}

QString GraphDocument::itemText(int index) const {
    return list_->item(index)->text();
}

bool GraphDocument::isChecked(int index) const {
    return list_->item(index)->checkState() == Qt::Checked;
}

bool GraphDocument::append(const TGraphEntry& entry, const QString& itemText) {
    if (isFull())
        return false;
    const int index = count();
    graphs_[static_cast<size_t>(index)] = entry;
    graphs_[static_cast<size_t>(index)].Formula = CutFormula(entry.Formula);
    const QSignalBlocker block(list_);
    auto* item = new QListWidgetItem(swatch(entry.Color), itemText);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Checked);
    list_->addItem(item);
    return true;
}

void GraphDocument::replace(int index, const TGraphEntry& entry) {
    auto& target = graphs_.at(static_cast<size_t>(index));
    target = entry;
    target.Formula = CutFormula(entry.Formula);
    const QSignalBlocker block(list_);
    QListWidgetItem* item = list_->item(index);
    item->setCheckState(Qt::Checked);
    item->setText(formulaText(target));
    item->setIcon(swatch(target.Color));
}

void GraphDocument::remove(int index) {
    const int n = count();
    if (index < 0 || index >= n)
        return;
    for (int i = index; i + 1 < n; ++i)
        graphs_[static_cast<size_t>(i)] = graphs_[static_cast<size_t>(i) + 1];
    const QSignalBlocker block(list_);
    delete list_->takeItem(index);
    // The list makes a neighbour current (and, for a selected item, selected); the user chose none.
    list_->clearSelection();
    list_->setCurrentItem(nullptr, QItemSelectionModel::NoUpdate);
}

void GraphDocument::clear() {
    const QSignalBlocker block(list_);
    list_->clear();
}

GraphListState GraphDocument::state() const {
    GraphListState out;
    out.reserve(static_cast<std::size_t>(count()));
    for (int i = 0; i < count(); ++i)
        out.push_back({graphs_[static_cast<size_t>(i)], itemText(i).toStdString(), isChecked(i)});
    return out;
}

void GraphDocument::restore(const GraphListState& state) {
    clear();
    for (const ListedGraph& graph : state) {
        if (!append(graph.entry, QString::fromStdString(graph.itemText)))
            break;
        if (!graph.checked) {
            const QSignalBlocker block(list_);
            list_->item(count() - 1)->setCheckState(Qt::Unchecked);
        }
    }
}

std::vector<TGraphEntry> GraphDocument::visibleGraphs() const {
    std::vector<TGraphEntry> out;
    for (int i = 0; i < count(); ++i)
        if (isChecked(i))
            out.push_back(graphs_[static_cast<size_t>(i)]);
    return out;
}

std::vector<TGraphEntry> GraphDocument::allGraphs() const {
    return {graphs_.begin(), graphs_.begin() + count()};
}

} // namespace orvex
