// The command dialogs of windows and programs, and the dialog that picks the
// window or program a macro is limited to.
#pragma once

#include <vector>

#include "editing/command_dialog.h"
#include "editing/file_checks.h"
#include "platform/ui.h"

namespace tavrix {

// "Activate/Launch Program".
class TDoActive : public CommandDialog {
 public:
  explicit TDoActive(FileChecks& files);
  void Load(int kind, const ScriptRecord& record) override;
  FormReply OkButtonClick() override;
  // Which panels show and where the buttons stand follow the kind.
  void ArrangeForKind();

  RadioButton activateRadio{*this, "ActivateRadio", {8, 8, 420, 17}, "&Activate Window Only"};
  RadioButton launchRadio{*this, "LaunchRadio", {8, 28, 420, 17}, "&Launch Program Only"};
  RadioButton launchActivateRadio{*this, "LaunchActivateRadio", {8, 48, 420, 17},
                                  "La&unch Program and Activate Window"};
  RadioButton activateOrLaunchRadio{*this, "ActivateOrLaunchRadio", {8, 68, 420, 17},
                                    "Activate &Window if Running Otherwise Launch Program and Activate Window"};
  GroupBox windowPanel{*this, "WindowPanel", {8, 96, 420, 80}, "Activate Window"};
  Label titleLabel{*this, "TitleLabel", {16, 116, 100, 16}, "Window Title"};
  Edit titleEdit{*this, "TitleEdit", {120, 112, 300, 21}, 100};
  Label titleNote{*this, "TitleNote", {120, 138, 200, 16}, "(May be partial title)"};
  GroupBox launchPanel{*this, "LaunchPanel", {8, 0, 420, 145}, "Launch Program"};
  Label pathLabel{*this, "PathLabel", {16, 0, 100, 16}, "Program Path/Name"};
  Edit pathEdit{*this, "PathEdit", {120, 0, 220, 21}};
  Button browseButton{*this, "BrowseButton", {346, 0, 75, 25}, "&Browse"};
  Label parametersLabel{*this, "ParametersLabel", {16, 0, 100, 16}, "Program Parameters"};
  Edit parametersEdit{*this, "ParametersEdit", {120, 0, 300, 21}};
  Label delayLabel{*this, "DelayLabel", {16, 0, 100, 16}, "Delay (in seconds)"};
  Edit delayEdit{*this, "DelayEdit", {120, 0, 40, 21}, 2};
  Label launchNote{*this, "LaunchNote", {16, 0, 400, 32},
                   "Note: If you need to specify a default directory/folder, then use the \"Change "
                   "Directory/Folder\" macro command prior to this macro command."};
  DialogButtons buttons{*this, 190};

  Ui* ui = nullptr;  // for "&Browse"

 private:
  FileChecks& files_;
};

// "Size or Position a Window".
class TDoSizeIt : public CommandDialog {
 public:
  TDoSizeIt();
  void Load(int kind, const ScriptRecord& record) override;
  FormReply OkButtonClick() override;

  RadioButton currentRadio{*this, "CurrentRadio", {8, 8, 130, 17}, "Current &Window", 1};
  RadioButton specificRadio{*this, "SpecificRadio", {144, 8, 130, 17}, "Speci&fic Window", 1};
  Label titleLabel{*this, "TitleLabel", {8, 34, 80, 16}, "Window Title"};
  Edit titleEdit{*this, "TitleEdit", {92, 30, 180, 21}, 100};
  RadioButton resizeRadio{*this, "ResizeRadio", {8, 62, 130, 17}, "&Resize Window", 2};
  RadioButton positionRadio{*this, "PositionRadio", {144, 62, 130, 17}, "&Position Window", 2};
  Label firstLabel{*this, "FirstLabel", {8, 92, 40, 16}, "Width"};
  Edit firstEdit{*this, "FirstEdit", {52, 88, 50, 21}, 4};
  Label secondLabel{*this, "SecondLabel", {120, 92, 40, 16}, "Height"};
  Edit secondEdit{*this, "SecondEdit", {164, 88, 50, 21}, 4};
  DialogButtons buttons{*this, 122};

 private:
  void ShowChoice();
};

// "System Commands": maximize ... shut down, on the current or a named window.
class TDoSystemCommand : public CommandDialog {
 public:
  TDoSystemCommand();
  void Load(int kind, const ScriptRecord& record) override;
  FormReply OkButtonClick() override;

  RadioButton maximizeRadio{*this, "MaximizeRadio", {8, 8, 180, 17}, "&Maximize Window", 1};
  RadioButton minimizeRadio{*this, "MinimizeRadio", {8, 28, 180, 17}, "M&inimize Window", 1};
  RadioButton restoreRadio{*this, "RestoreRadio", {8, 48, 180, 17}, "&Restore Window", 1};
  RadioButton closeRadio{*this, "CloseRadio", {8, 68, 180, 17}, "C&lose Window", 1};
  RadioButton hideRadio{*this, "HideRadio", {8, 88, 180, 17}, "&Hide Window", 1};
  RadioButton showRadio{*this, "ShowRadio", {8, 108, 180, 17}, "&Show Window (unhide)", 1};
  RadioButton shutDownRadio{*this, "ShutDownRadio", {8, 128, 180, 17}, "Shut Down &Program", 1};
  RadioButton currentRadio{*this, "CurrentRadio", {8, 156, 130, 17}, "Current &Window", 2};
  RadioButton specificRadio{*this, "SpecificRadio", {144, 156, 130, 17}, "Speci&fic Window", 2};
  Label titleLabel{*this, "TitleLabel", {8, 182, 80, 16}, "Window Title"};
  Edit titleEdit{*this, "TitleEdit", {92, 178, 180, 21}, 100};
  DialogButtons buttons{*this, 210};

 private:
  void ShowChoice();
};

// "Set Title" / "Set Program": the window or program a macro is limited to,
// and whether it must be in front or only running. No tag.
class TDoSpecWind : public Form {
 public:
  // `program`: the dialog names a program instead of a window.
  TDoSpecWind(Ui& ui, bool program);
  FormReply OkButtonClick();

  const bool program;
  // Results after Ok.
  std::string scopeName;
  bool topMostOnly = true;

  Label nameLabel{*this, "NameLabel", {8, 8, 260, 16}};
  Edit nameEdit{*this, "NameEdit", {8, 26, 260, 21}, 20};
  RadioButton onTopRadio{*this, "OnTopRadio", {8, 54, 260, 17}, ""};
  RadioButton runningRadio{*this, "RunningRadio", {8, 74, 260, 17}, ""};
  Label listLabel{*this, "ListLabel", {8, 100, 260, 16}};
  ListBox list{*this, "RunningList", {8, 118, 260, 120}};
  DialogButtons buttons{*this, 246};

 private:
  Ui& ui_;
};

// The entries of the list of `TDoSpecWind`: the titles of the top-level
// windows that are not blank, or the module names that contain ".EXE".
std::vector<std::string> RunningWindowTitles(const std::vector<std::string>& titles);
std::vector<std::string> RunningProgramNames(const std::vector<std::string>& moduleNames);

}  // namespace tavrix
