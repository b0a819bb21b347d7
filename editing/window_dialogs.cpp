#include "editing/window_dialogs.h"

#include "editing/command_names.h"
#include "editing/script_compile.h"

namespace tavrix {

namespace lk = line_kind;

namespace {

constexpr const char* kCurrentMarker = "\"CURRENT\"";
constexpr const char* kNoTitle = "No Window title specified.  Please correct";

}  // namespace

// --- TDoActive --------------------------------------------------------------------

TDoActive::TDoActive(FileChecks& files)
    : CommandDialog("TDoActive", "Activate/Launch Program", 436, 222), files_(files) {
  activateRadio.checked = true;
  delayEdit.text = "0";
  for (RadioButton* radio : {&activateRadio, &launchRadio, &launchActivateRadio, &activateOrLaunchRadio}) {
    radio->onClick = [this] {
      ArrangeForKind();
      return FormReply::Stay();
    };
  }
  browseButton.onClick = [this] {
    if (ui == nullptr) return FormReply::Stay();
    const auto chosen = ui->AskFileName(
        {"Program", "Executable (*.EXE)|*.EXE|Help Files (*.HLP)|*.HLP|All Files (*.*)|*.*", "EXE", false, ""});
    if (chosen) pathEdit.text = *chosen;
    return FormReply::Stay();
  };
  activeControl = &titleEdit;
  buttons.ok.onClick = [this] { return OkButtonClick(); };
  ArrangeForKind();
}

void TDoActive::ArrangeForKind() {
  const int kind = CheckedIndex({&activateRadio, &launchRadio, &launchActivateRadio, &activateOrLaunchRadio});
  const bool window = kind != 2;
  const bool launch = kind != 1;
  const int buttonsTop = kind == 1 ? 190 : kind == 2 ? 273 : 341;
  for (Control* control : {static_cast<Control*>(&windowPanel), static_cast<Control*>(&titleLabel),
                           static_cast<Control*>(&titleEdit), static_cast<Control*>(&titleNote)}) {
    control->visible = window;
  }
  // The launch panel sits 153 pixels above the buttons, its rows inside it.
  const int panelTop = buttonsTop - 153;
  launchPanel.bounds.top = panelTop;
  pathLabel.bounds.top = panelTop + 22;
  pathEdit.bounds.top = panelTop + 18;
  browseButton.bounds.top = panelTop + 16;
  parametersLabel.bounds.top = panelTop + 50;
  parametersEdit.bounds.top = panelTop + 46;
  delayLabel.bounds.top = panelTop + 78;
  delayEdit.bounds.top = panelTop + 74;
  launchNote.bounds.top = panelTop + 104;
  for (Control* control :
       {static_cast<Control*>(&launchPanel), static_cast<Control*>(&pathLabel), static_cast<Control*>(&pathEdit),
        static_cast<Control*>(&browseButton), static_cast<Control*>(&parametersLabel),
        static_cast<Control*>(&parametersEdit), static_cast<Control*>(&delayLabel), static_cast<Control*>(&delayEdit),
        static_cast<Control*>(&launchNote)}) {
    control->visible = launch;
  }
  for (Button* button : {&buttons.ok, &buttons.cancel, &buttons.help}) button->bounds.top = buttonsTop;
  clientHeight = buttonsTop + 33;
}

void TDoActive::Load(int, const ScriptRecord& values) {
  const auto& program = std::get<ProgramRecord>(values);
  CheckIndex({&activateRadio, &launchRadio, &launchActivateRadio, &activateOrLaunchRadio}, program.programKind);
  titleEdit.text = program.title;
  pathEdit.text = program.path;
  parametersEdit.text = program.parameters;
  delayEdit.text = std::to_string(program.waitNumber);
  ArrangeForKind();
}

FormReply TDoActive::OkButtonClick() {
  const int kind = CheckedIndex({&activateRadio, &launchRadio, &launchActivateRadio, &activateOrLaunchRadio});
  const std::string title = TrimmedText(titleEdit.text);
  if (kind != 2 && title.empty()) {
    return FormReply::Refuse("Error", "No entry made for Window Title.  Please correct.", titleEdit);
  }
  if (kind == 1) return Accept("<ACTIVATE:" + title + ">", lk::ActivateWindow, ProgramRecord{1, title, {}, {}, 0});

  const std::optional<std::string> path = files_.ShortPath(TrimmedText(pathEdit.text));
  if (!path || TrimmedText(pathEdit.text).empty()) {
    return FormReply::Refuse("Error", "Specified Path and Program does not exist.  Please correct.", pathEdit);
  }
  const std::string parameters = TrimmedText(parametersEdit.text);
  const std::string programPart = parameters.empty() ? *path : *path + "<PARAM>" + parameters;
  const std::string delayText = TrimmedText(delayEdit.text);
  const std::optional<long long> delay = delayText.empty() ? 0 : WholeNumberIn(delayText);
  if (!delay) return FormReply::Refuse("Error", "Value must be greater than zero.", delayEdit);
  const std::string wait = Padded(*delay, 2);
  ProgramRecord values{kind, title, *path, parameters, static_cast<int>(*delay)};
  switch (kind) {
    case 2: return Accept("<LAUNCH:" + programPart + ">", lk::LaunchProgram, values);
    case 3: return Accept("<LAUNCHNO:" + wait + title + "<LAUNCH:" + programPart + ">", lk::LaunchAndActivate, values);
    default:
      return Accept("<LAUNCHYES:" + wait + title + "<LAUNCH:" + programPart + ">", lk::ActivateOrLaunch, values);
  }
}

// --- TDoSizeIt ---------------------------------------------------------------------

TDoSizeIt::TDoSizeIt() : CommandDialog("TDoSizeIt", "Size or Position a Window", 280, 156) {
  currentRadio.checked = true;
  resizeRadio.checked = true;
  for (RadioButton* radio : {&currentRadio, &specificRadio, &resizeRadio, &positionRadio}) {
    radio->onClick = [this] {
      ShowChoice();
      return FormReply::Stay();
    };
  }
  activeControl = &firstEdit;
  buttons.ok.onClick = [this] { return OkButtonClick(); };
  ShowChoice();
}

void TDoSizeIt::ShowChoice() {
  titleLabel.enabled = titleEdit.enabled = specificRadio.checked;
  firstLabel.text = resizeRadio.checked ? "Width" : "Left";
  secondLabel.text = resizeRadio.checked ? "Height" : "Top";
}

void TDoSizeIt::Load(int, const ScriptRecord& values) {
  const auto& size = std::get<WindowSizeRecord>(values);
  CheckIndex({&currentRadio, &specificRadio}, size.currentWindow ? 1 : 2);
  CheckIndex({&resizeRadio, &positionRadio}, size.sizeKind == 1 ? 1 : 2);
  titleEdit.text = size.title;
  firstEdit.text = std::to_string(size.first);
  secondEdit.text = std::to_string(size.second);
  ShowChoice();
}

FormReply TDoSizeIt::OkButtonClick() {
  const bool current = currentRadio.checked;
  const std::string title = current ? std::string() : TrimmedText(titleEdit.text);
  if (!current && title.empty()) return FormReply::Refuse("Error", kNoTitle, titleEdit);
  const std::optional<long long> first = WholeNumberIn(firstEdit.text);
  const std::optional<long long> second = WholeNumberIn(secondEdit.text);
  const bool resize = resizeRadio.checked;
  if (resize) {
    if (!first || *first < 10) {
      return FormReply::Refuse("Error", "Invalid width specified.  Width must be 10 or greater.  Please correct.",
                               firstEdit);
    }
    if (!second || *second < 30) {
      return FormReply::Refuse("Error", "Invalid height specified.  Height must be 30 or greater.  Please correct.",
                               secondEdit);
    }
  } else {
    if (!first) return FormReply::Refuse("Error", "Invalid left position specified.  Please correct.", firstEdit);
    if (!second) return FormReply::Refuse("Error", "Invalid top position specified.  Please correct.", secondEdit);
  }
  const std::string tag = std::string(resize ? "<WSIZE:" : "<WPOS:") + Padded(*first, 4) + "," + Padded(*second, 4) +
                          (current ? kCurrentMarker : title) + ">";
  return Accept(tag, resize ? lk::ResizeWindow : lk::RepositionWindow,
                WindowSizeRecord{title, resize ? 1 : 2, current, static_cast<int>(*first), static_cast<int>(*second)});
}

// --- TDoSystemCommand -----------------------------------------------------------

TDoSystemCommand::TDoSystemCommand() : CommandDialog("TDoSystemCommand", "System Commands", 280, 244) {
  maximizeRadio.checked = true;
  currentRadio.checked = true;
  for (RadioButton* radio : {&currentRadio, &specificRadio}) {
    radio->onClick = [this] {
      ShowChoice();
      return FormReply::Stay();
    };
  }
  activeControl = &maximizeRadio;
  buttons.ok.onClick = [this] { return OkButtonClick(); };
  ShowChoice();
}

void TDoSystemCommand::ShowChoice() { titleLabel.enabled = titleEdit.enabled = specificRadio.checked; }

void TDoSystemCommand::Load(int, const ScriptRecord& values) {
  const auto& command = std::get<WindowCommandRecord>(values);
  CheckIndex({&maximizeRadio, &minimizeRadio, &restoreRadio, &closeRadio, &hideRadio, &showRadio, &shutDownRadio},
             command.commandCode);
  CheckIndex({&currentRadio, &specificRadio}, command.currentWindow ? 1 : 2);
  titleEdit.text = command.title;
  ShowChoice();
}

FormReply TDoSystemCommand::OkButtonClick() {
  static constexpr const char* kTags[] = {"<WMAX:", "<WMIN:", "<WRES:", "<WCLS:", "<WHIDE:", "<WSHOW:", "<WSHUT:"};
  static constexpr int kKinds[] = {lk::MaximizeWindow, lk::MinimizeWindow, lk::RestoreWindow, lk::CloseWindow,
                                   lk::HideWindow,     lk::ShowWindow,     lk::ShutDownProgram};
  const int code = CheckedIndex(
      {&maximizeRadio, &minimizeRadio, &restoreRadio, &closeRadio, &hideRadio, &showRadio, &shutDownRadio});
  const bool current = currentRadio.checked;
  const std::string title = current ? std::string() : TrimmedText(titleEdit.text);
  if (!current && title.empty()) return FormReply::Refuse("Error", kNoTitle, titleEdit);
  const int at = code >= 1 ? code - 1 : 0;
  return Accept(std::string(kTags[at]) + (current ? kCurrentMarker : title) + ">", kKinds[at],
                WindowCommandRecord{title, at + 1, current});
}

// --- TDoSpecWind -----------------------------------------------------------------

TDoSpecWind::TDoSpecWind(Ui& ui, bool program)
    : Form("TDoSpecWind", program ? "Set Program" : "Set Title", 276, 280), program(program), ui_(ui) {
  const std::string thing = program ? "Program" : "Window";
  nameLabel.text = program ? "Program Name (may be partial name)" : "Window Title (may be partial title)";
  onTopRadio.text = "Run Macro If " + thing + " On Top";
  runningRadio.text = "Run Macro If " + thing + " Running";
  listLabel.text = program ? "List of Programs currently running" : "List of Windows currently running";
  onTopRadio.checked = true;
  list.onDoubleClick = [this] {
    if (list.itemIndex >= 0) nameEdit.text = list.items[static_cast<std::size_t>(list.itemIndex)];
    return FormReply::Stay();
  };
  activeControl = &nameEdit;
  buttons.ok.onClick = [this] { return OkButtonClick(); };
}

FormReply TDoSpecWind::OkButtonClick() {
  std::string name = TrimmedText(nameEdit.text);
  const std::string missing = program ? "No program name has been entered.  " : "No window title has been entered.  ";
  if (name.empty()) {
    if (list.itemIndex < 0 || list.itemIndex >= static_cast<int>(list.items.size())) {
      return FormReply::Refuse("Error", missing + "Please correct.", nameEdit);
    }
    const std::string& highlighted = list.items[static_cast<std::size_t>(list.itemIndex)];
    if (!ui_.AskYesNo("Error", missing + "\"" + highlighted + "\" is currently highlighted.  Would you like to use it?")) {
      return FormReply::Stay();
    }
    name = highlighted;
  }
  scopeName = name.substr(0, 30);
  topMostOnly = onTopRadio.checked;
  return FormReply::Close(ModalResult::Ok);
}

std::vector<std::string> RunningWindowTitles(const std::vector<std::string>& titles) {
  std::vector<std::string> shown;
  for (const std::string& title : titles) {
    if (!TrimmedText(title).empty()) shown.push_back(title);
  }
  return shown;
}

std::vector<std::string> RunningProgramNames(const std::vector<std::string>& moduleNames) {
  std::vector<std::string> shown;
  for (const std::string& name : moduleNames) {
    std::string upper = name;
    for (char& c : upper) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    if (upper.find(".EXE") != std::string::npos) shown.push_back(name);
  }
  return shown;
}

}  // namespace tavrix
