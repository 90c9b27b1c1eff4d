#pragma once

#include <QDockWidget>
#include <QString>
#include <QStringList>

#include <memory>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace orvex {

class GraphDocument;
class TableExport;
class ValueTable;
class ValueTableModel;
class ViewController;

// The dockable panel "Таблица значений": the values x, f(x) of the graph chosen in the graph list, or of
// every checked graph as columns, for x from "от" to "до" in steps of "шаг", with an optional column of
// each graph's derivative whose title says how it is computed. The fields follow the picture on screen
// (its x range and its vertical grid step) until the user types in one of them; "По виду" makes them
// follow again. The cells are computed when they are shown, so a million rows do not hold the window.
// Chosen cells are copied as tab-separated text ("Копировать", the context menu, Ctrl+Insert: Ctrl+C
// moves the view), and the table is saved as a CSV file; both run off the GUI thread.
class ValueTablePanel : public QDockWidget {
    Q_OBJECT
  public:
    enum class Graphs { Chosen, Checked };

    ValueTablePanel(GraphDocument* document, ViewController* view, QWidget* parent);
    ~ValueTablePanel() override;

    [[nodiscard]] QLineEdit* fromField() const noexcept { return from_; }
    [[nodiscard]] QLineEdit* toField() const noexcept { return to_; }
    [[nodiscard]] QLineEdit* stepField() const noexcept { return step_; }
    [[nodiscard]] QComboBox* graphsBox() const noexcept { return graphs_; }
    [[nodiscard]] QCheckBox* derivativeBox() const noexcept { return derivative_; }
    [[nodiscard]] QTableView* tableView() const noexcept { return view_; }
    [[nodiscard]] QLabel* note() const noexcept { return note_; }
    [[nodiscard]] QPushButton* copyButton() const noexcept { return copy_; }
    [[nodiscard]] QPushButton* saveButton() const noexcept { return save_; }
    [[nodiscard]] QAction* copyCommand() const noexcept { return copyCommand_; }
    [[nodiscard]] const ValueTableModel& model() const noexcept { return *model_; }
    [[nodiscard]] bool followsView() const noexcept { return followsView_; }

    // Builds the table again from the fields, the choice and the graph list (nothing while hidden); the
    // fields first follow the picture on screen when they do.
    void refresh();
    // Copies the chosen cells to the clipboard.
    void copySelection();
    // Saves the whole table as a CSV file at `path` (asking for a name first when it is empty). A failure
    // is reported in a message box.
    void saveCsv(const QString& path = QString());
    // Processes events until a copy or a save in progress has ended. For tests.
    void waitForExport(int timeoutMs = 60000);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void followView();
    void rebuild();
    void showNote(const QString& text);
    void updateCommands();
    void showContextMenu(QPoint position);
    [[nodiscard]] std::vector<std::string> titles() const;

    GraphDocument* document_;
    ViewController* viewController_;
    QLineEdit* from_;
    QLineEdit* to_;
    QLineEdit* step_;
    QComboBox* graphs_;
    QCheckBox* derivative_;
    QPushButton* follow_;
    QLabel* note_;
    QTableView* view_;
    ValueTableModel* model_;
    QPushButton* copy_;
    QPushButton* save_;
    QAction* copyCommand_;
    TableExport* export_;
    bool followsView_ = true;
    QString baseNote_;  // what the table shows: its rows, or why it has none
    QString builtFrom_; // what the table on show was built from, so that an unchanged redraw keeps it
};

} // namespace orvex
