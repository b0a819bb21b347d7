#include "shell/config/configuration_saving.h"

namespace tavrix {

bool ConfigurationSaving::Save(const Configuration& configuration, ProfileFile& profile, Ui& ui) {
  if (configuration.Save(profile)) return true;
  if (!told_)
    ui.ShowMessage("Error", "Your settings could not be saved to the configuration file.  The earlier settings "
                            "are kept there; the changed ones last until Tavrix ends.");
  told_ = true;
  return false;
}

}  // namespace tavrix
