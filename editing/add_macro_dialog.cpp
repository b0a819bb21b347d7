#include "editing/add_macro_dialog.h"

#include <optional>

#include "base/ascii_text.h"
#include "store/network_lock.h"
#include "store/set_hot_keys.h"

namespace tavrix {
namespace {

constexpr const char* kErrorTitle = "Error";
constexpr const char* kWarningTitle = "Warning";
constexpr int kFormWidth = 330;
// The client height of each mode: the hot key list needs room, the
// Wordlet field a line, a timed macro nothing.
constexpr int kHeightHotKeys = 419;
constexpr int kHeightWordlets = 160;
constexpr int kHeightTimed = 129;

std::string TrimmedSpaces(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

}  // namespace

// --- TAddNewHotKey -----------------------------------------------------------------

TAddNewHotKey::TAddNewHotKey(const MacroIndex& index, Ui& ui, MacroRecord& record, int newNumber)
    : Form(kName, "Add Macro", kFormWidth, kHeightHotKeys),
      index_(index),
      ui_(ui),
      record_(record),
      newNumber_(newNumber) {
  for (RadioButton* radio : {&hotKeysRadio, &wordletsRadio, &timedRadio, &popupRadio}) {
    radio->onClick = [this] {
      ShowMode();
      return FormReply::Stay();
    };
  }
  keyList.onChange = [this] { return ChooseHotKey(keyList.itemIndex); };
  hotKeyEntry.onHotKey = [this](int code) { return ChooseHotKey(code); };
  captureButton.onClick = [this] { return CaptureButtonClick(); };
  scriptButton.onClick = [this] { return ScriptButtonClick(); };
  thirdButton.onClick = [this] { return ThirdButtonClick(); };
  hotKeysRadio.checked = true;
  activeControl = &hotKeyEntry;
}

void TAddNewHotKey::FormShow(const TextMeasure& /*measure*/) {
  FillKeyList(keyList, index_);
  keyList.itemIndex = -1;
  hotKeyEntry.text.clear();
  const SharedMacroTable& table = index_.table();
  counts_.fill(0);
  global_.fill(false);
  anyMacro_ = false;
  for (int n = 1; n <= index_.Count(); ++n) {
    const std::uint16_t code = table.Activation(n);
    const std::int16_t scope = table.Scope(n);
    if (scope != kScopeSystem) anyMacro_ = true;
    if (code >= kHotKeyCount) continue;
    ++counts_[code];
    if (scope == kScopeGlobal || scope == kScopePopupMenu || scope == kScopeSystem) global_[code] = true;
  }
  hotKeysRadio.checked = true;
  wordletsRadio.checked = timedRadio.checked = popupRadio.checked = false;
  handOver = AddHandOver{};
  ShowMode();
  // Only the caption the dialog opens with has an access key.
  thirdButton.text = "&Enter Directly";
  activeControl = &hotKeyEntry;
}

TAddNewHotKey::Mode TAddNewHotKey::CheckedMode() const {
  if (wordletsRadio.checked) return Wordlets;
  if (timedRadio.checked) return Timed;
  if (popupRadio.checked) return Popup;
  return HotKeys;
}

void TAddNewHotKey::ShowMode() {
  const Mode mode = CheckedMode();
  const bool hotKeyControls = mode == HotKeys || mode == Popup;
  for (Control* control : std::initializer_list<Control*>{&selectLabel, &placeLabel, &hotKeyEntry, &keyList})
    control->visible = hotKeyControls;
  wordletLabel.visible = wordletName.visible = mode == Wordlets;
  const auto available = [this](AddTool tool) { return toolAvailable[static_cast<std::size_t>(tool)]; };
  captureButton.enabled = (mode == HotKeys || mode == Wordlets) && available(AddTool::Capture);
  scriptButton.enabled = mode != Popup && available(AddTool::Script);
  thirdButton.text = mode == Popup ? "Build Menu" : "Enter Directly";
  thirdButton.enabled = available(mode == Popup ? AddTool::Menu : AddTool::Direct);
  clientHeight = mode == Wordlets ? kHeightWordlets : mode == Timed ? kHeightTimed : kHeightHotKeys;
  if (mode == Popup) selectedInGlobalUse = keyList.itemIndex >= 0 && InGlobalUse(keyList.itemIndex);
}

FormReply TAddNewHotKey::ChooseHotKey(int code) {
  if (code < 0 || code >= kHotKeyCount) return FormReply::Stay();
  keyList.itemIndex = code;
  hotKeyEntry.text = HotKeyName(code);
  if (CheckedMode() == Popup) selectedInGlobalUse = InGlobalUse(code);
  return FormReply::Stay();
}

int TAddNewHotKey::CheckedHotKey(FormReply& refusal) {
  const int code = keyList.itemIndex;
  if (code < 0 || code >= kHotKeyCount) {
    refusal = FormReply::Refuse(kErrorTitle, "No hot key selected.  Please select one.", hotKeyEntry);
    return -1;
  }
  if (IsWindowsReservedHotKey(code) && !ui_.AskYesNo(kWarningTitle, ReservedHotKeyQuestion(code))) {
    refusal = FormReply::Stay();
    return -1;
  }
  return code;
}

std::string TAddNewHotKey::CheckedWordlet(FormReply& refusal) {
  const std::string name = CutText(TrimmedSpaces(wordletName.text), kWordletCapacity);
  if (name.empty()) {
    refusal = FormReply::Refuse(kErrorTitle, "No Wordlet name entered.", wordletName);
    return {};
  }
  // A name the Wordlet matcher could never see typed is refused here, not
  // later in the tool.
  if (!IsValidWordletName(name)) {
    refusal = FormReply::Refuse(kErrorTitle, kWordletNameInvalid, wordletName);
    return {};
  }
  return name;
}

FormReply TAddNewHotKey::Close(AddTool tool) {
  handOver.tool = tool;
  handOver.macroNumber = newNumber_;
  handOver.activation = record_.Activation();
  return FormReply::Close(ModalResult::Ok);
}

std::optional<FormReply> TAddNewHotKey::TakeActivation(Mode mode) {
  FormReply refusal;
  handOver = AddHandOver{};
  if (mode == HotKeys) {
    const int code = CheckedHotKey(refusal);
    if (code < 0) return refusal;
    record_.SetActivation(static_cast<std::uint16_t>(code));
    handOver.hotKeyName = HotKeyName(code);
    handOver.global = InGlobalUse(code);
  } else if (mode == Wordlets) {
    const std::string name = CheckedWordlet(refusal);
    if (name.empty()) return refusal;
    record_.SetWordletText(name);
    record_.SetActivation(kWordletActivation);
    handOver.wordletText = name;
  } else {
    record_.SetActivation(kTimedActivation);
  }
  return std::nullopt;
}

FormReply TAddNewHotKey::CaptureButtonClick() {
  const Mode mode = CheckedMode();
  if (!captureButton.enabled || (mode != HotKeys && mode != Wordlets)) return FormReply::Stay();
  if (auto refusal = TakeActivation(mode)) return *refusal;
  return Close(AddTool::Capture);
}

FormReply TAddNewHotKey::HandToEditor(AddTool tool) {
  const Mode mode = CheckedMode();
  if (auto refusal = TakeActivation(mode)) return *refusal;
  handOver.type = mode == HotKeys ? 1 : mode == Wordlets ? 3 : 2;
  return Close(tool);
}

FormReply TAddNewHotKey::ScriptButtonClick() {
  if (!scriptButton.enabled || CheckedMode() == Popup) return FormReply::Stay();
  return HandToEditor(AddTool::Script);
}

FormReply TAddNewHotKey::ThirdButtonClick() {
  if (!thirdButton.enabled) return FormReply::Stay();
  if (CheckedMode() != Popup) return HandToEditor(AddTool::Direct);
  if (!anyMacro_) {
    return FormReply::Refuse(kErrorTitle,
                             "No macros have been defined yet.  A popup menu is created with existing macros.",
                             popupRadio);
  }
  const int code = keyList.itemIndex;
  if (code < 0 || code >= kHotKeyCount)
    return FormReply::Refuse(kErrorTitle, "No hot key selected.  Please select one.", hotKeyEntry);
  if (InGlobalUse(code)) {
    return FormReply::Refuse(kErrorTitle,
                             "Selected Hot Key is already either a GLOBAL or Popup Menu Hot Key.  Hot Key cannot be "
                             "added.",
                             hotKeyEntry);
  }
  if (IsWindowsReservedHotKey(code) && !ui_.AskYesNo(kWarningTitle, ReservedHotKeyQuestion(code)))
    return FormReply::Stay();
  handOver = AddHandOver{};
  record_.SetActivation(static_cast<std::uint16_t>(code));
  handOver.hotKeyName = HotKeyName(code);
  return Close(AddTool::Menu);
}

// --- AddMacroCommand ---------------------------------------------------------------

AddMacroCommand::AddMacroCommand(MacroFile& file, Ui& ui, TransferListener& listener, AddMacroTools& tools)
    : file_(file), ui_(ui), listener_(listener), tools_(tools) {}

bool AddMacroCommand::DoAdd() {
  lastHandOver_ = AddHandOver{};
  MacroIndex& index = file_.index();
  if (index.Count() >= kMaxMacros) {
    ui_.ShowMessage(kErrorTitle, "Maximum number of hot keys has been reached.  Add not allowed.");
    return false;
  }
  std::optional<SyncFileHold> hold;
  hold.emplace(listener_);
  if (!hold->Taken() || !file_.CheckCanChange()) return false;
  const int countBefore = index.Count();
  MacroRecord record;
  TAddNewHotKey dialog(index, ui_, record, countBefore + 1);
  for (int tool = 1; tool < kAddToolCount; ++tool)
    dialog.toolAvailable[static_cast<std::size_t>(tool)] = tools_.Available(static_cast<AddTool>(tool));
  if (ui_.RunForm(dialog) != ModalResult::Ok || dialog.handOver.tool == AddTool::None) return false;
  lastHandOver_ = dialog.handOver;

  if (dialog.handOver.tool == AddTool::Capture) {
    // The hook library learns the new macro's activation before the capture
    // starts, so the capture's own stop key is known.
    index.table().SetActivation(countBefore + 1, record.Activation());
    file_.hooks().TvxUpItem(index.table().bytes(), static_cast<std::uint16_t>(countBefore + 1));
  }
  const AddToolResult result = tools_.HandOver(dialog.handOver, record);
  if (!result.saved) {
    // A tool that raised the count without storing anything gives it back.
    if (index.Count() != countBefore) {
      index.SetCount(countBefore);
      file_.hooks().TvxUpNumKeys(index.table().bytes());
    }
    return false;
  }
  if (!AppendNewMacro(record, countBefore)) return false;
  listener_.RefillMacroList();
  listener_.SelectMacro(lastNumber_);
  listener_.SetListButtons(true);
  if (record.Activation() == kTimedActivation) listener_.RearmScheduler();
  SetHotKeys(index.table(), file_.hooks());
  hold->Changed();
  hold.reset();  // the icons follow the file as it now is for everyone
  if (result.trayChange) {
    listener_.RemovePopupTrayIcons();
    listener_.BuildPopupTrayIcons();
  }
  return true;
}

bool AddMacroCommand::AppendNewMacro(const MacroRecord& record, int countBefore) {
  MacroIndex& index = file_.index();
  if (index.Count() == countBefore) {
    index.SetCount(countBefore + 1);
    file_.hooks().TvxUpNumKeys(index.table().bytes());
  }
  if (!file_.SaveRecord(-1, record)) {
    index.SetCount(countBefore);
    file_.hooks().TvxUpNumKeys(index.table().bytes());
    return false;
  }
  lastNumber_ = file_.LastSavedNumber();
  return true;
}

}  // namespace tavrix
