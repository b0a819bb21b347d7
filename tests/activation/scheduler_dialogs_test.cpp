// "Set Schedule" and "Wordlet Options" as a user fills them in: the time
// fields, the checks of Update and what lands in the record, the prefix keys.
#include "activation/scheduler_dialogs.h"

#include <gtest/gtest.h>

#include "activation/scheduler.h"

namespace tavrix {
namespace {

TEST(ReadScheduleTime, ReadsTheFieldAsTheUserTypedIt) {
  const struct {
    const char* text;
    int hour, minute, pm;
  } cases[] = {
      {"10:30PM", 10, 30, 1}, {"22:30", 10, 30, 1},  {"10:30 PM", 10, 30, 0}, {"25:10", 0, 10, 0},
      {"09:05am", 9, 5, 0},   {" 7:45pm ", 7, 45, 1}, {"12:00AM", 12, 0, 0},   {"11:75PM", 11, 0, 1},
      {"", 0, 0, 0},          {"ab:cdPM", 0, 0, 1},   {"9", 9, 0, 0},
  };
  for (const auto& c : cases) {
    MacroRecord r;
    ReadScheduleTime(c.text, r);
    EXPECT_EQ(r.SchedHour(), c.hour) << c.text;
    EXPECT_EQ(r.SchedMinute(), c.minute) << c.text;
    EXPECT_EQ(r.SchedPM(), c.pm) << c.text;
  }
}

class ScheduleDialogTest : public ::testing::Test {
 protected:
  ScheduleDialogTest() { record.SetDefaultSchedule(kToday); }
  static constexpr LocalDateTime kToday{2026, 12, 7, 9, 0, 0, 0};
  MacroRecord record;
};

TEST_F(ScheduleDialogTest, ShowsTheRecordWithOnlyItsKindsPanel) {
  TDoSchedule form(record, kToday);
  EXPECT_TRUE(form.dailyRadio.checked);
  EXPECT_EQ(form.dailyTime.text, "12:00PM");
  EXPECT_TRUE(form.dailyTime.visible && form.dayBoxes[0].visible);
  EXPECT_FALSE(form.onceTime.visible || form.otherMinutes.enabled);
  form.Click(form.otherRadio);
  EXPECT_TRUE(form.otherMinutes.visible && form.otherMinutes.enabled);
  EXPECT_FALSE(form.dailyTime.visible || form.dayBoxes[6].enabled);
  EXPECT_EQ(form.otherMinutes.text, "15");
  EXPECT_EQ(form.onceMonth.items[form.onceMonth.itemIndex], "December");
  EXPECT_EQ(form.weeklyDayOfWeek.items[form.weeklyDayOfWeek.itemIndex], "Monday");
}

TEST_F(ScheduleDialogTest, UpdateWritesEachKindOrRefusesWithItsMessage) {
  const struct {
    const char* name;
    std::function<void(TDoSchedule&)> fill;
    const char* message;   // "" when it closes
    const char* focus;
    const char* schedule;  // GetSched of the record afterwards
  } cases[] = {
      {"once tomorrow", [](TDoSchedule& f) { f.Click(f.onceRadio); f.onceDay.text = "8"; f.onceTime.text = "7:15pm"; },
       "", "", "Once at 7:15PM on 8 December 2026"},
      {"once today", [](TDoSchedule& f) { f.Click(f.onceRadio); f.onceTime.text = "23:59"; },
       "", "", "Once at 11:59PM on 7 December 2026"},
      {"once 29 February 2028", [](TDoSchedule& f) { f.Click(f.onceRadio); f.onceYear.text = "2028"; f.onceMonth.itemIndex = 1; f.onceDay.text = "29"; },
       "", "", "Once at 12:00PM on 29 February 2028"},
      {"once 29 February 2027", [](TDoSchedule& f) { f.Click(f.onceRadio); f.onceYear.text = "2027"; f.onceMonth.itemIndex = 1; f.onceDay.text = "29"; },
       "Invalid day of month specified.", "OnceDay", nullptr},
      {"once 31 November", [](TDoSchedule& f) { f.Click(f.onceRadio); f.onceYear.text = "2027"; f.onceMonth.itemIndex = 10; f.onceDay.text = "31"; },
       "Invalid day of month specified.", "OnceDay", nullptr},
      {"once last year", [](TDoSchedule& f) { f.Click(f.onceRadio); f.onceYear.text = "2025"; },
       "Specified date has already elapsed.", "OnceYear", nullptr},
      {"once last month", [](TDoSchedule& f) { f.Click(f.onceRadio); f.onceMonth.itemIndex = 10; },
       "Specified date has already elapsed.", "OnceMonth", nullptr},
      {"once yesterday", [](TDoSchedule& f) { f.Click(f.onceRadio); f.onceDay.text = "6"; },
       "Specified date has already elapsed.", "OnceDay", nullptr},
      {"hourly 59", [](TDoSchedule& f) { f.Click(f.hourlyRadio); f.hourlyMinutes.text = "59"; },
       "", "", "Hourly at 59 minutes past the hour"},
      {"hourly 60", [](TDoSchedule& f) { f.Click(f.hourlyRadio); f.hourlyMinutes.text = "60"; },
       "Invalid minutes specified.", "HourlyMinutes", nullptr},
      {"hourly x", [](TDoSchedule& f) { f.Click(f.hourlyRadio); f.hourlyMinutes.text = "x"; },
       "Invalid minutes specified.", "HourlyMinutes", nullptr},
      {"daily two days", [](TDoSchedule& f) {
         for (auto& box : f.dayBoxes) box.checked = false;
         f.dayBoxes[0].checked = f.dayBoxes[6].checked = true;
         f.dailyTime.text = "06:30AM";
       },
       "", "", "Daily at 6:30AM,Sun,Mon"},
      {"weekly Friday", [](TDoSchedule& f) { f.Click(f.weeklyRadio); f.weeklyDayOfWeek.itemIndex = 5; f.weeklyTime.text = "13:00"; },
       "", "", "Weekly at 1:00PM Friday"},
      {"monthly 31", [](TDoSchedule& f) { f.Click(f.monthlyRadio); f.monthlyDay.text = "31"; },
       "", "", "Monthly at 12:00PM on day 31 of each month"},
      {"monthly 32", [](TDoSchedule& f) { f.Click(f.monthlyRadio); f.monthlyDay.text = "32"; },
       "Invalid day of month specified.", "MonthlyDay", nullptr},
      {"monthly 0", [](TDoSchedule& f) { f.Click(f.monthlyRadio); f.monthlyDay.text = "0"; },
       "Invalid day of month specified.", "MonthlyDay", nullptr},
      {"other 720", [](TDoSchedule& f) { f.Click(f.otherRadio); f.otherMinutes.text = "720"; }, "", "", "every 720 minutes"},
      {"other 0", [](TDoSchedule& f) { f.Click(f.otherRadio); f.otherMinutes.text = "0"; },
       "Invalid minutes specified.  Must be between 1 and 720.", "OtherMinutes", nullptr},
      {"other 721", [](TDoSchedule& f) { f.Click(f.otherRadio); f.otherMinutes.text = "721"; },
       "Invalid minutes specified.  Must be between 1 and 720.", "OtherMinutes", nullptr},
      {"at startup", [](TDoSchedule& f) { f.Click(f.startupRadio); }, "", "", "At Startup"},
  };
  for (const auto& c : cases) {
    MacroRecord r;
    r.SetDefaultSchedule(kToday);
    TDoSchedule form(r, kToday);
    c.fill(form);
    const FormReply reply = form.Click(form.updateButton);
    if (*c.message == '\0') {
      EXPECT_EQ(form.modalResult, ModalResult::Ok) << c.name << ": " << reply.message;
      EXPECT_EQ(GetSched(r), c.schedule) << c.name;
    } else {
      EXPECT_EQ(reply.kind, FormReply::Kind::Refuse) << c.name;
      EXPECT_EQ(reply.caption, "Error") << c.name;
      EXPECT_EQ(reply.message, c.message) << c.name;
      ASSERT_NE(reply.focus, nullptr) << c.name;
      EXPECT_EQ(reply.focus->name, c.focus) << c.name;
      EXPECT_FALSE(form.Closed()) << c.name;
    }
  }
}

TEST(WordletOptionsDialog, ShowsAndReturnsTheOptionsAndRefusesBadPrefixKeys) {
  TWordletOptions form;
  form.Load({true, true, ";;", false});
  EXPECT_FALSE(form.prefixBox.checked);
  EXPECT_FALSE(form.prefixKeys.enabled);
  form.Click(form.prefixBox);
  EXPECT_TRUE(form.prefixKeys.enabled);
  form.Click(form.solitaryBox);
  form.Click(form.caseBox);

  form.prefixKeys.text = ";'";
  const FormReply refused = form.Changed(form.prefixKeys);
  EXPECT_EQ(refused.kind, FormReply::Kind::Refuse);
  EXPECT_EQ(refused.message, kPrefixKeysInvalid);
  EXPECT_EQ(refused.focus, &form.prefixKeys);
  EXPECT_EQ(form.Click(form.okButton).kind, FormReply::Kind::Refuse);

  form.prefixKeys.text = " #";
  form.Click(form.okButton);
  EXPECT_EQ(form.modalResult, ModalResult::Ok);
  const WordletOptions options = form.Result();
  EXPECT_TRUE(options.solitary);
  EXPECT_FALSE(options.useSuffix);
  EXPECT_FALSE(options.caseSensitive);
  EXPECT_EQ(options.prefixKeys, "#");
}

}  // namespace
}  // namespace tavrix
