#pragma once

class QComboBox;
class QDialog;
class QLineEdit;
class QPushButton;
class QSlider;

namespace orvex {

// The controls of the default-settings dialog, each with its objectName (Exmin2, Evert, TrackBar1, ...).
struct ParamsForm {
    QLineEdit* exmin2 = nullptr;
    QLineEdit* exmax2 = nullptr;
    QLineEdit* eymin2 = nullptr;
    QLineEdit* eymax2 = nullptr;
    QLineEdit* evert = nullptr;
    QLineEdit* egoriz = nullptr;
    QSlider* trackBar1 = nullptr; // default quality of new graphs, 1..200
    QLineEdit* etime = nullptr;
    QComboBox* comboBox2 = nullptr; // theme name
    QPushButton* apply = nullptr;
    QPushButton* notApply = nullptr;
};

// Builds the rows of the dialog inside `dialog`, top to bottom: the note, the limits, the two grid-line
// counts, the quality, the hint delay, the theme and the two buttons.
[[nodiscard]] ParamsForm BuildParamsForm(QDialog& dialog);

} // namespace orvex
