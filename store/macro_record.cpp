#include "store/macro_record.h"

#include <algorithm>
#include <stdexcept>

#include "base/byte_fields.h"
#include "store/date_time.h"

namespace tavrix {
namespace {

// Offsets of the record's fields.
constexpr std::size_t kNickName = 0;
constexpr std::size_t kScopeName = 51;
constexpr std::size_t kWordletText = 82;
constexpr std::size_t kActivation = 93;
constexpr std::size_t kScope = 95;
constexpr std::size_t kActive = 97;
constexpr std::size_t kReserved98 = 98;
constexpr std::size_t kMacroText = 100;
constexpr std::size_t kMacroTextArea = 5001;
constexpr std::size_t kPopupNumbers = 102;
constexpr std::size_t kIconName = 5101;
constexpr std::size_t kSchedKind = 5114;
constexpr std::size_t kSchedMon = 5116;
constexpr std::size_t kSchedSun = 5122;
constexpr std::size_t kSchedHour = 5123;
constexpr std::size_t kSchedMinute = 5124;
constexpr std::size_t kSchedMonth = 5125;
constexpr std::size_t kSchedDay = 5126;
constexpr std::size_t kSchedPastHour = 5127;
constexpr std::size_t kSchedInterval = 5128;
constexpr std::size_t kSchedWeekday = 5130;
constexpr std::size_t kSchedYear = 5131;
constexpr std::size_t kSchedPM = 5133;
constexpr std::size_t kTopMostOnly = 5134;
constexpr std::size_t kLastModified = 5135;
constexpr std::size_t kReserved5143 = 5143;

std::size_t DayFlagOffset(int index) {
  if (index < 0 || index > 5) throw std::out_of_range("SchedMon index must be 0..5");
  return kSchedMon + static_cast<std::size_t>(index);
}

}  // namespace

MacroRecord::MacroRecord() = default;
MacroRecord::MacroRecord(const Bytes& bytes) : bytes_(bytes) {}

std::string MacroRecord::NickName() const { return bytes::ReadString(bytes_, kNickName, kNickNameCapacity); }
void MacroRecord::SetNickName(std::string_view text) { bytes::WriteString(bytes_, kNickName, kNickNameCapacity, text); }
std::string MacroRecord::ScopeName() const { return bytes::ReadString(bytes_, kScopeName, kScopeNameCapacity); }
void MacroRecord::SetScopeName(std::string_view text) { bytes::WriteString(bytes_, kScopeName, kScopeNameCapacity, text); }
std::string MacroRecord::WordletText() const { return bytes::ReadString(bytes_, kWordletText, kWordletCapacity); }
void MacroRecord::SetWordletText(std::string_view text) {
  bytes::WriteString(bytes_, kWordletText, kWordletCapacity, text);
}
std::uint16_t MacroRecord::Activation() const { return bytes::ReadU16(bytes_, kActivation); }
void MacroRecord::SetActivation(std::uint16_t code) { bytes::WriteU16(bytes_, kActivation, code); }
std::int16_t MacroRecord::Scope() const { return bytes::ReadI16(bytes_, kScope); }
void MacroRecord::SetScope(std::int16_t scope) { bytes::WriteI16(bytes_, kScope, scope); }
std::uint8_t MacroRecord::Active() const { return bytes_[kActive]; }
void MacroRecord::SetActive(std::uint8_t active) { bytes_[kActive] = active; }
std::uint16_t MacroRecord::Reserved98() const { return bytes::ReadU16(bytes_, kReserved98); }
void MacroRecord::SetReserved98(std::uint16_t value) { bytes::WriteU16(bytes_, kReserved98, value); }

std::string MacroRecord::MacroText() const {
  const auto* begin = bytes_.data() + kMacroText;
  const auto* end = std::find(begin, begin + kMaxMacroText, std::uint8_t{0});
  return std::string(begin, end);
}

void MacroRecord::SetMacroText(std::string_view text) {
  ClearMacroText();
  const std::size_t length = std::min(text.size(), kMaxMacroText);
  std::copy_n(reinterpret_cast<const std::uint8_t*>(text.data()), length, bytes_.begin() + kMacroText);
}

void MacroRecord::ClearMacroText() {
  std::fill_n(bytes_.begin() + kMacroText, kMacroTextArea, std::uint8_t{0});
}

std::uint16_t MacroRecord::PopupCount() const {
  return static_cast<std::uint16_t>(std::min<std::size_t>(bytes::ReadU16(bytes_, kMacroText), kPopupListCapacity));
}

std::vector<std::uint16_t> MacroRecord::PopupMenuList() const {
  std::vector<std::uint16_t> numbers(PopupCount());
  for (std::size_t i = 0; i < numbers.size(); ++i) numbers[i] = bytes::ReadU16(bytes_, kPopupNumbers + 2 * i);
  return numbers;
}

void MacroRecord::SetPopupMenuList(const std::vector<std::uint16_t>& numbers) {
  ClearMacroText();
  const std::size_t count = std::min(numbers.size(), kPopupListCapacity);
  bytes::WriteU16(bytes_, kMacroText, static_cast<std::uint16_t>(count));
  for (std::size_t i = 0; i < count; ++i) bytes::WriteU16(bytes_, kPopupNumbers + 2 * i, numbers[i]);
}

std::string MacroRecord::IconName() const { return bytes::ReadString(bytes_, kIconName, kIconNameCapacity); }
void MacroRecord::SetIconName(std::string_view text) { bytes::WriteString(bytes_, kIconName, kIconNameCapacity, text); }

std::int16_t MacroRecord::SchedKind() const { return bytes::ReadI16(bytes_, kSchedKind); }
void MacroRecord::SetSchedKind(std::int16_t kind) { bytes::WriteI16(bytes_, kSchedKind, kind); }
std::uint8_t MacroRecord::SchedMon(int index) const { return bytes_[DayFlagOffset(index)]; }
void MacroRecord::SetSchedMon(int index, std::uint8_t flag) { bytes_[DayFlagOffset(index)] = flag; }
std::uint8_t MacroRecord::SchedSun() const { return bytes_[kSchedSun]; }
void MacroRecord::SetSchedSun(std::uint8_t flag) { bytes_[kSchedSun] = flag; }
std::uint8_t MacroRecord::SchedHour() const { return bytes_[kSchedHour]; }
void MacroRecord::SetSchedHour(std::uint8_t hour) { bytes_[kSchedHour] = hour; }
std::uint8_t MacroRecord::SchedMinute() const { return bytes_[kSchedMinute]; }
void MacroRecord::SetSchedMinute(std::uint8_t minute) { bytes_[kSchedMinute] = minute; }
std::uint8_t MacroRecord::SchedMonth() const { return bytes_[kSchedMonth]; }
void MacroRecord::SetSchedMonth(std::uint8_t month) { bytes_[kSchedMonth] = month; }
std::uint8_t MacroRecord::SchedDay() const { return bytes_[kSchedDay]; }
void MacroRecord::SetSchedDay(std::uint8_t day) { bytes_[kSchedDay] = day; }
std::uint8_t MacroRecord::SchedPastHour() const { return bytes_[kSchedPastHour]; }
void MacroRecord::SetSchedPastHour(std::uint8_t minutes) { bytes_[kSchedPastHour] = minutes; }
std::uint16_t MacroRecord::SchedInterval() const { return bytes::ReadU16(bytes_, kSchedInterval); }
void MacroRecord::SetSchedInterval(std::uint16_t minutes) { bytes::WriteU16(bytes_, kSchedInterval, minutes); }
std::uint8_t MacroRecord::SchedWeekday() const { return bytes_[kSchedWeekday]; }
void MacroRecord::SetSchedWeekday(std::uint8_t weekday) { bytes_[kSchedWeekday] = weekday; }
std::uint16_t MacroRecord::SchedYear() const { return bytes::ReadU16(bytes_, kSchedYear); }
void MacroRecord::SetSchedYear(std::uint16_t year) { bytes::WriteU16(bytes_, kSchedYear, year); }
std::uint8_t MacroRecord::SchedPM() const { return bytes_[kSchedPM]; }
void MacroRecord::SetSchedPM(std::uint8_t pm) { bytes_[kSchedPM] = pm; }

void MacroRecord::SetDefaultSchedule(const LocalDateTime& today) {
  SetSchedKind(kScheduleDaily);
  for (int i = 0; i < 6; ++i) SetSchedMon(i, 1);
  SetSchedSun(1);
  SetSchedMonth(static_cast<std::uint8_t>(today.month));
  SetSchedDay(static_cast<std::uint8_t>(today.day));
  SetSchedYear(static_cast<std::uint16_t>(today.year));
  SetSchedPastHour(15);
  SetSchedInterval(15);
  SetSchedWeekday(static_cast<std::uint8_t>(DayOfWeek(today)));
  SetSchedHour(12);
  SetSchedMinute(0);
  SetSchedPM(1);
}

std::uint8_t MacroRecord::TopMostOnly() const { return bytes_[kTopMostOnly]; }
void MacroRecord::SetTopMostOnly(std::uint8_t flag) { bytes_[kTopMostOnly] = flag; }
double MacroRecord::LastModified() const { return bytes::ReadDouble(bytes_, kLastModified); }
void MacroRecord::SetLastModified(double dateTime) { bytes::WriteDouble(bytes_, kLastModified, dateTime); }

std::array<std::uint8_t, 22> MacroRecord::Reserved5143() const {
  std::array<std::uint8_t, 22> value{};
  std::copy_n(bytes_.begin() + kReserved5143, value.size(), value.begin());
  return value;
}
void MacroRecord::SetReserved5143(const std::array<std::uint8_t, 22>& value) {
  std::copy(value.begin(), value.end(), bytes_.begin() + kReserved5143);
}

int SystemActivationDigit(std::string_view scopeName) {
  if (scopeName.empty() || scopeName[0] < '1' || scopeName[0] > '4') return 0;
  return scopeName[0] - '0';
}

}  // namespace tavrix
