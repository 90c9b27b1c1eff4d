#pragma once

// Shared set-up of the app tests. Message boxes and error reports go to Messages() instead of a screen.
// GraphBench: the graph commands over plain widgets, a counter in place of the redraw. MainWindowBench:
// the real main window, its settings file in a temporary configuration folder.

#include "ActionTable.h"
#include "BuildParamsWindow.h"
#include "GraphCommands.h"
#include "GraphDocument.h"
#include "MessageReport.h"
#include "NumberText.h"
#include "PlotArea.h"
#include "TForm1.h"
#include "ViewController.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace orvex::testing {

inline QStringList& Messages() {
    static QStringList messages;
    return messages;
}

// The answers the next questions get, by their index among the question's answers, first one first.
// With none left a question gets its last answer (cancel).
inline QList<int>& Answers() {
    static QList<int> answers;
    return answers;
}

// Empties Messages() and Answers() and sends every message box and error report to Messages(), every
// question too ("? " and its text), answered from Answers().
inline void CatchMessages() {
    Messages().clear();
    Answers().clear();
    SetMessageHandler([](QWidget*, const QString& text) { Messages().append(text); });
    SetQuestionHandler([](QWidget*, const QString& text, const QStringList& answers) {
        Messages().append(QStringLiteral("? ") + text);
        return Answers().isEmpty() ? static_cast<int>(answers.size()) - 1 : Answers().takeFirst();
    });
}

inline QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Moves the mouse onto a pixel of a widget, from a neighbouring one so that Qt sees a move.
inline void MoveTo(QWidget* target, QPoint at) {
    QTest::mouseMove(target, at + QPoint(1, 1));
    QTest::mouseMove(target, at);
}

inline void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

struct GraphBench {
    QTemporaryDir dir;
    QWidget mainWindow;
    QWidget toolWindow;
    QListWidget* list = new QListWidget(&mainWindow);
    GraphDocument document{list};
    SettingsFile settings{dir.filePath(QStringLiteral("orxsettings.ini")).toStdString()};
    int redraws = 0;
    GraphCommands commands{
        {&mainWindow, &toolWindow, &document, &settings, [this] { ++redraws; }, nullptr, {}}};

    GraphBench() { CatchMessages(); }
    [[nodiscard]] QString path(const QString& name) const { return dir.filePath(name); }
    [[nodiscard]] int enabledWindows() const {
        return int(mainWindow.isEnabled()) + int(toolWindow.isEnabled());
    }
    // "item, unchecked item- / N redraws / M windows enabled": the graph list, the redraws, and how many of
    // the main and build-parameters windows are enabled (2, or 0 while a dialog is open).
    [[nodiscard]] QString state() const {
        QStringList items;
        for (int i = 0; i < document.count(); ++i)
            items << document.itemText(i) + (document.isChecked(i) ? "" : "-");
        return items.join(QStringLiteral(", ")) +
               QStringLiteral(" / %1 redraws / %2 windows enabled").arg(redraws).arg(enabledWindows());
    }
    void add(const std::string& formula, std::uint32_t color = 0, bool lines = false, int quality = 100,
             int width = 1) {
        document.append(TGraphEntry{formula, color, lines, quality, width}, QString::fromStdString(formula));
    }
};

// The settings file, when given, goes to orvex/orxsettings.ini in a fresh XDG_CONFIG_HOME; recovery files go
// to a fresh XDG_STATE_HOME.
class MainWindowBench {
  public:
    explicit MainWindowBench(const QByteArray& settings = {}) {
        qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
        qputenv("XDG_STATE_HOME", state_.path().toLocal8Bit());
        QDir(config_.path()).mkpath(QStringLiteral("orvex"));
        if (!settings.isEmpty())
            WriteAll(config_.filePath(QStringLiteral("orvex/orxsettings.ini")), settings);
        CatchMessages();
        SetDecimalSeparator('.');
        form_ = std::make_unique<TForm1>();
        form_->resize(900, 640);
        form_->show();
        QApplication::setActiveWindow(form_.get());
        (void)QTest::qWaitForWindowActive(form_.get());
        QCoreApplication::processEvents();
        waitForPicture();
    }
    ~MainWindowBench() {
        form_.reset();
        SetDecimalSeparator('\0');
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_STATE_HOME");
    }

    [[nodiscard]] TForm1& form() const { return *form_; }
    [[nodiscard]] BuildParamsWindow& params() const { return *form_->buildParamsWindow(); }
    [[nodiscard]] PlotArea& image() const { return *form_->plotArea(); }
    // Presses "Применить" and waits for the picture.
    void apply() const {
        QTest::mouseClick(params().bApply(), Qt::LeftButton);
        waitForPicture();
    }
    // Chooses the graph in list row `row` as a user does: a click on its item.
    void chooseGraph(int row) const {
        QListWidget* list = form_->graphList();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    // Waits until no redraw is in progress.
    void waitForPicture() const { form_->view().waitForPicture(); }
    // The four limit texts, "xmin xmax ymin ymax".
    [[nodiscard]] QString limits() const {
        QStringList texts;
        for (QLineEdit* field : fields())
            texts << field->text();
        return texts.join(' ');
    }
    void setLimits(const QString& limits) const {
        for (int i = 0; i < 4; ++i)
            fields()[i]->setText(limits.section(' ', i, i));
    }

  private:
    [[nodiscard]] std::array<QLineEdit*, 4> fields() const {
        return {params().exmin(), params().exmax(), params().eymin(), params().eymax()};
    }
    QTemporaryDir config_;
    QTemporaryDir state_;
    std::unique_ptr<TForm1> form_;
};

} // namespace orvex::testing
