#pragma once

#include "NonModalDialog.h"

class QLabel;

namespace orvex {

// The about box: the program's icon, name, version and a short disclaimer; "Закрыть" hides it. Its
// content never changes at run time. Open it with openOver().
class TAboutBox : public NonModalDialog {
    Q_OBJECT
  public:
    TAboutBox();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void showIcon();

    QLabel* icon_;
};

} // namespace orvex
