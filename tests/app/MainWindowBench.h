#pragma once

// A main window for the tests: the settings file in a temporary configuration folder, the error report
// and the message boxes collected instead of shown, the window shown and active.

#include "ActionTable.h"
#include "BuildParamsWindow.h"
#include "ErrorReport.h"
#include "MessageHook.h"
#include "NumberText.h"
#include "PlotArea.h"
#include "TForm1.h"
#include "ViewController.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace orvex::testing {

inline QStringList& Errors() {
    static QStringList errors;
    return errors;
}

inline void CollectBoxMessage(QWidget*, const QString& text) {
    Errors().append(text);
}

// Points XDG_CONFIG_HOME at a fresh temporary folder; the settings file is orvex/orxsettings.ini in it.
class ConfigFolder {
  public:
    ConfigFolder() { qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit()); }
    ~ConfigFolder() { qunsetenv("XDG_CONFIG_HOME"); }
    ConfigFolder(const ConfigFolder&) = delete;
    ConfigFolder& operator=(const ConfigFolder&) = delete;

    [[nodiscard]] QString settingsPath() const {
        return dir_.filePath(QStringLiteral("orvex/orxsettings.ini"));
    }
    void writeSettings(const QByteArray& content) const {
        QDir(dir_.path()).mkpath(QStringLiteral("orvex"));
        QFile file(settingsPath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

  private:
    QTemporaryDir dir_;
};

class MainWindowBench {
  public:
    explicit MainWindowBench(const QByteArray& settings = {}, bool show = true) {
        Errors().clear();
        ErrorReport::SetReporter([](const QString& message) { Errors().append(message); });
        previousHandler_ = SetMessageHandler(&CollectBoxMessage);
        SetDecimalSeparator('.');
        if (!settings.isEmpty())
            config_.writeSettings(settings);
        form_ = std::make_unique<TForm1>();
        if (show) {
            form_->resize(900, 640);
            form_->show();
            QApplication::setActiveWindow(form_.get());
            (void)QTest::qWaitForWindowActive(form_.get());
            QCoreApplication::processEvents();
        }
    }
    ~MainWindowBench() {
        form_.reset();
        SetMessageHandler(previousHandler_);
        ErrorReport::SetReporter({});
        SetDecimalSeparator('\0');
    }
    MainWindowBench(const MainWindowBench&) = delete;
    MainWindowBench& operator=(const MainWindowBench&) = delete;

    [[nodiscard]] TForm1& form() const { return *form_; }
    [[nodiscard]] BuildParamsWindow& params() const { return *form_->buildParamsWindow(); }
    [[nodiscard]] PlotArea& image() const { return *form_->plotArea(); }
    [[nodiscard]] const ConfigFolder& config() const { return config_; }

    // The four limit texts, "xmin xmax ymin ymax".
    [[nodiscard]] QString limits() const {
        return QStringList{params().exmin()->text(), params().exmax()->text(), params().eymin()->text(),
                           params().eymax()->text()}
            .join(QLatin1Char(' '));
    }
    void setLimits(const QString& xmin, const QString& xmax, const QString& ymin, const QString& ymax) const {
        params().exmin()->setText(xmin);
        params().exmax()->setText(xmax);
        params().eymin()->setText(ymin);
        params().eymax()->setText(ymax);
    }

  private:
    ConfigFolder config_;
    std::unique_ptr<TForm1> form_;
    MessageHandler previousHandler_ = nullptr;
};

} // namespace orvex::testing
