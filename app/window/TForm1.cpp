#include "TForm1.h"

#include "ActionTable.h"
#include "BuildParamsWindow.h"
#include "ColorBox.h"
#include "CommandKeyFilter.h"
#include "DocumentHistory.h"
#include "ErrorReport.h"
#include "GraphCommands.h"
#include "GraphDocument.h"
#include "HomePage.h"
#include "MainBars.h"
#include "MessageReport.h"
#include "Navigation.h"
#include "PlotArea.h"
#include "RecoveryStore.h"
#include "SpecialPointsPanel.h"
#include "StatusPanels.h"
#include "StudyPanel.h"
#include "ThemeManager.h"
#include "Themes.h"
#include "Tracer.h"
#include "ValueTablePanel.h"
#include "ViewController.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDockWidget>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolTip>
#include <QUrl>
#include <QWindow>

#include <cstdlib>

// Resources of a static library are registered by hand.
static void InitOrvexResources() {
    Q_INIT_RESOURCE(orvex_icons);
}

namespace orvex {

namespace {

const QString kCaption = QStringLiteral("Orvex 1.0 RC2");
const QString kPlotAreaHelp =
    QStringLiteral("Масштабируйте график с помощью кнопок мыши, передвигайте область "
                   "построения с помощью колеса мыши (Ctrl, Shift - по осям).");
const QString kGraphListHelp = QStringLiteral(
    "Изменяйте видимость графиков с помощью флажков, дважды щелкните на графике, чтобы изменить его.");
constexpr QPoint kToolWindowPosition{11, 370};
constexpr int kWheelStep = 120;

struct NamedViewCommand {
    std::string_view action;
    ViewCommand command;
};
constexpr NamedViewCommand kViewCommands[] = {
    {"MoveLeft", ViewCommand::MoveLeft}, {"MoveRight", ViewCommand::MoveRight},
    {"MoveUp", ViewCommand::MoveUp},     {"MoveDown", ViewCommand::MoveDown},
    {"HorMin", ViewCommand::HorMin},     {"HorMax", ViewCommand::HorMax},
    {"VertMin", ViewCommand::VertMin},   {"VertMax", ViewCommand::VertMax},
    {"AllMax", ViewCommand::AllMax},     {"AllMin", ViewCommand::AllMin},
};

QString FromStd(const std::string& s) {
    return QString::fromStdString(s);
}

// The first local .orx file among dropped data, or an empty text.
QString DroppedDocument(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && url.toLocalFile().endsWith(QStringLiteral(".orx"), Qt::CaseInsensitive))
            return url.toLocalFile();
    return {};
}

} // namespace

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent), settings_(DefaultSettingsPath()), tbxtw_(std::make_unique<BuildParamsWindow>()),
      recovery_(std::make_unique<RecoveryStore>()), export_(this) {
    InitOrvexResources();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kCaption);
    resize(812, 484);
    setAcceptDrops(true); // an .orx file dropped on the window is opened
    themes_ = new ThemeManager(this);

    createActions();
    createPlotArea();
    createStatusBar();
    createDockWindows();
    createDocumentAndView();
    createSpecialPointsPanel();
    createValueTablePanel();
    createStudyPanel();
    createTracing();
    createSmoothing();
    createUndoHistory();
    createBars();
    createCommandKeys();
    connectCommands();
    connectRedrawTriggers();
    readSettings();
}

TForm1::~TForm1() {
    // The controllers refer to the build-parameters window's fields: stop them first.
    delete tracer_;
    tracer_ = nullptr;
    delete valueTable_;
    valueTable_ = nullptr;
    delete points_;
    points_ = nullptr;
    delete study_;
    study_ = nullptr;
    delete commands_;
    commands_ = nullptr;
    delete view_;
    view_ = nullptr;
}

void TForm1::setDialogOpeners(DialogOpeners openers) {
    openers_ = std::move(openers);
}

QComboBox* TForm1::themeSelector() const {
    return bars_->themeSelector();
}

void TForm1::createActions() {
    actions_ = new ActionTable(this);
}

void TForm1::createPlotArea() {
    image1_ = new PlotArea(this);
    setCentralWidget(image1_);
}

void TForm1::createDockWindows() {
    panel_ = new QDockWidget(QStringLiteral("Список графиков"), this);
    panel_->setObjectName(QStringLiteral("TBXDockablePanel1"));
    panel_->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea | Qt::TopDockWidgetArea);
    clBox1_ = new QListWidget(panel_);
    clBox1_->setObjectName(QStringLiteral("CLBox1"));
    clBox1_->setSelectionMode(QAbstractItemView::SingleSelection);
    clBox1_->viewport()->setMouseTracking(true);
    clBox1_->viewport()->installEventFilter(this);
    panel_->setWidget(clBox1_);
    addDockWidget(Qt::LeftDockWidgetArea, panel_);
    resizeDocks({panel_}, {186}, Qt::Horizontal);

    // The build-parameters window floats on its own; the keys of the commands work there as well.
    actions_->addTo(tbxtw_.get());
}

void TForm1::createSpecialPointsPanel() {
    points_ = new SpecialPointsPanel(document_, view_, image1_, this);
    addDockWidget(Qt::RightDockWidgetArea, points_);
    points_->hide(); // shown on request only
    // The command "Особые точки" shows and hides the panel and stays checked while it is shown.
    QAction* command = (*actions_)["SpecialPoints"];
    command->setCheckable(true);
    connect(command, &QAction::toggled, points_, &QWidget::setVisible);
    connect(points_->toggleViewAction(), &QAction::toggled, command, &QAction::setChecked);
    connect(view_, &ViewController::redrawn, points_, &SpecialPointsPanel::refresh);
    connect(view_, &ViewController::pictureFailed, points_, &SpecialPointsPanel::refresh);
    connect(clBox1_, &QListWidget::itemSelectionChanged, points_, &SpecialPointsPanel::refresh);
}

void TForm1::createValueTablePanel() {
    valueTable_ = new ValueTablePanel(document_, view_, this);
    addDockWidget(Qt::RightDockWidgetArea, valueTable_);
    valueTable_->hide(); // shown on request only
    QAction* command = (*actions_)["ValueTable"];
    command->setCheckable(true);
    connect(command, &QAction::toggled, valueTable_, &QWidget::setVisible);
    connect(valueTable_->toggleViewAction(), &QAction::toggled, command, &QAction::setChecked);
    connect(view_, &ViewController::redrawn, valueTable_, &ValueTablePanel::refresh);
    connect(clBox1_, &QListWidget::itemSelectionChanged, valueTable_, &ValueTablePanel::refresh);
    connect(document_, &GraphDocument::checkToggled, valueTable_, &ValueTablePanel::refresh);
}

void TForm1::createStudyPanel() {
    study_ = new StudyPanel(document_, view_, image1_, this);
    addDockWidget(Qt::RightDockWidgetArea, study_);
    study_->hide(); // shown on request only
    QAction* command = (*actions_)["Study"];
    command->setCheckable(true);
    connect(command, &QAction::toggled, study_, &QWidget::setVisible);
    connect(study_->toggleViewAction(), &QAction::toggled, command, &QAction::setChecked);
    connect(view_, &ViewController::redrawn, study_, &StudyPanel::refresh);
    connect(clBox1_, &QListWidget::itemSelectionChanged, study_, &StudyPanel::refresh);
}

void TForm1::createTracing() {
    tracer_ = new Tracer((*actions_)["Trace"], document_, view_, image1_, status_, this);
    connect(view_, &ViewController::redrawn, tracer_, &Tracer::refresh);
    connect(clBox1_, &QListWidget::itemSelectionChanged, tracer_, &Tracer::refresh);
}

void TForm1::createSmoothing() {
    // "Сглаживание": curves and grid antialiased from the next redraw on, remembered in the settings file.
    QAction* command = (*actions_)["Smoothing"];
    command->setCheckable(true);
    connect(command, &QAction::toggled, this, [this](bool on) {
        view_->setSmoothing(on);
        ErrorReport::Run([this, on] { settings_.writeInteger(settings::kSmoothing, "Enabled", on ? 1 : 0); });
        runChange();
    });
}

void TForm1::createUndoHistory() {
    QAction* undo = (*actions_)["Undo"];
    QAction* redo = (*actions_)["Redo"];
    const auto update = [this, undo, redo] {
        undo->setEnabled(history_->canUndo());
        redo->setEnabled(history_->canRedo());
        keepRecovery();
    };
    connect(history_, &DocumentHistory::stateChanged, this, update);
    update();
}

void TForm1::keepRecovery() {
    if (history_->isModified())
        recovery_->write(document_->state());
    else
        recovery_->discard();
}

void TForm1::offerRecovery() {
    const std::optional<RecoveryStore::Leftover> leftover = recovery_->takeLeftover();
    if (!leftover)
        return;
    const QString question =
        QString::fromUtf8("Orvex завершил работу, не сохранив список графиков (графиков: %1; последнее "
                          "изменение %2). Восстановить его?")
            .arg(leftover->graphs.size())
            .arg(QLocale().toString(leftover->written, QLocale::ShortFormat));
    const int answer = AskQuestion(
        this, question, {QString::fromUtf8("&Восстановить"), QString::fromUtf8("&Не восстанавливать")});
    if (answer == 0) {
        history_->restore(leftover->graphs); // writes this program's own recovery file first
        runChange();
    }
    recovery_->finish(*leftover);
}

void TForm1::createBars() {
    // The program's own panels and options close the "Вид" menu.
    bars_ = new MainBars(this, *actions_, panel_->toggleViewAction(), tbxtw_->toggleViewAction(),
                         {(*actions_)["SpecialPoints"], (*actions_)["ValueTable"], (*actions_)["Trace"],
                          tracer_->tangentCommand(), nullptr, (*actions_)["Smoothing"]});
}

void TForm1::createStatusBar() {
    status_ = new StatusPanels(this);
    setStatusBar(status_);
}

void TForm1::createDocumentAndView() {
    document_ = new GraphDocument(clBox1_, this);
    history_ = new DocumentHistory(document_, this);
    ViewControls controls;
    controls.exmin = tbxtw_->exmin();
    controls.exmax = tbxtw_->exmax();
    controls.eymin = tbxtw_->eymin();
    controls.eymax = tbxtw_->eymax();
    controls.edit1 = tbxtw_->edit1();
    controls.edit2 = tbxtw_->edit2();
    controls.gridColour = tbxtw_->colB1();
    controls.background = tbxtw_->colB2();
    controls.image = image1_;
    controls.document = document_;
    view_ = new ViewController(controls, this);

    GraphCommandsContext context;
    context.mainWindow = this;
    context.toolWindow = tbxtw_.get();
    context.document = document_;
    context.settings = &settings_;
    context.redraw = [this] { runChange(); };
    context.history = history_;
    commands_ = new GraphCommands(context, this);
}

void TForm1::onAction(std::string_view name, std::function<void()> handler) {
    connect((*actions_)[name], &QAction::triggered, this,
            [handler = std::move(handler)] { ErrorReport::Run(handler); });
}

void TForm1::connectCommands() {
    onAction("Change", [this] { view_->redraw(); });
    for (const auto& [name, command] : kViewCommands)
        onAction(name, [this, command = command] { view_->apply(command); });

    onAction("New", [this] { commands_->newDocument(); });
    onAction("NewGr", [this] { commands_->addGraph(); });
    onAction("NewDif", [this] { commands_->addDerivative(); });
    onAction("RemoveGr", [this] { commands_->removeSelected(); });
    onAction("FileOpen1", [this] { commands_->openDocument(); });
    onAction("FileSaveAs1", [this] { (void)commands_->saveDocument(); });
    onAction("Undo", [this] { commands_->undo(); });
    onAction("Redo", [this] { commands_->redo(); });

    onAction("SavePicture1", [this] { export_.savePicture(view_->shownPicture(), view_->shownSource()); });
    onAction("CopyToClipboard", [this] { export_.copyToClipboard(view_->shownPicture()); });
    onAction("PrintDlg1", [this] { export_.print(view_->plotBitmap()); });

    onAction("Eval", [this] {
        if (!openers_.eval)
            return;
        QStringList formulas;
        for (int i = 0; i < document_->count(); ++i)
            formulas.append(document_->itemText(i));
        openers_.eval(formulas);
    });
    onAction("Parametres", [this] {
        if (openers_.parameters)
            openers_.parameters(&settings_);
    });
    onAction("About", [this] {
        if (openers_.about)
            openers_.about();
    });
    onAction("BrowseURL1", [this] { openHomePage(); });
    onAction("FileExit1", [this] { close(); });

    connect(view_, &ViewController::redrawFailed, this,
            [](const QString& message) { ErrorReport::Show(message); });
    connect(points_, &SpecialPointsPanel::pointChosen, this,
            [this](const QString& coordinates) { status_->setPanelText(1, coordinates); });
    connect(image1_, &PlotArea::pressed, this, &TForm1::clickPlotArea);
    connect(image1_, &PlotArea::moved, this, &TForm1::showReadout);
    connect(image1_, &PlotArea::wheelTurned, this, &TForm1::turnWheel);
    connect(themeSelector(), &QComboBox::currentTextChanged, this, [this](const QString& text) {
        if (MatchThemeName(text) != themes_->current())
            themes_->apply(text);
    });
    // A theme picked from the list hands the keyboard back to the plot area.
    connect(themeSelector(), &QComboBox::activated, this,
            [this] { image1_->setFocus(Qt::OtherFocusReason); });
}

void TForm1::createCommandKeys() {
    QList<QKeyCombination> keys;
    for (const QAction* action : actions_->actions())
        if (!action->shortcut().isEmpty())
            keys.append(action->shortcut()[0]);
    auto* filter = new CommandKeyFilter(keys, {this, tbxtw_.get(), panel_}, this);
    qApp->installEventFilter(filter);
    // The wheel over the theme box moves the view like anywhere else in the main window.
    themeSelector()->setFocusPolicy(Qt::StrongFocus);
    themeSelector()->installEventFilter(this);
}

void TForm1::connectRedrawTriggers() {
    connect(image1_, &PlotArea::resized, this, &TForm1::runChange);
    connect(document_, &GraphDocument::checkToggled, this, &TForm1::runChange);
    connect(tbxtw_->colB1(), &ColorBox::colourChanged, this, &TForm1::runChange);
    connect(tbxtw_->colB2(), &ColorBox::colourChanged, this, &TForm1::runChange);
    connect(tbxtw_->bApply(), &QPushButton::clicked, this, &TForm1::runChange);
    // Docking changes and shown or hidden bars. Qt lays the window out again after the event that
    // changed it, so the redraw waits for that; a resize of the plot area on the way redraws at once.
    for (QDockWidget* dock : {panel_, static_cast<QDockWidget*>(points_),
                              static_cast<QDockWidget*>(valueTable_), static_cast<QDockWidget*>(study_)}) {
        connect(dock, &QDockWidget::dockLocationChanged, this, &TForm1::scheduleChange);
        connect(dock, &QDockWidget::topLevelChanged, this, &TForm1::scheduleChange);
    }
    for (QToolBar* bar : bars_->bars()) {
        connect(bar, &QToolBar::topLevelChanged, this, &TForm1::scheduleChange);
        connect(bar, &QToolBar::orientationChanged, this, &TForm1::scheduleChange);
    }
    for (QAction* toggle : bars_->viewToggles())
        if (toggle)
            connect(toggle, &QAction::toggled, this, &TForm1::scheduleChange);
}

void TForm1::readSettings() {
    // FormCreate: the view fields and the theme from the settings file, the first picture, the hint
    // delay, the floating build-parameters window. The file is read once for all of them. A first picture
    // that fails (a limit that is not a number) is reported once and skips the steps after it.
    const SettingsSnapshot file = settings_.snapshot();
    const bool smooth = file.readInteger(settings::kSmoothing, "Enabled", 0) != 0;
    view_->setSmoothing(smooth);
    {
        const QSignalBlocker block((*actions_)["Smoothing"]);
        (*actions_)["Smoothing"]->setChecked(smooth);
    }
    const bool pictureDrawn = ErrorReport::Run([this, &file] {
        using namespace settings;
        ViewTexts texts;
        texts.xmin = file.readString(kLimits, "XMin", "-5");
        texts.xmax = file.readString(kLimits, "XMax", "5");
        texts.ymin = file.readString(kLimits, "YMin", "-5");
        texts.ymax = file.readString(kLimits, "YMax", "5");
        texts.vert = file.readString(kLimits, "Vert", "10");
        texts.hor = file.readString(kLimits, "Hor", "10");
        view_->setTexts(texts);

        const QString theme = themes_->apply(FromStd(file.readString(kTheme, "Name", "Default")));
        const QSignalBlocker block(themeSelector());
        themeSelector()->setCurrentText(theme);

        view_->drawInitialPicture();
    });
    if (!pictureDrawn)
        return;
    ErrorReport::Run([this, &file] {
        themes_->setHintDelay(file.readInteger(settings::kHintPause, "Pause", 0));
        placeToolWindow_ = true;
    });
}

void TForm1::runChange() {
    changePending_ = false;
    (*actions_)["Change"]->trigger();
}

void TForm1::scheduleChange() {
    if (changePending_)
        return;
    changePending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (changePending_)
                runChange();
        },
        Qt::QueuedConnection);
}

void TForm1::showReadout(QPoint position) {
    if (tracer_->follow(position))
        return; // the trace reads the chosen graph instead
    ErrorReport::Run([&] {
        status_->setPanelText(0, kPlotAreaHelp);
        const QString text = view_->readout(position);
        image1_->setToolTip(text);
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(image1_->mapToGlobal(position + QPoint(10, 20)), text, image1_);
        status_->setPanelText(1, text);
    });
}

void TForm1::clickPlotArea(Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    MouseButton which = MouseButton::Middle;
    if (button == Qt::LeftButton)
        which = MouseButton::Left;
    else if (button == Qt::RightButton)
        which = MouseButton::Right;
    else
        return;
    const auto commands = CommandsForClick(which, modifiers.testFlag(Qt::ShiftModifier),
                                           modifiers.testFlag(Qt::ControlModifier));
    ErrorReport::Run([&] {
        for (ViewCommand command : commands)
            view_->apply(command);
    });
}

void TForm1::turnWheel(QPoint angleDelta, Qt::KeyboardModifiers modifiers) {
    // Some platforms turn a Shift+wheel step into a horizontal one.
    wheelRemainder_ += angleDelta.y() != 0 ? angleDelta.y() : angleDelta.x();
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    while (std::abs(wheelRemainder_) >= kWheelStep) {
        const bool towardsUser = wheelRemainder_ < 0;
        wheelRemainder_ += towardsUser ? kWheelStep : -kWheelStep;
        ErrorReport::Run([&] { view_->apply(CommandForWheel(towardsUser, shift)); });
    }
}

void TForm1::wheelEvent(QWheelEvent* event) {
    turnWheel(event->angleDelta(), event->modifiers());
    event->accept();
}

void TForm1::openHomePage() {
    QDesktopServices::openUrl(HomePageUrl());
}

QMenu* TForm1::createPopupMenu() {
    auto* menu = new QMenu(this);
    bars_->addViewToggles(menu);
    return menu;
}

bool TForm1::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        // Long hints go to panel 0 of the status bar.
        status_->setPanelText(0, static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (bars_ != nullptr && watched == themeSelector() && event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        turnWheel(wheel->angleDelta(), wheel->modifiers());
        return true;
    }
    if (watched == clBox1_->viewport()) {
        if (event->type() == QEvent::MouseMove) {
            status_->setPanelText(0, kGraphListHelp);
            status_->setPanelText(1, QString());
        } else if (event->type() == QEvent::MouseButtonDblClick) {
            ErrorReport::Run([this] { commands_->editSelected(); });
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::openDocument(const QString& path) {
    ErrorReport::Run([this, &path] {
        if (commands_->confirmDiscard())
            (void)commands_->loadDocument(path);
    });
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedDocument(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
    const QString path = DroppedDocument(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // Opened once the drop has finished, so that a message box does not hold the dragging application.
    QMetaObject::invokeMethod(
        this, [this, path] { openDocument(path); }, Qt::QueuedConnection);
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    // The build-parameters window stays above the main window without being its child widget.
    tbxtw_->winId();
    if (QWindow* handle = tbxtw_->windowHandle())
        handle->setTransientParent(windowHandle());
    // On a screen of another scale the picture is drawn again at its device pixels.
    if (QWindow* handle = windowHandle())
        connect(handle, &QWindow::screenChanged, this, &TForm1::scheduleChange);
    if (placeToolWindow_)
        tbxtw_->move(kToolWindowPosition);
    tbxtw_->show();
}

void TForm1::closeEvent(QCloseEvent* event) {
    bool goOn = true;
    ErrorReport::Run([this, &goOn] { goOn = commands_->confirmDiscard(); });
    if (!goOn) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
    if (event->isAccepted()) {
        tbxtw_->hide();
        recovery_->discard(); // closed cleanly: what was not saved was let go on purpose
    }
}

} // namespace orvex
