// Records what a user does through the hook pipeline's capture stage, plays
// the recording back on the simulated desktop, and reads both as the input
// a program receives: the key presses with the modifiers held, the lone Alt
// taps, the button presses and releases at their points with their
// modifiers, the wheel turns, and the pause before each of them.
#pragma once

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "base/private_messages.h"
#include "capture/capture_settings.h"
#include "hook/hook_pipeline.h"
#include "tests/commands/command_playback.h"

namespace tavrix::test_support {

inline constexpr std::uint32_t kMainWindow = 7;
inline constexpr std::uint16_t kCapturedMacro = 5;

struct Received {
  std::string action;  // "key 65 +shift", "down 1 at 10,20 +ctrl", "wheel -2 at 3,4", "alt tap"
  long pause = 0;      // milliseconds since the previous action
  bool operator==(const Received&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Received& r) {
  return out << "{" << r.action << " after " << r.pause << "}";
}

// Follows the modifiers and turns events into what a program receives.
class ReceivedInput {
 public:
  void Key(int vk, bool up, long now) {
    bool* modifier = ModifierOf(vk);
    if (modifier) {
      if (IsAlt(vk)) {
        if (!up && !alt_) altAlone_ = true;
        if (up && altAlone_ && alt_) Add("alt tap", now);
        if (up) altAlone_ = false;
      } else {
        altAlone_ = false;
      }
      *modifier = !up;
      return;
    }
    if (up) return;
    altAlone_ = false;
    Add("key " + std::to_string(vk) + Mods(), now);
  }
  void Button(int button, bool up, int x, int y, long now) {
    altAlone_ = false;
    Add(std::string(up ? "up " : "down ") + std::to_string(button) + " at " + Point(x, y) + Mods(), now);
  }
  void Wheel(int notches, int x, int y, long now) { Add("wheel " + std::to_string(notches) + " at " + Point(x, y), now); }
  const std::vector<Received>& List() const { return list_; }
  bool AnyModifierDown() const { return shift_ || ctrl_ || alt_ || win_; }

 private:
  static bool IsAlt(int vk) { return vk == 18 || vk == 164 || vk == 165; }
  bool* ModifierOf(int vk) {
    switch (vk) {
      case 16: case 160: case 161: return &shift_;
      case 17: case 162: case 163: return &ctrl_;
      case 18: case 164: case 165: return &alt_;
      case 91: case 92: return &win_;
      default: return nullptr;
    }
  }
  static std::string Point(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
  std::string Mods() const {
    return std::string(shift_ ? " +shift" : "") + (ctrl_ ? " +ctrl" : "") + (alt_ ? " +alt" : "") + (win_ ? " +win" : "");
  }
  void Add(std::string action, long now) {
    list_.push_back({std::move(action), started_ ? now - last_ : 0});
    started_ = true;
    last_ = now;
  }
  bool shift_ = false, ctrl_ = false, alt_ = false, win_ = false, altAlone_ = false, started_ = false;
  long last_ = 0;
  std::vector<Received> list_;
};

class RecordingFixture : public CommandPlayback {
 public:
  RecordingFixture() {
    settings.mainWindow = kMainWindow;
    settings.captureOn = true;
    settings.captureGeneration = 1;
    settings.captureMacro = kCapturedMacro;
    // Ctrl+Alt+Shift+X, the usual "Start / Stop Capture".
    settings.stop = hook::StopKey{true, 0, 'X', hook::Modifiers{true, true, true, false}};
  }

  // Events one a line, as the tavrix tool reads them: down VK, up VK,
  // move X Y, button left|right|middle down|up, wheel N, wait MS,
  // front ID LEFT TOP WIDTH HEIGHT. Returns the recording (with the speed
  // tag the program writes first); `user` gets what the user's programs
  // received, up to the stop key.
  std::string Record(const std::string& events, int speed = 1) {
    hook::HookPipeline pipeline;
    std::string text = settings.capture.time ? SpeedTag(speed) : "";
    std::istringstream lines(events);
    std::string word;
    int x = 0, y = 0;
    long now = 0;
    hook::InputEvent front{};
    while (lines >> word) {
      hook::InputEvent event{};
      if (word == "wait") {
        long ms;
        lines >> ms;
        now += ms;
        continue;
      }
      if (word == "move") {
        lines >> x >> y;
        continue;
      }
      if (word == "front") {
        lines >> front.frontWindow >> front.frontLeft >> front.frontTop >> front.frontWidth >> front.frontHeight;
        frontWindow = front;
        continue;
      }
      if (word == "down" || word == "up") {
        int vk;
        lines >> vk;
        event = hook::InputEvent::key(static_cast<std::uint16_t>(vk), word == "up");
      } else if (word == "button") {
        std::string which, how;
        lines >> which >> how;
        event = hook::InputEvent::click(which == "left" ? 1 : which == "right" ? 2 : 3, how == "up");
      } else if (word == "wheel") {
        int n;
        lines >> n;
        event = hook::InputEvent::wheelTurn(static_cast<std::int16_t>(n));
      }
      event.x = x;
      event.y = y;
      event.time = static_cast<std::uint32_t>(now);
      event.frontWindow = front.frontWindow;
      event.frontLeft = front.frontLeft;
      event.frontTop = front.frontTop;
      event.frontWidth = front.frontWidth;
      event.frontHeight = front.frontHeight;
      const hook::HookOutcome& outcome = pipeline.decide(event, settings);
      bool stopped = false;
      for (const hook::HookPost& post : outcome.posts) {
        if (post.message == kMsgCaptureChar) text += static_cast<char>(post.lParam);
        if (post.message == kMsgCaptureComplete) stopped = true;
      }
      if (stopped) break;
      if (event.isKey()) user.Key(event.vk, event.up, now);
      else if (event.isWheel()) user.Wheel(event.notches, x, y, now);
      else user.Button(event.button, event.up, x, y, now);
    }
    return text;
  }

  // Plays `text` and reads the trace as the input a program receives.
  ReceivedInput PlayBack(const std::string& text) {
    if (frontWindow.frontWindow != 0) {
      desktop.AddWindow("Target", "TARGET.EXE",
                        Rect{frontWindow.frontLeft, frontWindow.frontTop,
                             frontWindow.frontLeft + frontWindow.frontWidth + 37,
                             frontWindow.frontTop + frontWindow.frontHeight + 11});
    }
    Play(text);
    ReceivedInput received;
    long now = 0;
    int x = 0, y = 0;
    buttonsLeftDown = 0;
    for (const std::string& line : Trace()) {
      std::istringstream in(line);
      std::string kind;
      in >> kind;
      if (kind == "wait") {
        long ms;
        in >> ms;
        now += ms;
      } else if (kind == "key") {
        int vk;
        std::string how;
        in >> vk >> how;
        received.Key(vk, how == "up", now);
      } else if (kind == "mouse") {
        long flags, nx, ny, data;
        in >> flags >> nx >> ny >> data;
        if (flags & 0x8000) {
          x = static_cast<int>(std::lround(nx * desktop.ScreenWidth() / 65535.0));
          y = static_cast<int>(std::lround(ny * desktop.ScreenHeight() / 65535.0));
        }
        if (flags & 0x800) received.Wheel(static_cast<int>(data / 120), x, y, now);
        for (int b = 1; b <= 3; ++b) {
          const long downBit = 0x2L << (2 * (b - 1));
          if (flags & downBit) {
            received.Button(b, false, x, y, now);
            buttonsLeftDown |= 1 << b;
          }
          if (flags & (downBit << 1)) {
            received.Button(b, true, x, y, now);
            buttonsLeftDown &= ~(1 << b);
          }
        }
      }
    }
    modifiersLeftDown = received.AnyModifierDown();
    return received;
  }

  hook::HookSettings settings;
  ReceivedInput user;
  hook::InputEvent frontWindow{};
  int buttonsLeftDown = 0;
  bool modifiersLeftDown = false;
};

}  // namespace tavrix::test_support
