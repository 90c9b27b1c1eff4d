#pragma once

#include <array>

class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTabWidget;

namespace orvex {

// The controls of the auxiliary-calculations dialog, one tab per calculator. Every control carries its
// objectName (Combo1, LabeledEdit8, TrackBar1, ...), so that tests and styles can find it by name.
struct AuxCalcForm {
    QTabWidget* pageControl1 = nullptr;

    // TabSheet1: definite integral.
    QComboBox* combo1 = nullptr;
    QLineEdit* labeledEdit8 = nullptr; // x1
    QLineEdit* labeledEdit9 = nullptr; // x2
    QSlider* trackBar1 = nullptr;      // steps
    QLabel* label3 = nullptr;          // shows the steps
    QPushButton* button4 = nullptr;
    QLabel* label1 = nullptr;

    // TabSheet2: line through two points.
    QLineEdit* labeledEdit4 = nullptr; // x1
    QLineEdit* labeledEdit5 = nullptr; // y1
    QLineEdit* labeledEdit6 = nullptr; // x2
    QLineEdit* labeledEdit7 = nullptr; // y2
    QPushButton* button3 = nullptr;
    QLabel* label16 = nullptr;

    // TabSheet3: function value.
    QComboBox* combo2 = nullptr;
    QLineEdit* edit3 = nullptr;
    QPushButton* button2 = nullptr;
    QLabel* label8 = nullptr;

    // TabSheet4: quadratic equation.
    QLineEdit* labeledEdit1 = nullptr; // a
    QLineEdit* labeledEdit2 = nullptr; // b
    QLineEdit* labeledEdit3 = nullptr; // c
    QPushButton* button1 = nullptr;
    QLabel* label2 = nullptr;
    QLabel* label5 = nullptr;

    // TabSheet5: angle between planes; A1, B1, C1, A2, B2, C2 (LabeledEdit10 to LabeledEdit15).
    std::array<QLineEdit*, 6> planeEdits{};
    QPushButton* button5 = nullptr;
    QLabel* label10 = nullptr;
};

// Builds the five tabs inside `dialog` and returns the controls.
[[nodiscard]] AuxCalcForm BuildAuxCalcForm(QDialog& dialog);

} // namespace orvex
