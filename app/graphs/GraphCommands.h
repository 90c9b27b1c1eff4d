#pragma once

#include <QImage>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace orvex {

class DocumentHistory;
class GraphDocument;
class SettingsFile;
class TDiffExpress;
class TForm4;
struct TGraphEntry;

// What the graph and document commands need from the main window.
struct GraphCommandsContext {
    QWidget* mainWindow = nullptr;      // disabled while the editor is open
    QWidget* toolWindow = nullptr;      // the build-parameters window, disabled likewise
    GraphDocument* document = nullptr;  // Graphs and CLBox1
    SettingsFile* settings = nullptr;   // [Quality] Graph is read by every add-graph command
    std::function<void()> redraw;       // runs the action Change
    DocumentHistory* history = nullptr; // undo steps and the changed state; none: no question, no undo
    // The name chosen in the open (false) or save (true) dialog, empty when cancelled; none: the standard
    // file dialogs.
    std::function<QString(bool save)> chooseFile;
};

// The commands on graphs and documents: New, NewGr, NewDif, edit by double click, RemoveGr, FileOpen1,
// FileSaveAs1, Undo and Redo. Owns the graph editor TForm4 (created once, hidden). Every command that
// changes the list makes a step of the history; "Создать" and "Открыть" ask first whether to save a
// changed list. Errors that a command does not handle itself propagate to the caller, which reports them.
class GraphCommands : public QObject {
    Q_OBJECT
  public:
    explicit GraphCommands(const GraphCommandsContext& context, QObject* parent = nullptr);
    ~GraphCommands() override;

    [[nodiscard]] TForm4* editor() const noexcept { return editor_; }
    // Replaces the file dialogs (see GraphCommandsContext::chooseFile).
    void setFileChooser(std::function<QString(bool save)> chooser) { ctx_.chooseFile = std::move(chooser); }

    void newDocument();    // "Создать"
    void addGraph();       // "Добавить график"
    void addDerivative();  // "Добавить график производной"
    void editSelected();   // double click on the graph list
    void removeSelected(); // "Удалить график"
    void openDocument();   // "Открыть": the question, the file dialog, then loadDocument
    bool saveDocument();   // "Сохранить": file dialog, then saveDocument; false unless it saved
    void undo();           // "Отменить"
    void redo();           // "Повторить"

    // The parts after the file dialog; they report failures in message boxes and return false.
    bool loadDocument(const QString& path);
    bool saveDocument(const QString& path);

    // When the list has changes that are not saved, asks whether to save them: true to go on (saved, or
    // not to be saved), false to keep everything as it is (cancelled, or the save failed).
    [[nodiscard]] bool confirmDiscard();

    // The text of the last derivative the add-derivative command computed.
    [[nodiscard]] const QString& derivText() const noexcept { return derivText_; }

  private:
    [[nodiscard]] bool refuseWhenFull();
    void commitStep();
    void storeGraph(const TGraphEntry& entry, const QString& typedText);
    void redraw();
    [[nodiscard]] QString askFileName(bool save);

    GraphCommandsContext ctx_;
    TForm4* editor_ = nullptr; // a window of its own, so not a child of anything: deleted here
    bool newGraphMode_ = true; // NewGraphMode: append (true) or replace the selected graph (false)
    std::unique_ptr<TDiffExpress> DiffExpress1;
    QString derivText_; // DerivText
};

} // namespace orvex
