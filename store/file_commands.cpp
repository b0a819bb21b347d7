#include "store/file_commands.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include "base/ascii_text.h"
#include "base/hot_key_table.h"
#include "store/set_hot_keys.h"

namespace tavrix {
namespace {

constexpr const char* kErrorTitle = "Error";
constexpr const char* kDeleteTitle = "Delete";
constexpr const char* kFilter = "Tavrix (*.TVX)|*.TVX";

bool HasTvxExtension(const std::string& path) { return EndsWithIgnoringCase(path, ".TVX"); }

bool FileExists(const std::string& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::exists(path, error);
}

}  // namespace

std::string FileTitle(const std::string& path) {
  const std::size_t folderEnd = path.find_last_of("\\/:");
  std::string name = folderEnd == std::string::npos ? path : path.substr(folderEnd + 1);
  const std::size_t dot = name.find_last_of('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

MacroFileCommands::MacroFileCommands(MacroFile& file, Ui& ui, FileCommandListener& listener, SwapTables swapTables)
    : file_(file), ui_(ui), listener_(listener), swapTables_(swapTables) {}

std::string MacroFileCommands::ActivationText(int n) const {
  const std::uint16_t code = file_.index().table().Activation(n);
  if (code == kTimedActivation) return "Timed Macro";
  if (code == kWordletActivation) return file_.index().Wordlet(n);
  return HotKeyName(code);
}

bool MacroFileCommands::AskRemove(int n) {
  const std::uint16_t code = file_.index().table().Activation(n);
  std::string question;
  if (code == kWordletActivation)
    question = "Are you sure you want to remove the Wordlet \"" + file_.index().Wordlet(n) + "\"?";
  else
    question = "Are you sure you want to remove \"" + ActivationText(n) + "\"?";
  return ui_.AskYesNo(kDeleteTitle, question);
}

bool MacroFileCommands::DoClear(int selected) {
  MacroIndex& index = file_.index();
  if (index.Count() == 0) {
    ui_.ShowMessage(kErrorTitle, "No hot keys have been added yet.  Please add one first.");
    return false;
  }
  if (selected < 1 || selected > index.Count()) {
    ui_.ShowMessage(kErrorTitle, "No hot key selected.  Please select one.");
    return false;
  }
  SyncFileHold hold(listener_);
  if (!hold.Taken()) return false;
  if (!file_.CheckCanChange()) return false;
  // The macro as it is now: only this one is removed, even when another
  // program renumbers the file while the user answers.
  MacroRecord chosen;
  const bool read = file_.ReadRecord(selected, chosen);
  if (!AskRemove(selected)) return false;

  // A popup menu that lists the macro loses it; the record delete renumbers
  // every list in the same step as it moves the records down.
  bool listed = false;
  for (int k = 1; k <= index.Count() && !listed; ++k) {
    MacroRecord menu;
    if (index.table().Scope(k) != kScopePopupMenu || !file_.ReadRecord(k, menu)) continue;
    const std::vector<std::uint16_t> list = menu.PopupMenuList();
    listed = std::find(list.begin(), list.end(), selected) != list.end();
  }
  if (listed && !ui_.AskYesNo(kDeleteTitle,
                              "This macro is contained in a \"Popup Menu\".  It will be removed from the \"Popup "
                              "Menu\".  Are you sure you want to remove \"" +
                                  ActivationText(selected) + "\"?"))
    return false;

  const bool wasTimed = index.table().Activation(selected) == kTimedActivation;
  const bool wasPopup = index.table().Scope(selected) == kScopePopupMenu;
  if (wasPopup) listener_.RemovePopupTrayIcons();
  if (!file_.DeleteRecord(selected, read ? &chosen : nullptr)) {
    // The file and the index are as they were; so are the tray icons.
    if (wasPopup) listener_.BuildPopupTrayIcons();
    return false;
  }
  file_.Reload();
  RebuildKeySwapState();
  listener_.RefillMacroList();
  SetHotKeys(index.table(), file_.hooks());
  if (wasTimed) listener_.RearmScheduler();
  if (wasPopup) listener_.BuildPopupTrayIcons();
  listener_.SelectAfterRemove(selected);
  hold.Changed();
  return true;
}

void MacroFileCommands::DoNew() {
  // New loads the chosen file (creating it when missing) but leaves the
  // popup-menu tray icons off.
  ChooseAndSwitch({"New Tavrix File", kFilter, "TVX", true, ""}, false);
}

void MacroFileCommands::DoOpen() { ChooseAndSwitch({"Open Tavrix File", kFilter, "TVX", false, ""}, true); }

void MacroFileCommands::ChooseAndSwitch(const FileDialogRequest& request, bool buildTrayIcons) {
  const auto chosen = ui_.AskFileName(request);
  if (!chosen) return;
  if (!HasTvxExtension(*chosen)) {
    ui_.ShowMessage(kErrorTitle, "Invalid file type selected.");
    return;
  }
  const std::string previous = file_.Path();
  listener_.RemovePopupTrayIcons();
  listener_.MacroFilePathChanged(*chosen);
  file_.LoadFile(*chosen);
  AfterLoad();
  if (buildTrayIcons) listener_.BuildPopupTrayIcons();
  RebuildKeySwapState();
  DoLastFiles(previous, *chosen);
}

void MacroFileCommands::OpenSaveFile(int k) {
  if (k < 1 || k > kRecentFileCount) return;
  const std::string path = recent_[static_cast<std::size_t>(k - 1)];
  if (!FileExists(path)) {
    ui_.ShowMessage(kErrorTitle, "File does not exist.");
    return;
  }
  const std::string previous = file_.Path();
  listener_.RemovePopupTrayIcons();
  file_.LoadFile(path);
  SetHotKeys(file_.index().table(), file_.hooks());
  listener_.SetCaption(FileTitle(path));
  DoLastFiles(previous, path);
  listener_.MacroFilePathChanged(path);
  listener_.RefillMacroList();
  listener_.SetListButtons(file_.index().Count() > 0);
  listener_.RearmScheduler();
  listener_.BuildPopupTrayIcons();
  RebuildKeySwapState();
}

// The steps every file switch shares: activations, caption, list, buttons,
// scheduler.
void MacroFileCommands::AfterLoad() {
  SetHotKeys(file_.index().table(), file_.hooks());
  listener_.SetCaption(FileTitle(file_.Path()));
  listener_.RefillMacroList();
  listener_.SetListButtons(file_.index().Count() > 0);
  listener_.RearmScheduler();
}

void MacroFileCommands::DoLastFiles(const std::string& previous, const std::string& next) {
  UpdateRecentFiles(recent_, previous, next);
  listener_.RecentFilesChanged(recent_);
}

void MacroFileCommands::RebuildKeySwapState() {
  if (GetSwapFile(file_.Path(), swapTables_) == SwapFileResult::NotCreated &&
      swapFailureReported_ != file_.Path()) {
    swapFailureReported_ = file_.Path();
    ui_.ShowMessage(kErrorTitle, SwapFileNotCreatedMessage(file_.Path()));
  }
  listener_.KeySwapStateChanged();
}

}  // namespace tavrix
