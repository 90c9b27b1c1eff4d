#include "TAboutBox.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvex {

namespace {

QLabel* MakeLabel(const QString& name, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QFrame* MakePanel() {
    auto* panel = new QFrame;
    panel->setObjectName("Panel1");
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);

    QLabel* name = MakeLabel("ProductName", "Orvex");
    QFont font = name->font();
    font.setFamily("Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(32);
    name->setFont(font);

    QLabel* comments =
        MakeLabel("Comments", "Программа Orvex распространяется бесплатно, по принципу «как есть». "
                              "Автор не несёт ответственности за ущерб, прямо или косвенно "
                              "причинённый использованием программы Orvex.");
    comments->setWordWrap(true);

    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(name);
    layout->addWidget(MakeLabel("Version", "Версия 1.0 RC2"));
    layout->addWidget(comments, 1);
    return panel;
}

} // namespace

TAboutBox::TAboutBox() {
    setObjectName("AboutBox");
    setWindowTitle("О программе");

    auto* close = new QPushButton("Закрыть");
    close->setObjectName("Button1");
    close->setFixedHeight(41);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(MakePanel(), 1);
    layout->addWidget(close);
    setFixedSize(QSize(345, 177).expandedTo(sizeHint()));
}

} // namespace orvex
