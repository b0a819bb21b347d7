#include "editing/script_view.h"

#include <cmath>
#include <cstdio>

#include "editing/command_names.h"
#include "playback/date_time_text.h"
#include "playback/field_conversion.h"
#include "playback/macro_text_recognizer.h"

namespace tavrix {

namespace {

namespace lk = line_kind;

// A run longer than this shows its first kRunShown characters and "...".
constexpr std::size_t kRunShownWhole = 53;
constexpr std::size_t kRunShown = 50;
// Remarks (and addresses typed into their dialog) longer than this show
// their first kLongTextShown characters and "...".
constexpr std::size_t kLongTextShownWhole = 43;
constexpr std::size_t kLongTextShown = 40;
constexpr std::string_view kCurrentMarker = "\"CURRENT\"";
constexpr std::size_t kBeginClipLength = 9;  // "<BEGCLIP>"

std::string Name(int kind) { return std::string(CommandName(kind)); }

std::string Shortened(std::string_view text, std::size_t whole, std::size_t shown) {
  if (text.size() <= whole) return std::string(text);
  return std::string(text.substr(0, shown)) + "...";
}

std::string Decimals2(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.2f", value);
  return buffer;
}

std::string WholeNumberText(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.0f", value);
  return buffer;
}

// A factor with two decimals, then ".00" dropped, or a final "0" after one
// decimal dropped.
std::string FactorText(double factor) {
  std::string text = Decimals2(factor);
  if (text.ends_with(".00")) {
    text.resize(text.size() - 3);
  } else if (text.size() >= 3 && text.back() == '0' && text[text.size() - 3] == '.') {
    text.pop_back();
  }
  return text;
}

std::string PlaybackSpeedDisplay(double factor) {
  std::string text = Name(lk::PlaybackSpeed);
  if (factor == 0.0) return text + ": No Speed";
  if (factor == 1.0) return text + ": Normal Speed";
  if (factor > 1.0) return text + ": " + FactorText(factor) + " Times Slower Than Normal";
  return text + ": " + FactorText(1.0 / factor) + " Times Faster Than Normal";
}

std::string DateTimeDisplay(const DateTimeRecord& r) {
  if (!r.isDate) return Name(lk::Time) + ": " + std::string(TimeFormatNames.at(r.format - 1)) + "  (" +
                        TimeFormatExample(r.format) + ")";
  std::string offset;
  if (r.dayOffset != 0) {
    offset = " (" + std::to_string(r.dayOffset) + (r.dayOffset == 1 ? " day" : " days") +
             (r.future ? " in future)" : " in past)");
  }
  return Name(lk::Date) + offset + ": " + std::string(DateFormatNames.at(r.format - 1)) + "  (" +
         DateFormatExample(r.format) + ")";
}

std::string MouseDisplay(int kind, const MouseRecord& r) {
  const std::string name = Name(kind);
  switch (r.action) {
    case mouse_action::Move:
      return name + (r.windowRelative ? " Window " : " Screen ") + std::to_string(r.x) + "," + std::to_string(r.y);
    case mouse_action::WheelForward: return name + " " + std::to_string(r.amount) + " Clicks Forward";
    case mouse_action::WheelBackward: return name + " " + std::to_string(r.amount) + " Clicks Backward";
    default: break;
  }
  // Button actions come in fours per button: click, double click, down, up.
  static constexpr std::string_view kButtonActions[] = {" Click", " Double Click", " Down", " Up"};
  if (r.action < mouse_action::LeftClick || r.action > mouse_action::MiddleUp) return name;
  return name + std::string(kButtonActions[(r.action - mouse_action::LeftClick) % 4]);
}

std::string SizeDisplay(int kind, const WindowSizeRecord& r) {
  const std::string window = r.currentWindow ? " - Current Win" : " - \"" + r.title + "\"";
  const bool size = kind == lk::ResizeWindow;
  return Name(kind) + window + (size ? " (Width: " : " (Left: ") + std::to_string(r.first) +
         (size ? " Height: " : " Top: ") + std::to_string(r.second) + ")";
}

std::string ProgramDisplay(int kind, const ProgramRecord& r, DisplayStyle style) {
  if (kind == lk::ActivateWindow) return Name(kind) + ": \"" + r.title + "\"";
  if (kind == lk::ActivateOrLaunch && style == DisplayStyle::FromDialog) {
    return Name(kind) + ": \"" + r.title + "\" OR " + std::string(NamePart(r.path));
  }
  return Name(kind) + ": " + std::string(NamePart(r.path));
}

std::string NameRecordDisplay(int kind, const NameRecord& r, DisplayStyle style) {
  switch (kind) {
    case lk::Remark: return Name(kind) + ": " + Shortened(r.name, kLongTextShownWhole, kLongTextShown);
    case lk::WebSite:
    case lk::WebFtp:
      if (style == DisplayStyle::FromDialog) {
        return Name(kind) + ": " + Shortened(r.name, kLongTextShownWhole, kLongTextShown);
      }
      return Name(kind) + ": " + r.name;
    default: return Name(kind) + ": " + std::string(NamePart(r.name));
  }
}

std::string FileDisplay(int kind, const FileRecord& r) {
  if (kind == lk::ChangeFolder) return Name(kind) + ": " + r.firstPath;
  return Name(kind) + ": " + std::string(NamePart(r.firstPath));
}

}  // namespace

std::string_view NamePart(std::string_view path) {
  const std::size_t slash = path.rfind('\\');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string DateFormatExample(int format) {
  const LocalDateTime example{1998, 3, 30, 15, 4, 23, 0};
  return DateText(example, format, true, 0);
}

std::string TimeFormatExample(int format) {
  const LocalDateTime example{1998, 3, 30, 15, 4, 23, 0};
  return TimeText(example, format, false);
}

std::string LineDisplay(int kind, const ScriptRecord& record, DisplayStyle style) {
  const std::string name = Name(kind);
  if (const auto* text = std::get_if<TextRecord>(&record)) {
    // A run is always cut to 50 characters; only past 53 does it say so.
    return name + ": " + text->text.substr(0, kRunShown) + (text->text.size() > kRunShownWhole ? "..." : "");
  }
  if (const auto* r = std::get_if<DateTimeRecord>(&record)) return DateTimeDisplay(*r);
  if (const auto* r = std::get_if<DelayRecord>(&record)) {
    if (r->unit == 1.0) return name + " " + Decimals2(r->amount) + " Seconds";
    return name + " " + WholeNumberText(r->amount) + " Milliseconds";
  }
  if (const auto* r = std::get_if<PauseRecord>(&record)) return name + (r->pauseKind == 1 ? ": Basic" : ": Complex");
  if (const auto* r = std::get_if<RepeatRecord>(&record)) {
    switch (kind) {
      case lk::RepeatStart: return name + ": " + std::to_string(r->number);
      case lk::RepeatCounter: return name + ": Width " + std::to_string(r->number);
      case lk::RepeatPromptStart: return name + ": (prompt for repeat count at macro play time)";
      default: return name;
    }
  }
  if (const auto* r = std::get_if<SpeedRecord>(&record)) {
    if (kind == lk::PlaybackSpeed) return PlaybackSpeedDisplay(r->factor);
    return name + ": " + std::to_string(r->milliseconds) + " Milliseconds";
  }
  if (const auto* r = std::get_if<ProgramRecord>(&record)) return ProgramDisplay(kind, *r, style);
  if (const auto* r = std::get_if<SoundRecord>(&record)) {
    return r->soundKind == 1 ? name : name + ": " + std::string(NamePart(r->file));
  }
  if (const auto* r = std::get_if<NameRecord>(&record)) return NameRecordDisplay(kind, *r, style);
  if (const auto* r = std::get_if<WindowSizeRecord>(&record)) return SizeDisplay(kind, *r);
  if (const auto* r = std::get_if<WindowCommandRecord>(&record)) {
    if (r->currentWindow) return name + (style == DisplayStyle::FromDialog ? " - Current Window" : " - Current Win");
    return name + " - Window Title: " + r->title;
  }
  if (const auto* r = std::get_if<MouseRecord>(&record)) return MouseDisplay(kind, *r);
  if (const auto* r = std::get_if<ClipboardRecord>(&record)) {
    return kind == lk::ClipboardFileCopy ? name + ": " + std::string(NamePart(r->file)) : name;
  }
  if (const auto* r = std::get_if<KeyRecord>(&record)) return name + (r->keyCode % 2 == 1 ? " Down" : " Up");
  if (const auto* r = std::get_if<FileRecord>(&record)) return FileDisplay(kind, *r);
  return name;
}

namespace {

// The script lines as the scan makes them: keystrokes gather in a run that
// becomes one text line when a command comes or the text ends.
class ScriptBuilder {
 public:
  explicit ScriptBuilder(std::string_view text) : text_(text) {}

  std::vector<ScriptLine> Build() {
    std::size_t p = 0;
    while (p < text_.size()) p = Step(p);
    Flush();
    return std::move(lines_);
  }

 private:
  void Flush() {
    if (run_.empty()) return;
    Add(lk::Text, TextRecord{run_});
    run_.clear();
  }

  void Add(int kind, ScriptRecord record) {
    std::string display = LineDisplay(kind, record);
    lines_.push_back({std::move(display), std::move(record)});
  }

  void Command(int kind, ScriptRecord record) {
    Flush();
    Add(kind, std::move(record));
  }

  static bool HasFreeText(ElementKind kind) {
    switch (kind) {
      case ElementKind::PauseMessage: case ElementKind::Remark: case ElementKind::TextFile:
      case ElementKind::Swap: case ElementKind::Activate: case ElementKind::Launch:
      case ElementKind::LaunchWait: case ElementKind::LaunchOrActivate: case ElementKind::WindowQuit:
      case ElementKind::WindowHide: case ElementKind::WindowShow: case ElementKind::WindowMaximize:
      case ElementKind::WindowMinimize: case ElementKind::WindowRestore: case ElementKind::WindowClose:
      case ElementKind::WindowSize: case ElementKind::WindowPosition: case ElementKind::ClipboardFile:
      case ElementKind::Http: case ElementKind::Ftp: case ElementKind::WaveWait: case ElementKind::WaveNoWait:
      case ElementKind::ChangeFolder: case ElementKind::DeleteFile: case ElementKind::CopyFile:
      case ElementKind::RenameFile:
        return true;
      default:
        return false;
    }
  }

  // One element at `p`; the position after it.
  std::size_t Step(std::size_t p) {
    if (text_[p] != '<') {
      run_ += text_[p];
      return p + 1;
    }
    MacroElement e = RecognizeElement(text_, p);
    std::size_t next = p + e.length;
    // A free text that no ">" closes runs up to, not including, the last
    // character of the macro text, and nothing is read after it.
    if (HasFreeText(e.kind) && next >= text_.size() && text_.back() != '>') {
      e = RecognizeElement(text_.substr(0, text_.size() - 1), p);
      next = text_.size();
    }
    switch (e.kind) {
      case ElementKind::Key: case ElementKind::OneShotShift: case ElementKind::OneShotCtrl:
      case ElementKind::OneShotAlt: case ElementKind::AltCode:
        run_ += text_.substr(p, e.length);
        return next;
      case ElementKind::Character: case ElementKind::MouseKey: case ElementKind::Test:
        // Not a command of the script: its "<" and the rest are keystrokes.
        run_ += '<';
        return p + 1;
      case ElementKind::ClipboardBlock:
        // The editor shows the start of the copy as a line and reads on.
        Command(lk::ClipboardStartCopy, ClipboardRecord{1, {}});
        return p + kBeginClipLength;
      default:
        AddCommand(e);
        return next;
    }
  }

  static std::string S(std::string_view text) { return std::string(text); }

  static int KeyCode(const MacroElement& e) {
    const int base = e.key == 17 ? 1 : e.key == 18 ? 3 : e.key == 16 ? 5 : 7;
    return e.kind == ElementKind::KeyDown ? base : base + 1;
  }

  static int ButtonAction(const MacroElement& e) {
    static constexpr int kActions[3][4] = {{4, 5, 2, 3}, {8, 9, 6, 7}, {12, 13, 10, 11}};
    return kActions[static_cast<int>(e.button)][static_cast<int>(e.action)];
  }

  void WindowCommand(int kind, int code, const MacroElement& e) {
    const bool current = e.text == kCurrentMarker;
    Command(kind, WindowCommandRecord{current ? std::string() : S(e.text), code, current});
  }

  void WindowSize(int kind, int sizeKind, const MacroElement& e) {
    const bool current = e.text == kCurrentMarker;
    Command(kind, WindowSizeRecord{current ? std::string() : S(e.text), sizeKind, current, e.number, e.number2});
  }

  void AddCommand(const MacroElement& e) {
    using EK = ElementKind;
    switch (e.kind) {
      case EK::KeyDown: case EK::KeyUp: {
        const int code = KeyCode(e);
        return Command(lk::ControlKey + (code - 1) / 2, KeyRecord{code});
      }
      case EK::MouseButton:
        return Command(lk::LeftMouseButton + static_cast<int>(e.button), MouseRecord{0, 0, 0, ButtonAction(e), true});
      case EK::WheelForward:
        return Command(lk::MouseWheel, MouseRecord{0, 0, e.number, mouse_action::WheelForward, true});
      case EK::WheelBackward:
        return Command(lk::MouseWheel, MouseRecord{0, 0, e.number, mouse_action::WheelBackward, true});
      case EK::MoveOnScreen: return Command(lk::MouseMove, MouseRecord{e.number, e.number2, 0, 1, false});
      case EK::MoveInWindow: return Command(lk::MouseMove, MouseRecord{e.number, e.number2, 0, 1, true});
      case EK::PauseMessage: return Command(lk::Pause, PauseRecord{2, e.number, e.number2, S(e.text)});
      case EK::Pause: return Command(lk::Pause, PauseRecord{1, 0, 0, {}});
      case EK::Delay: return Command(lk::Delay, DelayRecord{1.0, LeadingDecimal(e.field)});
      case EK::MillisecondDelay: return Command(lk::Delay, DelayRecord{2.0, static_cast<double>(e.number)});
      case EK::WindowHide: return WindowCommand(lk::HideWindow, 5, e);
      case EK::WindowShow: return WindowCommand(lk::ShowWindow, 6, e);
      case EK::WindowMaximize: return WindowCommand(lk::MaximizeWindow, 1, e);
      case EK::WindowMinimize: return WindowCommand(lk::MinimizeWindow, 2, e);
      case EK::WindowClose: return WindowCommand(lk::CloseWindow, 4, e);
      case EK::WindowRestore: return WindowCommand(lk::RestoreWindow, 3, e);
      case EK::WindowQuit: return WindowCommand(lk::ShutDownProgram, 7, e);
      case EK::WindowSize: return WindowSize(lk::ResizeWindow, 1, e);
      case EK::WindowPosition: return WindowSize(lk::RepositionWindow, 2, e);
      case EK::Counter: return Command(lk::RepeatCounter, RepeatRecord{4, e.number});
      case EK::Repeat: return Command(lk::RepeatStart, RepeatRecord{1, e.number});
      case EK::PromptRepeat: return Command(lk::RepeatPromptStart, RepeatRecord{2, 0});
      case EK::EndRepeat: return Command(lk::RepeatEnd, RepeatRecord{3, 0});
      case EK::EndClipboard: return Command(lk::ClipboardEndCopy, ClipboardRecord{2, {}});
      case EK::ClipboardCopy: return Command(lk::ClipboardCopy, ClipboardRecord{4, {}});
      case EK::ClipboardPaste: return Command(lk::ClipboardPaste, ClipboardRecord{5, {}});
      case EK::ClipboardFile: return Command(lk::ClipboardFileCopy, ClipboardRecord{3, S(e.text)});
      case EK::WaveWait: return Command(lk::SoundWaveFile, SoundRecord{2, S(e.text), true});
      case EK::WaveNoWait: return Command(lk::SoundWaveFile, SoundRecord{2, S(e.text), false});
      case EK::Beep: return Command(lk::SoundBeep, SoundRecord{1, {}, true});
      case EK::Speed: return Command(lk::PlaybackSpeed, SpeedRecord{3, 0, LeadingDecimal(e.field)});
      case EK::KeyDelay: return Command(lk::KeystrokeSpeed, SpeedRecord{1, e.number, 1.0});
      case EK::MouseDelay: return Command(lk::MouseSpeed, SpeedRecord{2, e.number, 1.0});
      case EK::ChangeFolder: return Command(lk::ChangeFolder, FileRecord{1, S(e.text), {}});
      case EK::DeleteFile: return Command(lk::DeleteFile, FileRecord{4, S(e.text), {}});
      case EK::CopyFile: return Command(lk::CopyFile, FileRecord{2, S(e.text), S(e.text2)});
      case EK::RenameFile: return Command(lk::RenameFile, FileRecord{3, S(e.text), S(e.text2)});
      case EK::Swap: return Command(lk::LoadMacroFile, NameRecord{S(e.text)});
      case EK::Http: return Command(lk::WebSite, NameRecord{S(e.text)});
      case EK::Ftp: return Command(lk::WebFtp, NameRecord{S(e.text)});
      case EK::Remark: return Command(lk::Remark, NameRecord{S(e.text)});
      case EK::TextFile: return Command(lk::LoadTextFile, NameRecord{S(e.text)});
      case EK::Activate: return Command(lk::ActivateWindow, ProgramRecord{1, S(e.text), {}, {}, 0});
      case EK::Launch: return Command(lk::LaunchProgram, ProgramRecord{2, {}, S(e.text), S(e.text2), 0});
      case EK::LaunchWait:
        return Command(lk::LaunchAndActivate, ProgramRecord{3, S(e.title), S(e.text), S(e.text2), e.number});
      case EK::LaunchOrActivate:
        return Command(lk::ActivateOrLaunch, ProgramRecord{4, S(e.title), S(e.text), S(e.text2), e.number});
      case EK::Date:
        return Command(lk::Date, DateTimeRecord{true, e.number, e.leadingZeros, e.future, std::abs(e.number2)});
      case EK::Time: return Command(lk::Time, DateTimeRecord{false, e.number, e.leadingZeros, true, 0});
      default: return;
    }
  }

  std::string_view text_;
  std::string run_;
  std::vector<ScriptLine> lines_;
};

std::string_view WithoutLeadingSpaces(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

constexpr std::string_view kKeyNames[] = {"Control Key", "Alt Key", "Shift Key", "Win Key"};

int Matches(std::string_view line, std::initializer_list<std::string_view> starts, std::string_view keySuffix) {
  int count = 0;
  for (const std::string_view start : starts) count += line.starts_with(start) ? 1 : 0;
  for (const std::string_view key : kKeyNames) {
    count += line.starts_with(key) && line.substr(key.size()).starts_with(keySuffix) ? 1 : 0;
  }
  return count;
}

}  // namespace

std::vector<ScriptLine> BuildTheScript(std::string_view macroText) {
  return ScriptBuilder(macroText.substr(0, macroText.find('\0'))).Build();
}

void IndentScript(std::vector<ScriptLine>& lines) {
  int depth = 0;
  for (ScriptLine& line : lines) {
    const std::string bare(WithoutLeadingSpaces(line.display));
    depth -= 3 * Matches(bare, {"Repeat End", "Clipboard End Copy"}, " Up");
    if (depth < 0) depth = 0;
    line.display = std::string(static_cast<std::size_t>(depth), ' ') + bare;
    depth += 3 * Matches(bare, {"Clipboard Start Copy", "Repeat Start", "Repeat Prompt Start"}, " Down");
  }
}

}  // namespace tavrix
