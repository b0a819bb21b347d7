#include "capture/capture_session.h"

#include "base/hot_key_table.h"
#include "capture/recording_end.h"
#include "store/set_hot_keys.h"

namespace tavrix {

namespace {

constexpr const char* kErrorTitle = "Error";
constexpr const char* kStartCaptureTitle = "Start Capture";
constexpr const char* kCaptureTitle = "Capture";
constexpr std::size_t kPromptLimit = 99;
constexpr const char* kQuickNickName = "Capture";
constexpr const char* kQuickWordlet = "capture";

std::string FileErrorText(const std::string& path) {
  return "The capture file " + path + " could not be written.  The capture has been stopped.";
}

}  // namespace

CaptureSession::CaptureSession(CaptureEnvironment environment) : env_(std::move(environment)) {}
CaptureSession::~CaptureSession() = default;

bool CaptureSession::Recording() const { return env_.file.index().table().CaptureOn() != 0; }

std::string CaptureSession::CaptureFilePath() {
  return env_.files.Join(env_.scratchFolder.empty() ? env_.folder : env_.scratchFolder, kCaptureFileName);
}

// --- Quick capture ----------------------------------------------------------------

bool CaptureSession::StartACapture(const CaptureSettings& defaults) {
  MacroIndex& index = env_.file.index();
  SharedMacroTable& table = index.table();
  HookLibrary& hooks = env_.file.hooks();
  if (env_.host.BrowseMode()) {
    env_.ui.ShowMessage(kErrorTitle, kBrowseCaptureText);
    return false;
  }
  if (quick_) {
    env_.ui.ShowMessage(kErrorTitle, kCaptureInProgressText);
    return false;
  }
  if (index.Count() >= kMaxMacros) {
    env_.ui.ShowMessage(kErrorTitle, kCaptureMaximumText);
    return false;
  }
  auto hold = std::make_unique<SyncFileHold>(env_.host);
  if (!hold->Taken()) return false;
  // The scratch file comes first: a disk that refuses it leaves the macro
  // file as it was.
  if (!CreateCaptureFile()) return false;

  if (!env_.file.CheckCanChange()) {
    writer_.reset();
    env_.files.Remove(CaptureFilePath());
    return false;
  }

  // The new macro stands in the index while it records, but reaches the file
  // only with its recording: a capture that fails or never ends leaves no
  // empty "Capture" macro behind.
  finished_ = false;
  saved_ = false;
  const int n = index.Count() + 1;
  index.SetCount(n);
  record_ = MacroRecord();
  record_.SetActive(1);
  record_.SetNickName(kQuickNickName);
  record_.SetScope(kScopeGlobal);
  record_.SetScopeName("");
  record_.SetTopMostOnly(1);
  record_.SetWordletText(kQuickWordlet);
  record_.SetActivation(kWordletActivation);
  record_.SetLastModified(env_.now());
  index.TakeRecord(n, record_);
  hooks.TvxUpNumKeys(table.bytes());
  hooks.TvxUpItem(table.bytes(), static_cast<std::uint16_t>(n));
  env_.host.RefreshList(n);
  hold_ = std::move(hold);
  current_ = n;
  speed_ = defaults.speed;
  topProgram_ = env_.host.TopProgram();
  programScope_ = false;
  globalDefault_ = defaults.global;

  table.SetCaptureMacro(static_cast<std::uint16_t>(n));
  WriteFields(defaults);
  if (defaults.time) {
    for (const char c : SpeedTag(speed_)) OnCaptureChar(static_cast<std::uint32_t>(n), static_cast<std::uint8_t>(c));
  }
  ArmStopKey(0, false);
  hooks.TvxUpCapture(table.bytes());
  quick_ = true;
  if (defaults.prompt) {
    std::string text = std::string("Tavrix macro capture will now start.\r\n\r\nUse ") + HotKeyName(StopKeyCode()) +
                       " to stop the capture.";
    if (text.size() > kPromptLimit) text.resize(kPromptLimit);
    env_.ui.ShowMessage(kStartCaptureTitle, text);
  }
  SwitchOn();
  return true;
}

// --- The capture dialog -------------------------------------------------------------

bool CaptureSession::DoCapture(int selected, const CaptureSettings& defaults) {
  const MacroIndex& index = env_.file.index();
  if (index.Count() == 0) {
    env_.ui.ShowMessage(kErrorTitle, "No hot keys have been added yet.  Please add one first.");
    return false;
  }
  if (selected < 1 || selected > index.Count()) {
    env_.ui.ShowMessage(kErrorTitle, kNoHotKeySelectedText);
    return false;
  }
  if (env_.host.BrowseMode() || Recording() || !finished_) return false;
  const SharedMacroTable& table = index.table();
  const std::uint16_t activation = table.Activation(selected);
  const std::int16_t scope = table.Scope(selected);
  // Only a macro the user plays by a hot key or a Wordlet is recaptured.
  if (activation == kTimedActivation || scope == kScopeSystem || scope == kScopePopupMenu) return false;
  auto hold = std::make_unique<SyncFileHold>(env_.host);
  if (!hold->Taken()) return false;
  MacroRecord record;
  if (!env_.file.ReadRecord(selected, record)) return false;
  TCaptureKeys dialog;
  dialog.macroNumber = selected;
  dialog.existingMacro = true;
  if (scope != kScopeGlobal) {
    for (int m = 1; m <= index.Count(); ++m)
      if (table.Scope(m) == kScopeGlobal && table.Activation(m) == activation) dialog.noGlobal = true;
  }
  dialog.nickName.text = record.NickName();
  hold_ = std::move(hold);
  read_ = record;
  const bool started = ShowCaptureDialog(dialog, record, defaults);
  if (!started) {
    hold_.reset();  // given back unchanged
    return false;
  }
  // The new nickname and scope wait for the recording and are saved with it.
  record_ = record;
  recapture_ = true;
  env_.host.RefreshList(selected);
  return true;
}

bool CaptureSession::CaptureNewMacro(MacroRecord& record, int n, bool noGlobal, const CaptureSettings& defaults) {
  if (env_.host.BrowseMode() || Recording() || !finished_ || n < 1 || n > kMaxMacros) return false;
  auto hold = std::make_unique<SyncFileHold>(env_.host);
  if (!hold->Taken()) return false;
  TCaptureKeys dialog;
  dialog.macroNumber = n;
  dialog.existingMacro = false;
  dialog.noGlobal = noGlobal && record.Activation() != kWordletActivation;
  hold_ = std::move(hold);
  if (!ShowCaptureDialog(dialog, record, defaults)) {
    hold_.reset();
    return false;
  }
  return dialog.started;
}

// Shows the dialog and, when "&Start Capture" closed it, starts recording
// into macro `dialog.macroNumber`.
bool CaptureSession::ShowCaptureDialog(TCaptureKeys& dialog, MacroRecord& record, const CaptureSettings& defaults) {
  MacroIndex& index = env_.file.index();
  SharedMacroTable& table = index.table();
  const std::uint16_t activation = record.Activation();
  const bool hotKey = activation < kHotKeyCount;
  dialog.hotKeyLabel.text = activation == kWordletActivation ? "Wordlet: " + record.WordletText()
                                                              : HotKeyName(activation);
  dialog.hotLabel2.text = "Press " + HotKeyName(StopKeyCode()) + " to end capture";
  dialog.hotLabel3.text = hotKey ? "Or Press " + HotKeyName(activation) + " to end capture" : "";
  dialog.Prepare(defaults);
  if (env_.ui.RunForm(dialog) != ModalResult::Ok) return false;

  if (!CreateCaptureFile()) return false;
  CaptureSettings options = defaults;
  dialog.Store(options);
  speed_ = options.speed;
  finished_ = false;
  const int n = dialog.macroNumber;
  saved_ = false;
  recapture_ = false;
  if (!dialog.existingMacro) {
    index.SetCount(index.Count() + 1);
    env_.file.hooks().TvxUpNumKeys(table.bytes());
    record.SetActive(1);
    dialog.started = true;
  }
  record.SetNickName(dialog.nickName.text);
  record.SetScope(kScopeGlobal);
  record.SetScopeName("");
  record.SetTopMostOnly(0);
  current_ = n;
  quick_ = false;
  programScope_ = dialog.programRadio.checked;
  globalDefault_ = options.global;
  WriteFields(options);
  if (options.time) {
    for (const char c : SpeedTag(speed_)) OnCaptureChar(static_cast<std::uint32_t>(n), static_cast<std::uint8_t>(c));
  }
  table.SetCaptureMacro(static_cast<std::uint16_t>(n));
  ArmStopKey(activation, hotKey);
  env_.file.hooks().TvxUpCapture(table.bytes());
  env_.host.GetOutOfTheWay();
  SwitchOn();
  return true;
}

// --- Shared steps ----------------------------------------------------------------------

bool CaptureSession::CreateCaptureFile() {
  const std::string path = CaptureFilePath();
  writer_ = env_.files.Create(path);
  if (writer_) return true;
  env_.ui.ShowMessage(kErrorTitle, "The capture file " + path + " could not be created.  Capture not allowed.");
  return false;
}

void CaptureSession::WriteFields(const CaptureSettings& options) {
  SharedMacroTable& table = env_.file.index().table();
  table.SetCaptureKeys(options.keys ? 1 : 0);
  table.SetCaptureMouse(options.mouse ? 1 : 0);
  table.SetCaptureTime(options.time ? 1 : 0);
  table.SetCaptureRelative(options.relativeToScreen ? 1 : 0);
  const std::uint8_t windowSize = options.EffectiveWindowSize() ? 1 : 0;
  table.SetCaptureWindowPos(windowSize);
  table.SetCaptureWindowPosCopy(windowSize);
  table.SetCaptureDoubleAlt(options.doubleAlt ? 1 : 0);
  table.SetCaptureState740(0);
  table.SetCaptureState765(0);
  table.SetCaptureState775(0);
  table.SetStop2On(0);
  table.SetCaptureState790(1);
}

// The hot key of the "Start / Stop Capture" system activation, or -1.
int CaptureSession::StopKeyCode() const {
  const MacroIndex& index = env_.file.index();
  for (int n = 1; n <= index.Count(); ++n) {
    if (index.table().Scope(n) == kScopeSystem && index.table().ScopeName(n).starts_with('2'))
      return index.table().Activation(n);
  }
  return -1;
}

void CaptureSession::ArmStopKey(std::uint16_t activation, bool secondKey) {
  SharedMacroTable& table = env_.file.index().table();
  const DecodedHotKey stop = DecipherKey(StopKeyCode());
  table.SetStopMouse(stop.mouseButton);
  table.SetStopKey(stop.virtualKey);
  table.SetStopCtrl(stop.ctrl ? 1 : 0);
  table.SetStopAlt(stop.alt ? 1 : 0);
  table.SetStopShift(stop.shift ? 1 : 0);
  table.SetStopWin(stop.win ? 1 : 0);
  table.SetStop2On(0);
  if (!secondKey) return;
  const DecodedHotKey second = DecipherKey(activation);
  table.SetStop2Mouse(second.mouseButton);
  table.SetStop2Key(second.virtualKey);
  table.SetStop2Ctrl(second.ctrl ? 1 : 0);
  table.SetStop2Alt(second.alt ? 1 : 0);
  table.SetStop2Shift(second.shift ? 1 : 0);
  table.SetStop2Win(second.win ? 1 : 0);
  table.SetStop2On(1);
}

void CaptureSession::SwitchOn() {
  SharedMacroTable& table = env_.file.index().table();
  env_.host.ShowRecordingIcon(true);
  table.SetCaptureOn(1);
  env_.file.hooks().TvxUpCaptureOn(table.bytes());
}

// --- The recording ----------------------------------------------------------------------

void CaptureSession::OnCaptureChar(std::uint32_t macro, std::uint8_t character) {
  current_ = static_cast<int>(macro);
  if (finished_ || character == 0 || !writer_) return;
  if (!writer_->Put(static_cast<char>(character))) AbandonAfterFileError();
}

// The disk refused the capture file: the recording stops and no macro
// changes. A quick capture's new macro goes again.
void CaptureSession::AbandonAfterFileError() {
  SharedMacroTable& table = env_.file.index().table();
  finished_ = true;
  env_.host.ShowRecordingIcon(false);
  table.SetCaptureOn(0);
  env_.file.hooks().TvxUpCaptureOn(table.bytes());
  writer_.reset();
  const std::string path = CaptureFilePath();
  env_.files.Remove(path);
  if (quick_) ForgetQuickMacro();
  hold_.reset();
  quick_ = false;
  recapture_ = false;
  env_.ui.ShowMessage(kErrorTitle, FileErrorText(path));
  env_.host.ShowMainWindow();
  env_.host.RefreshList(0);
}

void CaptureSession::EndCapture1Click() {
  if (finished_) return;
  endedByUser_ = true;
  OnCaptureComplete(env_.file.index().table().CaptureMacro());
  endedByUser_ = false;
}

void CaptureSession::OnCaptureComplete(std::uint32_t macro) {
  if (finished_) return;
  SharedMacroTable& table = env_.file.index().table();
  topProgram_ = env_.host.TopProgram();
  env_.host.ShowRecordingIcon(false);
  finished_ = true;
  table.SetCaptureOn(0);
  env_.file.hooks().TvxUpCaptureOn(table.bytes());

  current_ = static_cast<int>(macro);
  MacroRecord record = record_;
  if (!quick_ && !recapture_ && !env_.file.ReadRecord(current_, record)) {
    writer_.reset();
    hold_.reset();
    env_.ui.ShowMessage(kErrorTitle, "The captured macro could not be read from the macro file.");
    return;
  }
  record.SetLastModified(env_.now());
  if (!MoveRecordingInto(record)) {
    if (quick_) ForgetQuickMacro();
    hold_.reset();
    quick_ = false;
    recapture_ = false;
    env_.ui.ShowMessage(kErrorTitle, FileErrorText(CaptureFilePath()));
    env_.host.ShowMainWindow();
    return;
  }
  Finish(current_, record);
}

// The recording into the macro text, or into the next free overflow file
// that the text then names.
bool CaptureSession::MoveRecordingInto(MacroRecord& record) {
  writer_.reset();
  overflow_.clear();
  const std::string path = CaptureFilePath();
  std::optional<std::string> bytes = env_.files.Read(path);
  if (!bytes) return false;
  if (endedByUser_) {
    std::string finished = FinishRecordingEndedByUser(*bytes);
    if (finished != *bytes) {
      auto rewrite = env_.files.Create(path);
      if (!rewrite) return false;
      for (const char c : finished)
        if (!rewrite->Put(c)) return false;
      bytes = std::move(finished);
    }
  }
  if (bytes->size() <= kMaxMacroText) {
    record.SetMacroText(*bytes);
    env_.files.Remove(path);
    return true;
  }
  std::string name;
  for (int k = 0;; ++k) {
    name = "TV" + std::to_string(k) + ".TXT";
    if (!env_.files.Exists(env_.files.Join(env_.folder, name))) break;
  }
  if (!env_.files.Copy(path, env_.files.Join(env_.folder, name))) return false;
  env_.files.Remove(path);
  overflow_ = env_.files.Join(env_.folder, name);
  record.SetMacroText("<TFILE:" + env_.folder + "\\" + name + ">");
  return true;
}

// The quick capture's macro leaves the index again; it never reached the file.
void CaptureSession::ForgetQuickMacro() {
  MacroIndex& index = env_.file.index();
  if (current_ != index.Count()) return;
  index.TakeRecord(current_, MacroRecord{});
  index.SetCount(current_ - 1);
  env_.file.hooks().TvxUpNumKeys(index.table().bytes());
}

void CaptureSession::Finish(int n, MacroRecord& record) {
  SharedMacroTable& table = env_.file.index().table();
  if (quick_) {
    env_.host.BeforeCapComplete();
    TCapComplete complete(env_.ui, env_.file.index(), record, topProgram_, globalDefault_);
    env_.ui.RunForm(complete);
    env_.host.AfterCapComplete();
  } else if (programScope_) {
    record.SetScope(kScopeProgram);
    record.SetScopeName(topProgram_);
    record.SetTopMostOnly(1);
  }
  bool saved = false;
  if (quick_) {
    saved = env_.file.SaveRecord(-1, record);
    if (saved) n = env_.file.LastSavedNumber();
    else ForgetQuickMacro();
  } else if (recapture_) {
    saved = env_.file.SaveRecordOver(n, read_, record);
  } else {
    saved = env_.file.SaveRecord(n, record);
  }
  saved_ = saved;
  lastNumber_ = n;
  recapture_ = false;
  SetHotKeys(table, env_.file.hooks());
  env_.host.HotKeysChanged();
  env_.host.BringMainToFront();
  if (hold_ && saved) hold_->Changed();
  hold_.reset();
  if (!quick_ && saved) {
    const std::uint16_t activation = record.Activation();
    env_.ui.ShowMessage(kCaptureTitle,
                        activation == kWordletActivation
                            ? "Tavrix capture is complete for Wordlet: " + env_.file.index().Wordlet(n) + "."
                            : "Tavrix capture is complete for " + HotKeyName(activation) + ".");
  }
  env_.host.ShowMainWindow();
  quick_ = false;
  env_.host.RefreshList(n);
}

}  // namespace tavrix
