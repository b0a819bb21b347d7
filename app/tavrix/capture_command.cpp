// tavrix capture: one capture on a macro file as the program makes it, from
// a stream of bytes the hook library would send or from what the user does
// (fed through the hook library's pipeline), and prints the macro number.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>

#include "app/tavrix/command.h"
#include "app/tavrix/store_tool_support.h"
#include "base/hot_key_table.h"
#include "base/private_messages.h"
#include "capture/capture_session.h"
#include "hook/hook_pipeline.h"
#include "store/recording_hook_library.h"
#include "store/date_time.h"
#include "store/set_hot_keys.h"

namespace tavrix::tool {
namespace {

constexpr const char* kUsage =
    "capture FILE (--quick | --macro N) [--folder DIR] [--no-keys] [--no-double-alt] [--no-mouse] "
    "[--window-relative] [--no-window-size] [--no-time] [--speed 1|2|3|4] [--nickname NAME] [--program] "
    "[--complete hotkey:NAME|wordlet:TEXT] [--yes] (--stream PATH | --events PATH)   "
    "run one capture and print the captured macro number";

constexpr std::uint32_t kToolWindow = 0x1000;  // the main window the library posts to

struct CaptureRequest {
  std::string file;
  bool quick = false;
  int macro = 0;
  std::string folder;
  CaptureSettings options;
  std::optional<std::string> nickname;
  bool program = false;
  std::optional<std::string> complete;
  bool yes = false;
  std::optional<std::string> stream;
  std::optional<std::string> events;
};

class ToolCaptureHost final : public CaptureHost {
 public:
  explicit ToolCaptureHost(NetworkLock& lock) : lock_(lock) {}
  bool TakeFileLock() override { return lock_.TakeFileLock(); }
  void ReleaseFileLock(bool changed) override { lock_.ReleaseFileLock(changed); }
  std::string TopProgram() override { return topProgram; }
  std::string topProgram;

 private:
  NetworkLock& lock_;
};

std::optional<std::string> ParseRequest(const Arguments& args, CaptureRequest& r) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const auto value = [&]() -> std::optional<std::string> {
      if (i + 1 >= args.size()) return std::nullopt;
      return args[++i];
    };
    if (a == "--quick") r.quick = true;
    else if (a == "--no-keys") r.options.keys = false;
    else if (a == "--no-double-alt") r.options.doubleAlt = false;
    else if (a == "--no-mouse") r.options.mouse = false;
    else if (a == "--window-relative") r.options.relativeToScreen = false;
    else if (a == "--no-window-size") r.options.windowSize = false;
    else if (a == "--no-time") r.options.time = false;
    else if (a == "--program") r.program = true;
    else if (a == "--yes") r.yes = true;
    else if (a == "--macro" || a == "--folder" || a == "--speed" || a == "--nickname" || a == "--complete" ||
             a == "--stream" || a == "--events") {
      const auto given = value();
      if (!given) return a + " needs a value";
      if (a == "--macro") {
        r.macro = std::atoi(given->c_str());
        if (r.macro < 1 || r.macro > kMaxMacros || given->find_first_not_of("0123456789") != std::string::npos)
          return "--macro wants a macro number from 1 to 500, not \"" + *given + "\"";
      } else if (a == "--folder") r.folder = *given;
      else if (a == "--speed") {
        if (*given != "1" && *given != "2" && *given != "3" && *given != "4") return "--speed wants 1, 2, 3 or 4";
        r.options.speed = std::atoi(given->c_str());
      } else if (a == "--nickname") r.nickname = *given;
      else if (a == "--complete") {
        if (given->rfind("hotkey:", 0) != 0 && given->rfind("wordlet:", 0) != 0)
          return "--complete wants hotkey:NAME or wordlet:TEXT";
        r.complete = *given;
      } else if (a == "--stream") r.stream = *given;
      else r.events = *given;
    } else if (!a.empty() && a[0] == '-') {
      return "unknown option \"" + a + "\"";
    } else if (r.file.empty()) {
      r.file = a;
    } else {
      return "unexpected argument \"" + a + "\"";
    }
  }
  if (r.file.empty()) return "no macro file given";
  if (r.quick == (r.macro != 0)) return "give one of --quick and --macro N";
  if (r.stream.has_value() == r.events.has_value()) return "give one of --stream PATH and --events PATH";
  r.options.global = !r.program;
  return std::nullopt;
}

// The capture dialog answered as the options say: each box clicked as a
// user would (so the enabling rules apply), then "&Start Capture".
void AnswerCaptureKeys(TCaptureKeys& d, const CaptureRequest& r, ConsoleUi& ui) {
  const auto set = [&](CheckBox& box, bool on) {
    if (box.enabled && box.checked != on) d.Click(box);
  };
  const auto choose = [&](RadioButton& radio) {
    if (radio.enabled) d.Click(radio);
  };
  set(d.keysBox, r.options.keys);
  set(d.doubleAltBox, r.options.doubleAlt);
  set(d.mouseBox, r.options.mouse);
  choose(r.options.relativeToScreen ? d.screenRadio : d.windowRadio);
  set(d.windowSizeBox, r.options.windowSize);
  set(d.timeBox, r.options.time);
  RadioButton* speeds[] = {&d.actualRadio, &d.halfRadio, &d.doubleRadio, &d.quadrupleRadio};
  choose(*speeds[r.options.speed - 1]);
  choose(r.program ? d.programRadio : d.globalRadio);
  if (r.nickname) d.nickName.text = r.nickname->substr(0, 50);
  ui.Click(d, d.startButton);
}

void AnswerCapComplete(TCapComplete& d, const CaptureRequest& r, ConsoleUi& ui, std::ostream& err) {
  if (r.nickname) d.nickName.text = r.nickname->substr(0, 50);
  d.Click(r.program ? d.programRadio : d.globalRadio);
  if (!r.complete) return;
  if (r.complete->rfind("hotkey:", 0) == 0) {
    d.Click(d.hotKeysRadio);
    const auto code = FindHotKey(r.complete->substr(7));
    if (!code) {
      err << "tavrix: no hot key is named \"" << r.complete->substr(7) << "\"\n";
      return;
    }
    d.keyList.itemIndex = *code;
    d.Changed(d.keyList);
  } else {
    d.Click(d.wordletsRadio);
    d.wordletName.text = r.complete->substr(8, 10);
  }
  ui.Click(d, d.okButton);
}

std::optional<std::string> ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Feeds the events of `text` through the hook library's pipeline; what it
// posts to the program goes to the session. The simulated screen is
// 1024x768. Without a session it only reads them: a capture starts only on
// input that reads whole, so a bad line never changes a macro.
std::optional<std::string> PlayEvents(const std::string& text, RecordingHookLibrary& library, CaptureSession* session,
                                      ToolCaptureHost& host) {
  hook::HookPipeline pipeline;
  std::int32_t x = 0, y = 0;
  std::uint32_t time = 0;
  hook::InputEvent front{};
  std::map<std::string, std::uint32_t> windows;
  std::istringstream lines(text);
  std::string line;
  int number = 0;
  const auto deliver = [&](const hook::HookOutcome& outcome) {
    for (const hook::HookPost& post : outcome.posts) {
      if (post.window != kToolWindow || session == nullptr) continue;
      if (post.message == kMsgCaptureChar) session->OnCaptureChar(post.wParam, static_cast<std::uint8_t>(post.lParam));
      if (post.message == kMsgCaptureComplete) session->OnCaptureComplete(post.wParam);
    }
  };
  while (std::getline(lines, line) && (session == nullptr || session->Recording())) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream in(line);
    std::string word;
    if (!(in >> word)) continue;
    const auto bad = [&] { return "line " + std::to_string(number) + ": cannot read \"" + line + "\""; };
    hook::InputEvent event{};
    if (word == "down" || word == "up") {
      int vk = -1;
      if (!(in >> vk) || vk < 1 || vk > 254) return bad();
      event = hook::InputEvent::key(static_cast<std::uint16_t>(vk), word == "up");
    } else if (word == "move") {
      if (!(in >> x >> y)) return bad();
      x = std::clamp(x, 0, 1023);
      y = std::clamp(y, 0, 767);
      continue;
    } else if (word == "button") {
      std::string which, how;
      if (!(in >> which >> how) || (how != "down" && how != "up")) return bad();
      const std::uint8_t b = which == "left" ? 1 : which == "right" ? 2 : which == "middle" ? 3 : 0;
      if (b == 0) return bad();
      event = hook::InputEvent::click(b, how == "up");
    } else if (word == "wheel") {
      int notches = 0;
      if (!(in >> notches) || notches < -32767 || notches > 32767) return bad();
      event = hook::InputEvent::wheelTurn(static_cast<std::int16_t>(notches));
    } else if (word == "wait") {
      long ms = -1;
      if (!(in >> ms) || ms < 0) return bad();
      time += static_cast<std::uint32_t>(ms);
      continue;
    } else if (word == "front") {
      std::string rest;
      std::getline(in, rest);
      std::istringstream fields(rest);
      std::vector<std::string> parts;
      for (std::string p; fields >> p;) parts.push_back(p);
      if (parts.size() < 5) return bad();
      std::string titleAndProgram;
      for (std::size_t k = 0; k + 4 < parts.size(); ++k) titleAndProgram += (k ? " " : "") + parts[k];
      const std::size_t eq = titleAndProgram.rfind('=');
      if (eq == std::string::npos) return bad();
      std::int32_t numbers[4];
      for (int k = 0; k < 4; ++k) {
        const std::string& p = parts[parts.size() - 4 + k];
        if (p.empty() || p.find_first_not_of("-0123456789") != std::string::npos) return bad();
        numbers[k] = std::atoi(p.c_str());
      }
      const std::string title = titleAndProgram.substr(0, eq);
      if (!windows.count(title)) windows[title] = static_cast<std::uint32_t>(windows.size() + 1);
      front.frontWindow = windows[title];
      front.frontLeft = numbers[0];
      front.frontTop = numbers[1];
      front.frontWidth = numbers[2];
      front.frontHeight = numbers[3];
      host.topProgram = titleAndProgram.substr(eq + 1);
      continue;
    } else if (word == "end") {
      if (session != nullptr) session->EndCapture1Click();
      break;
    } else {
      return bad();
    }
    event.x = x;
    event.y = y;
    event.time = time;
    event.frontWindow = front.frontWindow;
    event.frontLeft = front.frontLeft;
    event.frontTop = front.frontTop;
    event.frontWidth = front.frontWidth;
    event.frontHeight = front.frontHeight;
    if (session != nullptr) deliver(pipeline.decide(event, library.libraryState().hookSettings()));
  }
  return std::nullopt;
}

int RunCapture(const Arguments& args, std::ostream& out, std::ostream& err) {
  CaptureRequest r;
  if (const auto problem = ParseRequest(args, r)) {
    err << "tavrix: " << *problem << "\n";
    return 1;
  }
  std::error_code error;
  if (!std::filesystem::is_regular_file(r.file, error)) {
    err << "tavrix: no macro file \"" << r.file << "\"\n";
    return 1;
  }
  if (r.folder.empty()) {
    r.folder = std::filesystem::absolute(r.file, error).parent_path().string();
  }
  std::optional<std::string> source = ReadWhole(r.stream ? *r.stream : *r.events);
  if (!source) {
    err << "tavrix: cannot read \"" << (r.stream ? *r.stream : *r.events) << "\"\n";
    return 1;
  }

  RecordingHookLibrary library;
  ConsoleUi ui(err);
  ui.AnswerYes(r.yes);
  MacroIndex index;
  MacroFile file(index, library, ui, [] { return LocalNow(); });
  NetworkLockHost lockHost;
  NetworkLock lock(ui, [] { return LocalNow(); }, lockHost);
  ToolCaptureHost host(lock);
  if (r.events) {
    if (const auto problem = PlayEvents(*source, library, nullptr, host)) {
      err << "tavrix: " << *problem << "\n";
      return 1;
    }
  }
  file.LoadFile(r.file);
  if (file.State() != MacroFileState::Ready) return 1;
  SharedMacroTable& table = index.table();
  table.SetMainWindow(kToolWindow);
  library.TvxUpInit(table.bytes());
  SetHotKeys(table, library);

  CaptureSession session(CaptureEnvironment{file, ui, SystemCaptureFiles(), host,
                                            [] { return ToDateTimeValue(LocalNow()); }, r.folder});
  ui.AnswerForms([&](Form& form) {
    if (form.Name() == "TCaptureKeys") AnswerCaptureKeys(static_cast<TCaptureKeys&>(form), r, ui);
    if (form.Name() == "TCapComplete") AnswerCapComplete(static_cast<TCapComplete&>(form), r, ui, err);
  });
  const bool started = r.quick ? session.StartACapture(r.options) : session.DoCapture(r.macro, r.options);
  if (!started) {
    if (!r.quick && ui.MessageCount() == 0)
      err << "tavrix: macro " << r.macro << " cannot be recaptured (only a macro with a hot key or a Wordlet that is "
          << "neither SYSTEM nor a popup menu)\n";
    return 1;
  }
  const int n = table.CaptureMacro();
  if (r.stream) {
    for (const char c : *source) session.OnCaptureChar(static_cast<std::uint32_t>(n), static_cast<std::uint8_t>(c));
    session.OnCaptureComplete(static_cast<std::uint32_t>(n));
  } else {
    PlayEvents(*source, library, &session, host);
    if (session.Recording()) session.EndCapture1Click();
  }
  if (!session.Saved()) {
    err << "tavrix: the capture was not saved\n";
    return 1;
  }
  out << session.LastNumber() << "\n";
  return 0;
}

}  // namespace

TAVRIX_COMMAND("capture", kUsage, RunCapture);

}  // namespace tavrix::tool
