#include "StatusPanels.h"

#include <QLabel>

namespace orvex {

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("TBXSB1"));
    constexpr int kWidths[2] = {700, 100};
    for (int i = 0; i < 2; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Panel%1").arg(i));
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        // At most the design width; narrower when the window is, so the bar never holds the window wide.
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        label->setMaximumWidth(kWidths[i]);
        label->setAlignment(i == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        addWidget(label, kWidths[i]);
        panels_[i] = label;
    }
}

void StatusPanels::setPanelText(int panel, const QString& text) {
    panels_[panel == 0 ? 0 : 1]->setText(text);
}

QString StatusPanels::panelText(int panel) const {
    return panels_[panel == 0 ? 0 : 1]->text();
}

} // namespace orvex
