#pragma once

#include <QComboBox>

#include <cstdint>

namespace orvex {

// A drop-down list of named colours with swatches, holding platform colour values (0x00BBGGRR, or a
// system colour with the top bit set). Lists the standard and the extended colours, and the system
// colours when asked to. A value that is not in the list is added as a custom entry when selected.
class ColorBox : public QComboBox {
    Q_OBJECT
  public:
    explicit ColorBox(bool withSystemColours, QWidget* parent = nullptr);

    [[nodiscard]] std::uint32_t selectedValue() const;
    void setSelectedValue(std::uint32_t value);

  signals:
    // The user or code changed the selection.
    void colourChanged(std::uint32_t value);

  protected:
    // The wheel changes the colour only while the box has the focus; otherwise it passes the box by.
    void wheelEvent(QWheelEvent* event) override;

  private:
    void addColour(const QString& name, std::uint32_t value);
};

} // namespace orvex
