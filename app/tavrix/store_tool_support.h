// What the store commands of the tool share: a console Ui (messages to the
// error stream, every question answered No unless told Yes), the wall clock,
// and the index, library and macro file wired as the program wires them.
#pragma once

#include <chrono>
#include <ctime>
#include <optional>
#include <ostream>
#include <string>

#include "platform/on_top_message.h"
#include "platform/ui.h"
#include "store/macro_file.h"
#include "store/macro_index.h"
#include "store/recording_hook_library.h"

namespace tavrix::tool {

class ConsoleUi : public Ui {
 public:
  explicit ConsoleUi(std::ostream& err) : err_(err) {}

  void ShowMessage(const std::string& caption, const std::string& text) override { Print(caption, text); }
  bool AskYesNo(const std::string& caption, const std::string& text) override {
    Print(caption, text + (answerYes_ ? " (answered Yes)" : " (answered No)"));
    return answerYes_;
  }
  // No form is answered: each closes as with its close box.
  ModalResult RunForm(Form& form) override {
    if (form.Name() == TOnTopMessage::kName) Print(form.caption, static_cast<TOnTopMessage&>(form).messageLabel.text);
    form.PressCloseBox();
    if (!form.Closed()) form.modalResult = ModalResult::Cancel;
    return form.modalResult;
  }
  void EndForm(Form&, ModalResult) override {}
  std::optional<std::string> AskFileName(const FileDialogRequest&) override { return std::nullopt; }

  int MessageCount() const { return messages_; }
  // Messages titled "Error": a warning alone does not stop a command.
  int ErrorCount() const { return errors_; }
  void AnswerYes(bool yes) { answerYes_ = yes; }

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

struct StoreSession {
  explicit StoreSession(std::ostream& err) : ui(err) {}
  ConsoleUi ui;
  RecordingHookLibrary hooks;
  MacroIndex index;
  MacroFile file{index, hooks, ui, LocalNow};
};

}  // namespace tavrix::tool
