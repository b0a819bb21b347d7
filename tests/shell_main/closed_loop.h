// The simulated desktop with the hook library in its input path and a
// message queue to the main window, as on Windows: every key and click,
// the user's and what playback sends, passes the library's hook pipeline
// (deciding from the table copy the program published to the recording
// library), and what the pipeline posts reaches the main window the next
// time the program processes its messages.
#pragma once

#include <cstdint>
#include <deque>
#include <string>

#include "hook/hook_pipeline.h"
#include "base/private_messages.h"
#include "platform/sim/sim_desktop.h"
#include "base/virtual_keys.h"
#include "shell/main_window.h"
#include "store/recording_hook_library.h"

namespace tavrix::testing {

class ClosedLoop {
 public:
  ClosedLoop(SimDesktop& desktop, RecordingHookLibrary& hooks) : desktop_(desktop), hooks_(hooks) {
    desktop_.SetInputHook([this](const SimInputEvent& event) { return Hook(event); });
    desktop_.SetMessageHandler([this] { Deliver(); });
  }
  ~ClosedLoop() {
    desktop_.SetInputHook({});
    desktop_.SetMessageHandler({});
  }
  ClosedLoop(const ClosedLoop&) = delete;
  ClosedLoop& operator=(const ClosedLoop&) = delete;

  // Posts addressed to `handle` go to `window`.
  void Attach(TMainWin& window, WindowId handle) {
    window_ = &window;
    handle_ = handle;
  }

  // The program's message loop: everything queued, in order, including what
  // the handlers make the hooks post meanwhile.
  void Deliver() {
    while (!queue_.empty()) {
      const Queued next = queue_.front();
      queue_.pop_front();
      if (next.kind == Queued::Kind::Post) {
        Route(next.post);
      } else {
        // The library's hook thread sends these outside the hook, marked.
        desktop_.SendKey(static_cast<std::uint8_t>(next.vk), next.up);
      }
    }
  }

  // The user presses and releases `vk` with `modifiers` held, then the
  // program reads its messages.
  void UserPresses(std::initializer_list<std::uint8_t> modifiers, std::uint8_t vk) {
    for (const std::uint8_t m : modifiers) desktop_.UserKey(m, false);
    desktop_.UserKey(vk, false);
    desktop_.UserKey(vk, true);
    for (auto m = std::rbegin(modifiers); m != std::rend(modifiers); ++m) desktop_.UserKey(*m, true);
    Deliver();
  }

 private:
  struct Queued {
    enum class Kind { Post, MarkedKey } kind = Kind::Post;
    hook::HookPost post;
    std::uint16_t vk = 0;
    bool up = false;
  };

  bool Hook(const SimInputEvent& e) {
    const hook::InputEvent event =
        e.key ? hook::InputEvent::key(e.vk, e.up, e.marked) : hook::InputEvent::click(e.button, e.up, e.marked);
    hook::LibraryState& state = hooks_.libraryState();
    const hook::HookOutcome& outcome = pipeline_.decide(event, state.hookSettings());
    if (outcome.macroEnded) state.macroEnded();
    for (hook::HookPost post : outcome.posts) {
      if (post.focusWindowAsLParam) post.lParam = desktop_.ForegroundWindow();
      desktop_.Trace().Add("post " + std::to_string(post.message - kFirstPrivateMessage) + " " +
                           std::to_string(post.wParam));
      queue_.push_back({Queued::Kind::Post, post, 0, false});
    }
    if (outcome.sendMenuBlocker) {
      queue_.push_back({Queued::Kind::MarkedKey, {}, vk::kUnassigned, false});
      queue_.push_back({Queued::Kind::MarkedKey, {}, vk::kUnassigned, true});
    }
    if (outcome.verdict == hook::HookVerdict::Replace && outcome.replacement.isKey()) {
      queue_.push_back({Queued::Kind::MarkedKey, {}, outcome.replacement.vk, outcome.replacement.up});
    }
    return outcome.verdict == hook::HookVerdict::Pass;
  }

  void Route(const hook::HookPost& post) {
    if (window_ == nullptr || post.window != handle_) return;
    window_->OnPrivateMessage(post.message, post.wParam, static_cast<std::intptr_t>(post.lParam));
  }

  SimDesktop& desktop_;
  RecordingHookLibrary& hooks_;
  hook::HookPipeline pipeline_;
  std::deque<Queued> queue_;
  TMainWin* window_ = nullptr;
  WindowId handle_ = 0;
};

}  // namespace tavrix::testing
