// The program's settings: one field per key of "TAVRX.INI", each starting at
// its default. Load reads them once at start-up, Save writes them all back
// after an options dialog and at shutdown.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "shell/config/profile_file.h"

namespace tavrix {

// A font as the configuration stores it; the forms turn it into a real font.
struct FontSettings {
  std::int32_t color = 0;  // the framework's 32-bit colour number
  std::string name = "Arial";
  std::int32_t size = 10;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
  bool operator==(const FontSettings&) const = default;
};

struct WindowBounds {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t left = 0;
  std::int32_t top = 0;
  bool operator==(const WindowBounds&) const = default;
};

inline constexpr const char* kConfigurationFileName = "TAVRX.INI";
inline constexpr const char* kDefaultMacroFileName = "TAVRX.TVX";
inline constexpr std::size_t kCurrentFileMaxLength = 250;
inline constexpr std::size_t kLastFileMaxLength = 255;
inline constexpr std::size_t kWaveFileMaxLength = 250;
inline constexpr std::size_t kPrefixKeysMaxLength = 2;
inline constexpr std::size_t kFontNameMaxLength = 31;  // a longer face name cannot name a font
inline constexpr int kLastFileCount = 5;

// Answers whether a path names an existing file; supplied by the caller so
// that the configuration code itself never touches the disk.
using FileExistsFunction = std::function<bool(const std::string& path)>;

struct Configuration {
  // [Misc]
  std::int32_t systemMenu = 1;  // 1, 2 or 3
  bool sortHeader = true;
  std::string primarySort = "123";
  std::string activationSort = "123";
  std::string scopeSort = "12345";
  std::int32_t lastDateFormat = 0;
  std::int32_t lastTimeFormat = 0;
  bool suppressZerosInDate = true;
  bool suppressZerosInTime = true;
  bool showDate = false;
  bool useTray = false;
  bool disableScreenSaver = true;
  std::string currentFile;                                 // after Load: never empty
  std::array<std::string, kLastFileCount> lastFiles;       // most recent first; empty entries allowed

  // [Capture]
  bool captureDoubleAlt = true;
  bool captureKeys = true;
  bool captureMouse = true;
  bool captureRelativeToScreen = true;
  bool captureTime = true;
  bool capturePrompt = true;
  bool captureWindowSize = true;
  bool captureGlobal = true;
  std::int32_t captureSpeed = 1;  // 1..4

  // [Wordlets]
  bool solitaryUsage = false;
  bool caseSensitive = true;  // stored under the key "Case Sensative"
  bool useSuffix = false;
  std::string prefixKeys;     // at most 2 characters

  // [Main Window]
  WindowBounds mainWindow{640, 424, 0, 0};
  std::array<std::int32_t, 3> columnWidths{112, 168, 132};
  bool useSpeed = false;

  // [Grid Title Font], [Grid Font]
  FontSettings gridTitleFont{0, "Arial", 12};
  FontSettings gridFont{0, "Arial", 10};

  // [Script Page]
  WindowBounds scriptPage{606, 446, 0, 0};

  // [Network]
  bool networkMode = false;
  bool autoSync = true;
  std::int32_t syncMinutes = 10;  // 0 or more; 0 with "Auto Sync" off

  // [Print List Font]: bold and italic only
  FontSettings printListFont{0, "Arial", 10};

  // [Scheduler]
  bool useWaveFile = false;
  bool waveFileWait = false;
  std::string waveFile;
  std::int32_t timerSeconds = 10;  // 1..60

  bool operator==(const Configuration&) const = default;

  // Replaces every field by the file's value or its default. A value that
  // does not read (not a number, out of its range, a sort order that is not
  // an order of its digits) gets the default; texts are cut to their
  // capacity. "Current File" falls back to `programFolder` + "\TAVRX.TVX"
  // when empty or when `fileExists` says it is gone (no check without one).
  void Load(ProfileFile& profile, const std::string& programFolder, const FileExistsFunction& fileExists);

  // Writes every key, section by section in the file's order.
  // Every key in one replacement of the file; false when it could not be saved.
  bool Save(ProfileFile& profile) const;
};

// `programFolder` followed by "\TAVRX.TVX", cut to the capacity of "Current File".
std::string DefaultMacroFile(const std::string& programFolder);

}  // namespace tavrix
