// One element of a macro text as the recogniser finds it: a plain character
// or one tag with its parameters, and how many characters it takes up. The
// player executes elements; the script view reads them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tavrix {

enum class ElementKind : std::uint8_t {
  Character,        // character (a CR LF pair is one character 13 of length 2)
  Key,              // single-key tag: key
  MouseKey,         // "<RIGHT MOUSE>", "<MIDDLE MOUSE>": key, sent without the key delay
  KeyDown,          // "<CTLD>" "<ALTD>" "<SHFD>" "<WIND>": key
  KeyUp,            // "<CTLU>" "<ALTU>" "<SHFU>" "<WINU>": key
  OneShotShift,     // "<SHIFT>"
  OneShotCtrl,      // "<CTRL>"
  OneShotAlt,       // "<ALT>"
  AltCode,          // "<ALT:ddd>", "<ALT4:dddd>": field = the digits
  Pause,            // "<PAUSE>"
  PauseMessage,     // "<PAUSE:TTT,LLLmessage>": number = top, number2 = left, text = message
  Delay,            // "<DELAY:SS.hh>": field = the five characters
  MillisecondDelay, // "<MSD:nnnn>": number
  Speed,            // "<SPEED:fffff>": field = the five characters
  KeyDelay,         // "<SPKEY:nnnn>": number
  MouseDelay,       // "<SPMSE:nnnn>": number
  Repeat,           // "<REPEAT:nnnn>": number
  PromptRepeat,     // "<PROMPTREP>"
  EndRepeat,        // "<ENDREP>"
  Counter,          // "<I>" .. "<IIII>": number = width 1..4
  Remark,           // "<REM:text>": text
  Test,             // "<TEST>"
  ClipboardBlock,   // "<BEGCLIP>": text = up to the "<ENDCLIP>" (not included), terminated
  EndClipboard,     // "<ENDCLIP>"
  TextFile,         // "<TFILE:file>": text
  Swap,             // "<SWAP:file>": text
  Activate,         // "<ACTIVATE:title>": text
  Launch,           // "<LAUNCH:program[<PARAM>parameters]>": text = program, text2 = parameters
  LaunchWait,       // "<LAUNCHNO:dd title<LAUNCH:...>": number = seconds, title, text, text2
  LaunchOrActivate, // "<LAUNCHYES:dd title<LAUNCH:...>": as LaunchWait
  WindowQuit,       // "<WSHUT:title>": text
  WindowHide,       // "<WHIDE:title>"
  WindowShow,       // "<WSHOW:title>"
  WindowMaximize,   // "<WMAX:title>"
  WindowMinimize,   // "<WMIN:title>"
  WindowRestore,    // "<WRES:title>"
  WindowClose,      // "<WCLS:title>"
  WindowSize,       // "<WSIZE:wwww,hhhhtitle>": number = width, number2 = height, text
  WindowPosition,   // "<WPOS:llll,tttttitle>": number = left, number2 = top, text
  MouseButton,      // "<LDN>" .. "<MDCLK>": button, action
  WheelForward,     // "<WFW:nnn>": number = notches
  WheelBackward,    // "<WBW:nnn>": number = notches
  MoveOnScreen,     // "<MMS:xxxxx,yyyyy>": number = x, number2 = y
  MoveInWindow,     // "<MMW:xxxxx,yyyyy>": number = x, number2 = y
  ClipboardCopy,    // "<CLIPC>"
  ClipboardPaste,   // "<CLIPP>"
  ClipboardFile,    // "<CLIPF:file>": text
  Http,             // "<HTTP:address>": text
  Ftp,              // "<FTP:address>": text
  WaveWait,         // "<WAV1:file>": text
  WaveNoWait,       // "<WAV2:file>": text
  Beep,             // "<BEEP>"
  ChangeFolder,     // "<CHDIR:folder>": text
  DeleteFile,       // "<DELFILE:file>": text
  CopyFile,         // "<COPYFILE:source;target>": text, text2
  RenameFile,       // "<RENFILE:old;new>": text, text2
  Date,             // date tag: number = format 1..51, number2 = day offset, leadingZeros, future
  Time,             // time tag: number = format 1..26, leadingZeros
};

enum class MouseButtonId : std::uint8_t { Left, Right, Middle };
enum class MouseAction : std::uint8_t { Down, Up, Click, DoubleClick };

struct MacroElement {
  ElementKind kind = ElementKind::Character;
  std::size_t length = 1;  // characters consumed, counted from the scan position
  unsigned char character = 0;
  std::uint8_t key = 0;
  int number = 0;
  int number2 = 0;
  std::string_view field;  // a fixed-width field as written
  std::string_view text;   // free text, at most 255 characters (5000 for a clipboard block)
  std::string_view text2;
  std::string_view title;  // window title of the two launch-and-wait tags
  bool leadingZeros = false;
  bool future = true;      // date tag: the day count runs forward (not "P")
  bool terminated = true;  // clipboard block: an "<ENDCLIP>" follows
  MouseButtonId button = MouseButtonId::Left;
  MouseAction action = MouseAction::Down;
};

}  // namespace tavrix
