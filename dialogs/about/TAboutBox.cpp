#include "TAboutBox.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace orvex {

namespace {

constexpr int kWidth = 345;
constexpr int kHeight = 177;
constexpr int kIconSize = 48;

QLabel* MakeLabel(const QString& name, const QString& text, Qt::Alignment alignment = Qt::AlignCenter) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setAlignment(alignment);
    return label;
}

// The icon to the left of the name and the version, the group centred. The icon is no taller than the
// two lines beside it, so it does not make the box taller.
QLayout* MakeTitle(QLabel* icon) {
    QLabel* name = MakeLabel("ProductName", "Orvex", Qt::AlignLeft | Qt::AlignVCenter);
    QFont font = name->font();
    font.setFamily("Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(32);
    name->setFont(font);

    auto* lines = new QVBoxLayout;
    lines->addWidget(name);
    lines->addWidget(MakeLabel("Version", "Версия 1.0 RC2", Qt::AlignLeft | Qt::AlignVCenter));

    icon->setObjectName("Icon");
    icon->setFixedSize(kIconSize, kIconSize);
    auto* title = new QHBoxLayout;
    title->addStretch(1);
    title->addWidget(icon, 0, Qt::AlignVCenter);
    title->addLayout(lines);
    title->addStretch(1);
    return title;
}

QFrame* MakePanel(QLabel* icon) {
    auto* panel = new QFrame;
    panel->setObjectName("Panel1");
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);

    QLabel* comments =
        MakeLabel("Comments", "Программа Orvex распространяется бесплатно, по принципу «как есть». "
                              "Автор не несёт ответственности за ущерб, прямо или косвенно "
                              "причинённый использованием программы Orvex.");
    comments->setWordWrap(true);

    auto* layout = new QVBoxLayout(panel);
    layout->addLayout(MakeTitle(icon));
    layout->addWidget(comments, 1);
    return panel;
}

} // namespace

TAboutBox::TAboutBox() : icon_(new QLabel) {
    setObjectName("AboutBox");
    setWindowTitle("О программе");

    auto* close = new QPushButton("Закрыть");
    close->setObjectName("Button1");
    close->setFixedHeight(41);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(MakePanel(icon_), 1);
    layout->addWidget(close);
    showIcon();
    // 345 x 177, taller only when the fonts need it for the text wrapped at that width.
    setFixedSize(kWidth, std::max(kHeight, heightForWidth(kWidth)));
}

void TAboutBox::showEvent(QShowEvent* event) {
    // The application's icon is set at start-up, possibly after the box is made: read it again.
    showIcon();
    NonModalDialog::showEvent(event);
}

void TAboutBox::showIcon() {
    const QIcon icon = windowIcon(); // the application's icon unless the box has its own
    icon_->setPixmap(icon.pixmap(kIconSize, kIconSize));
    icon_->setVisible(!icon.isNull());
}

} // namespace orvex
