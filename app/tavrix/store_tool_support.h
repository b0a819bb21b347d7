// What the store commands of the tool share: a console Ui (messages to the
// error stream, every question answered No unless told Yes, forms answered
// by the command's own script), the wall clock, network mode's options, and
// the index, library, macro file and lock wired as the program wires them.
#pragma once

#include <chrono>
#include <ctime>
#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <fstream>
#include <iterator>
#include <string>

#include "app/tavrix/command.h"
#include "platform/on_top_message.h"
#include "platform/ui.h"
#include "store/macro_file.h"
#include "store/macro_index.h"
#include "store/macro_transfer.h"
#include "store/network_lock.h"
#include "store/recording_hook_library.h"

namespace tavrix::tool {

class ConsoleUi : public Ui {
 public:
  using FormScript = std::function<void(Form&)>;
  explicit ConsoleUi(std::ostream& err) : err_(err) {}

  void ShowMessage(const std::string& caption, const std::string& text) override { Print(caption, text); }
  bool AskYesNo(const std::string& caption, const std::string& text) override {
    Print(caption, text + (answerYes_ ? " (answered Yes)" : " (answered No)"));
    return answerYes_;
  }
  // The top-most message is printed; any other form is answered by the
  // script the command set (if any); a form left open closes as with its
  // close box.
  ModalResult RunForm(Form& form) override {
    if (form.Name() == TOnTopMessage::kName) Print(form.caption, static_cast<TOnTopMessage&>(form).messageLabel.text);
    if (script_) script_(form);
    if (!form.Closed()) form.PressCloseBox();
    if (!form.Closed()) form.modalResult = ModalResult::Cancel;
    return form.modalResult;
  }
  void EndForm(Form&, ModalResult) override {}
  std::optional<std::string> AskFileName(const FileDialogRequest&) override {
    if (fileNames_.empty()) return std::nullopt;
    std::string name = fileNames_.front();
    fileNames_.pop_front();
    return name;
  }

  // Clicks a control of a form as the user would; a refusal is shown.
  void Click(Form& form, Control& control) {
    const FormReply reply = form.Clicked(control);
    if (reply.kind == FormReply::Kind::Refuse) ShowMessage(reply.caption, reply.message);
  }

  int MessageCount() const { return messages_; }
  // Messages titled "Error": a warning alone does not stop a command.
  int ErrorCount() const { return errors_; }
  void AnswerYes(bool yes) { answerYes_ = yes; }
  void AnswerForms(FormScript script) { script_ = std::move(script); }
  void QueueFileName(std::string name) { fileNames_.push_back(std::move(name)); }

 private:
  void Print(const std::string& caption, const std::string& text) {
    ++messages_;
    if (caption == "Error") ++errors_;
    err_ << "tavrix: " << caption << ": " << text << "\n";
  }
  std::ostream& err_;
  int messages_ = 0;
  int errors_ = 0;
  bool answerYes_ = false;
  FormScript script_;
  std::deque<std::string> fileNames_;
};

inline LocalDateTime LocalNow() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const std::tm local = *std::localtime(&seconds);
  const auto milliseconds =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  return LocalDateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                       local.tm_min,         local.tm_sec,     static_cast<int>(milliseconds)};
}

// "YYYY-MM-DD HH:MM:SS".
std::optional<LocalDateTime> ParseLocalTime(const std::string& text);

// --network [--known N] [--now TIME] [--seen V@TIME]
struct NetworkOptions {
  bool on = false;
  bool wait = false;  // watch a held lock until it is free or stale (at most 75 s)
  std::optional<int> known;
  std::optional<LocalDateTime> now;
  std::optional<double> seenTime;
  LocalDateTime firstSeen;
};
inline constexpr const char* kNetworkUsage =
    "[--network [--wait] [--known N] [--now \"YYYY-MM-DD HH:MM:SS\"] [--seen \"V@YYYY-MM-DD HH:MM:SS\"]]";

// When args[i] is one of the network options, takes it (and its value) and
// returns true; `problem` is set when its value is not usable.
bool TakeNetworkOption(const Arguments& args, std::size_t& i, NetworkOptions& options, std::string& problem);

// The main window's part in the commands: the network lock in front.
class ToolListener : public TransferListener {
 public:
  explicit ToolListener(NetworkLock& lock) : lock_(lock) {}
  bool TakeFileLock() override { return lock_.TakeFileLock(); }
  void ReleaseFileLock(bool changed) override { lock_.ReleaseFileLock(changed); }

 private:
  NetworkLock& lock_;
};

struct StoreSession {
  explicit StoreSession(std::ostream& err) : ui(err) {}
  LocalDateTime Now() const { return fixedNow ? *fixedNow : LocalNow(); }

  // Network mode as the options ask; false when the lock file could not be
  // read or created (told). Before the macro file is loaded, so the known
  // count never runs ahead of what was loaded.
  bool StartNetwork(const NetworkOptions& options, const std::string& macroFile);
  // 0 done; 2 the file-in-use check stopped the command; 1 otherwise.
  int ExitCode(bool done) const;
  // Loads the macro file; true when it is ready and nothing was refused.
  bool Load(const std::string& path) {
    file.LoadFile(path);
    return ui.ErrorCount() == 0 && file.State() == MacroFileState::Ready;
  }

  ConsoleUi ui;
  RecordingHookLibrary hooks;
  MacroIndex index;
  std::optional<LocalDateTime> fixedNow;
  MacroFile file{index, hooks, ui, [this] { return Now(); }};
  NetworkLockHost lockHost;
  NetworkLock lock{ui, [this] { return Now(); }, lockHost};
  ToolListener listener{lock};
  TransferCommands transfer{file, ui, listener, [this] { return Now(); }};
};

// The whole file as it is; nothing when it cannot be read.
inline std::optional<std::string> ReadTextFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace tavrix::tool
