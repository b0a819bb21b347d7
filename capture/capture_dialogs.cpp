#include "capture/capture_dialogs.h"

#include "base/ascii_text.h"
#include "base/hot_key_table.h"
#include "store/macro_transfer.h"

namespace tavrix {

namespace {

constexpr const char* kErrorTitle = "Error";
constexpr const char* kWarningTitle = "Warning";
constexpr int kHotKeyModeButtonsTop = 420;
constexpr int kWordletModeButtonsTop = 161;

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string CapQuestion(int code) {
  const std::string& name = HotKeyName(code);
  return name + " may be used internally by Windows 95, 98 or NT. " +
         " This may cause the hot key not to function correctly." + " Would you still like to use " + name + "?";
}

}  // namespace

std::string SpeedTag(int speed) {
  switch (speed) {
    case 2: return "<SPEED:00002>";
    case 3: return "<SPEED:00.50>";
    case 4: return "<SPEED:00.25>";
    default: return "<SPEED:00001>";
  }
}

// --- The options both dialogs share ------------------------------------------

TCaptureOptionsForm::TCaptureOptionsForm(std::string name, std::string caption, int width, int height)
    : Form(std::move(name), std::move(caption), width, height) {
  for (Control* box : {static_cast<Control*>(&keysBox), static_cast<Control*>(&mouseBox),
                       static_cast<Control*>(&screenRadio), static_cast<Control*>(&windowRadio),
                       static_cast<Control*>(&timeBox)}) {
    box->onClick = [this] {
      ApplyEnabling();
      return FormReply::Stay();
    };
  }
}

void TCaptureOptionsForm::Load(const CaptureSettings& s) {
  keysBox.checked = s.keys;
  doubleAltBox.checked = s.doubleAlt;
  mouseBox.checked = s.mouse;
  screenRadio.checked = s.relativeToScreen;
  windowRadio.checked = !s.relativeToScreen;
  windowSizeBox.checked = s.windowSize;
  timeBox.checked = s.time;
  actualRadio.checked = s.speed != 2 && s.speed != 3 && s.speed != 4;
  halfRadio.checked = s.speed == 2;
  doubleRadio.checked = s.speed == 3;
  quadrupleRadio.checked = s.speed == 4;
  globalRadio.checked = s.global;
  programRadio.checked = !s.global;
  ApplyEnabling();
}

int TCaptureOptionsForm::Speed() const {
  if (quadrupleRadio.checked) return 4;
  if (doubleRadio.checked) return 3;
  if (halfRadio.checked) return 2;
  return 1;
}

void TCaptureOptionsForm::Store(CaptureSettings& s) const {
  s.keys = keysBox.checked;
  s.doubleAlt = doubleAltBox.checked;
  s.mouse = mouseBox.checked;
  s.relativeToScreen = screenRadio.checked;
  s.windowSize = windowSizeBox.checked;
  s.time = timeBox.checked;
  s.speed = Speed();
  s.global = globalRadio.checked;
}

void TCaptureOptionsForm::ApplyEnabling() {
  screenRadio.enabled = windowRadio.enabled = mouseBox.checked;
  windowSizeBox.enabled = mouseBox.checked && windowRadio.checked;
  doubleAltBox.enabled = keysBox.checked;
  for (RadioButton* speed : {&actualRadio, &halfRadio, &doubleRadio, &quadrupleRadio}) speed->enabled = timeBox.checked;
}

TCaptureDefaults::TCaptureDefaults() : TCaptureOptionsForm("TCaptureDefaults", "Capture Defaults", 300, 333) {
  activeControl = &keysBox;
  okButton.onClick = [] { return FormReply::Close(ModalResult::Ok); };
}

// --- Capture Macro ------------------------------------------------------------

TCaptureKeys::TCaptureKeys() : TCaptureOptionsForm("TCaptureKeys", "Capture Macro", 584, 272) {
  activeControl = &nickName;
  startButton.onClick = [] { return FormReply::Close(ModalResult::Ok); };
}

void TCaptureKeys::Prepare(const CaptureSettings& defaults) {
  Load(defaults);
  if (noGlobal) {
    globalRadio.enabled = false;
    globalRadio.checked = false;
    programRadio.checked = true;
  }
}

// --- Capture Complete -----------------------------------------------------------

TCapComplete::TCapComplete(Ui& ui, const MacroIndex& index, MacroRecord& record, std::string topProgram,
                           bool globalDefault)
    : Form("TCapComplete", "Capture Complete", 352, kHotKeyModeButtonsTop + 23),
      ui_(ui),
      index_(index),
      record_(record),
      topProgram_(std::move(topProgram)) {
  topMost = true;
  hotKeysRadio.checked = true;
  globalRadio.checked = globalDefault;
  programRadio.checked = !globalDefault;
  nickName.text = record.NickName();
  FillKeyList(keyList, index);
  hotKeyEntry.onHotKey = [this](int code) {
    HotKeyPressed(code);
    return FormReply::Stay();
  };
  activeControl = &hotKeyEntry;
  hotKeysRadio.onClick = wordletsRadio.onClick = [this] {
    ShowMode();
    return FormReply::Stay();
  };
  keyList.onChange = [this] { return KeyListClick(); };
  okButton.onClick = [this] { return OkButtonClick(); };
  ShowMode();
}

void TCapComplete::ShowMode() {
  const bool hotKeys = hotKeysRadio.checked;
  for (Control* control : {static_cast<Control*>(&selectLabel), static_cast<Control*>(&placeLabel),
                           static_cast<Control*>(&hotKeyEntry), static_cast<Control*>(&keyList)})
    control->visible = hotKeys;
  wordletLabel.visible = wordletName.visible = !hotKeys;
  const int top = hotKeys ? kHotKeyModeButtonsTop : kWordletModeButtonsTop;
  okButton.bounds.top = helpButton.bounds.top = top;
  clientHeight = top + 23;
}

void TCapComplete::HotKeyPressed(int code) {
  if (code < 0 || code >= static_cast<int>(keyList.items.size())) return;
  keyList.itemIndex = code;
  hotKeyEntry.text = HotKeyName(code);
}

FormReply TCapComplete::KeyListClick() {
  if (keyList.itemIndex >= 0) hotKeyEntry.text = HotKeyName(keyList.itemIndex);
  return FormReply::Stay();
}

bool TCapComplete::InGlobalUse(int code) const {
  const SharedMacroTable& table = index_.table();
  for (int n = 1; n <= index_.Count(); ++n) {
    const std::int16_t scope = table.Scope(n);
    if (table.Activation(n) == code && (scope == kScopeGlobal || scope == kScopePopupMenu || scope == kScopeSystem))
      return true;
  }
  return false;
}

FormReply TCapComplete::OkButtonClick() {
  if (hotKeysRadio.checked) {
    const int code = keyList.itemIndex;
    if (code < 0 || code >= kHotKeyCount) return FormReply::Refuse(kErrorTitle, kNoHotKeySelectedText, keyList);
    if (globalRadio.checked && InGlobalUse(code)) return FormReply::Refuse(kErrorTitle, kGlobalKeyInUseText, keyList);
    if (IsWindowsReservedHotKey(code) && !ui_.AskYesNo(kWarningTitle, CapQuestion(code))) return FormReply::Stay();
    record_.SetActivation(static_cast<std::uint16_t>(code));
  } else {
    const std::string name = Trimmed(wordletName.text);
    if (name.empty()) return FormReply::Refuse(kErrorTitle, kNoWordletEnteredText, wordletName);
    // A Wordlet with a character the hook never reports could never fire.
    if (!IsValidWordletName(name)) return FormReply::Refuse(kErrorTitle, kWordletInvalidText, wordletName);
    record_.SetWordletText(name);
    record_.SetActivation(kWordletActivation);
  }
  record_.SetNickName(Trimmed(nickName.text));
  if (programRadio.checked) {
    record_.SetScope(kScopeProgram);
    record_.SetScopeName(topProgram_);
    record_.SetTopMostOnly(1);
  }
  return FormReply::Close(ModalResult::Ok);
}

}  // namespace tavrix
