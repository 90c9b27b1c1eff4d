#pragma once

#include <QStatusBar>

class QLabel;

namespace orvex {

// The status bar `TBXSB1` with its two panels: panel 0, as wide as the window allows, for hint texts;
// panel 1 (100 px or the width a read-out needs, centred) for the mouse coordinates.
class StatusPanels : public QStatusBar {
    Q_OBJECT
  public:
    explicit StatusPanels(QWidget* parent = nullptr);

    void setPanelText(int panel, const QString& text);
    [[nodiscard]] QString panelText(int panel) const;

  private:
    QLabel* panels_[2];
};

} // namespace orvex
