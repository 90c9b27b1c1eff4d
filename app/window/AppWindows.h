#pragma once

#include <memory>

namespace orvex {

class TAboutBox;
class TForm1;
class TOKRightDlg;
class TParams;

// The program's windows, created in the start-up order: the main window (which creates the graph editor
// with its graph commands), the auxiliary-calculations dialog, the about box, the default-settings
// dialog. Only the main window is ever shown here; the commands show the others.
class AppWindows {
  public:
    AppWindows();
    ~AppWindows();
    AppWindows(const AppWindows&) = delete;
    AppWindows& operator=(const AppWindows&) = delete;

    [[nodiscard]] TForm1& mainWindow() const noexcept { return *form1_; }
    [[nodiscard]] TOKRightDlg& okRightDlg() const noexcept { return *okRightDlg_; }
    [[nodiscard]] TAboutBox& aboutBox() const noexcept { return *aboutBox_; }
    [[nodiscard]] TParams& params() const noexcept { return *params_; }

  private:
    // Declared in the order of creation; destroyed in reverse, the dialogs before the main window.
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TOKRightDlg> okRightDlg_;
    std::unique_ptr<TAboutBox> aboutBox_;
    std::unique_ptr<TParams> params_;
};

} // namespace orvex
