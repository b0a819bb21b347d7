// The main window's options for Wordlets and timed macros: "Wordlet
// Options", the scheduler's alarm and its check interval.
#include <filesystem>
#include <system_error>

#include "activation/scheduler_dialogs.h"
#include "editing/file_checks.h"
#include "editing/file_dialogs.h"
#include "editing/timing_dialogs.h"
#include "shell/main_window_engine.h"

namespace tavrix {
namespace {

constexpr const char* kWaveMissing = "Specified WAV File does not exist.  Please correct.";

// The alarm dialog looks at the real files.
class DiskFileChecks : public FileChecks {
 public:
  bool FileExists(const std::string& path) override {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error);
  }
  bool FolderExists(const std::string& path) override {
    std::error_code error;
    return !path.empty() && std::filesystem::is_directory(path, error);
  }
  std::optional<std::string> ShortPath(const std::string& path) override {
    if (!FileExists(path) && !FolderExists(path)) return std::nullopt;
    return path;
  }
};

}  // namespace

void TMainWin::Engine::WordletOptionsClick() {
  TWordletOptions form;
  form.Load(Wordlets());
  if (env.ui.RunForm(form) != ModalResult::Ok) return;
  const WordletOptions options = form.Result();
  Configuration& c = env.configuration;
  c.solitaryUsage = options.solitary;
  c.useSuffix = options.useSuffix;
  c.caseSensitive = options.caseSensitive;
  c.prefixKeys = options.prefixKeys;
  wordlets.Matcher().Clear();
  SaveConfiguration();
}

void TMainWin::Engine::AlarmClick() {
  DiskFileChecks files;
  TDoSound form(files);
  form.caption = "Scheduler Alarm";
  form.beepRadio.text = "None";
  form.buttons.help.visible = form.buttons.help.enabled = false;
  Configuration& c = env.configuration;
  form.beepRadio.checked = !c.useWaveFile;
  form.waveRadio.checked = c.useWaveFile;
  form.pathEdit.text = c.waveFile;
  form.waitBox.checked = c.waveFileWait;
  form.playWave = [this](const std::string& path) { env.desktop.PlayWave(path, false); };
  form.buttons.ok.onClick = [&form, &files] {
    if (form.waveRadio.checked) {
      const std::string path = TrimmedText(form.pathEdit.text);
      if (!files.FileExists(path)) return FormReply::Refuse("Error", kWaveMissing, form.pathEdit);
    }
    return FormReply::Close(ModalResult::Ok);
  };
  if (env.ui.RunForm(form) != ModalResult::Ok) return;
  if (form.waveRadio.checked) {
    c.useWaveFile = true;
    c.waveFile = TrimmedText(form.pathEdit.text);
    c.waveFileWait = form.waitBox.checked;
  } else {
    c.useWaveFile = false;
  }
  SaveConfiguration();
}

void TMainWin::Engine::TimerIntervalClick() {
  TDoDelay form(TDoDelay::Mode::Scheduler);
  form.valueEdit.text = std::to_string(CheckIntervalSeconds(env.configuration.timerSeconds));
  if (env.ui.RunForm(form) != ModalResult::Ok) return;
  env.configuration.timerSeconds = form.schedulerSeconds;
  if (scheduler.Count() > 0)
    env.host.StartTimer(MainTimer::Scheduler, static_cast<std::uint32_t>(form.schedulerSeconds) * 1000);
  SaveConfiguration();
}

}  // namespace tavrix
