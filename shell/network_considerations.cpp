#include "shell/network_considerations.h"

#include <charconv>
#include <string>

namespace tavrix {

TNetworkConsiderations::TNetworkConsiderations(const Configuration& settings)
    : Form("TNetworkConsiderations", "Network Considerations", 284, 130) {
  fileLockingBox.checked = settings.networkMode;
  autoSyncBox.checked = settings.autoSync;
  minutesEdit.text = std::to_string(settings.syncMinutes);
  activeControl = &fileLockingBox;
  fileLockingBox.onClick = [this] { return FileLockingBoxClick(); };
  okButton.onClick = [] { return FormReply::Close(ModalResult::Ok); };
  FileLockingBoxClick();
}

FormReply TNetworkConsiderations::FileLockingBoxClick() {
  for (Control* control : {static_cast<Control*>(&autoSyncBox), static_cast<Control*>(&syncLabel),
                           static_cast<Control*>(&minutesEdit), static_cast<Control*>(&minutesLabel)})
    control->enabled = fileLockingBox.checked;
  return FormReply::Stay();
}

void TNetworkConsiderations::Store(Configuration& settings) const {
  int minutes = 0;
  const std::string& text = minutesEdit.text;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), minutes);
  if (error != std::errc() || end != text.data() + text.size() || minutes < 0) minutes = 0;
  settings.networkMode = fileLockingBox.checked;
  settings.syncMinutes = minutes;
  settings.autoSync = autoSyncBox.checked && minutes > 0;
}

}  // namespace tavrix
