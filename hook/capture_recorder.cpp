#include "hook/capture_recorder.h"

#include "base/virtual_keys.h"

namespace tavrix::hook {

namespace {

// Keys that type no character, by the tag that presses them.
struct KeyTag {
  std::uint16_t vk;
  const char* tag;
};

constexpr KeyTag kKeyTags[] = {
    {9, "<TAB>"},         {13, "<ENTER>"},     {8, "<BACKSPACE>"},   {27, "<ESC>"},
    {37, "<LEFT ARROW>"}, {39, "<RIGHT ARROW>"}, {38, "<UP ARROW>"},   {40, "<DOWN ARROW>"},
    {36, "<HOME>"},       {35, "<END>"},       {45, "<INSERT>"},     {46, "<DELETE>"},
    {33, "<PAGE UP>"},    {34, "<PAGE DOWN>"}, {93, "<APP>"},        {44, "<PRTSCR>"},
    {96, "<KEYP0>"},      {97, "<KEYP1>"},     {98, "<KEYP2>"},      {99, "<KEYP3>"},
    {100, "<KEYP4>"},     {101, "<KEYP5>"},    {102, "<KEYP6>"},     {103, "<KEYP7>"},
    {104, "<KEYP8>"},     {105, "<KEYP9>"},    {110, "<KEYP.>"},     {111, "<KEYP/>"},
    {106, "<KEYP*>"},     {109, "<KEYP->"},    {107, "<KEYP+>"},     {246, "<ATTN>"},
    {247, "<CRSEL>"},     {248, "<EXSEL>"},    {249, "<EREOF>"},     {250, "<PLAY>"},
    {251, "<ZOOM>"},      {253, "<PA1>"},
};

const char* tagOf(std::uint16_t vk) {
  if (vk >= 112 && vk <= 135) {
    static constexpr const char* kF[] = {"<F1>",  "<F2>",  "<F3>",  "<F4>",  "<F5>",  "<F6>",
                                         "<F7>",  "<F8>",  "<F9>",  "<F10>", "<F11>", "<F12>",
                                         "<F13>", "<F14>", "<F15>", "<F16>", "<F17>", "<F18>",
                                         "<F19>", "<F20>", "<F21>", "<F22>", "<F23>", "<F24>"};
    return kF[vk - 112];
  }
  for (const KeyTag& k : kKeyTags)
    if (k.vk == vk) return k.tag;
  return nullptr;
}

bool isAlt(std::uint16_t vk) { return vk == vk::kMenu || vk == vk::kLeftMenu || vk == vk::kRightMenu; }

// The longest wait one event writes; a longer pause is cut to it.
constexpr std::uint32_t kLongestPauseMs = 10 * 99990;

constexpr const char* kButtonDown[] = {"", "<LDN>", "<RDN>", "<MDN>"};
constexpr const char* kButtonUp[] = {"", "<LUP>", "<RUP>", "<MUP>"};

}  // namespace

void CaptureRecorder::start(const CaptureOptions& options, const StopKey& first, const StopKey& second) {
  options_ = options;
  stops_[0] = first;
  stops_[1] = second;
  recording_ = true;
  timed_ = false;
  written_ = Modifiers{};
  buttonsDown_ = 0;
  altAlone_ = altHeld_ = false;
  pointerKnown_ = false;
  windowSized_ = false;
  sizedWindow_ = 0;
  size_ = 0;
}

void CaptureRecorder::finish() {
  if (!recording_) return;
  for (std::uint8_t b = 1; b <= 3; ++b)
    if (buttonsDown_ & (1u << b)) put(kButtonUp[b]);
  buttonsDown_ = 0;
  releaseModifiersNotHeld(Modifiers{});
  recording_ = false;
}

bool CaptureRecorder::isStop(const StopKey& stop, std::uint8_t mouse, std::uint16_t vk, Modifiers held) const {
  if (!stop.armed || stop.mouse != mouse || held != stop.modifiers) return false;
  return mouse != 0 || stop.vk == vk;
}

CaptureRecorder::Result CaptureRecorder::key(std::uint16_t vk, bool up, Modifiers held, std::uint32_t time,
                                             std::uint8_t typed) {
  if (!recording_) return Result::Idle;
  if (vk::isModifier(vk)) {
    if (isAlt(vk)) {
      if (!up && !altHeld_) altAlone_ = true;
      altHeld_ = !up;
    } else {
      altAlone_ = false;
    }
    if (!up || !options_.keys) return Result::Recorded;
    if (isAlt(vk) && altAlone_ && options_.doubleAlt && !written_.alt) {
      pauseBefore(time);
      put("<ALTD><ALTU>");
    }
    if (isAlt(vk)) altAlone_ = false;
    const bool lettingGo = (written_.shift && !held.shift) || (written_.ctrl && !held.ctrl) ||
                           (written_.alt && !held.alt) || (written_.win && !held.win);
    if (lettingGo) {
      pauseBefore(time);
      releaseModifiersNotHeld(held);
    }
    return Result::Recorded;
  }
  if (up) return Result::Recorded;
  altAlone_ = false;
  if (isStop(stops_[0], 0, vk, held) || isStop(stops_[1], 0, vk, held)) {
    finish();
    return Result::Stopped;
  }
  if (!options_.keys) return Result::Recorded;
  if (typed != 0) {
    pauseBefore(time);
    syncModifiers(held, false);
    character(typed);
    return Result::Recorded;
  }
  if (const char* tag = tagOf(vk)) {
    pauseBefore(time);
    syncModifiers(held, true);
    put(tag);
    return Result::Recorded;
  }
  const std::uint8_t c = characters_.character(vk, held.shift, false);
  if (c == 0 || c < ' ') return Result::Recorded;  // a lock or other key that types nothing
  pauseBefore(time);
  syncModifiers(held, false);
  character(c);
  return Result::Recorded;
}

CaptureRecorder::Result CaptureRecorder::button(std::uint8_t button, bool up, std::int32_t x, std::int32_t y,
                                                const FrontWindow& front, Modifiers held, std::uint32_t time) {
  if (!recording_) return Result::Idle;
  if (button < 1 || button > 3) return Result::Recorded;
  const std::uint8_t bit = static_cast<std::uint8_t>(1u << button);
  if (up) {
    // Only the release of a press the text holds; not of the stop button
    // or of a press from before the capture.
    if (!(buttonsDown_ & bit)) return Result::Recorded;
    pauseBefore(time);
    pointerAt(x, y, front);
    put(kButtonUp[button]);
    buttonsDown_ = static_cast<std::uint8_t>(buttonsDown_ & ~bit);
    return Result::Recorded;
  }
  altAlone_ = false;
  if (isStop(stops_[0], button, 0, held) || isStop(stops_[1], button, 0, held)) {
    finish();
    return Result::Stopped;
  }
  if (!options_.mouse) return Result::Recorded;
  pauseBefore(time);
  syncModifiers(held, true);
  pointerAt(x, y, front);
  if (buttonsDown_ & bit) put(kButtonUp[button]);  // its release went missing
  put(kButtonDown[button]);
  buttonsDown_ = static_cast<std::uint8_t>(buttonsDown_ | bit);
  return Result::Recorded;
}

CaptureRecorder::Result CaptureRecorder::wheel(int notches, std::int32_t x, std::int32_t y,
                                               const FrontWindow& front, Modifiers held, std::uint32_t time) {
  if (!recording_) return Result::Idle;
  if (!options_.mouse || notches == 0) return Result::Recorded;
  altAlone_ = false;
  pauseBefore(time);
  syncModifiers(held, true);
  pointerAt(x, y, front);
  unsigned count = static_cast<unsigned>(notches < 0 ? -notches : notches);
  while (count > 0) {
    const unsigned part = count > 999 ? 999 : count;
    put(notches > 0 ? "<WFW:" : "<WBW:");
    putNumber(part, 3);
    put(">");
    count -= part;
  }
  return Result::Recorded;
}

// The time since the last recorded action; the first one has none (the
// time before it is the user getting ready, not part of the macro).
void CaptureRecorder::pauseBefore(std::uint32_t time) {
  if (!options_.time) return;
  std::uint32_t pause = timed_ ? time - lastTime_ : 0;
  timed_ = true;
  lastTime_ = time;
  if (pause > kLongestPauseMs) pause = kLongestPauseMs;
  while (pause >= 10000) {
    const std::uint32_t part = pause > 99990 ? 99990 : pause - pause % 10;
    put("<DELAY:");
    putNumber(part / 1000, 2);
    put(".");
    putNumber(part % 1000 / 10, 2);
    put(">");
    pause -= part;
  }
  if (pause > 0) {
    put("<MSD:");
    putNumber(pause, 4);
    put(">");
  }
}

// Brings the modifiers the text holds in line with the user's. A character
// carries its own Shift, so for characters the text's Shift goes up.
void CaptureRecorder::syncModifiers(Modifiers held, bool withShift) {
  if (!withShift) held.shift = false;
  releaseModifiersNotHeld(held);
  if (held.ctrl && !written_.ctrl) put("<CTLD>");
  if (held.alt && !written_.alt) put("<ALTD>");
  if (held.win && !written_.win) put("<WIND>");
  if (held.shift && !written_.shift) put("<SHFD>");
  written_ = held;
}

void CaptureRecorder::releaseModifiersNotHeld(Modifiers held) {
  if (written_.shift && !held.shift) put("<SHFU>");
  if (written_.win && !held.win) put("<WINU>");
  if (written_.alt && !held.alt) put("<ALTU>");
  if (written_.ctrl && !held.ctrl) put("<CTLU>");
  written_.shift = written_.shift && held.shift;
  written_.win = written_.win && held.win;
  written_.alt = written_.alt && held.alt;
  written_.ctrl = written_.ctrl && held.ctrl;
}

// Moves the pointer to where the event happened, when it is not there yet.
void CaptureRecorder::pointerAt(std::int32_t x, std::int32_t y, const FrontWindow& front) {
  bool relative = !options_.relativeToScreen && front.id != 0 && x >= front.left && y >= front.top;
  if (relative && options_.windowSize && (!windowSized_ || sizedWindow_ != front.id)) {
    put("<WSIZE:");
    putNumber(static_cast<unsigned>(front.width < 0 ? 0 : front.width > 9999 ? 9999 : front.width), 4);
    put(",");
    putNumber(static_cast<unsigned>(front.height < 0 ? 0 : front.height > 9999 ? 9999 : front.height), 4);
    put("\"CURRENT\">");
    windowSized_ = true;
    sizedWindow_ = front.id;
    pointerKnown_ = false;
  }
  const std::int32_t px = relative ? x - front.left : (x < 0 ? 0 : x);
  const std::int32_t py = relative ? y - front.top : (y < 0 ? 0 : y);
  if (pointerKnown_ && pointerRelative_ == relative && px == pointerX_ && py == pointerY_) return;
  put(relative ? "<MMW:" : "<MMS:");
  putNumber(static_cast<unsigned>(px > 99999 ? 99999 : px), 5);
  put(",");
  putNumber(static_cast<unsigned>(py > 99999 ? 99999 : py), 5);
  put(">");
  pointerKnown_ = true;
  pointerRelative_ = relative;
  pointerX_ = px;
  pointerY_ = py;
}

void CaptureRecorder::character(std::uint8_t c) {
  if (c == '<') {
    put("<SHIFT>,");  // a plain "<" could begin a tag with what follows
    return;
  }
  const char one = static_cast<char>(c);
  put(std::string_view(&one, 1));
}

void CaptureRecorder::put(std::string_view s) {
  for (const char c : s) {
    if (size_ == buffer_.size()) return;
    buffer_[size_++] = c;
  }
}

void CaptureRecorder::putNumber(unsigned value, int width) {
  char digits[10];
  for (int i = width - 1; i >= 0; --i) {
    digits[i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
  put(std::string_view(digits, static_cast<std::size_t>(width)));
}

}  // namespace tavrix::hook
