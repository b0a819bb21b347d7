// The dialogs of Wordlets and timed macros as form models: "Wordlet Options"
// (`TWordletOptions`) and "Set Schedule" (`TDoSchedule`), and the reading of
// a schedule's time field.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "activation/wordlets.h"
#include "platform/desktop.h"
#include "platform/form.h"
#include "platform/ui.h"
#include "store/macro_record.h"

namespace tavrix {

inline constexpr const char* kPrefixKeysInvalid =
    "The Prefix Keys has invalid characters in it.  Valid characters are A - Z, a - z, 0 - 9 and ' ! @ # $ % ^ & _ = "
    "< > ? . ; , * - / +";

class TWordletOptions : public Form {
 public:
  TWordletOptions();
  // Shows `options`.
  void Load(const WordletOptions& options);
  // After Ok: the options as the dialog left them.
  WordletOptions Result() const;

  FormReply PrefixKeysChange();
  FormReply OkButtonClick();

  CheckBox solitaryBox{*this, "SolitaryBox", {12, 12, 200, 17}, "Solitary &Usage"};
  CheckBox prefixBox{*this, "PrefixBox", {12, 36, 200, 17}, "Use &Prefix Keys"};
  Edit prefixKeys{*this, "PrefixKeys", {32, 58, 40, 21}, 2};
  CheckBox caseBox{*this, "CaseBox", {12, 88, 200, 17}, "Case &Sensitive"};
  Button okButton{*this, "OkButton", {12, 118, 75, 25}, "&Ok", ButtonRole::Default};
  Button cancelButton{*this, "CancelButton", {95, 118, 75, 25}, "&Cancel", ButtonRole::Cancel};
  Button helpButton{*this, "HelpButton", {178, 118, 75, 25}, "&Help", ButtonRole::Help};
};

// Reads a time field ("09:05AM", "22:30", "10:30 PM") into the record's
// `SchedHour`, `SchedMinute` and `SchedPM`. Never refuses: what it cannot
// read becomes 0.
void ReadScheduleTime(std::string_view text, MacroRecord& record);
// "09:05AM": two-digit hour and minute and the half of the day.
std::string ScheduleTimeText(const MacroRecord& record);

// "Set Schedule": edits the schedule fields of `record` (the macro being
// edited); "&Update" writes them when they are valid. `today` decides
// whether a Once date has already passed.
class TDoSchedule : public Form {
 public:
  TDoSchedule(MacroRecord& record, const LocalDateTime& today);

  // Shows the panel of the checked kind, hides and disables the others.
  void ShowPanel();
  FormReply UpdateButtonClick();

  MacroRecord& record;
  const LocalDateTime today;

  GroupBox runGroup{*this, "RunGroup", {8, 8, 110, 190}, "Run Macro"};
  RadioButton onceRadio{*this, "OnceRadio", {16, 28, 90, 17}, "&Once"};
  RadioButton hourlyRadio{*this, "HourlyRadio", {16, 50, 90, 17}, "&Hourly"};
  RadioButton dailyRadio{*this, "DailyRadio", {16, 72, 90, 17}, "&Daily"};
  RadioButton weeklyRadio{*this, "WeeklyRadio", {16, 94, 90, 17}, "&Weekly"};
  RadioButton monthlyRadio{*this, "MonthlyRadio", {16, 116, 90, 17}, "&Monthly"};
  RadioButton otherRadio{*this, "OtherRadio", {16, 138, 90, 17}, "O&ther"};
  RadioButton startupRadio{*this, "StartupRadio", {16, 160, 90, 17}, "&At Startup"};

  // Once.
  Label onceAtLabel{*this, "OnceAtLabel", {130, 12, 90, 16}, "Start Macro At"};
  Edit onceTime{*this, "OnceTime", {226, 8, 70, 21}, 7};
  Label onceOnLabel{*this, "OnceOnLabel", {130, 40, 20, 16}, "on"};
  ComboBox onceMonth{*this, "OnceMonth", {156, 36, 100, 21}};
  Edit onceDay{*this, "OnceDay", {262, 36, 36, 21}, 2};
  Edit onceYear{*this, "OnceYear", {304, 36, 50, 21}, 4};
  // Hourly.
  Label hourlyAtLabel{*this, "HourlyAtLabel", {130, 12, 90, 16}, "Start Macro At"};
  Edit hourlyMinutes{*this, "HourlyMinutes", {226, 8, 36, 21}, 2};
  Label hourlyUnitLabel{*this, "HourlyUnitLabel", {268, 12, 140, 16}, "minutes after the hour"};
  // Daily.
  Label dailyAtLabel{*this, "DailyAtLabel", {130, 12, 90, 16}, "Start Macro At"};
  Edit dailyTime{*this, "DailyTime", {226, 8, 70, 21}, 7};
  std::array<CheckBox, 7> dayBoxes{{{*this, "MonBox", {130, 40, 50, 17}, "&Mon"},
                                    {*this, "TueBox", {184, 40, 50, 17}, "&Tue"},
                                    {*this, "WedBox", {238, 40, 50, 17}, "&Wed"},
                                    {*this, "ThuBox", {292, 40, 50, 17}, "Th&u"},
                                    {*this, "FriBox", {130, 62, 50, 17}, "&Fri"},
                                    {*this, "SatBox", {184, 62, 50, 17}, "&Sat"},
                                    {*this, "SunBox", {238, 62, 50, 17}, "Su&n"}}};
  // Weekly.
  Label weeklyAtLabel{*this, "WeeklyAtLabel", {130, 12, 90, 16}, "Start Macro At"};
  Edit weeklyTime{*this, "WeeklyTime", {226, 8, 70, 21}, 7};
  Label weeklyEveryLabel{*this, "WeeklyEveryLabel", {130, 40, 40, 16}, "every"};
  ComboBox weeklyDayOfWeek{*this, "WeeklyDayOfWeek", {176, 36, 110, 21}};
  // Monthly.
  Label monthlyAtLabel{*this, "MonthlyAtLabel", {130, 12, 90, 16}, "Start Macro At"};
  Edit monthlyTime{*this, "MonthlyTime", {226, 8, 70, 21}, 7};
  Label monthlyOnLabel{*this, "MonthlyOnLabel", {130, 40, 40, 16}, "on the"};
  Edit monthlyDay{*this, "MonthlyDay", {176, 36, 36, 21}, 2};
  Label monthlyUnitLabel{*this, "MonthlyUnitLabel", {218, 40, 120, 16}, "day of the month"};
  // Other.
  Label otherLabel{*this, "OtherLabel", {130, 12, 70, 16}, "Start Macro"};
  Label otherEveryLabel{*this, "OtherEveryLabel", {206, 12, 40, 16}, "every"};
  Edit otherMinutes{*this, "OtherMinutes", {250, 8, 44, 21}, 3};
  Label otherUnitLabel{*this, "OtherUnitLabel", {300, 12, 60, 16}, "minutes"};

  Button updateButton{*this, "UpdateButton", {130, 170, 75, 25}, "&Update", ButtonRole::Default};
  Button cancelButton{*this, "CancelButton", {213, 170, 75, 25}, "&Cancel", ButtonRole::Cancel};

 private:
  std::vector<std::vector<Control*>> panels_;  // by kind 1..6 (index kind - 1)
  std::vector<RadioButton*> kindRadios_;       // by kind 0..6
};

// "Se&t Schedule" of the editors: a macro that is not yet timed first gets
// the default schedule and the timed activation, then "Set Schedule" edits it.
void SetScheduleOf(Ui& ui, MacroRecord& record, const LocalDateTime& today);

}  // namespace tavrix
