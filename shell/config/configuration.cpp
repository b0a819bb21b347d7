#include "shell/config/configuration.h"

#include <algorithm>
#include <limits>

#include "base/ascii_text.h"
#include "shell/config/profile_values.h"

namespace tavrix {
namespace {

constexpr std::int32_t kAnyNumber = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kNoLimit = std::numeric_limits<std::int32_t>::max();

enum class FontStyles { AllFour, BoldAndItalic };

// "Last File 1", "Col 2 Width": a name with a number in it.
std::string NumberedKey(std::string_view before, int number, std::string_view after = {}) {
  std::string key(before);
  key.append(std::to_string(number)).append(after);
  return key;
}

template <class Font, class Visitor>
void VisitFont(Visitor& visit, const std::string& section, Font& font, FontStyles styles) {
  visit.Number(section, "Color", font.color, kAnyNumber, kNoLimit);
  visit.FontName(section, "Font Name", font.name);
  visit.Number(section, "Size", font.size, 1, kNoLimit);
  visit.YesNo(section, "Bold", font.bold);
  visit.YesNo(section, "Italic", font.italic);
  if (styles == FontStyles::AllFour) {
    visit.YesNo(section, "Underline", font.underline);
    visit.YesNo(section, "Strikeout", font.strikeout);
  }
}

template <class Bounds, class Visitor>
void VisitBounds(Visitor& visit, const std::string& section, Bounds& bounds) {
  visit.Number(section, "Width", bounds.width, 0, kNoLimit);
  visit.Number(section, "Height", bounds.height, 0, kNoLimit);
  visit.Number(section, "Left", bounds.left, kAnyNumber, kNoLimit);
  visit.Number(section, "Top", bounds.top, kAnyNumber, kNoLimit);
}

// Every key of the file in file order, with the range or capacity of its
// value. Load and Save both walk this one list, so they cannot disagree.
template <class Config, class Visitor>
void ForEachKey(Config& config, Visitor& visit) {
  const std::string misc = "Misc";
  visit.Number(misc, "System Menu", config.systemMenu, 1, 3);
  visit.YesNo(misc, "Sort Header", config.sortHeader);
  visit.SortOrder(misc, "Primary Sort", config.primarySort);
  visit.SortOrder(misc, "Activation Sort", config.activationSort);
  visit.SortOrder(misc, "Scope Sort", config.scopeSort);
  visit.Number(misc, "Last Date Format", config.lastDateFormat, 0, kNoLimit);
  visit.Number(misc, "Last Time Format", config.lastTimeFormat, 0, kNoLimit);
  visit.YesNo(misc, "Suppress Zeros In Date", config.suppressZerosInDate);
  visit.YesNo(misc, "Suppress Zeros In Time", config.suppressZerosInTime);
  visit.YesNo(misc, "Show Date", config.showDate);
  visit.YesNo(misc, "Use Tray", config.useTray);
  visit.YesNo(misc, "Disable Screen Saver", config.disableScreenSaver);
  visit.Text(misc, "Current File", config.currentFile, kCurrentFileMaxLength);
  for (int i = 0; i < kLastFileCount; ++i) {
    visit.Text(misc, NumberedKey("Last File ", i + 1), config.lastFiles[i], kLastFileMaxLength);
  }

  const std::string capture = "Capture";
  visit.YesNo(capture, "Double Alt", config.captureDoubleAlt);
  visit.YesNo(capture, "Keys", config.captureKeys);
  visit.YesNo(capture, "Mouse", config.captureMouse);
  visit.YesNo(capture, "Relative To Screen", config.captureRelativeToScreen);
  visit.YesNo(capture, "Time", config.captureTime);
  visit.YesNo(capture, "Prompt", config.capturePrompt);
  visit.YesNo(capture, "Window Size", config.captureWindowSize);
  visit.YesNo(capture, "Global", config.captureGlobal);
  visit.Number(capture, "Speed", config.captureSpeed, 1, 4);

  const std::string wordlets = "Wordlets";
  visit.YesNo(wordlets, "Solitary Usage", config.solitaryUsage);
  visit.YesNo(wordlets, "Case Sensative", config.caseSensitive);
  visit.YesNo(wordlets, "Use Suffix", config.useSuffix);
  visit.Text(wordlets, "Prefix Keys", config.prefixKeys, kPrefixKeysMaxLength);

  const std::string mainWindow = "Main Window";
  VisitBounds(visit, mainWindow, config.mainWindow);
  for (int i = 0; i < 3; ++i) {
    visit.Number(mainWindow, NumberedKey("Col ", i + 1, " Width"), config.columnWidths[i], 0, kNoLimit);
  }
  visit.YesNo(mainWindow, "Use Speed", config.useSpeed);

  VisitFont(visit, "Grid Title Font", config.gridTitleFont, FontStyles::AllFour);
  VisitFont(visit, "Grid Font", config.gridFont, FontStyles::AllFour);
  VisitBounds(visit, "Script Page", config.scriptPage);

  const std::string network = "Network";
  visit.YesNo(network, "Network Mode", config.networkMode);
  visit.YesNo(network, "Auto Sync", config.autoSync);
  // 0 is what the network options dialog writes to switch automatic
  // synchronisation off; the dialog's minutes have no upper bound of ours.
  visit.Number(network, "Sync Minutes", config.syncMinutes, 0, kNoLimit);

  VisitFont(visit, "Print List Font", config.printListFont, FontStyles::BoldAndItalic);

  const std::string scheduler = "Scheduler";
  visit.YesNo(scheduler, "Use Wave File", config.useWaveFile);
  visit.YesNo(scheduler, "Wave File Wait", config.waveFileWait);
  visit.Text(scheduler, "Wave File", config.waveFile, kWaveFileMaxLength);
  // A stored 0 or anything above a minute means the default interval.
  visit.Number(scheduler, "Timer Seconds", config.timerSeconds, 1, 60);
}

// A value cut to its capacity, without the blanks the cut may leave at its
// end (reading it back would drop them anyway).
std::string CutValue(const std::string& value, std::size_t maxLength) {
  return std::string(TrimBlanks(CutText(value, maxLength)));
}

// Reads each key with the field's current value (its default) as the
// default, and keeps that default for a value that does not read.
class KeyReader {
 public:
  explicit KeyReader(ProfileFile& profile) : profile_(profile) {}

  void YesNo(const std::string& section, const std::string& key, bool& field) {
    field = YesNoValue(profile_.GetString(section, key, YesNoText(field)));
  }
  void Number(const std::string& section, const std::string& key, std::int32_t& field, std::int32_t min,
              std::int32_t max) {
    const auto value = NumberValue(profile_.GetString(section, key, NumberText(field)));
    if (value && *value >= min && *value <= max) field = *value;
  }
  void Text(const std::string& section, const std::string& key, std::string& field, std::size_t maxLength) {
    field = CutValue(profile_.GetString(section, key, field), maxLength);
  }
  // A sort order must name each of its groups once: the digits of the default in any order.
  void SortOrder(const std::string& section, const std::string& key, std::string& field) {
    const std::string value = profile_.GetString(section, key, field);
    if (value.size() == field.size() && std::is_permutation(value.begin(), value.end(), field.begin())) {
      field = value;
    }
  }
  void FontName(const std::string& section, const std::string& key, std::string& field) {
    const std::string value = CutValue(profile_.GetString(section, key, field), kFontNameMaxLength);
    if (!value.empty()) field = value;
  }

 private:
  ProfileFile& profile_;
};

class KeyWriter {
 public:
  explicit KeyWriter(ProfileFile& profile) : profile_(profile) {}

  void YesNo(const std::string& section, const std::string& key, bool field) {
    profile_.WriteString(section, key, YesNoText(field));
  }
  void Number(const std::string& section, const std::string& key, std::int32_t field, std::int32_t, std::int32_t) {
    profile_.WriteString(section, key, NumberText(field));
  }
  void Text(const std::string& section, const std::string& key, const std::string& field, std::size_t maxLength) {
    profile_.WriteString(section, key, StoredText(CutText(field, maxLength)));
  }
  void SortOrder(const std::string& section, const std::string& key, const std::string& field) {
    profile_.WriteString(section, key, field);
  }
  void FontName(const std::string& section, const std::string& key, const std::string& field) {
    profile_.WriteString(section, key, StoredText(CutText(field, kFontNameMaxLength)));
  }

 private:
  ProfileFile& profile_;
};

}  // namespace

std::string DefaultMacroFile(const std::string& programFolder) {
  return CutText(programFolder + "\\" + kDefaultMacroFileName, kCurrentFileMaxLength);
}

void Configuration::Load(ProfileFile& profile, const std::string& programFolder,
                         const FileExistsFunction& fileExists) {
  *this = Configuration{};
  KeyReader reader(profile);
  ForEachKey(*this, reader);
  if (currentFile.empty()) currentFile = DefaultMacroFile(programFolder);
  // Checked last: a macro file deleted since the last run falls back to the
  // default one, which loading then creates when needed.
  if (fileExists && !fileExists(currentFile)) currentFile = DefaultMacroFile(programFolder);
}

bool Configuration::Save(ProfileFile& profile) const {
  profile.HoldWrites();
  KeyWriter writer(profile);
  ForEachKey(*this, writer);
  return profile.WriteHeld();
}

}  // namespace tavrix
