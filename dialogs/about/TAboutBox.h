#pragma once

#include "NonModalDialog.h"

namespace orvex {

// The about box: the program's name, version and a short disclaimer; "Закрыть" hides it. Its content
// never changes at run time. Open it with openOver().
class TAboutBox : public NonModalDialog {
    Q_OBJECT
  public:
    TAboutBox();
};

} // namespace orvex
