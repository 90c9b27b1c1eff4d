#include "SpecialPointsPanel.h"

#include "EventWait.h"
#include "GraphDocument.h"
#include "HeapPolicy.h"
#include "NumberText.h"
#include "PicturePlacement.h"
#include "ViewController.h"

#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace orvex {

namespace {

const char* const kChooseGraph = "Выберите график в списке графиков.";
const char* const kSearching = "Поиск особых точек…";
const char* const kNoPoints = "В видимой области особых точек нет.";
const char* const kNotDrawn = "Рисунок не построен из-за ошибки: особых точек для показа нет.";

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

QTableWidgetItem* Cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

SpecialPointsPanel::SpecialPointsPanel(GraphDocument* document, ViewController* view, PlotArea* plotArea,
                                       QWidget* parent)
    : QDockWidget(QStringLiteral("Особые точки"), parent), document_(document), view_(view),
      plotArea_(plotArea), search_(new PointSearch(this)) {
    setObjectName(QStringLiteral("SpecialPointsPanel"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);

    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    note_ = new QLabel(body);
    note_->setObjectName(QStringLiteral("SpecialPointsNote"));
    note_->setWordWrap(true);
    table_ = new QTableWidget(0, 3, body);
    table_->setObjectName(QStringLiteral("SpecialPointsTable"));
    table_->setHorizontalHeaderLabels({QStringLiteral("Тип"), QStringLiteral("x"), QStringLiteral("y")});
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6); // one line a row
    layout->addWidget(note_);
    layout->addWidget(table_, 1);
    setWidget(body);

    connect(search_, &PointSearch::finished, this, &SpecialPointsPanel::showPoints);
    connect(table_, &QTableWidget::itemSelectionChanged, this, &SpecialPointsPanel::chooseRow);
}

SpecialPointsPanel::~SpecialPointsPanel() {
    delete search_; // cancels and waits for the search thread
    search_ = nullptr;
}

QSize SpecialPointsPanel::sizeHint() const {
    // Wide enough for the type of an intersection and x and y of twelve digits each, side by side.
    const QFontMetrics metrics = table_->fontMetrics();
    const int padding =
        2 * (table_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table_) + 1) + 2;
    const int number = metrics.horizontalAdvance(QStringLiteral("-0,847127088383")) + padding;
    const int type = metrics.horizontalAdvance(QStringLiteral("Пересечение с 10")) + padding;
    const QMargins margins = widget()->layout()->contentsMargins();
    const int chrome = table_->verticalScrollBar()->sizeHint().width() + 2 * table_->frameWidth() +
                       margins.left() + margins.right();
    return {type + 2 * number + chrome, QDockWidget::sizeHint().height()};
}

void SpecialPointsPanel::showNote(const QString& text) {
    note_->setText(text);
    note_->setVisible(!text.isEmpty());
}

void SpecialPointsPanel::refresh() {
    ++generation_; // a result on its way is stale now
    points_.clear();
    table_->setRowCount(0);
    otherIndices_.clear();
    graph_ = document_->selectedIndex();
    searching_ = false;
    if (!isVisible()) {
        search_->cancel();
        plotArea_->setMarkers(OverlayLayer::SpecialPoints, {});
        return;
    }
    if (view_->lastRedrawFailed()) {
        // The picture on screen is not the one the graphs make now, and its error was reported once.
        search_->cancel();
        plotArea_->setMarkers(OverlayLayer::SpecialPoints, {});
        showNote(QString::fromUtf8(kNotDrawn));
        return;
    }
    updateMarkers();
    const PictureSource& source = view_->shownSource();
    if (graph_ < 0 || source.size.isEmpty()) {
        search_->cancel();
        showNote(QString::fromUtf8(kChooseGraph));
        return;
    }
    ViewLimits limits;
    try {
        limits = ParseLimits(source.view);
    } catch (const std::exception&) {
        search_->cancel();
        return;
    }
    PointSearchJob job;
    job.generation = generation_;
    const TGraphEntry& graph = document_->record(graph_);
    job.formula = graph.Formula;
    for (int i = 0; i < document_->count(); ++i) {
        if (i == graph_ || !document_->isChecked(i))
            continue;
        otherIndices_.push_back(i);
        job.others.push_back(document_->record(i).Formula);
    }
    job.range.xmin = limits.xmin;
    job.range.xmax = limits.xmax;
    job.range.quality = std::max(1, graph.Quality);
    job.range.columns = PicturePlacement::PlotColumns(source.size);
    searching_ = true;
    showNote(QString::fromUtf8(kSearching));
    search_->start(std::move(job));
}

void SpecialPointsPanel::showPoints(const PointSearchResult& result) {
    if (result.generation != generation_ || result.cancelled)
        return;
    searching_ = false;
    TrimHeapWhenIdle(); // the search's samples are freed by now
    points_ = result.points;
    table_->setRowCount(static_cast<int>(points_.size()));
    for (std::size_t r = 0; r < points_.size(); ++r) {
        const SpecialPoint& p = points_[r];
        QString kind;
        QString tip;
        switch (p.kind) {
        case SpecialPoint::Kind::Zero:
            kind = QStringLiteral("Нуль");
            break;
        case SpecialPoint::Kind::Minimum:
            kind = QStringLiteral("Минимум");
            break;
        case SpecialPoint::Kind::Maximum:
            kind = QStringLiteral("Максимум");
            break;
        case SpecialPoint::Kind::Intersection: {
            const int other = otherIndices_.at(static_cast<std::size_t>(p.other));
            kind = QStringLiteral("Пересечение с %1").arg(other + 1);
            // The other graph's formula would crowd x and y out of the panel: it is the cell's hint.
            tip = QStringLiteral("Пересечение с графиком %1: %2")
                      .arg(other + 1)
                      .arg(document_->itemText(other));
            break;
        }
        }
        const int row = static_cast<int>(r);
        table_->setItem(row, 0, Cell(kind));
        table_->item(row, 0)->setToolTip(tip);
        table_->setItem(row, 1, Cell(Text(PointText(p.x))));
        table_->setItem(row, 2, Cell(Text(PointText(p.y))));
    }
    showNote(points_.empty() ? QString::fromUtf8(kNoPoints) : QString());
    updateMarkers();
}

void SpecialPointsPanel::updateMarkers() {
    QList<PlotMarker> markers;
    const PictureSource& source = view_->shownSource();
    if (!isVisible() || points_.empty() || graph_ < 0 || source.size.isEmpty()) {
        plotArea_->setMarkers(OverlayLayer::SpecialPoints, markers);
        return;
    }
    try {
        const PicturePlacement placement(source);
        const QColor colour = ColorFromValue(document_->record(graph_).Color);
        const int chosen = table_->selectionModel()->hasSelection() ? table_->currentRow() : -1;
        for (std::size_t r = 0; r < points_.size(); ++r) {
            const std::optional<QPoint> at = placement.pixelOf(points_[r].x, points_[r].y);
            if (!at)
                continue;
            PlotMarker ring;
            ring.at = *at;
            ring.colour = colour;
            ring.strong = static_cast<int>(r) == chosen;
            markers.append(ring);
        }
    } catch (const std::exception&) {
        markers.clear();
    }
    plotArea_->setMarkers(OverlayLayer::SpecialPoints, markers);
}

void SpecialPointsPanel::chooseRow() {
    updateMarkers();
    const int row = table_->selectionModel()->hasSelection() ? table_->currentRow() : -1;
    if (row < 0 || static_cast<std::size_t>(row) >= points_.size())
        return;
    const SpecialPoint& p = points_[static_cast<std::size_t>(row)];
    emit pointChosen(QStringLiteral("(%1; %2)").arg(Text(PointText(p.x)), Text(PointText(p.y))));
}

void SpecialPointsPanel::waitForPoints(int timeoutMs) {
    ProcessEventsWhile([this] { return searching_; }, timeoutMs);
}

void SpecialPointsPanel::showEvent(QShowEvent* event) {
    QDockWidget::showEvent(event);
    if (!sized_ && !isFloating()) {
        // The first time it is shown the window gives it the width its columns need (as far as the plot
        // area leaves room); afterwards it keeps whatever width the user gives it.
        sized_ = true;
        if (auto* window = qobject_cast<QMainWindow*>(parentWidget()))
            window->resizeDocks({this}, {sizeHint().width()}, Qt::Horizontal);
    }
    refresh();
}

void SpecialPointsPanel::hideEvent(QHideEvent* event) {
    QDockWidget::hideEvent(event);
    refresh(); // hidden: nothing searched, no markers
}

} // namespace orvex
