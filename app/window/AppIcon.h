#pragma once

#include <QIcon>

namespace orvex {

// The program's icon (a coordinate frame with a curve), drawn from its SVG in the resources at the sizes
// of the desktop's icon theme, 16 to 256 pixels. Needs a QGuiApplication.
[[nodiscard]] QIcon OrvexIcon();

} // namespace orvex
