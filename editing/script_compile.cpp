#include "editing/script_compile.h"

#include <cmath>
#include <cstdio>

#include "editing/command_names.h"
#include "playback/date_time_formats.h"

namespace tavrix {

namespace {

namespace lk = line_kind;

constexpr std::string_view kCurrentMarker = "\"CURRENT\"";

// Two decimals, with one "0" in front when that makes 4 characters into 5.
std::string TwoDecimalField(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.2f", value);
  std::string text = buffer;
  return text.size() == 4 ? "0" + text : text;
}

std::string Tag(std::string_view name, std::string_view body) {
  return std::string(name) + std::string(body) + ">";
}

std::string ProgramPart(const ProgramRecord& r) {
  return r.parameters.empty() ? r.path : r.path + "<PARAM>" + r.parameters;
}

std::string Window(const std::string& title, bool current) { return current ? std::string(kCurrentMarker) : title; }

std::string MouseButtonTag(int kind, int action) {
  static constexpr std::string_view kTags[] = {"<LCLK>", "<LDCLK>", "<LDN>",  "<LUP>",  "<RCLK>",  "<RDCLK>",
                                               "<RDN>",  "<RUP>",   "<MCLK>", "<MDCLK>", "<MDN>", "<MUP>"};
  if (action < 2 || action > 13) return {};
  const int button = (action - 2) / 4;  // 0 left, 1 right, 2 middle
  if (button != kind - lk::LeftMouseButton) return {};
  return std::string(kTags[action - 2]);
}

std::string KeyTag(int kind, int keyCode) {
  static constexpr std::string_view kDown[] = {"<CTLD>", "<ALTD>", "<SHFD>", "<WIND>"};
  static constexpr std::string_view kUp[] = {"<CTLU>", "<ALTU>", "<SHFU>", "<WINU>"};
  const int key = kind - lk::ControlKey;
  const bool down = keyCode == 1 || keyCode == 3 || keyCode == 5 || keyCode == 7;
  return std::string(down ? kDown[key] : kUp[key]);
}

std::string DateTag(const DateTimeRecord& r) {
  if (r.format < 1 || r.format > static_cast<int>(DateFormatNames.size())) return {};
  std::string tag = "<";
  tag += DateFormatNames[r.format - 1];
  tag += r.leadingZeros ? "{Y" : "{N";
  tag += r.future ? "F" : "P";
  return tag + Padded(r.dayOffset, 3) + "}>";
}

std::string TimeTag(const DateTimeRecord& r) {
  if (r.format < 1 || r.format > static_cast<int>(TimeFormatNames.size())) return {};
  std::string tag = "<";
  tag += TimeFormatNames[r.format - 1];
  return tag + (r.leadingZeros ? "{Y}>" : "{N}>");
}

template <typename Record>
const Record* As(const ScriptRecord& record) {
  return std::get_if<Record>(&record);
}

std::string CompileWindowCommand(int kind, const WindowCommandRecord& r) {
  std::string_view name;
  switch (kind) {
    case lk::MaximizeWindow: name = "<WMAX:"; break;
    case lk::MinimizeWindow: name = "<WMIN:"; break;
    case lk::RestoreWindow: name = "<WRES:"; break;
    case lk::CloseWindow: name = "<WCLS:"; break;
    case lk::HideWindow: name = "<WHIDE:"; break;
    case lk::ShowWindow: name = "<WSHOW:"; break;
    default: name = "<WSHUT:"; break;
  }
  return Tag(name, Window(r.title, r.currentWindow));
}

}  // namespace

std::string Padded(long long number, std::size_t width) {
  std::string digits = std::to_string(number);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

std::string CompileLine(int kind, const ScriptRecord& record) {
  if (const auto* r = As<TextRecord>(record)) return r->text;
  if (const auto* r = As<DateTimeRecord>(record)) return kind == lk::Date ? DateTag(*r) : TimeTag(*r);
  if (const auto* r = As<DelayRecord>(record)) {
    if (r->unit == 1.0) return Tag("<DELAY:", TwoDecimalField(r->amount));
    return Tag("<MSD:", Padded(std::llround(r->amount), 4));
  }
  if (const auto* r = As<PauseRecord>(record)) {
    if (r->pauseKind == 1) return "<PAUSE>";
    return Tag("<PAUSE:", Padded(r->top, 3) + "," + Padded(r->left, 3) + r->message);
  }
  if (const auto* r = As<RepeatRecord>(record)) {
    switch (kind) {
      case lk::RepeatStart: return Tag("<REPEAT:", Padded(r->number, 4));
      case lk::RepeatEnd: return "<ENDREP>";
      case lk::RepeatPromptStart: return "<PROMPTREP>";
      default:
        static constexpr std::string_view kCounters[] = {"<I>", "<II>", "<III>", "<IIII>"};
        if (r->number < 1 || r->number > 4) return {};
        return std::string(kCounters[r->number - 1]);
    }
  }
  if (const auto* r = As<SpeedRecord>(record)) {
    if (kind == lk::PlaybackSpeed) return Tag("<SPEED:", TwoDecimalField(r->factor));
    return Tag(kind == lk::KeystrokeSpeed ? "<SPKEY:" : "<SPMSE:", Padded(r->milliseconds, 4));
  }
  if (const auto* r = As<ProgramRecord>(record)) {
    switch (kind) {
      case lk::ActivateWindow: return Tag("<ACTIVATE:", r->title);
      case lk::LaunchProgram: return Tag("<LAUNCH:", ProgramPart(*r));
      default:
        return Tag(kind == lk::ActivateOrLaunch ? "<LAUNCHYES:" : "<LAUNCHNO:",
                   Padded(r->waitNumber, 2) + r->title + "<LAUNCH:" + ProgramPart(*r));
    }
  }
  if (const auto* r = As<SoundRecord>(record)) {
    if (kind == lk::SoundBeep) return "<BEEP>";
    return Tag(r->waveFlag ? "<WAV1:" : "<WAV2:", r->file);
  }
  if (const auto* r = As<NameRecord>(record)) {
    switch (kind) {
      case lk::LoadMacroFile: return Tag("<SWAP:", r->name);
      case lk::LoadTextFile: return Tag("<TFILE:", r->name);
      case lk::Remark: return Tag("<REM:", r->name);
      case lk::WebSite: return Tag("<HTTP:", r->name);
      default: return Tag("<FTP:", r->name);
    }
  }
  if (const auto* r = As<WindowSizeRecord>(record)) {
    return Tag(kind == lk::ResizeWindow ? "<WSIZE:" : "<WPOS:",
               Padded(r->first, 4) + "," + Padded(r->second, 4) + Window(r->title, r->currentWindow));
  }
  if (const auto* r = As<WindowCommandRecord>(record)) return CompileWindowCommand(kind, *r);
  if (const auto* r = As<MouseRecord>(record)) {
    switch (kind) {
      case lk::MouseMove:
        return Tag(r->windowRelative ? "<MMW:" : "<MMS:", Padded(r->x, 5) + "," + Padded(r->y, 5));
      case lk::MouseWheel:
        return Tag(r->action == mouse_action::WheelForward ? "<WFW:" : "<WBW:", Padded(r->amount, 3));
      default: return MouseButtonTag(kind, r->action);
    }
  }
  if (const auto* r = As<ClipboardRecord>(record)) {
    switch (kind) {
      case lk::ClipboardCopy: return "<CLIPC>";
      case lk::ClipboardPaste: return "<CLIPP>";
      case lk::ClipboardStartCopy: return "<BEGCLIP>";
      case lk::ClipboardEndCopy: return "<ENDCLIP>";
      default: return Tag("<CLIPF:", r->file);
    }
  }
  if (const auto* r = As<KeyRecord>(record)) return KeyTag(kind, r->keyCode);
  if (const auto* r = As<FileRecord>(record)) {
    switch (kind) {
      case lk::ChangeFolder: return Tag("<CHDIR:", r->firstPath);
      case lk::DeleteFile: return Tag("<DELFILE:", r->firstPath);
      case lk::CopyFile: return Tag("<COPYFILE:", r->firstPath + ";" + r->secondPath);
      default: return Tag("<RENFILE:", r->firstPath + ";" + r->secondPath);
    }
  }
  return {};
}

std::string CompileScript(const std::vector<ScriptLine>& lines) {
  std::string out;
  for (const ScriptLine& line : lines) {
    const int kind = LineKindOf(line.display);
    if (kind != line_kind::None) out += CompileLine(kind, line.record);
  }
  return out;
}

}  // namespace tavrix
