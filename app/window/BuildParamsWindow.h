#pragma once

#include <QWidget>

class QAction;
class QLineEdit;
class QPushButton;

namespace orvex {

class ColorBox;

// The floating build-parameters window `TBXTW` ("Параметры построения"): the limit fields, the grid line
// counts, the grid and background colours and the button "Применить". A tool window of fixed size that
// stays above the main window. It has no parent widget: the dialogs disable it and the main window one by
// one, and Qt would otherwise disable it together with the main window.
class BuildParamsWindow : public QWidget {
    Q_OBJECT
  public:
    BuildParamsWindow();

    [[nodiscard]] QLineEdit* exmin() const noexcept { return exmin_; }
    [[nodiscard]] QLineEdit* exmax() const noexcept { return exmax_; }
    [[nodiscard]] QLineEdit* eymin() const noexcept { return eymin_; }
    [[nodiscard]] QLineEdit* eymax() const noexcept { return eymax_; }
    [[nodiscard]] QLineEdit* edit1() const noexcept { return edit1_; } // vertical grid lines
    [[nodiscard]] QLineEdit* edit2() const noexcept { return edit2_; } // horizontal grid lines
    [[nodiscard]] ColorBox* colB1() const noexcept { return colB1_; }  // grid colour
    [[nodiscard]] ColorBox* colB2() const noexcept { return colB2_; }  // background colour
    [[nodiscard]] QPushButton* bApply() const noexcept { return bApply_; }

    // The checkable "Параметры построения" entry of the view menu, kept in step with the visibility.
    [[nodiscard]] QAction* toggleViewAction() const noexcept { return toggle_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    QLineEdit* addField(const char* name, const char* text, const char* hint);

    QLineEdit* exmin_;
    QLineEdit* exmax_;
    QLineEdit* eymin_;
    QLineEdit* eymax_;
    QLineEdit* edit1_;
    QLineEdit* edit2_;
    ColorBox* colB1_;
    ColorBox* colB2_;
    QPushButton* bApply_;
    QAction* toggle_;
};

} // namespace orvex
