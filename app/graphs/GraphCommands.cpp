#include "GraphCommands.h"

#include "Cp1251.h"
#include "DiffExpress.h"
#include "DocumentFile.h"
#include "DocumentHistory.h"
#include "GraphDocument.h"
#include "MessageReport.h"
#include "SettingsFile.h"
#include "TForm4.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QWidget>

#include <stdexcept>

namespace orvex {

namespace {

const char* const kAddCaption = "Добавить график";
const char* const kDerivativeCaption = "Добавить график производной";
const char* const kEditCaption = "Изменить график";
const char* const kFormulaLabel = "f(x)=";
const char* const kDerivativeLabel = "f`(x)=";
const char* const kDocumentFilter = "Графики Orvex (*.orx)";
const char* const kTableFull = "Список графиков заполнен: можно построить не более 101 графика.";
const char* const kSaveQuestion = "Список графиков изменён. Сохранить изменения?";

constexpr int kDefaultQuality = 100;
constexpr int kDerivativeQuality = 200;

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString fromRecord(const std::string& cp1251) {
    return QString::fromStdString(Cp1251ToUtf8(cp1251));
}

} // namespace

GraphCommands::GraphCommands(const GraphCommandsContext& context, QObject* parent)
    : QObject(parent), ctx_(context), editor_(new TForm4), DiffExpress1(std::make_unique<TDiffExpress>()) {
    editor_->setBlockedWindows({ctx_.mainWindow, ctx_.toolWindow});
    connect(editor_, &TForm4::graphConfirmed, this, &GraphCommands::storeGraph);
    connect(editor_, &TForm4::redrawRequested, this, &GraphCommands::redraw);
}

GraphCommands::~GraphCommands() {
    delete editor_;
}

void GraphCommands::redraw() {
    if (ctx_.redraw)
        ctx_.redraw();
}

bool GraphCommands::refuseWhenFull() {
    if (!ctx_.document->isFull())
        return false;
    ShowMessage(ctx_.mainWindow, text(kTableFull));
    return true;
}

void GraphCommands::commitStep() {
    if (ctx_.history)
        ctx_.history->commit();
}

bool GraphCommands::confirmDiscard() {
    if (!ctx_.history || !ctx_.history->isModified())
        return true;
    enum { Save, Discard, Cancel };
    const int answer = AskQuestion(ctx_.mainWindow, text(kSaveQuestion),
                                   {text("&Сохранить"), text("&Не сохранять"), text("Отмена")});
    if (answer == Save)
        return saveDocument();
    return answer == Discard;
}

void GraphCommands::newDocument() {
    if (!confirmDiscard())
        return;
    ctx_.document->clear();
    if (ctx_.history)
        ctx_.history->startAfresh();
    redraw();
}

void GraphCommands::undo() {
    if (ctx_.history && ctx_.history->undo())
        redraw();
}

void GraphCommands::redo() {
    if (ctx_.history && ctx_.history->redo())
        redraw();
}

void GraphCommands::addGraph() {
    if (refuseWhenFull())
        return;
    newGraphMode_ = true;
    // openOver enables the blocked windows again when filling fails, and passes the error on.
    editor_->openOver([this] {
        GraphEditorFields fields;
        fields.caption = text(kAddCaption);
        fields.formulaLabel = text(kFormulaLabel);
        fields.quality = ctx_.settings
                             ? ctx_.settings->readInteger(settings::kQuality, "Graph", kDefaultQuality)
                             : kDefaultQuality;
        editor_->fill(fields);
    });
    editor_->formulaEdit()->setFocus();
}

void GraphCommands::addDerivative() {
    const int selected = ctx_.document->selectedIndex();
    if (selected < 0)
        return;
    if (refuseWhenFull())
        return;
    newGraphMode_ = true;
    try {
        editor_->openOver([this, selected] {
            DiffExpress1->SetFormula(Utf8ToCp1251(ctx_.document->itemText(selected).toStdString()));
            std::string result;
            DiffExpress1->Differentiate("x", result);
            derivText_ = fromRecord(result);
            GraphEditorFields fields;
            fields.caption = text(kDerivativeCaption);
            fields.formulaLabel = text(kDerivativeLabel);
            fields.formula = derivText_;
            fields.quality = kDerivativeQuality;
            editor_->fill(fields);
        });
    } catch (const std::exception& e) {
        // The windows are enabled again by now, so the message box does not open over disabled ones.
        ShowMessage(ctx_.mainWindow, QString::fromUtf8(e.what()));
        return;
    }
    editor_->formulaEdit()->setFocus();
}

void GraphCommands::editSelected() {
    newGraphMode_ = false;
    const int selected = ctx_.document->selectedIndex();
    if (selected < 0)
        return;
    editor_->openOver([this, selected] {
        const TGraphEntry& record = ctx_.document->record(selected);
        GraphEditorFields fields;
        fields.caption = text(kEditCaption);
        fields.formulaLabel = text(kFormulaLabel);
        fields.formula = fromRecord(record.Formula);
        fields.color = record.Color;
        fields.quality = record.Quality;
        fields.drawLines = record.DrawLines != 0;
        fields.lineWidth = record.LineWidth;
        editor_->fill(fields);
    });
    editor_->formulaEdit()->setFocus();
}

void GraphCommands::removeSelected() {
    const int selected = ctx_.document->selectedIndex();
    if (selected < 0)
        return;
    ctx_.document->remove(selected);
    commitStep();
    redraw();
}

void GraphCommands::storeGraph(const TGraphEntry& entry, const QString& typedText) {
    if (newGraphMode_) {
        // The commands that open the editor refuse a full table, so this is a last guard.
        if (!ctx_.document->append(entry, typedText))
            ShowMessage(editor_, text(kTableFull));
        commitStep();
        return;
    }
    const int selected = ctx_.document->selectedIndex();
    if (selected >= 0)
        ctx_.document->replace(selected, entry);
    commitStep();
}

QString GraphCommands::askFileName(bool save) {
    if (ctx_.chooseFile)
        return ctx_.chooseFile(save);
    QFileDialog dialog(ctx_.mainWindow, save ? text("Сохранить") : text("Открыть"), QString(),
                       text(kDocumentFilter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save)
        dialog.setDefaultSuffix(QStringLiteral("orx"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void GraphCommands::openDocument() {
    if (!confirmDiscard())
        return;
    const QString path = askFileName(false);
    if (!path.isEmpty())
        loadDocument(path);
}

bool GraphCommands::saveDocument() {
    const QString path = askFileName(true);
    return !path.isEmpty() && saveDocument(path);
}

bool GraphCommands::loadDocument(const QString& path) {
    DecodedDocument loaded;
    try {
        loaded = ReadDocumentFile(path);
    } catch (const std::runtime_error& e) {
        ShowMessage(ctx_.mainWindow, QString::fromUtf8(e.what()));
        return false; // the list stays as it was
    }
    ctx_.document->clear();
    for (const TGraphEntry& entry : loaded.entries)
        ctx_.document->append(entry, fromRecord(entry.Formula));
    if (ctx_.history)
        ctx_.history->startAfresh();
    redraw();
    if (loaded.droppedRecords > 0)
        ShowMessage(ctx_.mainWindow,
                    text("Файл содержит больше 101 графика: загружены первые 101, не загружено записей: %1.")
                        .arg(loaded.droppedRecords));
    return true;
}

bool GraphCommands::saveDocument(const QString& path) {
    const QString name = WithExtension(path, QStringLiteral(".orx"));
    try {
        WriteDocumentFile(name, ctx_.document->allGraphs());
    } catch (const std::runtime_error& e) {
        ShowMessage(ctx_.mainWindow, QString::fromUtf8(e.what()));
        return false;
    }
    if (ctx_.history)
        ctx_.history->markSaved();
    redraw();
    return true;
}

} // namespace orvex
