// tavrix play: plays a macro text on the simulated desktop and prints what it
// did, one event a line.
#include <cstdio>
#include <ctime>
#include <fstream>
#include <optional>
#include <ostream>
#include <sstream>

#include "base/hot_key_table.h"
#include "app/tavrix/command.h"
#include "app/tavrix/desktop_options.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_ui.h"
#include "playback/desktop_playback_commands.h"
#include "playback/pause_box.h"
#include "playback/player.h"
#include "playback/repeat_prompt.h"
#include "store/macro_record.h"

namespace tavrix::tool {

namespace {

constexpr const char* Usage =
    "play [--now \"YYYY-MM-DD HH:MM:SS\"] [--caps] [--answer resume|abort] [--repeat N] "
    "[--screen WxH] [[--hidden] --window \"TITLE=PROGRAM.EXE\"]... "
    "(--text TEXT | --text-file PATH | --file FILE --macro N)";

struct PlayOptions {
  std::optional<LocalDateTime> now;
  bool caps = false;
  bool resume = true;
  std::uint16_t repeat = 1;
  std::optional<std::string> text;
  std::optional<std::string> textFile;
  std::optional<std::string> macroFile;
  std::optional<int> macroNumber;
  DesktopOptions desktop;
};

// What the macro to play turned out to be.
struct MacroToPlay {
  std::string text;
  std::string nickname;
  std::uint16_t activation = 0;
};

class ToolHost : public WindowlessPlayerHost {
 public:
  std::string HotKeyName(std::uint16_t code) override { return tavrix::HotKeyName(code); }
};

std::optional<int> WholeNumber(const std::string& text, int low, int high) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value < low || value > high) return std::nullopt;
  return value;
}

std::optional<LocalDateTime> ParseDateTime(const std::string& text) {
  // YYYY-MM-DD HH:MM:SS
  if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':' ||
      text[16] != ':') {
    return std::nullopt;
  }
  const auto part = [&](std::size_t at, std::size_t width, int low, int high) {
    return WholeNumber(text.substr(at, width), low, high);
  };
  const auto year = part(0, 4, 1, 9999);
  const auto month = part(5, 2, 1, 12);
  const auto day = part(8, 2, 1, 31);
  const auto hour = part(11, 2, 0, 23);
  const auto minute = part(14, 2, 0, 59);
  const auto second = part(17, 2, 0, 59);
  if (!year || !month || !day || !hour || !minute || !second) return std::nullopt;
  static const int daysIn[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (*year % 4 == 0 && *year % 100 != 0) || *year % 400 == 0;
  if (*day > daysIn[*month - 1] || (*month == 2 && *day == 29 && !leap)) return std::nullopt;
  return LocalDateTime{*year, *month, *day, *hour, *minute, *second, 0};
}

LocalDateTime RealLocalTime() {
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  if (!local) return LocalDateTime{};
  return LocalDateTime{local->tm_year + 1900, local->tm_mon + 1, local->tm_mday, local->tm_hour,
                       local->tm_min, local->tm_sec, 0};
}

// Parses the arguments; an error message when they are not usable.
std::optional<std::string> ParseOptions(const Arguments& arguments, PlayOptions& options) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string desktopError;
    if (TakeDesktopOption(arguments, i, options.desktop, desktopError)) {
      if (!desktopError.empty()) return desktopError;
      continue;
    }
    const std::string& name = arguments[i];
    const auto value = [&]() -> std::optional<std::string> {
      if (i + 1 >= arguments.size()) return std::nullopt;
      return arguments[++i];
    };
    if (name == "--caps") {
      options.caps = true;
      continue;
    }
    if (name != "--now" && name != "--answer" && name != "--repeat" && name != "--text" &&
        name != "--text-file" && name != "--file" && name != "--macro") {
      return "unknown option \"" + name + "\"";
    }
    const std::optional<std::string> given = value();
    if (!given) return name + " needs a value";
    if (name == "--now") {
      options.now = ParseDateTime(*given);
      if (!options.now) return "--now wants a date and time as \"YYYY-MM-DD HH:MM:SS\", not \"" + *given + "\"";
    } else if (name == "--answer") {
      if (*given != "resume" && *given != "abort") return "--answer wants resume or abort, not \"" + *given + "\"";
      options.resume = *given == "resume";
    } else if (name == "--repeat") {
      const auto count = WholeNumber(*given, 0, 65535);
      if (!count) return "--repeat wants a whole number from 0 to 65535, not \"" + *given + "\"";
      options.repeat = static_cast<std::uint16_t>(*count);
    } else if (name == "--text") {
      options.text = *given;
    } else if (name == "--text-file") {
      options.textFile = *given;
    } else if (name == "--file") {
      options.macroFile = *given;
    } else {
      const auto number = WholeNumber(*given, 1, kMaxMacros);
      if (!number) return "--macro wants a macro number from 1 to 500, not \"" + *given + "\"";
      options.macroNumber = *number;
    }
  }
  if (const auto problem = CheckDesktopOptions(options.desktop)) return problem;
  const int sources = options.text.has_value() + options.textFile.has_value() + options.macroFile.has_value();
  if (sources == 0) return "no macro text given: use --text, --text-file or --file with --macro";
  if (sources > 1) return "give only one of --text, --text-file and --file";
  if (options.macroFile.has_value() != options.macroNumber.has_value()) return "--file and --macro go together";
  return std::nullopt;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::ostringstream contents;
  contents << file.rdbuf();
  if (file.bad()) return std::nullopt;
  return contents.str();
}

// The macro text as a record would hold it: up to the first NUL, and no
// longer than a record's text area.
std::optional<std::string> CheckMacroText(std::string text, std::string& error) {
  text = text.substr(0, text.find('\0'));
  if (text.size() > kMaxMacroText) {
    error = "the macro text has " + std::to_string(text.size()) + " characters; a macro text holds at most " +
            std::to_string(kMaxMacroText);
    return std::nullopt;
  }
  return text;
}

std::optional<MacroToPlay> ReadMacroFromFile(const std::string& path, int number, std::string& error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    error = "cannot open the macro file \"" + path + "\"";
    return std::nullopt;
  }
  MacroRecord record;
  file.seekg(static_cast<std::streamoff>(number - 1) * static_cast<std::streamoff>(kMacroRecordSize));
  file.read(reinterpret_cast<char*>(record.bytes().data()), static_cast<std::streamsize>(kMacroRecordSize));
  if (file.gcount() != static_cast<std::streamsize>(kMacroRecordSize)) {
    error = "the macro file \"" + path + "\" holds no macro " + std::to_string(number);
    return std::nullopt;
  }
  if (record.Scope() == kScopePopupMenu) {
    error = "macro " + std::to_string(number) + " is a popup menu and has no macro text to play";
    return std::nullopt;
  }
  return MacroToPlay{record.MacroText(), record.NickName(), record.Activation()};
}

std::optional<MacroToPlay> FindMacro(const PlayOptions& options, std::string& error) {
  if (options.macroFile) return ReadMacroFromFile(*options.macroFile, *options.macroNumber, error);
  std::string text;
  if (options.text) {
    text = *options.text;
  } else {
    const std::optional<std::string> contents = ReadWholeFile(*options.textFile);
    if (!contents) {
      error = "cannot read the text file \"" + *options.textFile + "\"";
      return std::nullopt;
    }
    text = *contents;
  }
  std::optional<std::string> checked = CheckMacroText(std::move(text), error);
  if (!checked) return std::nullopt;
  return MacroToPlay{*checked, "", 0};
}

int Play(const Arguments& arguments, std::ostream& out, std::ostream& err) {
  PlayOptions options;
  if (const auto problem = ParseOptions(arguments, options)) {
    err << "tavrix play: " << *problem << "\n";
    return 1;
  }
  std::string error;
  const std::optional<MacroToPlay> macro = FindMacro(options, error);
  if (!macro) {
    err << "tavrix play: " << error << "\n";
    return 1;
  }

  SimDesktop desktop;
  SetUpDesktop(desktop, options.desktop);
  desktop.SetClock(options.now ? *options.now : RealLocalTime());
  desktop.SetCapsLock(options.caps);
  // The macro's files start as the real ones; what it copies, renames or
  // deletes changes only the simulated world, which its later reads see.
  desktop.SetReadsRealFiles(true);
  SimUi ui(desktop.Trace());
  ui.AnswerFormAlways(TPauseMacro::kName, ui.Answer(options.resume ? "ResumeButton" : "AbortButton"));
  ui.AnswerFormAlways(TRepeatPrompt::kName, ui.Answer("OkButton", {{"CountEdit", std::to_string(options.repeat)}}));
  ToolHost host;
  DesktopPlaybackCommands commands(desktop, [&](const std::string& path) {
    desktop.Trace().Add("swap " + EscapeTraceText(path));
  });
  Player player(desktop, ui, host, commands);
  player.SetMacro(macro->nickname, macro->activation);
  player.State().capsLockToggled = options.caps;
  // As when a hot key fires: the window in front is the one the macro plays into.
  player.State().targetWindow = desktop.ForegroundWindow();
  player.IntoProgram(macro->text);

  for (const std::string& line : desktop.Trace().Lines()) out << line << "\n";
  return 0;
}

}  // namespace

TAVRIX_COMMAND("play", Usage, Play);

}  // namespace tavrix::tool
