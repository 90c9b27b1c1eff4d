#include "StudyPanel.h"

#include "EventWait.h"
#include "GraphDocument.h"
#include "NumberText.h"
#include "PicturePlacement.h"
#include "StudyReport.h"
#include "ViewController.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace orvex {

namespace {

const char* const kChooseGraph = "Выберите график в списке графиков.";
const char* const kStudying = "Исследование…";
const char* const kNotLimits = "Диапазон: введите два числа, левое меньше правого.";

QString Utf8(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString Number(long double v) {
    return QString::fromStdString(PointText(v));
}

} // namespace

StudyPanel::StudyPanel(GraphDocument* document, ViewController* view, PlotArea* plotArea, QWidget* parent)
    : QDockWidget(QStringLiteral("Исследование функции"), parent), document_(document), view_(view),
      plotArea_(plotArea) {
    setObjectName(QStringLiteral("StudyPanel"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);

    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    auto* range = new QHBoxLayout;
    ownRange_ = new QCheckBox(QStringLiteral("Свой диапазон x:"), body);
    ownRange_->setObjectName(QStringLiteral("StudyOwnRange"));
    ownRange_->setToolTip(QStringLiteral("Исследовать на своём диапазоне x, а не на видимой области"));
    from_ = new QLineEdit(body);
    from_->setObjectName(QStringLiteral("StudyFrom"));
    to_ = new QLineEdit(body);
    to_->setObjectName(QStringLiteral("StudyTo"));
    for (QLineEdit* field : {from_, to_}) {
        field->setEnabled(false);
        field->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("-000,000")));
    }
    range->addWidget(from_, 1);
    range->addWidget(new QLabel(QStringLiteral("…"), body));
    range->addWidget(to_, 1);
    note_ = new QLabel(body);
    note_->setObjectName(QStringLiteral("StudyNote"));
    note_->setWordWrap(true);
    text_ = new QTextBrowser(body);
    text_->setObjectName(QStringLiteral("StudyText"));
    text_->setOpenLinks(false);
    copy_ = new QPushButton(QStringLiteral("Копировать"), body);
    copy_->setObjectName(QStringLiteral("StudyCopy"));
    copy_->setToolTip(QStringLiteral("Копировать исследование в буфер обмена как текст"));
    copy_->setEnabled(false);
    layout->addWidget(ownRange_, 0, Qt::AlignLeft);
    layout->addLayout(range);
    layout->addWidget(note_);
    layout->addWidget(text_, 1);
    layout->addWidget(copy_, 0, Qt::AlignRight);
    setWidget(body);

    connect(ownRange_, &QCheckBox::toggled, this, [this](bool own) {
        from_->setEnabled(own);
        to_->setEnabled(own);
        refresh();
    });
    connect(from_, &QLineEdit::editingFinished, this, &StudyPanel::refresh);
    connect(to_, &QLineEdit::editingFinished, this, &StudyPanel::refresh);
    connect(copy_, &QPushButton::clicked, this, &StudyPanel::copyStudy);
}

StudyPanel::~StudyPanel() {
    task_.cancel();
}

QSize StudyPanel::sizeHint() const {
    // About 40 characters: an interval with two twelve-digit ends fits on a line, longer lines wrap,
    // and the picture keeps most of a small window.
    return {fontMetrics().horizontalAdvance(QStringLiteral("[-0,414213562373; 2,41421356237]")) + 40,
            QDockWidget::sizeHint().height()};
}

void StudyPanel::showNote(const QString& text) {
    note_->setText(text);
    note_->setVisible(!text.isEmpty());
}

bool StudyPanel::typedRange(AnalysisRange& range) {
    const auto from = ReadNumber(from_->text().trimmed().toStdString());
    const auto to = ReadNumber(to_->text().trimmed().toStdString());
    if (!from || !to || !std::isfinite(static_cast<double>(*from)) ||
        !std::isfinite(static_cast<double>(*to)) || !(*from < *to)) {
        showNote(QString::fromUtf8(kNotLimits));
        return false;
    }
    range.xmin = static_cast<double>(*from);
    range.xmax = static_cast<double>(*to);
    return true;
}

void StudyPanel::refresh() {
    ++generation_; // a result on its way is stale now
    studying_ = false;
    shown_ = false;
    text_->clear();
    copy_->setEnabled(false);
    graph_ = document_->selectedIndex();
    if (!isVisible()) {
        task_.cancel();
        plotArea_->setMarkers(OverlayLayer::Study, {});
        return;
    }
    updateMarkers();
    const PictureSource& source = view_->shownSource();
    if (graph_ < 0 || source.size.isEmpty()) {
        task_.cancel();
        showNote(QString::fromUtf8(kChooseGraph));
        return;
    }
    AnalysisRange range;
    try {
        const ViewLimits limits = ParseLimits(source.view);
        range.xmin = limits.xmin;
        range.xmax = limits.xmax;
    } catch (const std::exception&) {
        task_.cancel();
        return;
    }
    if (ownRange_->isChecked()) {
        if (!typedRange(range)) {
            task_.cancel();
            return;
        }
    } else { // the fields show the range studied
        from_->setText(Number(range.xmin));
        to_->setText(Number(range.xmax));
    }
    const TGraphEntry& graph = document_->record(graph_);
    formula_ = document_->itemText(graph_);
    colour_ = ColorFromValue(graph.Color);
    range.quality = std::max(1, graph.Quality);
    range.columns = PicturePlacement::PlotColumns(source.size);
    start(graph.Formula, range);
}

void StudyPanel::start(const std::string& formula, const AnalysisRange& range) {
    studying_ = true;
    showNote(QString::fromUtf8(kStudying));
    task_.start([this, formula, range, generation = generation_](const std::atomic<bool>& stop) {
        FunctionStudy study = StudyFunction(formula, range, &stop);
        QMetaObject::invokeMethod(
            this, [this, generation, study = std::move(study)] { showStudy(generation, study); },
            Qt::QueuedConnection);
    });
}

void StudyPanel::showStudy(std::uint64_t generation, const FunctionStudy& study) {
    if (generation != generation_ || !study.complete)
        return;
    studying_ = false;
    shown_ = true;
    study_ = study;
    const std::vector<StudySection> sections = StudySections(study_);
    QString html = QStringLiteral("<p><b>f(x) = %1</b>, x ∈ [%2; %3]</p>")
                       .arg(formula_.toHtmlEscaped(), Number(study_.range.xmin), Number(study_.range.xmax));
    for (const StudySection& s : sections) {
        QStringList lines;
        for (const std::string& line : s.lines)
            lines << Utf8(line).toHtmlEscaped();
        html += QStringLiteral("<p><b>%1</b><br>%2<br><span style=\"color:#707070;\">Не видно: %3</span></p>")
                    .arg(Utf8(s.title).toHtmlEscaped(), lines.join(QStringLiteral("<br>")),
                         Utf8(s.limits).toHtmlEscaped());
    }
    text_->setHtml(html);
    copy_->setEnabled(true);
    showNote({});
    updateMarkers();
}

QString StudyPanel::plainText() const {
    if (!shown_)
        return {};
    QString text = QStringLiteral("Исследование функции f(x) = %1, x ∈ [%2; %3]\n")
                       .arg(formula_, Number(study_.range.xmin), Number(study_.range.xmax));
    for (const StudySection& s : StudySections(study_)) {
        text += QLatin1Char('\n') + Utf8(s.title) + QLatin1Char('\n');
        for (const std::string& line : s.lines)
            text += QStringLiteral("  ") + Utf8(line) + QLatin1Char('\n');
        text += QStringLiteral("  Не видно: ") + Utf8(s.limits) + QLatin1Char('\n');
    }
    return text;
}

void StudyPanel::copyStudy() {
    const QString text = plainText();
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

void StudyPanel::updateMarkers() {
    QList<PlotMarker> markers;
    const PictureSource& source = view_->shownSource();
    if (!isVisible() || !shown_ || graph_ < 0 || source.size.isEmpty()) {
        plotArea_->setMarkers(OverlayLayer::Study, markers);
        return;
    }
    try {
        const PicturePlacement placement(source);
        const QColor colour = colour_;
        const auto ring = [&](double x, long double y) {
            if (const std::optional<QPoint> at = placement.pixelOf(x, y))
                markers.append(PlotMarker{*at, colour, false, PlotMarker::Shape::Ring, {}});
        };
        for (const double x : study_.zeros)
            ring(x, 0);
        if (study_.yIntercept)
            ring(0, *study_.yIntercept);
        for (const auto* list : {&study_.minima, &study_.maxima, &study_.inflections})
            for (const StudyPoint& p : *list)
                ring(p.x, p.y);
        for (const VerticalAsymptote& v : study_.verticals) {
            const QPoint at(placement.mapping().column(v.x), placement.plot().center().y());
            if (placement.plot().contains(at))
                markers.append(PlotMarker{at, colour, false, PlotMarker::Shape::VerticalLine, {}});
        }
    } catch (const std::exception&) {
        markers.clear();
    }
    plotArea_->setMarkers(OverlayLayer::Study, markers);
}

void StudyPanel::waitForStudy(int timeoutMs) {
    ProcessEventsWhile([this] { return studying_; }, timeoutMs);
}

void StudyPanel::showEvent(QShowEvent* event) {
    QDockWidget::showEvent(event);
    refresh();
}

void StudyPanel::hideEvent(QHideEvent* event) {
    QDockWidget::hideEvent(event);
    refresh(); // hidden: nothing studied, no markers
}

} // namespace orvex
