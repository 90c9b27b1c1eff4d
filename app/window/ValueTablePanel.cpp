#include "ValueTablePanel.h"

#include "Cp1251.h"
#include "ErrorReport.h"
#include "GraphDocument.h"
#include "GridAxis.h"
#include "NumberText.h"
#include "TableExport.h"
#include "ValueTable.h"
#include "ValueTableModel.h"
#include "ViewController.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace orvex {

namespace {

const char* const kChooseGraph = "Выберите график в списке графиков.";
const char* const kNoCheckedGraph = "Нет отмеченных графиков.";
// The widest number a cell holds.
const char* const kWidestNumber = "-0,000123456789012345";

QString fromCp1251(const std::string& text) {
    return QString::fromStdString(Cp1251ToUtf8(text));
}

QString faultText(TableRangeFault fault) {
    switch (fault) {
    case TableRangeFault::ZeroStep:
        return QStringLiteral("Шаг не может быть равен нулю.");
    case TableRangeFault::AwayFromEnd:
        return QStringLiteral("Шаг ведёт в сторону от значения «до».");
    case TableRangeFault::TooManyRows:
        return QStringLiteral("Больше 1 000 000 строк: увеличьте шаг или сузьте диапазон.");
    case TableRangeFault::OutOfRange:
        return QStringLiteral("Числа слишком велики.");
    case TableRangeFault::None:
        break;
    }
    return {};
}

// The title of a derivative column and its tooltip: how its values are computed.
std::pair<QString, QString> derivativeTitle(const QString& graph, const GraphDerivative& d) {
    const QString text = fromCp1251(d.text);
    if (d.method == GraphDerivative::Method::Symbolic)
        return {QStringLiteral("(%1)' = %2").arg(graph, text),
                QStringLiteral("Производная, вычисленная символически: %1").arg(text)};
    const QString numeric = QStringLiteral("значения вычислены численно (центральные разности).");
    return {QStringLiteral("(%1)', численно").arg(graph),
            d.error.empty()
                ? QStringLiteral("Производную %1 нельзя вычислить по формуле графика: %2").arg(text, numeric)
                : QStringLiteral("Символическая производная не найдена (%1): %2")
                      .arg(QString::fromStdString(d.error), numeric)};
}

QLineEdit* numberField(const char* name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    // As narrow as a short number: a dock is as wide as its contents ask, and the plot area needs the room.
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("-0,00012")));
    field->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    return field;
}

} // namespace

ValueTablePanel::ValueTablePanel(GraphDocument* document, ViewController* view, QWidget* parent)
    : QDockWidget(QStringLiteral("Таблица значений"), parent), document_(document), viewController_(view),
      model_(new ValueTableModel(this)), export_(new TableExport(this)) {
    setObjectName(QStringLiteral("ValueTablePanel"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);

    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);

    auto* range = new QHBoxLayout;
    from_ = numberField("TableFrom", body);
    to_ = numberField("TableTo", body);
    step_ = numberField("TableStep", body);
    for (const auto& [label, field] :
         {std::pair{"от", from_}, std::pair{"до", to_}, std::pair{"шаг", step_}}) {
        auto* caption = new QLabel(QString::fromUtf8(label), body);
        caption->setBuddy(field);
        range->addWidget(caption);
        range->addWidget(field, 1);
    }
    layout->addLayout(range);

    auto* options = new QHBoxLayout;
    graphs_ = new QComboBox(body);
    graphs_->setObjectName(QStringLiteral("TableGraphs"));
    graphs_->addItems({QStringLiteral("Выбранный график"), QStringLiteral("Отмеченные графики")});
    derivative_ = new QCheckBox(QStringLiteral("f'(x)"), body);
    derivative_->setObjectName(QStringLiteral("TableDerivative"));
    derivative_->setToolTip(QStringLiteral("Столбец производной каждого графика"));
    follow_ = new QPushButton(QStringLiteral("По виду"), body);
    follow_->setObjectName(QStringLiteral("TableFollowView"));
    follow_->setToolTip(QStringLiteral("Диапазон и шаг — по области построения и её сетке"));
    options->addWidget(graphs_, 1);
    options->addWidget(derivative_);
    options->addWidget(follow_);
    layout->addLayout(options);

    note_ = new QLabel(body);
    note_->setObjectName(QStringLiteral("TableNote"));
    note_->setWordWrap(true);
    layout->addWidget(note_);

    view_ = new QTableView(body);
    view_->setObjectName(QStringLiteral("ValueTable"));
    view_->setModel(model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectItems);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setWordWrap(false);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    view_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    layout->addWidget(view_, 1);

    auto* buttons = new QHBoxLayout;
    copy_ = new QPushButton(QStringLiteral("Копировать"), body);
    copy_->setObjectName(QStringLiteral("TableCopy"));
    copy_->setToolTip(QStringLiteral("Копировать выделенные ячейки как текст с табуляциями (Ctrl+Insert)"));
    save_ = new QPushButton(QStringLiteral("Сохранить CSV…"), body);
    save_->setObjectName(QStringLiteral("TableSave"));
    save_->setToolTip(QStringLiteral("Сохранить всю таблицу в файл CSV"));
    buttons->addWidget(copy_);
    buttons->addWidget(save_);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    setWidget(body);

    // Ctrl+C is the view command "Сдвинуть вправо" everywhere in the main window; Ctrl+Insert copies.
    copyCommand_ = new QAction(QStringLiteral("Копировать"), view_);
    copyCommand_->setObjectName(QStringLiteral("TableCopyCommand"));
    copyCommand_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Insert));
    copyCommand_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    view_->addAction(copyCommand_);

    for (QLineEdit* field : {from_, to_, step_})
        connect(field, &QLineEdit::textEdited, this, [this] {
            followsView_ = false; // the user's own range stays until "По виду"
            rebuild();
        });
    connect(graphs_, &QComboBox::currentIndexChanged, this, &ValueTablePanel::rebuild);
    connect(derivative_, &QCheckBox::toggled, this, &ValueTablePanel::rebuild);
    connect(follow_, &QPushButton::clicked, this, [this] {
        followsView_ = true;
        refresh();
    });
    connect(copy_, &QPushButton::clicked, this, &ValueTablePanel::copySelection);
    connect(copyCommand_, &QAction::triggered, this, &ValueTablePanel::copySelection);
    connect(save_, &QPushButton::clicked, this, [this] { saveCsv(); });
    connect(view_, &QWidget::customContextMenuRequested, this, &ValueTablePanel::showContextMenu);
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ValueTablePanel::updateCommands);
    connect(model_, &QAbstractItemModel::modelReset, this, &ValueTablePanel::updateCommands);

    connect(export_, &TableExport::progressed, this, [this](int percent) {
        note_->setText(QStringLiteral("%1 Выполняется… %2 %").arg(baseNote_).arg(percent));
    });
    connect(export_, &TableExport::copied, this, [this](const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        note_->setText(baseNote_ + QStringLiteral(" Скопировано в буфер обмена."));
    });
    connect(export_, &TableExport::saved, this, [this](const QString& path) {
        note_->setText(baseNote_ + QStringLiteral(" Сохранено: %1").arg(QFileInfo(path).fileName()));
    });
    connect(export_, &TableExport::failed, this, [this](const QString& message) {
        note_->setText(baseNote_);
        ErrorReport::Show(message);
    });
    connect(export_, &TableExport::finished, this, &ValueTablePanel::updateCommands);
    updateCommands();
}

ValueTablePanel::~ValueTablePanel() {
    delete export_; // stops and waits for a copy or save in progress
    export_ = nullptr;
}

void ValueTablePanel::showEvent(QShowEvent* event) {
    QDockWidget::showEvent(event);
    refresh();
}

void ValueTablePanel::showNote(const QString& text) {
    baseNote_ = text;
    note_->setText(text);
}

void ValueTablePanel::refresh() {
    if (!isVisible())
        return;
    if (followsView_)
        followView();
    rebuild();
}

void ValueTablePanel::followView() {
    const PictureSource& source = viewController_->shownSource();
    try {
        const ViewLimits limits = ParseLimits(source.view);
        int lines = 10;
        try {
            lines = GridLineCount(source.view.vert);
        } catch (const std::exception&) {
        }
        const long double span = static_cast<long double>(limits.xmax) - limits.xmin;
        from_->setText(QString::fromStdString(NumberText(limits.xmin, 15)));
        to_->setText(QString::fromStdString(NumberText(limits.xmax, 15)));
        step_->setText(QString::fromStdString(NumberText(span / lines, 15)));
    } catch (const std::exception&) {
        // limits that are not numbers: the fields keep what they had
    }
}

std::vector<std::string> ValueTablePanel::titles() const {
    std::vector<std::string> titles;
    for (const QString& title : model_->titles())
        titles.push_back(title.toStdString());
    return titles;
}

void ValueTablePanel::rebuild() {
    if (!isVisible())
        return;
    const char separator = DecimalSeparator();
    const bool checked = graphs_->currentIndex() == static_cast<int>(Graphs::Checked);
    std::vector<int> graphs;
    if (checked) {
        for (int i = 0; i < document_->count(); ++i)
            if (document_->isChecked(i))
                graphs.push_back(i);
    } else if (document_->selectedIndex() >= 0) {
        graphs.push_back(document_->selectedIndex());
    }

    // Everything the table depends on; a redraw that changes none of it keeps the table and its scrolling.
    QStringList key{from_->text(), to_->text(), step_->text(), QString(QChar::fromLatin1(separator)),
                    derivative_->isChecked() ? QStringLiteral("'") : QString()};
    for (const int i : graphs)
        key << document_->itemText(i) << fromCp1251(document_->record(i).Formula);
    const QString built = key.join(QChar(0));
    if (built == builtFrom_)
        return;
    builtFrom_ = built;

    const auto clearTable = [this](const QString& why) {
        model_->setTable(nullptr, {}, {});
        showNote(why);
    };
    if (graphs.empty())
        return clearTable(QString::fromUtf8(checked ? kNoCheckedGraph : kChooseGraph));
    TableRange range;
    for (const auto& [field, value, name] :
         {std::tuple{from_, &range.from, "от"}, std::tuple{to_, &range.to, "до"},
          std::tuple{step_, &range.step, "шаг"}}) {
        const auto number = ReadNumber(field->text().toStdString(), separator);
        if (!number)
            return clearTable(QStringLiteral("В поле «%1» не число.").arg(QString::fromUtf8(name)));
        *value = *number;
    }

    std::vector<std::string> formulas;
    for (const int i : graphs)
        formulas.push_back(document_->record(i).Formula);
    auto table = std::make_shared<const ValueTable>(range, formulas, derivative_->isChecked(), separator);
    if (table->fault() != TableRangeFault::None)
        return clearTable(faultText(table->fault()));

    QStringList titles{QStringLiteral("x")};
    QStringList tips{QString()};
    for (std::size_t c = 1; c < table->columnCount(); ++c) {
        const ValueTable::Column& column = table->column(c);
        const QString graph = document_->itemText(graphs[column.formula]);
        if (!column.derivative) {
            titles << graph;
            tips << QStringLiteral("Значения графика %1").arg(graph);
            continue;
        }
        const auto [title, tip] = derivativeTitle(graph, table->derivative(column.formula));
        titles << title;
        tips << tip;
    }
    const std::size_t rows = table->rowCount();
    // Values take up to 15 digits; x as many as the first rows and the last one show (0.1, 0.2, ...).
    const QFontMetrics metrics = view_->fontMetrics();
    const int numberWidth = metrics.horizontalAdvance(QString::fromLatin1(kWidestNumber)) + 16;
    int xWidth = 0;
    for (std::size_t row = 0; row < rows; row = row < 50 ? row + 1 : std::max(row + 1, rows - 1))
        xWidth =
            std::max(xWidth, metrics.horizontalAdvance(QString::fromStdString(table->text(row, 0))) + 16);
    model_->setTable(std::move(table), titles, tips);
    for (int c = 0; c < titles.size(); ++c) {
        const int titleWidth = view_->horizontalHeader()->fontMetrics().horizontalAdvance(titles[c]) + 24;
        view_->setColumnWidth(c, std::clamp(titleWidth, c == 0 ? xWidth : numberWidth, 3 * numberWidth));
    }
    showNote(QStringLiteral("Строк: %1").arg(rows));
}

void ValueTablePanel::updateCommands() {
    const bool rows = model_->rowCount() > 0 && !export_->isBusy();
    const bool chosen = rows && view_->selectionModel()->hasSelection();
    copy_->setEnabled(chosen);
    copyCommand_->setEnabled(chosen);
    save_->setEnabled(rows);
}

void ValueTablePanel::copySelection() {
    if (!model_->table() || export_->isBusy())
        return;
    std::vector<CellBlock> blocks;
    for (const QItemSelectionRange& r : view_->selectionModel()->selection())
        blocks.push_back({static_cast<std::size_t>(r.top()), static_cast<std::size_t>(r.bottom()),
                          static_cast<std::size_t>(r.left()), static_cast<std::size_t>(r.right())});
    if (blocks.empty())
        return;
    export_->copy(model_->table(), titles(), std::move(blocks));
    updateCommands();
}

void ValueTablePanel::saveCsv(const QString& path) {
    if (!model_->table() || model_->rowCount() == 0 || export_->isBusy())
        return;
    QString name = path;
    if (name.isEmpty()) {
        QFileDialog dialog(this, QStringLiteral("Сохранить таблицу значений"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters({QStringLiteral("Файлы CSV (*.csv)"), QStringLiteral("Все файлы (*)")});
        dialog.setDefaultSuffix(QStringLiteral("csv"));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return;
        name = dialog.selectedFiles().constFirst();
    }
    export_->save(model_->table(), titles(), name);
    updateCommands();
}

void ValueTablePanel::waitForExport(int timeoutMs) {
    export_->waitForJob(timeoutMs);
}

void ValueTablePanel::showContextMenu(QPoint position) {
    QMenu menu(this);
    menu.addAction(copyCommand_);
    QAction* all = menu.addAction(QStringLiteral("Выделить всё"), view_, &QTableView::selectAll);
    all->setEnabled(model_->rowCount() > 0);
    menu.addSeparator();
    QAction* save = menu.addAction(QStringLiteral("Сохранить в CSV…"), this, [this] { saveCsv(); });
    save->setEnabled(save_->isEnabled());
    menu.exec(view_->viewport()->mapToGlobal(position));
}

} // namespace orvex
