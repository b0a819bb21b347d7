#include "playback/macro_text_recognizer.h"

#include <array>
#include <vector>

#include "playback/date_time_formats.h"
#include "playback/field_conversion.h"

namespace tavrix {

namespace {

// How the parameters of a tag follow its literal.
enum class Shape : std::uint8_t {
  Fixed,           // the literal alone (it ends with ">")
  Digits,          // `width` characters, then ">" required
  Coordinates,     // 5 characters, a separator, 5 characters, then ">" required
  FreeText,        // text up to the next ">"
  Pair,            // two texts separated by ";", up to the next ">"
  FieldsThenText,  // two `width` fields around a separator, then text up to ">"
  Launch,          // program [<PARAM> parameters] up to ">"
  LaunchTitled,    // 2 digits, a title up to "<", "<LAUNCH:", then as Launch
  ClipboardBlock,  // literal text up to "<ENDCLIP>"
};

struct TagSpec {
  std::string_view literal;
  ElementKind kind;
  Shape shape = Shape::Fixed;
  std::uint8_t key = 0;    // virtual key, or the counter width
  std::uint8_t width = 0;  // field width
  MouseButtonId button = MouseButtonId::Left;
  MouseAction action = MouseAction::Down;
};

constexpr TagSpec KeyTag(std::string_view literal, std::uint8_t vk) { return {literal, ElementKind::Key, Shape::Fixed, vk}; }
constexpr TagSpec Plain(std::string_view literal, ElementKind kind, std::uint8_t key = 0) {
  return {literal, kind, Shape::Fixed, key};
}
constexpr TagSpec Digits(std::string_view literal, ElementKind kind, std::uint8_t width) {
  return {literal, kind, Shape::Digits, 0, width};
}
constexpr TagSpec Text(std::string_view literal, ElementKind kind) { return {literal, kind, Shape::FreeText}; }
constexpr TagSpec Mouse(std::string_view literal, MouseButtonId button, MouseAction action) {
  return {literal, ElementKind::MouseButton, Shape::Fixed, 0, 0, button, action};
}

constexpr TagSpec Tags[] = {
    // Single keys.
    KeyTag("<TAB>", 9), KeyTag("<ENTER>", 13), KeyTag("<BACKSPACE>", 8), KeyTag("<ESC>", 27),
    KeyTag("<SPACE>", 32), KeyTag("<LEFT ARROW>", 37), KeyTag("<RIGHT ARROW>", 39), KeyTag("<UP ARROW>", 38),
    KeyTag("<DOWN ARROW>", 40), KeyTag("<HOME>", 36), KeyTag("<END>", 35), KeyTag("<INSERT>", 45),
    KeyTag("<DELETE>", 46), KeyTag("<PAGE UP>", 33), KeyTag("<PAGE DOWN>", 34), KeyTag("<LEFTWIN>", 91),
    KeyTag("<RIGHTWIN>", 92), KeyTag("<APP>", 93),
    KeyTag("<F1>", 112), KeyTag("<F2>", 113), KeyTag("<F3>", 114), KeyTag("<F4>", 115), KeyTag("<F5>", 116),
    KeyTag("<F6>", 117), KeyTag("<F7>", 118), KeyTag("<F8>", 119), KeyTag("<F9>", 120), KeyTag("<F10>", 121),
    KeyTag("<F11>", 122), KeyTag("<F12>", 123), KeyTag("<F13>", 124), KeyTag("<F14>", 125),
    KeyTag("<F15>", 126), KeyTag("<F16>", 127), KeyTag("<F17>", 128), KeyTag("<F18>", 129),
    KeyTag("<F19>", 130), KeyTag("<F20>", 131), KeyTag("<F21>", 132), KeyTag("<F22>", 133),
    KeyTag("<F23>", 134), KeyTag("<F24>", 135),
    KeyTag("<PRTSCR>", 44),
    KeyTag("<KEYP0>", 96), KeyTag("<KEYP1>", 97), KeyTag("<KEYP2>", 98), KeyTag("<KEYP3>", 99),
    KeyTag("<KEYP4>", 100), KeyTag("<KEYP5>", 101), KeyTag("<KEYP6>", 102), KeyTag("<KEYP7>", 103),
    KeyTag("<KEYP8>", 104), KeyTag("<KEYP9>", 105), KeyTag("<KEYP.>", 110), KeyTag("<KEYP/>", 111),
    KeyTag("<KEYP*>", 106), KeyTag("<KEYP->", 109), KeyTag("<KEYP+>", 107),
    KeyTag("<ATTN>", 246), KeyTag("<CRSEL>", 247), KeyTag("<EXSEL>", 248), KeyTag("<EREOF>", 249),
    KeyTag("<PLAY>", 250), KeyTag("<ZOOM>", 251), KeyTag("<PA1>", 253),
    Plain("<RIGHT MOUSE>", ElementKind::MouseKey, 2), Plain("<MIDDLE MOUSE>", ElementKind::MouseKey, 4),
    // Modifiers and character codes.
    Plain("<CTLD>", ElementKind::KeyDown, 17), Plain("<CTLU>", ElementKind::KeyUp, 17),
    Plain("<ALTD>", ElementKind::KeyDown, 18), Plain("<ALTU>", ElementKind::KeyUp, 18),
    Plain("<SHFD>", ElementKind::KeyDown, 16), Plain("<SHFU>", ElementKind::KeyUp, 16),
    Plain("<WIND>", ElementKind::KeyDown, 91), Plain("<WINU>", ElementKind::KeyUp, 91),
    Plain("<SHIFT>", ElementKind::OneShotShift), Plain("<CTRL>", ElementKind::OneShotCtrl),
    Plain("<ALT>", ElementKind::OneShotAlt),
    Digits("<ALT:", ElementKind::AltCode, 3), Digits("<ALT4:", ElementKind::AltCode, 4),
    // Timing, flow and text.
    Plain("<PAUSE>", ElementKind::Pause),
    {"<PAUSE:", ElementKind::PauseMessage, Shape::FieldsThenText, 0, 3},
    Digits("<DELAY:", ElementKind::Delay, 5), Digits("<MSD:", ElementKind::MillisecondDelay, 4),
    Digits("<SPEED:", ElementKind::Speed, 5), Digits("<SPKEY:", ElementKind::KeyDelay, 4),
    Digits("<SPMSE:", ElementKind::MouseDelay, 4), Digits("<REPEAT:", ElementKind::Repeat, 4),
    Plain("<PROMPTREP>", ElementKind::PromptRepeat), Plain("<ENDREP>", ElementKind::EndRepeat),
    Plain("<I>", ElementKind::Counter, 1), Plain("<II>", ElementKind::Counter, 2),
    Plain("<III>", ElementKind::Counter, 3), Plain("<IIII>", ElementKind::Counter, 4),
    Text("<REM:", ElementKind::Remark), Plain("<TEST>", ElementKind::Test),
    {"<BEGCLIP>", ElementKind::ClipboardBlock, Shape::ClipboardBlock}, Plain("<ENDCLIP>", ElementKind::EndClipboard),
    Text("<TFILE:", ElementKind::TextFile), Text("<SWAP:", ElementKind::Swap),
    // Windows and programs.
    Text("<ACTIVATE:", ElementKind::Activate),
    {"<LAUNCH:", ElementKind::Launch, Shape::Launch},
    {"<LAUNCHNO:", ElementKind::LaunchWait, Shape::LaunchTitled},
    {"<LAUNCHYES:", ElementKind::LaunchOrActivate, Shape::LaunchTitled},
    Text("<WSHUT:", ElementKind::WindowQuit), Text("<WHIDE:", ElementKind::WindowHide),
    Text("<WSHOW:", ElementKind::WindowShow), Text("<WMAX:", ElementKind::WindowMaximize),
    Text("<WMIN:", ElementKind::WindowMinimize), Text("<WRES:", ElementKind::WindowRestore),
    Text("<WCLS:", ElementKind::WindowClose),
    {"<WSIZE:", ElementKind::WindowSize, Shape::FieldsThenText, 0, 4},
    {"<WPOS:", ElementKind::WindowPosition, Shape::FieldsThenText, 0, 4},
    // Mouse, clipboard, files and the rest.
    Mouse("<LDN>", MouseButtonId::Left, MouseAction::Down), Mouse("<LUP>", MouseButtonId::Left, MouseAction::Up),
    Mouse("<LCLK>", MouseButtonId::Left, MouseAction::Click),
    Mouse("<LDCLK>", MouseButtonId::Left, MouseAction::DoubleClick),
    Mouse("<RDN>", MouseButtonId::Right, MouseAction::Down), Mouse("<RUP>", MouseButtonId::Right, MouseAction::Up),
    Mouse("<RCLK>", MouseButtonId::Right, MouseAction::Click),
    Mouse("<RDCLK>", MouseButtonId::Right, MouseAction::DoubleClick),
    Mouse("<MDN>", MouseButtonId::Middle, MouseAction::Down), Mouse("<MUP>", MouseButtonId::Middle, MouseAction::Up),
    Mouse("<MCLK>", MouseButtonId::Middle, MouseAction::Click),
    Mouse("<MDCLK>", MouseButtonId::Middle, MouseAction::DoubleClick),
    Digits("<WFW:", ElementKind::WheelForward, 3), Digits("<WBW:", ElementKind::WheelBackward, 3),
    {"<MMS:", ElementKind::MoveOnScreen, Shape::Coordinates, 0, 11},
    {"<MMW:", ElementKind::MoveInWindow, Shape::Coordinates, 0, 11},
    Plain("<CLIPC>", ElementKind::ClipboardCopy), Plain("<CLIPP>", ElementKind::ClipboardPaste),
    Text("<CLIPF:", ElementKind::ClipboardFile),
    Text("<HTTP:", ElementKind::Http), Text("<FTP:", ElementKind::Ftp),
    Text("<WAV1:", ElementKind::WaveWait), Text("<WAV2:", ElementKind::WaveNoWait),
    Plain("<BEEP>", ElementKind::Beep),
    Text("<CHDIR:", ElementKind::ChangeFolder), Text("<DELFILE:", ElementKind::DeleteFile),
    {"<COPYFILE:", ElementKind::CopyFile, Shape::Pair}, {"<RENFILE:", ElementKind::RenameFile, Shape::Pair},
};

constexpr std::string_view ParamMark = "<PARAM";
constexpr std::string_view ParamTag = "<PARAM>";
constexpr std::string_view LaunchLiteral = "<LAUNCH:";
constexpr std::string_view EndClipLiteral = "<ENDCLIP>";

// The tags sorted by the character after "<", so a position is compared with
// a handful of literals instead of all of them.
struct TagIndex {
  std::array<std::vector<const TagSpec*>, 256> byFirstLetter;
  std::array<std::vector<int>, 256> dateFormatsByFirstLetter;
  std::array<std::vector<int>, 256> timeFormatsByFirstLetter;
  TagIndex() {
    for (const TagSpec& tag : Tags) byFirstLetter[static_cast<unsigned char>(tag.literal[1])].push_back(&tag);
    for (std::size_t i = 0; i < DateFormatNames.size(); ++i) {
      dateFormatsByFirstLetter[static_cast<unsigned char>(DateFormatNames[i][0])].push_back(static_cast<int>(i));
    }
    for (std::size_t i = 0; i < TimeFormatNames.size(); ++i) {
      timeFormatsByFirstLetter[static_cast<unsigned char>(TimeFormatNames[i][0])].push_back(static_cast<int>(i));
    }
  }
};

const TagIndex& Index() {
  static const TagIndex index;
  return index;
}

// The character at an offset, or NUL past the end (macro texts are
// NUL-terminated, so that is what lies beyond them).
char At(std::string_view text, std::size_t offset) { return offset < text.size() ? text[offset] : '\0'; }

std::string_view Slice(std::string_view text, std::size_t from, std::size_t count) {
  if (from >= text.size()) return {};
  return text.substr(from, count);
}

std::string_view Capped(std::string_view text) { return text.substr(0, FreeTextCapacity); }

// Free text from `from` up to the next ">": the text and the offset just
// past the ">" (or the end of the text).
struct Span {
  std::string_view text;
  std::size_t end;
};

Span TextUpTo(std::string_view text, std::size_t from, char stop) {
  if (from >= text.size()) return {{}, text.size()};
  const std::size_t close = text.find(stop, from);
  if (close == std::string_view::npos) return {text.substr(from), text.size()};
  return {text.substr(from, close - from), close + 1};
}

// A launch command: the program scan stops at the first ">", unless what it
// collected holds "<PARAM", then at the following ">" (or the end of the
// text, so a "<PARAM>" that ends the text still leaves the program alone).
std::size_t ReadLaunchCommand(std::string_view text, std::size_t from, MacroElement& element) {
  Span command = TextUpTo(text, from, '>');
  if (command.text.find(ParamMark) != std::string_view::npos) {
    const Span rest = TextUpTo(text, command.end, '>');
    const std::size_t stop = command.end + rest.text.size();  // where the second scan stopped
    command = Span{text.substr(from, stop - from), rest.end};
  }
  const std::size_t split = command.text.find(ParamTag);
  if (split == std::string_view::npos) {
    element.text = Capped(command.text);
  } else {
    element.text = Capped(command.text.substr(0, split));
    element.text2 = Capped(command.text.substr(split + ParamTag.size()));
  }
  return command.end;
}

// Reads the parameters of a tag whose literal matched at `position`; false
// when a required ">" is missing, so the text is not this tag.
bool ReadParameters(const TagSpec& tag, std::string_view text, std::size_t position, MacroElement& element) {
  const std::size_t start = position + tag.literal.size();
  std::size_t end = start;
  switch (tag.shape) {
    case Shape::Fixed:
      element.key = tag.key;
      element.number = tag.key;
      break;
    case Shape::Digits:
    case Shape::Coordinates:
      end = start + tag.width;
      if (At(text, end) != '>') return false;
      element.field = text.substr(start, tag.width);
      if (tag.shape == Shape::Coordinates) {
        element.number = LeadingNumber(element.field.substr(0, 5));
        element.number2 = LeadingNumber(element.field.substr(6, 5));
      } else {
        element.number = LeadingNumber(element.field);
      }
      ++end;
      break;
    case Shape::FreeText: {
      const Span span = TextUpTo(text, start, '>');
      element.text = Capped(span.text);
      end = span.end;
      break;
    }
    case Shape::Pair: {
      const Span span = TextUpTo(text, start, '>');
      const std::size_t split = span.text.find(';');
      if (split == std::string_view::npos) {
        element.text = Capped(span.text);
      } else {
        element.text = Capped(span.text.substr(0, split));
        element.text2 = Capped(span.text.substr(split + 1));
      }
      end = span.end;
      break;
    }
    case Shape::FieldsThenText: {
      element.number = LeadingNumber(Slice(text, start, tag.width));
      element.number2 = LeadingNumber(Slice(text, start + tag.width + 1, tag.width));
      const Span span = TextUpTo(text, start + 2 * tag.width + 1, '>');
      element.text = Capped(span.text);
      end = span.end;
      break;
    }
    case Shape::Launch:
      end = ReadLaunchCommand(text, start, element);
      break;
    case Shape::LaunchTitled: {
      element.number = LeadingNumber(Slice(text, start, 2));
      const Span title = TextUpTo(text, start + 2, '<');
      element.title = Capped(title.text);
      // The title stops at the "<" of "<LAUNCH:"; the program follows it.
      const std::size_t program = title.end + LaunchLiteral.size() - 1;
      end = program >= text.size() ? text.size() : ReadLaunchCommand(text, program, element);
      break;
    }
    case Shape::ClipboardBlock: {
      const std::size_t close = text.find(EndClipLiteral, start);
      if (close == std::string_view::npos) {
        element.terminated = false;
        element.text = text.substr(start);
        end = text.size();
      } else {
        element.text = text.substr(start, close - start).substr(0, ClipboardBlockCapacity);
        end = close;  // the "<ENDCLIP>" is consumed as a tag of its own
      }
      break;
    }
  }
  element.kind = tag.kind;
  element.button = tag.button;
  element.action = tag.action;
  element.length = end - position;
  return true;
}

bool MatchesAt(std::string_view text, std::size_t position, std::string_view literal) {
  return text.compare(position, literal.size(), literal) == 0;
}

// "<" name "{" then Z "}>" or Z D nnn "}>" (the long tail's "}>" unchecked).
bool ReadDateTag(std::string_view text, std::size_t position, MacroElement& element) {
  const auto& candidates = Index().dateFormatsByFirstLetter[static_cast<unsigned char>(At(text, position + 1))];
  for (const int format : candidates) {
    const std::string_view name = DateFormatNames[format];
    if (!MatchesAt(text, position + 1, name) || At(text, position + 1 + name.size()) != '{') continue;
    const std::size_t tail = position + name.size() + 2;
    element.kind = ElementKind::Date;
    element.number = format + 1;
    element.leadingZeros = At(text, tail) == 'Y';
    if (At(text, tail + 2) == '>') {
      element.length = name.size() + 2 + 3;
    } else {
      const int days = LeadingNumber(Slice(text, tail + 2, 3));
      element.future = At(text, tail + 1) != 'P';
      element.number2 = element.future ? days : -days;
      element.length = name.size() + 2 + 7;
    }
    element.length = std::min(element.length, text.size() - position);
    return true;
  }
  return false;
}

// "<" name "{N}>", every format first, then "<" name "{Y}>".
bool ReadTimeTag(std::string_view text, std::size_t position, MacroElement& element) {
  const auto& candidates = Index().timeFormatsByFirstLetter[static_cast<unsigned char>(At(text, position + 1))];
  for (const char zeros : {'N', 'Y'}) {
    const char tail[] = {'{', zeros, '}', '>'};
    for (const int format : candidates) {
      const std::string_view name = TimeFormatNames[format];
      if (!MatchesAt(text, position + 1, name) ||
          !MatchesAt(text, position + 1 + name.size(), std::string_view(tail, 4))) {
        continue;
      }
      element.kind = ElementKind::Time;
      element.number = format + 1;
      element.leadingZeros = zeros == 'Y';
      element.length = name.size() + 5;
      return true;
    }
  }
  return false;
}

}  // namespace

MacroElement RecognizeElement(std::string_view text, std::size_t position) {
  MacroElement element;
  const auto first = static_cast<unsigned char>(text[position]);
  element.character = first;
  if (first == '\r' && At(text, position + 1) == '\n') {
    element.length = 2;
    return element;
  }
  if (first != '<' || position + 1 >= text.size()) return element;

  for (const TagSpec* tag : Index().byFirstLetter[static_cast<unsigned char>(text[position + 1])]) {
    if (!MatchesAt(text, position, tag->literal)) continue;
    MacroElement candidate;
    if (ReadParameters(*tag, text, position, candidate)) return candidate;
  }
  if (ReadDateTag(text, position, element) || ReadTimeTag(text, position, element)) return element;
  return element;  // a lone "<" is typed
}

std::size_t TagLiteralCount() { return std::size(Tags); }

std::string_view TagLiteral(std::size_t index) { return Tags[index].literal; }

}  // namespace tavrix
