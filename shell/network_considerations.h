// "Network Considerations" (`TNetworkConsiderations`): file locking of the
// shared macro file, automatic synchronisation and its interval. The
// settings it shows are stored whenever it closes.
#pragma once

#include "platform/form.h"
#include "shell/config/configuration.h"

namespace tavrix {

class TNetworkConsiderations : public Form {
 public:
  explicit TNetworkConsiderations(const Configuration& settings);

  CheckBox fileLockingBox{*this, "FileLockingBox", {12, 12, 260, 17}, "&File Locking of Macro Files"};
  CheckBox autoSyncBox{*this, "AutoSyncBox", {28, 38, 260, 17}, "&Automatic Synchronization Updating"};
  Label syncLabel{*this, "SyncLabel", {44, 66, 100, 16}, "Synchronize every"};
  Edit minutesEdit{*this, "MinutesEdit", {150, 62, 40, 21}, 4};
  Label minutesLabel{*this, "MinutesLabel", {196, 66, 60, 16}, "minutes"};
  Button okButton{*this, "OkButton", {100, 96, 80, 25}, "&Ok", ButtonRole::DefaultAndCancel};

  // The second check box and the minutes only while file locking is checked.
  FormReply FileLockingBoxClick();
  // The three settings as the form shows them; minutes of 0 (or no number)
  // turn "Auto Sync" off.
  void Store(Configuration& settings) const;
};

}  // namespace tavrix
