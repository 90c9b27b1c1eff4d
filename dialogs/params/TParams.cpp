#include "TParams.h"

#include "MessageReport.h"
#include "SettingsFile.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include <exception>
#include <string>

namespace orvex {

namespace {

using namespace settings;

std::string Text(const QLineEdit* edit) {
    return edit->text().toStdString();
}

QString Read(const SettingsSnapshot& file, std::string_view section, std::string_view key,
             std::string_view fallback) {
    return QString::fromStdString(file.readString(section, key, fallback));
}

} // namespace

TParams::TParams() {
    setObjectName("Params");
    setWindowTitle("Параметры по умолчанию");
    form_ = BuildParamsForm(*this);
    setFixedSize(QSize(551, 284).expandedTo(sizeHint()));
    connect(form_.apply, &QPushButton::clicked, this, &TParams::applyClick);
    connect(form_.notApply, &QPushButton::clicked, this, &TParams::notApplyClick);
}

void TParams::openWithSettings(SettingsFile* settings) {
    settings_ = settings;
    openOver([this] {
        if (settings_ != nullptr)
            fillFrom(settings_->snapshot());
    });
}

void TParams::fillFrom(const SettingsSnapshot& file) {
    form_.exmin2->setText(Read(file, kLimits, "XMin", "-5"));
    form_.exmax2->setText(Read(file, kLimits, "XMax", "5"));
    form_.eymin2->setText(Read(file, kLimits, "YMin", "-5"));
    form_.eymax2->setText(Read(file, kLimits, "YMax", "5"));
    form_.evert->setText(Read(file, kLimits, "Vert", "10"));
    form_.egoriz->setText(Read(file, kLimits, "Hor", "10"));
    form_.comboBox2->setEditText(Read(file, kTheme, "Name", "Default"));
    form_.etime->setText(Read(file, kHintPause, "Pause", "0"));
    form_.trackBar1->setValue(file.readInteger(kQuality, "Graph", 100)); // kept within 1..200
}

void TParams::writeTo(SettingsFile& file) const {
    file.writeString(kLimits, "XMin", Text(form_.exmin2));
    file.writeString(kLimits, "XMax", Text(form_.exmax2));
    file.writeString(kLimits, "YMin", Text(form_.eymin2));
    file.writeString(kLimits, "YMax", Text(form_.eymax2));
    file.writeString(kLimits, "Vert", Text(form_.evert));
    file.writeString(kLimits, "Hor", Text(form_.egoriz));
    file.writeString(kTheme, "Name", form_.comboBox2->currentText().toStdString());
    file.writeString(kHintPause, "Pause", Text(form_.etime));
    file.writeInteger(kQuality, "Graph", form_.trackBar1->value());
}

void TParams::applyClick() {
    if (settings_ != nullptr) {
        try {
            writeTo(*settings_);
        } catch (const std::exception& e) {
            // The keys before the refused one are written; the dialog stays open.
            ShowError(this, QString::fromUtf8(e.what()));
            return;
        }
    }
    hide();
}

void TParams::notApplyClick() {
    hide();
}

} // namespace orvex
