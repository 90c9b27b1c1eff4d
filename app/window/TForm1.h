#pragma once

#include "PictureExport.h"
#include "SettingsFile.h"

#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <memory>

class QComboBox;
class QDockWidget;
class QListWidget;

namespace orvex {

class ActionTable;
class BuildParamsWindow;
class DocumentHistory;
class RecoveryStore;
class GraphCommands;
class GraphDocument;
class MainBars;
class PlotArea;
class SpecialPointsPanel;
class StatusPanels;
class StudyPanel;
class ThemeManager;
class Tracer;
class ValueTablePanel;
class ViewController;

// How the main window opens the dialogs that are created after it.
struct DialogOpeners {
    std::function<void(const QStringList& formulas)> eval; // auxiliary calculations
    std::function<void()> about;
    std::function<void(SettingsFile* settings)> parameters; // default settings
};

// The main window `Form1`: the plot area `Image1`, the graph list `CLBox1` in a dockable panel, the
// floating build-parameters window `TBXTW`, the menu bar and toolbars, the status bar. It owns the
// document, the view state and the settings file object `SettingsIni`.
class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    void setDialogOpeners(DialogOpeners openers);

    [[nodiscard]] const ActionTable& actions() const noexcept { return *actions_; }
    [[nodiscard]] PlotArea* plotArea() const noexcept { return image1_; }
    [[nodiscard]] QListWidget* graphList() const noexcept { return clBox1_; }
    [[nodiscard]] QDockWidget* graphListPanel() const noexcept { return panel_; }
    [[nodiscard]] SpecialPointsPanel* specialPointsPanel() const noexcept { return points_; }
    [[nodiscard]] ValueTablePanel* valueTablePanel() const noexcept { return valueTable_; }
    [[nodiscard]] Tracer& tracer() const noexcept { return *tracer_; }
    [[nodiscard]] StudyPanel* studyPanel() const noexcept { return study_; }
    [[nodiscard]] BuildParamsWindow* buildParamsWindow() const noexcept { return tbxtw_.get(); }
    [[nodiscard]] StatusPanels* statusPanels() const noexcept { return status_; }
    [[nodiscard]] const MainBars& bars() const noexcept { return *bars_; }
    [[nodiscard]] QComboBox* themeSelector() const;
    [[nodiscard]] ThemeManager& themes() const noexcept { return *themes_; }
    [[nodiscard]] GraphDocument& document() const noexcept { return *document_; }
    [[nodiscard]] ViewController& view() const noexcept { return *view_; }
    [[nodiscard]] GraphCommands& graphCommands() const noexcept { return *commands_; }
    [[nodiscard]] DocumentHistory& history() const noexcept { return *history_; }
    [[nodiscard]] RecoveryStore& recovery() const noexcept { return *recovery_; }
    [[nodiscard]] SettingsFile& settings() noexcept { return settings_; }

    // The context menu of the docks: the show/hide toggles of the "Вид" menu.
    QMenu* createPopupMenu() override;

    // Opens a document as the open command does after its file dialog (asking first whether to save a
    // changed list); a failure is reported in a message box and leaves the graph list as it was.
    void openDocument(const QString& path);
    // When a program that no longer runs left a graph list it had not saved, offers to restore it.
    void offerRecovery();

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void createActions();
    void createPlotArea();
    void createDockWindows();
    void createSpecialPointsPanel();
    void createValueTablePanel();
    void createStudyPanel();
    void createTracing();
    void createSmoothing();
    void createUndoHistory();
    void createBars();
    void createCommandKeys();
    void createStatusBar();
    void createDocumentAndView();
    void connectCommands();
    void connectRedrawTriggers();
    void readSettings();

    // Runs the handler of an action through the application's error report.
    void onAction(std::string_view name, std::function<void()> handler);
    void runChange();
    // Runs Change once the window's layout has settled, unless a redraw comes first.
    void scheduleChange();
    void showReadout(QPoint position);
    void clickPlotArea(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    // One view command per wheel step of 120 units; smaller steps add up.
    void turnWheel(QPoint angleDelta, Qt::KeyboardModifiers modifiers);
    void openHomePage();
    // Keeps the recovery file in step with the list: written while it has unsaved changes, removed otherwise.
    void keepRecovery();

    SettingsFile settings_; // SettingsIni
    ThemeManager* themes_ = nullptr;
    ActionTable* actions_ = nullptr;
    PlotArea* image1_ = nullptr;
    QListWidget* clBox1_ = nullptr;
    QDockWidget* panel_ = nullptr;
    SpecialPointsPanel* points_ = nullptr;  // "Особые точки"
    ValueTablePanel* valueTable_ = nullptr; // "Таблица значений"
    Tracer* tracer_ = nullptr;              // "Трассировка"
    StudyPanel* study_ = nullptr;           // "Исследование функции"
    std::unique_ptr<BuildParamsWindow> tbxtw_;
    MainBars* bars_ = nullptr;
    StatusPanels* status_ = nullptr;
    GraphDocument* document_ = nullptr;
    ViewController* view_ = nullptr;
    GraphCommands* commands_ = nullptr;
    DocumentHistory* history_ = nullptr;
    std::unique_ptr<RecoveryStore> recovery_;
    PictureExport export_;
    DialogOpeners openers_;
    bool placeToolWindow_ = false; // start-up reached the step that floats TBXTW at 11, 370
    bool shown_ = false;
    bool changePending_ = false;
    int wheelRemainder_ = 0;
};

} // namespace orvex
