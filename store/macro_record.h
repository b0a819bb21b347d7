// One record of the macro file: 5165 bytes, read and written field by field.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/hot_key_table.h"
#include "platform/desktop.h"

namespace tavrix {

inline constexpr std::size_t kMacroRecordSize = 5165;
inline constexpr int kMaxMacros = 500;
inline constexpr std::size_t kMaxMacroText = 5000;

// Activation codes besides the hot key codes 0..719 (kHotKeyCount).
inline constexpr std::uint16_t kTimedActivation = 10000;
inline constexpr std::uint16_t kWordletActivation = 20000;

// Scope codes.
inline constexpr std::int16_t kScopeGlobal = 1;
inline constexpr std::int16_t kScopeWindow = 2;
inline constexpr std::int16_t kScopeProgram = 3;
inline constexpr std::int16_t kScopePopupMenu = 4;
inline constexpr std::int16_t kScopeSystem = 5;

// Schedule kinds (`SchedKind`).
inline constexpr std::int16_t kScheduleAtStartUp = 0;
inline constexpr std::int16_t kScheduleOnce = 1;
inline constexpr std::int16_t kScheduleHourly = 2;
inline constexpr std::int16_t kScheduleDaily = 3;
inline constexpr std::int16_t kScheduleWeekly = 4;
inline constexpr std::int16_t kScheduleMonthly = 5;
inline constexpr std::int16_t kScheduleEveryMinutes = 6;

// Capacities of the record's strings.
inline constexpr std::size_t kNickNameCapacity = 50;
inline constexpr std::size_t kScopeNameCapacity = 30;
inline constexpr std::size_t kWordletCapacity = 10;
inline constexpr std::size_t kIconNameCapacity = 12;
// A popup-menu list has room for this many macro numbers in the text area.
inline constexpr std::size_t kPopupListCapacity = (5001 - 2) / 2;

class MacroRecord {
 public:
  using Bytes = std::array<std::uint8_t, kMacroRecordSize>;

  MacroRecord();  // all bytes zero
  explicit MacroRecord(const Bytes& bytes);

  Bytes& bytes() { return bytes_; }
  const Bytes& bytes() const { return bytes_; }

  std::string NickName() const;
  void SetNickName(std::string_view text);  // cut to 50
  std::string ScopeName() const;
  void SetScopeName(std::string_view text);  // cut to 30
  std::string WordletText() const;
  void SetWordletText(std::string_view text);  // cut to 10
  std::uint16_t Activation() const;
  void SetActivation(std::uint16_t code);
  std::int16_t Scope() const;
  void SetScope(std::int16_t scope);
  std::uint8_t Active() const;
  void SetActive(std::uint8_t active);
  std::uint16_t Reserved98() const;
  void SetReserved98(std::uint16_t value);

  // The text up to its first zero byte, at most 5000 characters.
  std::string MacroText() const;
  // Cut to 5000 characters, ends with a zero byte; the rest of the area is
  // cleared.
  void SetMacroText(std::string_view text);
  // Popup-menu macros (Scope 4) keep a list of macro numbers in the text
  // area instead. A stored count beyond the area's room is read as full.
  std::uint16_t PopupCount() const;
  std::vector<std::uint16_t> PopupMenuList() const;
  // Writes the count and the numbers (cut to the area's room); the rest of
  // the area is cleared.
  void SetPopupMenuList(const std::vector<std::uint16_t>& numbers);
  // Every byte of the text area zero.
  void ClearMacroText();

  std::string IconName() const;
  void SetIconName(std::string_view text);  // cut to 12

  std::int16_t SchedKind() const;
  void SetSchedKind(std::int16_t kind);
  // Day flags of the daily schedule: index 0 Monday .. 5 Saturday.
  std::uint8_t SchedMon(int index) const;
  void SetSchedMon(int index, std::uint8_t flag);
  std::uint8_t SchedSun() const;
  void SetSchedSun(std::uint8_t flag);
  std::uint8_t SchedHour() const;
  void SetSchedHour(std::uint8_t hour);
  std::uint8_t SchedMinute() const;
  void SetSchedMinute(std::uint8_t minute);
  std::uint8_t SchedMonth() const;
  void SetSchedMonth(std::uint8_t month);
  std::uint8_t SchedDay() const;
  void SetSchedDay(std::uint8_t day);
  std::uint8_t SchedPastHour() const;
  void SetSchedPastHour(std::uint8_t minutes);
  std::uint16_t SchedInterval() const;
  void SetSchedInterval(std::uint16_t minutes);
  std::uint8_t SchedWeekday() const;  // 1 Sunday .. 7 Saturday
  void SetSchedWeekday(std::uint8_t weekday);
  std::uint16_t SchedYear() const;
  void SetSchedYear(std::uint16_t year);
  std::uint8_t SchedPM() const;
  void SetSchedPM(std::uint8_t pm);
  // The schedule a new timed macro starts from: daily on every day at 12:00
  // noon, the date fields from `today` (`DefaultTimer`).
  void SetDefaultSchedule(const LocalDateTime& today);

  std::uint8_t TopMostOnly() const;
  void SetTopMostOnly(std::uint8_t flag);
  double LastModified() const;  // days since 30 December 1899
  void SetLastModified(double dateTime);
  std::array<std::uint8_t, 22> Reserved5143() const;
  void SetReserved5143(const std::array<std::uint8_t, 22>& value);

 private:
  Bytes bytes_{};
};

// The digit 1..4 of a SYSTEM-scope entry (its scope name's first character),
// 0 when the scope name names none.
int SystemActivationDigit(std::string_view scopeName);

}  // namespace tavrix
