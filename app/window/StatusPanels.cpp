#include "StatusPanels.h"

#include <QFontMetrics>
#include <QLabel>

namespace orvex {

namespace {

constexpr int kReadoutPanelWidth = 100;
// The widest read-out the coordinate panel has to hold.
const char* const kWidestReadout = "(-8,8E88, -8,8E88)";

} // namespace

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("TBXSB1"));
    for (int i = 0; i < 2; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Panel%1").arg(i));
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        panels_[i] = label;
    }
    // Panel 0 takes all the width the coordinates leave, so that long hints are read whole; it never
    // holds the window wide.
    panels_[0]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    panels_[0]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    addWidget(panels_[0], 1);
    // Panel 1 keeps at least the width of a read-out, and grows for longer coordinates.
    const int readoutWidth =
        panels_[1]->fontMetrics().horizontalAdvance(QString::fromLatin1(kWidestReadout)) +
        2 * panels_[1]->frameWidth() + 8;
    panels_[1]->setMinimumWidth(qMax(kReadoutPanelWidth, readoutWidth));
    panels_[1]->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
    panels_[1]->setAlignment(Qt::AlignCenter);
    addWidget(panels_[1]);
}

void StatusPanels::setPanelText(int panel, const QString& text) {
    panels_[panel == 0 ? 0 : 1]->setText(text);
}

QString StatusPanels::panelText(int panel) const {
    return panels_[panel == 0 ? 0 : 1]->text();
}

} // namespace orvex
