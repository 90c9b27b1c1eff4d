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
        for (auto& window : windows_) {
            window = std::make_unique<QWidget>();
            window->show();
        }
        dlg_ = std::make_unique<Dialog>();
        dlg_->setBlockedWindows({windows_[0].get(), windows_[1].get()});
    }

    // How many of the two blocked windows are enabled: 2, or 0 while the dialog is open.
    [[nodiscard]] int enabledWindows() const {
        return int(windows_[0]->isEnabled()) + int(windows_[1]->isEnabled());
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
            auto* w = find<QWidget>(field.section('=', 0, 0));
            const QString value = field.section('=', 1);
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

    // Opens the dialog and closes it by each of `ways` ("close", "escape", "hide" or a button's object
    // name): the blocked windows are disabled while it is open and enabled again after.
    void checkClosing(const std::function<void()>& open, const QStringList& ways) {
        QCOMPARE(dlg_->parentWidget(), nullptr); // a parent window would stay disabled with the others
        for (const QString& way : ways) {
            open();
            QVERIFY(dlg_->isVisible() && !dlg_->isModal() && enabledWindows() == 0);
            if (way == "close")
                dlg_->close();
            else if (way == "escape")
                QTest::keyClick(dlg_.get(), Qt::Key_Escape);
            else if (way == "hide")
                dlg_->hide();
            else
                QTest::mouseClick(find<QPushButton>(way), Qt::LeftButton);
            QVERIFY2(!dlg_->isVisible() && enabledWindows() == 2, qPrintable(way));
        }
    }

    std::unique_ptr<QWidget> windows_[2];
    std::unique_ptr<Dialog> dlg_;
};
