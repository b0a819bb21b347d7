// The main window's part in a capture: the quick capture of the system hot
// key, "Recapture Macro", "Capture Defaults", the recording icon, and how the
// window steps aside while the user records and comes back at the end.
#include "shell/main_window.h"
#include "shell/main_window_engine.h"

namespace tavrix {

CaptureSettings TMainWin::Engine::CaptureDefaults() const {
  const Configuration& c = env.configuration;
  CaptureSettings s;
  s.keys = c.captureKeys;
  s.doubleAlt = c.captureDoubleAlt;
  s.mouse = c.captureMouse;
  s.relativeToScreen = c.captureRelativeToScreen;
  s.windowSize = c.captureWindowSize;
  s.time = c.captureTime;
  s.speed = c.captureSpeed;
  s.prompt = c.capturePrompt;
  s.global = c.captureGlobal;
  return s;
}

void TMainWin::Engine::CaptureDefaultsClick() {
  TCaptureDefaults dialog;
  dialog.Load(CaptureDefaults());
  dialog.promptBox.checked = env.configuration.capturePrompt;
  if (env.ui.RunForm(dialog) != ModalResult::Ok) return;
  CaptureSettings s = CaptureDefaults();
  dialog.Store(s);
  Configuration& c = env.configuration;
  c.captureKeys = s.keys;
  c.captureDoubleAlt = s.doubleAlt;
  c.captureMouse = s.mouse;
  c.captureRelativeToScreen = s.relativeToScreen;
  c.captureWindowSize = s.windowSize;
  c.captureTime = s.time;
  c.captureSpeed = s.speed;
  c.captureGlobal = s.global;
  c.capturePrompt = dialog.promptBox.checked;
  SaveConfiguration();
}

void TMainWin::Engine::StartCaptureFromHotKey() { capture.StartACapture(CaptureDefaults()); }

void TMainWin::Engine::RecaptureSelected() {
  const int n = env.host.SelectedMacro();
  capture.DoCapture(n, CaptureDefaults());
  RefreshMenu();
}

void TMainWin::OnRecordingIconRightClick() {
  Enter([&] { engine_->capture.EndCapture1Click(); });
}

bool TMainWin::CaptureNewMacro(MacroRecord& record, int n, bool noGlobal) {
  Engine& e = *engine_;
  return e.capture.CaptureNewMacro(record, n, noGlobal, e.CaptureDefaults());
}

// --- How the window steps aside and comes back -------------------------------------

std::string TMainWin::Engine::CaptureSide::TopProgram() { return e.GetTopProgram(); }

void TMainWin::Engine::CaptureSide::GetOutOfTheWay() {
  MainWindowHost& host = e.env.host;
  if (e.env.configuration.useTray) {
    e.HideMainWindow();
    host.ShowTaskbarWindow(false);
    const WindowId before = e.foreground.lastForeignForeground;
    if (before != 0) e.env.desktop.BringToForeground(before);
  } else {
    host.MinimizeWindow();
  }
}

void TMainWin::Engine::CaptureSide::BeforeCapComplete() {
  MainWindowHost& host = e.env.host;
  if (e.env.configuration.useTray) {
    host.ShowTaskbarWindow(true);
  } else {
    if (host.IsMinimized()) host.RestoreWindow();
    host.HideWindow();
  }
}

void TMainWin::Engine::CaptureSide::AfterCapComplete() {
  MainWindowHost& host = e.env.host;
  if (e.env.configuration.useTray) {
    host.ShowTaskbarWindow(false);
  } else {
    host.ShowWindow();
  }
}

void TMainWin::Engine::CaptureSide::ShowMainWindow() {
  MainWindowHost& host = e.env.host;
  if (e.env.configuration.useTray) {
    host.ShowTaskbarWindow(true);
    host.ShowWindow();
    host.BringToFront();
  } else {
    host.RestoreWindow();
  }
}

void TMainWin::Engine::CaptureSide::RefreshList(int select) {
  e.env.host.RefillList();
  if (select > 0) e.env.host.SelectMacro(select);
  e.RefreshMenu();
}

}  // namespace tavrix
