#pragma once

#include <QDialog>
#include <QList>
#include <QPointer>

#include <functional>

namespace orvex {

// A dialog shown without being modal: showing it through openOver() disables the given windows (the main
// window and the build-parameters window), and hiding it by any means enables them again. It must have no
// parent window, since disabling a window disables its child windows too.
class NonModalDialog : public QDialog {
    Q_OBJECT
  public:
    explicit NonModalDialog(QWidget* parent = nullptr);

    // The windows that are disabled while the dialog is open, in the order they are disabled.
    void setBlockedWindows(const QList<QWidget*>& windows);
    void disableBlockedWindows();
    void enableBlockedWindows();
    // Disables the blocked windows, runs `fill` (which sets the controls and may read files), then shows
    // the dialog (non-modal) and raises it. Whatever throws on the way enables the windows again before
    // the error goes on to the caller's report, so a failed opening never leaves them disabled.
    void openOver(const std::function<void()>& fill = {});

  signals:
    void closed();

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    QList<QPointer<QWidget>> blocked_;
};

} // namespace orvex
