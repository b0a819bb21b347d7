// Saving the settings as the main window does after each options dialog and
// at shutdown: when the file cannot be written the user hears of it once a
// run, not after every dialog.
#pragma once

#include "platform/ui.h"
#include "shell/config/configuration.h"
#include "shell/config/profile_file.h"

namespace tavrix {

class ConfigurationSaving {
 public:
  // False when the settings could not be saved (the user told the first time).
  bool Save(const Configuration& configuration, ProfileFile& profile, Ui& ui);

 private:
  bool told_ = false;
};

}  // namespace tavrix
