// The macro record's bytes, built by hand at the documented offsets.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "base/byte_fields.h"
#include "store/date_time.h"
#include "store/macro_record.h"

namespace tavrix {
namespace {

void PutString(MacroRecord::Bytes& b, std::size_t at, const char* text) {
  b[at] = static_cast<std::uint8_t>(std::strlen(text));
  std::memcpy(b.data() + at + 1, text, std::strlen(text));
}

TEST(MacroRecordLayout, ReadsEveryFieldAtItsOffset) {
  MacroRecord::Bytes b{};
  PutString(b, 0, "Nick");
  PutString(b, 51, "Notepad");
  PutString(b, 82, "sig");
  b[93] = 0x34; b[94] = 0x12;  // 0x1234
  b[95] = 0xFE; b[96] = 0xFF;  // -2
  b[97] = 1;
  b[98] = 0x02; b[99] = 0x01;
  std::memcpy(b.data() + 100, "abc", 3);
  PutString(b, 5101, "MENU");
  b[5114] = 6;
  for (int i = 0; i < 6; ++i) b[5116 + i] = static_cast<std::uint8_t>(10 + i);
  b[5122] = 1; b[5123] = 11; b[5124] = 45; b[5125] = 7; b[5126] = 31; b[5127] = 20;
  b[5128] = 0x2C; b[5129] = 0x01;  // 300
  b[5130] = 7;
  b[5131] = 0xE8; b[5132] = 0x07;  // 2024
  b[5133] = 1; b[5134] = 1;
  const double when = 45000.75;
  std::memcpy(b.data() + 5135, &when, 8);  // the test machine is little-endian
  for (int i = 0; i < 22; ++i) b[5143 + i] = static_cast<std::uint8_t>(i + 1);

  const MacroRecord r(b);
  EXPECT_EQ(r.NickName(), "Nick");
  EXPECT_EQ(r.ScopeName(), "Notepad");
  EXPECT_EQ(r.WordletText(), "sig");
  EXPECT_EQ(r.Activation(), 0x1234);
  EXPECT_EQ(r.Scope(), -2);
  EXPECT_EQ(r.Active(), 1);
  EXPECT_EQ(r.Reserved98(), 0x0102);
  EXPECT_EQ(r.MacroText(), "abc");
  EXPECT_EQ(r.IconName(), "MENU");
  EXPECT_EQ(r.SchedKind(), 6);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(r.SchedMon(i), 10 + i);
  EXPECT_EQ(r.SchedSun(), 1);
  EXPECT_EQ(r.SchedHour(), 11);
  EXPECT_EQ(r.SchedMinute(), 45);
  EXPECT_EQ(r.SchedMonth(), 7);
  EXPECT_EQ(r.SchedDay(), 31);
  EXPECT_EQ(r.SchedPastHour(), 20);
  EXPECT_EQ(r.SchedInterval(), 300);
  EXPECT_EQ(r.SchedWeekday(), 7);
  EXPECT_EQ(r.SchedYear(), 2024);
  EXPECT_EQ(r.SchedPM(), 1);
  EXPECT_EQ(r.TopMostOnly(), 1);
  EXPECT_EQ(r.LastModified(), 45000.75);
  EXPECT_EQ(r.Reserved5143()[0], 1);
  EXPECT_EQ(r.Reserved5143()[21], 22);
}

TEST(MacroRecordLayout, WritesEveryFieldAtItsOffsetAndNothingElse) {
  MacroRecord r;
  r.SetNickName("N");
  r.SetScopeName("S");
  r.SetWordletText("W");
  r.SetActivation(719);
  r.SetScope(kScopeSystem);
  r.SetActive(1);
  r.SetReserved98(0xBEEF);
  r.SetMacroText("T");
  r.SetIconName("I");
  r.SetSchedKind(kScheduleOnce);
  r.SetSchedMon(5, 1);
  r.SetSchedSun(1);
  r.SetSchedHour(12);
  r.SetSchedMinute(59);
  r.SetSchedMonth(12);
  r.SetSchedDay(25);
  r.SetSchedPastHour(15);
  r.SetSchedInterval(0xABCD);
  r.SetSchedWeekday(3);
  r.SetSchedYear(1999);
  r.SetSchedPM(1);
  r.SetTopMostOnly(1);
  r.SetLastModified(1.5);
  std::array<std::uint8_t, 22> reserved{};
  reserved[21] = 0x77;
  r.SetReserved5143(reserved);

  MacroRecord::Bytes expected{};
  expected[0] = 1; expected[1] = 'N';
  expected[51] = 1; expected[52] = 'S';
  expected[82] = 1; expected[83] = 'W';
  expected[93] = 0xCF; expected[94] = 0x02;
  expected[95] = 5;
  expected[97] = 1;
  expected[98] = 0xEF; expected[99] = 0xBE;
  expected[100] = 'T';
  expected[5101] = 1; expected[5102] = 'I';
  expected[5114] = 1;
  expected[5121] = 1;
  expected[5122] = 1; expected[5123] = 12; expected[5124] = 59; expected[5125] = 12; expected[5126] = 25;
  expected[5127] = 15; expected[5128] = 0xCD; expected[5129] = 0xAB; expected[5130] = 3;
  expected[5131] = 0xCF; expected[5132] = 0x07; expected[5133] = 1; expected[5134] = 1;
  const double oneAndAHalf = 1.5;
  std::memcpy(expected.data() + 5135, &oneAndAHalf, 8);
  expected[5164] = 0x77;
  for (std::size_t i = 0; i < expected.size(); ++i) ASSERT_EQ(r.bytes()[i], expected[i]) << "offset " << i;
}

TEST(MacroRecordLayout, StringsAreCutToCapacityAndDamagedLengthsAreClamped) {
  MacroRecord r;
  r.SetNickName(std::string(60, 'n'));
  r.SetScopeName(std::string(40, 's'));
  r.SetWordletText("abcdefghijkl");
  r.SetIconName("VERYLONGNAME.ICO");
  EXPECT_EQ(r.NickName(), std::string(50, 'n'));
  EXPECT_EQ(r.ScopeName(), std::string(30, 's'));
  EXPECT_EQ(r.WordletText(), "abcdefghij");
  EXPECT_EQ(r.IconName(), "VERYLONGNAME");
  EXPECT_EQ(r.bytes()[82 + 11], 0);  // the Wordlet does not spill into Activation

  r.bytes()[82] = 200;  // a length byte beyond the capacity
  EXPECT_EQ(r.WordletText().size(), 10u);
}

TEST(MacroRecordLayout, MacroTextStopsAtZeroOrAt5000Characters) {
  MacroRecord r;
  r.SetMacroText(std::string(6000, 'x'));
  EXPECT_EQ(r.MacroText().size(), 5000u);
  EXPECT_EQ(r.bytes()[100 + 5000], 0);  // always terminated
  r.SetMacroText("short");
  EXPECT_EQ(r.MacroText(), "short");
  EXPECT_EQ(r.bytes()[100 + 6], 0);  // the old text is gone

  std::fill_n(r.bytes().begin() + 100, 5001, 'y');  // no terminator at all
  EXPECT_EQ(r.MacroText().size(), 5000u);
}

TEST(MacroRecordLayout, PopupMenuListSharesTheTextArea) {
  MacroRecord r;
  r.SetPopupMenuList({3, 4, 500});
  EXPECT_EQ(r.bytes()[100], 3);
  EXPECT_EQ(r.bytes()[101], 0);
  EXPECT_EQ(r.bytes()[102], 3);
  EXPECT_EQ(r.bytes()[104], 4);
  EXPECT_EQ(r.bytes()[106], 0xF4);
  EXPECT_EQ(r.bytes()[107], 0x01);
  EXPECT_EQ(r.PopupMenuList(), (std::vector<std::uint16_t>{3, 4, 500}));

  r.bytes()[100] = 0xFF;  // a damaged count
  r.bytes()[101] = 0xFF;
  EXPECT_EQ(r.PopupMenuList().size(), kPopupListCapacity);
}

TEST(MacroRecordLayout, DefaultScheduleIsDailyAtNoonFromToday) {
  MacroRecord r;
  r.SetDefaultSchedule(LocalDateTime{2024, 3, 15, 18, 30, 0, 0});  // a Friday
  EXPECT_EQ(r.SchedKind(), kScheduleDaily);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(r.SchedMon(i), 1);
  EXPECT_EQ(r.SchedSun(), 1);
  EXPECT_EQ(r.SchedHour(), 12);
  EXPECT_EQ(r.SchedMinute(), 0);
  EXPECT_EQ(r.SchedPM(), 1);
  EXPECT_EQ(r.SchedPastHour(), 15);
  EXPECT_EQ(r.SchedInterval(), 15);
  EXPECT_EQ(r.SchedMonth(), 3);
  EXPECT_EQ(r.SchedDay(), 15);
  EXPECT_EQ(r.SchedYear(), 2024);
  EXPECT_EQ(r.SchedWeekday(), 6);
}

TEST(DateTimeValue, CountsDaysFrom30December1899) {
  EXPECT_EQ(ToDateTimeValue({1899, 12, 30, 0, 0, 0, 0}), 0.0);
  EXPECT_EQ(ToDateTimeValue({1900, 1, 1, 0, 0, 0, 0}), 2.0);
  EXPECT_EQ(ToDateTimeValue({2000, 1, 1, 18, 0, 0, 0}), 36526.75);
  EXPECT_EQ(ToDateTimeValue({1899, 12, 29, 6, 0, 0, 0}), -1.25);

  const LocalDateTime t = FromDateTimeValue(ToDateTimeValue({2024, 2, 29, 23, 59, 59, 999}));
  EXPECT_EQ(t.year, 2024);
  EXPECT_EQ(t.month, 2);
  EXPECT_EQ(t.day, 29);
  EXPECT_EQ(t.hour, 23);
  EXPECT_EQ(t.minute, 59);
  EXPECT_EQ(t.second, 59);
  EXPECT_EQ(t.millisecond, 999);
  const LocalDateTime early = FromDateTimeValue(-1.25);
  EXPECT_EQ(early.day, 29);
  EXPECT_EQ(early.hour, 6);
  EXPECT_EQ(FromDateTimeValue(std::numeric_limits<double>::quiet_NaN()).year, 1899);
}

}  // namespace
}  // namespace tavrix
