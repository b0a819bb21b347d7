// The parameter record each script line carries; its layout follows the
// line's kind. Strings hold at most 255 characters (the text record's run is
// unbounded), numbers and flags are the values of the command.
#pragma once

#include <string>
#include <variant>

namespace tavrix {

inline constexpr std::size_t kRecordStringCapacity = 255;

struct TextRecord {  // 1
  std::string text;  // the keystroke run exactly as written
};

struct DateTimeRecord {  // 2, 3
  bool isDate = true;
  int format = 1;  // 1..51 for a date, 1..26 for a time
  bool leadingZeros = true;
  bool future = true;
  int dayOffset = 0;
};

struct DelayRecord {  // 4
  double unit = 1.0;  // 1.0 seconds, 2.0 milliseconds
  double amount = 0.0;
};

struct PauseRecord {  // 5
  int pauseKind = 1;  // 1 basic, 2 with a message
  int top = 0;
  int left = 0;
  std::string message;
};

struct RepeatRecord {  // 6, 7, 32, 45
  int repeatKind = 1;  // 1 start, 2 prompt start, 3 end, 4 counter
  int number = 0;      // the count of a start, the digits of a counter
};

struct SpeedRecord {  // 8, 9, 50
  int speedKind = 1;  // 1 keystroke, 2 mouse, 3 playback
  int milliseconds = 0;
  double factor = 1.0;
};

struct ProgramRecord {  // 10, 11, 33, 34
  int programKind = 1;  // 1 activate, 2 launch, 3 launch and activate, 4 activate or launch
  std::string title;
  std::string path;
  std::string parameters;
  int waitNumber = 0;
};

struct SoundRecord {  // 12, 13
  int soundKind = 1;  // 1 beep, 2 wave file
  std::string file;
  bool waveFlag = true;  // wait for the wave to end
};

struct NameRecord {  // 14, 15, 29, 43, 44
  std::string name;  // macro file, text file, remark or address
};

struct WindowSizeRecord {  // 16, 17
  std::string title;
  int sizeKind = 1;  // 1 size, 2 position
  bool currentWindow = false;
  int first = 0;   // width or left
  int second = 0;  // height or top
};

struct WindowCommandRecord {  // 18 to 23, 38
  std::string title;
  int commandCode = 1;  // 1 maximize, 2 minimize, 3 restore, 4 close, 5 hide, 6 show, 7 shut down
  bool currentWindow = false;
};

// Mouse actions of a mouse record.
namespace mouse_action {
inline constexpr int Move = 1, LeftClick = 2, LeftDoubleClick = 3, LeftDown = 4, LeftUp = 5, RightClick = 6,
                     RightDoubleClick = 7, RightDown = 8, RightUp = 9, MiddleClick = 10, MiddleDoubleClick = 11,
                     MiddleDown = 12, MiddleUp = 13, WheelForward = 14, WheelBackward = 15;
}

struct MouseRecord {  // 24 to 28
  int x = 0;
  int y = 0;
  int amount = 0;  // wheel clicks
  int action = mouse_action::Move;
  bool windowRelative = false;
};

struct ClipboardRecord {  // 30, 31, 35 to 37
  int clipboardKind = 1;  // 1 start copy, 2 end copy, 3 file copy, 4 copy, 5 paste
  std::string file;
};

struct KeyRecord {  // 39 to 42
  int keyCode = 1;  // odd: down, even: up; 1-2 Control, 3-4 Alt, 5-6 Shift, 7-8 Win
};

struct FileRecord {  // 46 to 49
  int fileKind = 1;  // 1 change folder, 2 copy, 3 rename, 4 delete
  std::string firstPath;
  std::string secondPath;
};

using ScriptRecord = std::variant<TextRecord, DateTimeRecord, DelayRecord, PauseRecord, RepeatRecord, SpeedRecord,
                                  ProgramRecord, SoundRecord, NameRecord, WindowSizeRecord, WindowCommandRecord,
                                  MouseRecord, ClipboardRecord, KeyRecord, FileRecord>;

// One line of the "Macro Script" list: what it shows and what it carries.
// The kind is not stored: it is read from the display text.
struct ScriptLine {
  std::string display;
  ScriptRecord record;
};

// The record layout of a kind, with its defaults.
ScriptRecord RecordForKind(int kind);

}  // namespace tavrix
