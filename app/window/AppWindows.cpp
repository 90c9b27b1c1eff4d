#include "AppWindows.h"

#include "BuildParamsWindow.h"
#include "TAboutBox.h"
#include "TForm1.h"
#include "TOKRightDlg.h"
#include "TParams.h"

namespace orvex {

AppWindows::AppWindows()
    : form1_(std::make_unique<TForm1>()), okRightDlg_(std::make_unique<TOKRightDlg>()),
      aboutBox_(std::make_unique<TAboutBox>()) {
    // The graph editor is made by the main window's graph commands; the default-settings dialog comes last.
    params_ = std::make_unique<TParams>();

    const QList<QWidget*> blocked{form1_.get(), form1_->buildParamsWindow()};
    okRightDlg_->setBlockedWindows(blocked);
    aboutBox_->setBlockedWindows(blocked);
    params_->setBlockedWindows(blocked);

    DialogOpeners openers;
    openers.eval = [this](const QStringList& formulas) { okRightDlg_->openWithFormulas(formulas); };
    openers.about = [this] { aboutBox_->openOver(); };
    openers.parameters = [this](SettingsFile* settings) { params_->openWithSettings(settings); };
    form1_->setDialogOpeners(std::move(openers));
}

AppWindows::~AppWindows() = default;

} // namespace orvex
