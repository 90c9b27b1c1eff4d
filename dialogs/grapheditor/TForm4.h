#pragma once

#include "GraphEntry.h"
#include "NonModalDialog.h"

#include <QString>

#include <cstdint>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;

namespace orvex {

class ColorBox;

// Everything an opener sets before it shows the graph editor.
struct GraphEditorFields {
    QString caption;
    QString formulaLabel;
    QString formula;
    std::uint32_t color = 0;
    int quality = 100; // the track bar keeps it within 1..200
    bool drawLines = false;
    int lineWidth = 1;
};

// The graph editor: formula, colour, sampling quality, drawing style and line width of one graph.
// It knows nothing of the graph table: confirming a non-empty formula emits graphConfirmed with the
// record and the text as typed, closes the window (which enables the blocked windows again) and then
// emits redrawRequested. Closing it any other way cancels.
class TForm4 : public NonModalDialog {
    Q_OBJECT
  public:
    explicit TForm4(QWidget* parent = nullptr);

    // Sets the caption, the formula label and the five field values.
    void fill(const GraphEditorFields& fields);
    // The record that confirming would store: the formula in Windows-1251 cut to 50 characters.
    [[nodiscard]] TGraphEntry entry() const;

    [[nodiscard]] QLineEdit* formulaEdit() const noexcept { return Edit1; }
    [[nodiscard]] ColorBox* colorBox() const noexcept { return ColorBox1; }
    [[nodiscard]] QSlider* qualityBar() const noexcept { return TrackBar1; }
    [[nodiscard]] QCheckBox* linesBox() const noexcept { return CheckBox1; }
    [[nodiscard]] QSpinBox* widthEdit() const noexcept { return SpinEdit1; }
    [[nodiscard]] QLabel* formulaLabel() const noexcept { return Label1; }
    [[nodiscard]] QPushButton* confirmButton() const noexcept { return Button1; }

  signals:
    void graphConfirmed(const orvex::TGraphEntry& entry, const QString& typedText);
    void redrawRequested();

  private:
    void createControls();
    void layOut();
    void Button1Click();
    void CheckBox1Click();
    [[nodiscard]] int lineWidth() const;

    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* Label2 = nullptr;
    ColorBox* ColorBox1 = nullptr;
    QLabel* Label3 = nullptr;
    QSlider* TrackBar1 = nullptr;
    QLabel* Label4 = nullptr;
    QSpinBox* SpinEdit1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QPushButton* Button1 = nullptr;
    QLabel* Label5 = nullptr;
};

} // namespace orvex
