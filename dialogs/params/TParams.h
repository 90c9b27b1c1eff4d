#pragma once

#include "NonModalDialog.h"
#include "ParamsForm.h"

namespace orvex {

class SettingsFile;
class SettingsSnapshot;

// The default-settings dialog: shows the nine values of the settings file as plain text (the quality
// on a track bar) and writes them all back with "Применить и закрыть", or closes without writing. It
// changes nothing in the running program.
class TParams : public NonModalDialog {
    Q_OBJECT
  public:
    TParams();

    // Fills the controls from `settings` (read once, now; defaults for what is missing or unreadable) and
    // opens the dialog over the blocked windows. The file object must outlive the open dialog.
    void openWithSettings(SettingsFile* settings);

  private:
    void fillFrom(const SettingsSnapshot& settings);
    void writeTo(SettingsFile& settings) const;
    void applyClick();
    void notApplyClick();

    ParamsForm form_;
    SettingsFile* settings_ = nullptr;
};

} // namespace orvex
