#pragma once

// What the graph commands need from a main window, built from plain widgets: a "main window", a
// "build-parameters window", the graph list, the document, a settings file in a temporary folder and
// a counter in place of the redraw. Messages are collected instead of shown.

#include "GraphCommands.h"
#include "GraphDocument.h"
#include "MessageHook.h"
#include "SettingsFile.h"

#include <QListWidget>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

namespace orvex::testing {

inline QStringList& Messages() {
    static QStringList messages;
    return messages;
}

inline void CollectMessage(QWidget*, const QString& text) {
    Messages().append(text);
}

struct GraphTestBench {
    QTemporaryDir dir;
    QWidget mainWindow;
    QWidget toolWindow;
    QListWidget* list = new QListWidget(&mainWindow);
    GraphDocument document{list};
    SettingsFile settings{dir.filePath(QStringLiteral("orxsettings.ini")).toStdString()};
    int redraws = 0;
    std::unique_ptr<GraphCommands> commands;
    MessageHandler previousHandler;

    GraphTestBench() {
        Messages().clear();
        previousHandler = SetMessageHandler(&CollectMessage);
        mainWindow.show();
        toolWindow.show();
        GraphCommandsContext context;
        context.mainWindow = &mainWindow;
        context.toolWindow = &toolWindow;
        context.document = &document;
        context.settings = &settings;
        context.redraw = [this] { ++redraws; };
        commands = std::make_unique<GraphCommands>(context);
    }
    ~GraphTestBench() { SetMessageHandler(previousHandler); }
    GraphTestBench(const GraphTestBench&) = delete;
    GraphTestBench& operator=(const GraphTestBench&) = delete;

    [[nodiscard]] QString path(const QString& name) const { return dir.filePath(name); }
    [[nodiscard]] bool windowsEnabled() const { return mainWindow.isEnabled() && toolWindow.isEnabled(); }
    [[nodiscard]] bool windowsDisabled() const { return !mainWindow.isEnabled() && !toolWindow.isEnabled(); }

    // Appends a graph directly, as a loaded document would.
    void addRecord(const std::string& formula, std::uint32_t color = 0, bool lines = false, int quality = 100,
                   int width = 1) {
        TGraphEntry entry;
        entry.Formula = formula;
        entry.Color = color;
        entry.DrawLines = lines;
        entry.Quality = quality;
        entry.LineWidth = width;
        document.append(entry, QString::fromStdString(formula));
    }
};

} // namespace orvex::testing
