#pragma once

// Shared set-up of the dialog tests: a fresh dialog over two stand-ins for the windows it blocks (the
// main window and the build-parameters window), controls found by object name, and message boxes
// closed as they open.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

template <typename Dialog> class DialogBench {
  protected:
    // Call from the test's init(): the previous dialog goes before the windows it blocked.
    void renew() {
        dlg_.reset();
        mainWindow_ = std::make_unique<QWidget>();
        buildWindow_ = std::make_unique<QWidget>();
        mainWindow_->show();
        buildWindow_->show();
        dlg_ = std::make_unique<Dialog>();
        dlg_->setBlockedWindows({mainWindow_.get(), buildWindow_.get()});
    }

    [[nodiscard]] bool windowsEnabled() const {
        return mainWindow_->isEnabled() && buildWindow_->isEnabled();
    }
    [[nodiscard]] bool windowsDisabled() const {
        return !mainWindow_->isEnabled() && !buildWindow_->isEnabled();
    }

    template <typename T> T* find(const QString& name) const {
        auto* child = dlg_->template findChild<T*>(name);
        if (child == nullptr)
            qFatal("no control %s", qPrintable(name));
        return child;
    }
    [[nodiscard]] QString text(const QString& label) const { return find<QLabel>(label)->text(); }

    // Sets fields given as "ObjectName=text" (a slider takes the text as its value).
    void fill(const QStringList& fields) const {
        for (const QString& field : fields) {
            const qsizetype at = field.indexOf('=');
            auto* w = find<QWidget>(field.left(at));
            const QString value = field.mid(at + 1);
            if (auto* edit = qobject_cast<QLineEdit*>(w))
                edit->setText(value);
            else if (auto* box = qobject_cast<QComboBox*>(w))
                box->setEditText(value);
            else if (auto* slider = qobject_cast<QSlider*>(w))
                slider->setValue(value.toInt());
        }
    }

    // Clicks the button and closes the message box it opens; returns the box's caption and text, or
    // nothing when no box opened.
    QStringList clickThroughBox(const QString& button) const {
        QStringList box;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&box] {
            if (auto* open = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                box = QStringList{open->windowTitle(), open->text()};
                open->accept();
            }
        });
        timer.start(10);
        QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton);
        return box;
    }

    // Opens the dialog, then closes it by `way` ("close", "escape", "hide" or a button's object name):
    // the blocked windows are disabled while it is open and enabled again after.
    void checkClosing(const std::function<void()>& open, const QString& way) {
        QCOMPARE(dlg_->parentWidget(), nullptr); // a parent window would stay disabled with the others
        open();
        QVERIFY(dlg_->isVisible() && !dlg_->isModal());
        QVERIFY(windowsDisabled());
        if (way == "close")
            dlg_->close();
        else if (way == "escape")
            QTest::keyClick(dlg_.get(), Qt::Key_Escape);
        else if (way == "hide")
            dlg_->hide();
        else
            QTest::mouseClick(find<QPushButton>(way), Qt::LeftButton);
        QVERIFY(!dlg_->isVisible());
        QVERIFY(windowsEnabled());
    }

    std::unique_ptr<QWidget> mainWindow_;
    std::unique_ptr<QWidget> buildWindow_;
    std::unique_ptr<Dialog> dlg_;
};
