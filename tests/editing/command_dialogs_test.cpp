#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>

#include "editing/command_dialog_factory.h"
#include "editing/command_names.h"
#include "editing/direct_editor.h"
#include "editing/script_editor.h"
#include "editing/script_wizard.h"
#include "editing/text_dialog.h"
#include "editing/file_dialogs.h"
#include "editing/input_dialogs.h"
#include "editing/script_compile.h"
#include "editing/script_view.h"
#include "editing/timing_dialogs.h"
#include "editing/window_dialogs.h"
#include "editing_fixtures.h"
#include "platform/sim/sim_trace.h"
#include "platform/sim/sim_ui.h"
#include "tests/support/sim_world.h"

namespace tavrix {
namespace {

using testing_support::FakeFiles;
using testing_support::Fill;
using testing_support::FormInput;
namespace lk = line_kind;

struct World {
  FakeFiles files;
  SimTrace trace;
  SimUi ui{trace};
  World() {
    files.AddFile("C:\\Program Files\\Calc.exe", "C:\\PROGRA~1\\CALC.EXE");
    files.AddFile("C:\\text\\part one.txt", "C:\\TEXT\\PARTON~1.TXT");
    files.AddFile("C:\\macros\\other.tvx", "C:\\MACROS\\OTHER.TVX");
    files.AddFile("C:\\sounds\\ding.wav", "C:\\SOUNDS\\DING.WAV");
    files.AddFolder("C:\\Work Files\\", "C:\\WORKFI~1\\");
  }
};

using Factory = std::function<std::unique_ptr<CommandDialog>(World&)>;

template <typename Dialog, typename... Args>
Factory Make(Args... args) {
  return [=](World&) { return std::make_unique<Dialog>(args...); };
}
template <typename Dialog>
Factory MakeWithFiles() {
  return [](World& world) { return std::make_unique<Dialog>(world.files); };
}

struct DialogCase {
  std::string name;
  Factory make;
  std::vector<FormInput> inputs;
  // Accepted: the tag and the kind of line; refused: the message and the
  // control that gets the focus.
  std::string tag;
  int kind = 0;
  std::string message = {};
  std::string focus = {};
};

void PrintTo(const DialogCase& c, std::ostream* out) { *out << c.name; }

class CommandDialogTest : public ::testing::TestWithParam<DialogCase> {};

TEST_P(CommandDialogTest, BuildsTheTagOrRefuses) {
  const DialogCase& c = GetParam();
  World world;
  std::unique_ptr<CommandDialog> dialog = c.make(world);
  Fill(*dialog, c.inputs);
  const FormReply reply = dialog->Click(*dialog->Find("OkButton"));
  if (c.message.empty()) {
    ASSERT_EQ(reply.kind, FormReply::Kind::Close) << reply.message;
    EXPECT_EQ(dialog->modalResult, ModalResult::Ok);
    EXPECT_EQ(dialog->tagText, c.tag);
    EXPECT_EQ(dialog->lineKind, c.kind);
    // The line the record makes compiles to the very tag the dialog built.
    if (c.kind != lk::Text) {
      EXPECT_EQ(CompileLine(dialog->lineKind, dialog->record), c.tag);
    }
  } else {
    ASSERT_EQ(reply.kind, FormReply::Kind::Refuse);
    EXPECT_EQ(reply.caption, "Error");
    EXPECT_EQ(reply.message, c.message);
    ASSERT_NE(reply.focus, nullptr);
    EXPECT_EQ(reply.focus->name, c.focus);
    EXPECT_FALSE(dialog->Closed());
  }
}

const char* kSecondsRange = "Value must be greater than zero and no larger than 60.";

INSTANTIATE_TEST_SUITE_P(
    Timing, CommandDialogTest,
    ::testing::Values(
        DialogCase{"DelaySeconds", Make<TDoDelay2>(), {{"TimeEdit", "1.5"}}, "<DELAY:01.50>", lk::Delay},
        DialogCase{"DelaySixty", Make<TDoDelay2>(), {{"TimeEdit", " 60 "}}, "<DELAY:60.00>", lk::Delay},
        DialogCase{"DelayZero", Make<TDoDelay2>(), {{"TimeEdit", "0"}}, "", 0, kSecondsRange, "TimeEdit"},
        DialogCase{"DelayAboveSixty", Make<TDoDelay2>(), {{"TimeEdit", "60.01"}}, "", 0, kSecondsRange, "TimeEdit"},
        DialogCase{"DelayText", Make<TDoDelay2>(), {{"TimeEdit", "abc"}}, "", 0, kSecondsRange, "TimeEdit"},
        DialogCase{"DelayMs", Make<TDoDelay2>(), {{"MillisecondsRadio", "click"}, {"TimeEdit", "9999"}}, "<MSD:9999>",
                   lk::Delay},
        DialogCase{"DelayMsTooMany", Make<TDoDelay2>(), {{"MillisecondsRadio", "click"}, {"TimeEdit", "10000"}}, "", 0,
                   "Value must be less than 9999.", "TimeEdit"},
        DialogCase{"DelayMsZero", Make<TDoDelay2>(), {{"MillisecondsRadio", "click"}, {"TimeEdit", "0"}}, "", 0,
                   "Value must be greater than zero.", "TimeEdit"},
        DialogCase{"KeypadThree", Make<TDoDelay>(TDoDelay::Mode::Keypad), {{"ValueEdit", "65"}}, "<ALT:065>", lk::Text},
        DialogCase{"KeypadFour", Make<TDoDelay>(TDoDelay::Mode::Keypad), {{"ValueEdit", "0169"}}, "<ALT4:0169>",
                   lk::Text},
        DialogCase{"KeypadText", Make<TDoDelay>(TDoDelay::Mode::Keypad), {{"ValueEdit", "a1"}}, "", 0,
                   "Value must be numeric.", "ValueEdit"},
        DialogCase{"SchedulerRange", Make<TDoDelay>(TDoDelay::Mode::Scheduler), {{"ValueEdit", "61"}}, "", 0,
                   "Value must be between 1 and 60.", "ValueEdit"},
        DialogCase{"KeySpeed", Make<TDoSpeed>(), {{"ValueEdit", "50"}}, "<SPKEY:0050>", lk::KeystrokeSpeed},
        DialogCase{"MouseSpeed", Make<TDoSpeed>(), {{"MouseRadio", "click"}, {"ValueEdit", "0"}}, "<SPMSE:0000>",
                   lk::MouseSpeed},
        DialogCase{"PlaybackSpeed", Make<TDoSpeed>(), {{"MacroRadio", "click"}, {"ValueEdit", "0.5"}}, "<SPEED:00.50>",
                   lk::PlaybackSpeed},
        DialogCase{"SpeedNegative", Make<TDoSpeed>(), {{"ValueEdit", "-1"}}, "", 0, "Value must be zero or greater.",
                   "ValueEdit"},
        DialogCase{"RepeatStart", Make<TDoRepeat>(), {{"CountEdit", "3"}}, "<REPEAT:0003>", lk::RepeatStart},
        DialogCase{"RepeatZero", Make<TDoRepeat>(), {{"CountEdit", "0"}}, "", 0, "Value must be greater than zero.",
                   "CountEdit"},
        DialogCase{"RepeatEnd", Make<TDoRepeat>(), {{"EndRadio", "click"}}, "<ENDREP>", lk::RepeatEnd},
        DialogCase{"RepeatPrompt", Make<TDoRepeat>(), {{"PromptRadio", "click"}}, "<PROMPTREP>", lk::RepeatPromptStart},
        DialogCase{"Counter", Make<TDoRepeat>(), {{"CounterRadio", "click"}, {"CountEdit", "3"}}, "<III>",
                   lk::RepeatCounter},
        DialogCase{"CounterTooWide", Make<TDoRepeat>(), {{"CounterRadio", "click"}, {"CountEdit", "5"}}, "", 0,
                   "Width must be between 1 and 4.", "CountEdit"},
        DialogCase{"PauseBasic", Make<TDoPausePos>(), {}, "<PAUSE>", lk::Pause},
        DialogCase{"PauseComplex", Make<TDoPausePos>(),
                   {{"ComplexRadio", "click"}, {"TopEdit", "5"}, {"LeftEdit", "40"}, {"MessageEdit", "Go"}},
                   "<PAUSE:005,040Go>", lk::Pause},
        DialogCase{"PauseBadTop", Make<TDoPausePos>(), {{"ComplexRadio", "click"}, {"TopEdit", "-5"}}, "", 0,
                   "Invalid Top Window Coordinate entered.  Please correct.", "TopEdit"},
        DialogCase{"PauseBadLeft", Make<TDoPausePos>(), {{"ComplexRadio", "click"}, {"LeftEdit", "x"}}, "", 0,
                   "Invalid Left Window Coordinate entered.  Please correct.", "LeftEdit"}));

INSTANTIATE_TEST_SUITE_P(
    Windows, CommandDialogTest,
    ::testing::Values(
        DialogCase{"Activate", MakeWithFiles<TDoActive>(), {{"TitleEdit", " Notepad "}}, "<ACTIVATE:Notepad>",
                   lk::ActivateWindow},
        DialogCase{"ActivateNoTitle", MakeWithFiles<TDoActive>(), {}, "", 0,
                   "No entry made for Window Title.  Please correct.", "TitleEdit"},
        DialogCase{"Launch", MakeWithFiles<TDoActive>(),
                   {{"LaunchRadio", "click"}, {"PathEdit", "C:\\Program Files\\Calc.exe"}, {"ParametersEdit", " /x "}},
                   "<LAUNCH:C:\\PROGRA~1\\CALC.EXE<PARAM>/x>", lk::LaunchProgram},
        DialogCase{"LaunchMissing", MakeWithFiles<TDoActive>(), {{"LaunchRadio", "click"}, {"PathEdit", "C:\\no.exe"}},
                   "", 0, "Specified Path and Program does not exist.  Please correct.", "PathEdit"},
        DialogCase{"LaunchAndActivate", MakeWithFiles<TDoActive>(),
                   {{"LaunchActivateRadio", "click"}, {"TitleEdit", "Calc"}, {"PathEdit", "C:\\Program Files\\Calc.exe"},
                    {"DelayEdit", "5"}},
                   "<LAUNCHNO:05Calc<LAUNCH:C:\\PROGRA~1\\CALC.EXE>", lk::LaunchAndActivate},
        DialogCase{"ActivateOrLaunch", MakeWithFiles<TDoActive>(),
                   {{"ActivateOrLaunchRadio", "click"}, {"TitleEdit", "Calc"},
                    {"PathEdit", "C:\\Program Files\\Calc.exe"}, {"DelayEdit", "12"}},
                   "<LAUNCHYES:12Calc<LAUNCH:C:\\PROGRA~1\\CALC.EXE>", lk::ActivateOrLaunch},
        DialogCase{"LaunchBadDelay", MakeWithFiles<TDoActive>(),
                   {{"LaunchRadio", "click"}, {"PathEdit", "C:\\Program Files\\Calc.exe"}, {"DelayEdit", "-1"}}, "", 0,
                   "Value must be greater than zero.", "DelayEdit"},
        DialogCase{"ResizeCurrent", Make<TDoSizeIt>(), {{"FirstEdit", "640"}, {"SecondEdit", "480"}},
                   "<WSIZE:0640,0480\"CURRENT\">", lk::ResizeWindow},
        DialogCase{"PositionNamed", Make<TDoSizeIt>(),
                   {{"SpecificRadio", "click"}, {"TitleEdit", "Notepad"}, {"PositionRadio", "click"},
                    {"FirstEdit", "0"}, {"SecondEdit", "20"}},
                   "<WPOS:0000,0020Notepad>", lk::RepositionWindow},
        DialogCase{"SizeNoTitle", Make<TDoSizeIt>(), {{"SpecificRadio", "click"}}, "", 0,
                   "No Window title specified.  Please correct", "TitleEdit"},
        DialogCase{"SizeNarrow", Make<TDoSizeIt>(), {{"FirstEdit", "9"}, {"SecondEdit", "480"}}, "", 0,
                   "Invalid width specified.  Width must be 10 or greater.  Please correct.", "FirstEdit"},
        DialogCase{"SizeLow", Make<TDoSizeIt>(), {{"FirstEdit", "10"}, {"SecondEdit", "29"}}, "", 0,
                   "Invalid height specified.  Height must be 30 or greater.  Please correct.", "SecondEdit"},
        DialogCase{"PositionBadLeft", Make<TDoSizeIt>(), {{"PositionRadio", "click"}, {"FirstEdit", "-1"}}, "", 0,
                   "Invalid left position specified.  Please correct.", "FirstEdit"},
        DialogCase{"PositionBadTop", Make<TDoSizeIt>(),
                   {{"PositionRadio", "click"}, {"FirstEdit", "1"}, {"SecondEdit", "y"}}, "", 0,
                   "Invalid top position specified.  Please correct.", "SecondEdit"},
        DialogCase{"MinimizeCurrent", Make<TDoSystemCommand>(), {{"MinimizeRadio", "click"}}, "<WMIN:\"CURRENT\">",
                   lk::MinimizeWindow},
        DialogCase{"ShutDownNamed", Make<TDoSystemCommand>(),
                   {{"ShutDownRadio", "click"}, {"SpecificRadio", "click"}, {"TitleEdit", "Calc"}}, "<WSHUT:Calc>",
                   lk::ShutDownProgram},
        DialogCase{"SystemNoTitle", Make<TDoSystemCommand>(), {{"HideRadio", "click"}, {"SpecificRadio", "click"}}, "",
                   0, "No Window title specified.  Please correct", "TitleEdit"}));

INSTANTIATE_TEST_SUITE_P(
    Input, CommandDialogTest,
    ::testing::Values(
        DialogCase{"LeftClick", Make<TDoMouse>(), {}, "<LCLK>", lk::LeftMouseButton},
        DialogCase{"RightUp", Make<TDoMouse>(), {{"RightUpRadio", "click"}}, "<RUP>", lk::RightMouseButton},
        DialogCase{"MiddleDoubleClick", Make<TDoMouse>(), {{"MiddleDoubleClickRadio", "click"}}, "<MDCLK>",
                   lk::MiddleMouseButton},
        DialogCase{"WheelForward", Make<TDoMouse>(), {{"WheelForwardRadio", "click"}, {"ClicksEdit", "3"}},
                   "<WFW:003>", lk::MouseWheel},
        DialogCase{"WheelNone", Make<TDoMouse>(), {{"WheelBackwardRadio", "click"}, {"ClicksEdit", "0"}}, "", 0,
                   "Invalid number of wheel clicks specified.  Please correct.", "ClicksEdit"},
        DialogCase{"MoveWindow", Make<TDoMouse>(),
                   {{"MoveRadio", "click"}, {"WindowRadio", "click"}, {"XEdit", "1024"}, {"YEdit", "768"}},
                   "<MMW:01024,00768>", lk::MouseMove},
        DialogCase{"MoveTooFar", Make<TDoMouse>(), {{"MoveRadio", "click"}, {"XEdit", "30001"}}, "", 0,
                   "Invalid X Position specified.  Please correct.", "XEdit"},
        DialogCase{"MoveBadY", Make<TDoMouse>(), {{"MoveRadio", "click"}, {"YEdit", "-3"}}, "", 0,
                   "Invalid Y Position specified.  Please correct.", "YEdit"},
        DialogCase{"AltUp", Make<TDoKeyUpDown>(), {{"AltUpRadio", "click"}}, "<ALTU>", lk::AltKey},
        DialogCase{"WinDown", Make<TDoKeyUpDown>(), {{"WinDownRadio", "click"}}, "<WIND>", lk::WinKey},
        DialogCase{"DatePast", Make<TDateOrTime>(true),
                   {{"NoZerosBox", "click"}, {"PastRadio", "click"}, {"DaysEdit", "3"}}, "<MM/DD/YY{NP003}>", lk::Date},
        DialogCase{"DateDefault", Make<TDateOrTime>(true), {}, "<MM/DD/YY{YF000}>", lk::Date},
        DialogCase{"TimeDefault", Make<TDateOrTime>(false), {}, "<hh:mm{Y}>", lk::Time}));

INSTANTIATE_TEST_SUITE_P(
    Files, CommandDialogTest,
    ::testing::Values(
        DialogCase{"Swap", MakeWithFiles<TDoSwap>(), {{"PathEdit", "C:\\macros\\other.tvx"}},
                   "<SWAP:C:\\MACROS\\OTHER.TVX>", lk::LoadMacroFile},
        DialogCase{"SwapMissing", MakeWithFiles<TDoSwap>(), {{"PathEdit", "C:\\none.tvx"}}, "", 0,
                   "Specified Macro File does not exist.  Please correct.", "PathEdit"},
        DialogCase{"ClipboardFile", MakeWithFiles<TDoClipboard>(), {{"PathEdit", "C:\\text\\part one.txt"}},
                   "<CLIPF:C:\\TEXT\\PARTON~1.TXT>", lk::ClipboardFileCopy},
        DialogCase{"ClipboardMissing", MakeWithFiles<TDoClipboard>(), {{"PathEdit", "C:\\x.txt"}}, "", 0,
                   "Specified Text File does not exist.  Please correct.", "PathEdit"},
        DialogCase{"ClipboardPaste", MakeWithFiles<TDoClipboard>(), {{"PasteRadio", "click"}}, "<CLIPP>",
                   lk::ClipboardPaste},
        DialogCase{"ClipboardStart", MakeWithFiles<TDoClipboard>(), {{"StartRadio", "click"}}, "<BEGCLIP>",
                   lk::ClipboardStartCopy},
        DialogCase{"ChangeFolder", MakeWithFiles<TDoDOSFiles>(), {{"PathEdit", "C:\\Work Files\\"}},
                   "<CHDIR:C:\\WORKFI~1>", lk::ChangeFolder},
        DialogCase{"ChangeFolderMissing", MakeWithFiles<TDoDOSFiles>(), {{"PathEdit", "C:\\nowhere"}}, "", 0,
                   "Specified directory/folder does not exist.  Please correct.", "PathEdit"},
        DialogCase{"CopyFile", MakeWithFiles<TDoDOSFiles>(),
                   {{"CopyRadio", "click"}, {"PathEdit", "C:\\text\\part one.txt"}, {"NewNameEdit", "D:\\b.txt"}},
                   "<COPYFILE:C:\\text\\part one.txt;D:\\b.txt>", lk::CopyFile},
        DialogCase{"RenameNoName", MakeWithFiles<TDoDOSFiles>(),
                   {{"RenameRadio", "click"}, {"PathEdit", "C:\\text\\part one.txt"}}, "", 0,
                   "No new name specified.  Please correct.", "OkButton"},
        DialogCase{"DeleteMissing", MakeWithFiles<TDoDOSFiles>(), {{"DeleteRadio", "click"}, {"PathEdit", "C:\\x"}},
                   "", 0, "Specified Text File does not exist.  Please correct.", "PathEdit"},
        DialogCase{"Beep", MakeWithFiles<TDoSound>(), {}, "<BEEP>", lk::SoundBeep},
        DialogCase{"WaveNoWait", MakeWithFiles<TDoSound>(),
                   {{"WaveRadio", "click"}, {"PathEdit", "C:\\sounds\\ding.wav"}, {"WaitBox", "click"}},
                   "<WAV2:C:\\sounds\\ding.wav>", lk::SoundWaveFile},
        DialogCase{"WaveMissing", MakeWithFiles<TDoSound>(), {{"WaveRadio", "click"}, {"PathEdit", "x.wav"}}, "", 0,
                   "Specified WAV File does not exist.  Please correct.", "PathEdit"},
        DialogCase{"Remark", Make<TDoRemark>(), {{"CommentEdit", "  set up  "}}, "<REM:set up>", lk::Remark},
        DialogCase{"WebWww", Make<TDoWebStuff>(false, false), {{"AddressEdit", "wWw.example.com"}},
                   "<HTTP:http://wWw.example.com>", lk::WebSite},
        DialogCase{"WebOther", Make<TDoWebStuff>(false, true), {{"AddressEdit", "example.com/www"}},
                   "<HTTP:example.com/www>", lk::WebSite},
        DialogCase{"Ftp", Make<TDoWebStuff>(true, true), {}, "<FTP:ftp://>", lk::WebFtp}));

// An edit shows the line's values and, accepted unchanged, gives the same tag
// back: for one line of every family.
TEST(CommandDialogEdit, ShowsTheLineAndGivesItBack) {
  World world;
  const std::vector<std::pair<std::string, Factory>> cases = {
      {"<DELAY:02.25>", Make<TDoDelay2>()},
      {"<MSD:0250>", Make<TDoDelay2>()},
      {"<SPEED:02.50>", Make<TDoSpeed>()},
      {"<REPEAT:0012>", Make<TDoRepeat>()},
      {"<IIII>", Make<TDoRepeat>()},
      {"<PAUSE:005,040Go>", Make<TDoPausePos>()},
      {"<WSIZE:0640,0480Calc>", Make<TDoSizeIt>()},
      {"<WHIDE:\"CURRENT\">", Make<TDoSystemCommand>()},
      {"<MMS:00010,00020>", Make<TDoMouse>()},
      {"<RDCLK>", Make<TDoMouse>()},
      {"<SHFU>", Make<TDoKeyUpDown>()},
      {"<DD Mmm YY{NP007}>", Make<TDateOrTime>(true)},
      {"<hh.mm AM{N}>", Make<TDateOrTime>(false)},
      {"<ACTIVATE:Notepad>", MakeWithFiles<TDoActive>()},
      {"<REM:note>", Make<TDoRemark>()},
      {"<HTTP:http://example.com>", Make<TDoWebStuff>(false, false)},
      {"<WAV1:C:\\sounds\\ding.wav>", MakeWithFiles<TDoSound>()},
      {"<ENDCLIP>", MakeWithFiles<TDoClipboard>()},
  };
  for (const auto& [tag, make] : cases) {
    const std::vector<ScriptLine> lines = BuildTheScript(tag);
    ASSERT_EQ(lines.size(), 1u) << tag;
    std::unique_ptr<CommandDialog> dialog = make(world);
    dialog->Load(LineKindOf(lines[0].display), lines[0].record);
    const FormReply reply = dialog->OkButtonClick();
    ASSERT_EQ(reply.kind, FormReply::Kind::Close) << tag << ": " << reply.message;
    EXPECT_EQ(dialog->tagText, tag);
    EXPECT_EQ(LineKindOf(LineDisplay(dialog->lineKind, dialog->record, DisplayStyle::FromDialog)),
              LineKindOf(lines[0].display))
        << tag;
  }
}

TEST(TDoTextInsertTest, AMissingFileIsKeptWhenTheUserSaysNo) {
  World world;
  TDoTextInsert dialog(world.files, world.ui);
  dialog.pathEdit.text = "C:\\text\\part one.txt";
  ASSERT_EQ(dialog.OkButtonClick().kind, FormReply::Kind::Close);
  EXPECT_EQ(dialog.tagText, "<TFILE:C:\\TEXT\\PARTON~1.TXT>");

  TDoTextInsert missing(world.files, world.ui);
  missing.pathEdit.text = "C:\\new.txt";
  world.ui.QueueYesNo(true);  // correct it
  EXPECT_EQ(missing.OkButtonClick().kind, FormReply::Kind::Stay);
  world.ui.QueueYesNo(false);  // keep it
  ASSERT_EQ(missing.OkButtonClick().kind, FormReply::Kind::Close);
  EXPECT_EQ(missing.tagText, "<TFILE:C:\\new.txt>");
  EXPECT_EQ(missing.EditButtonClick().message, "Specified Path and Program does not exist.  Unable to open text file.");
}

TEST(TDoSpecWindTest, OffersTheHighlightedEntry) {
  World world;
  TDoSpecWind dialog(world.ui, true);
  EXPECT_EQ(dialog.caption, "Set Program");
  dialog.list.items = RunningProgramNames({"C:\\WINDOWS\\NOTEPAD.EXE", "kernel32.dll", "calc.exe"});
  ASSERT_EQ(dialog.list.items.size(), 2u);
  EXPECT_EQ(dialog.OkButtonClick().message, "No program name has been entered.  Please correct.");
  dialog.list.itemIndex = 1;
  world.ui.QueueYesNo(true);
  dialog.Click(dialog.runningRadio);
  ASSERT_EQ(dialog.OkButtonClick().kind, FormReply::Kind::Close);
  EXPECT_EQ(dialog.scopeName, "calc.exe");
  EXPECT_FALSE(dialog.topMostOnly);
  const std::string asked = world.trace.Lines().empty() ? "" : world.trace.Lines().back();
  EXPECT_NE(asked.find("question Error: No program name has been entered.  "), std::string::npos) << asked;
  EXPECT_NE(asked.find("calc.exe"), std::string::npos) << asked;
  EXPECT_NE(asked.find(" is currently highlighted.  Would you like to use it?"), std::string::npos) << asked;
}

TEST(TDoSpecialTest, TheGridRunsDownTheColumns) {
  World world;
  TDoSpecial dialog(world.ui);
  dialog.symbolGrid.itemIndex = 1 * 8 + 3;  // column 1, row 3
  ASSERT_EQ(dialog.OkButtonClick().kind, FormReply::Kind::Close);
  EXPECT_EQ(dialog.tagText, std::string(1, static_cast<char>(128 + 11)));
}

// Help opens the program's help at the dialog's topic: the ones named here,
// otherwise the dialog's caption.
TEST(DialogHelp, OpensTheHelpAtTheDialogsKeyword) {
  test_support::SimWorld world;
  FakeFiles files;
  MacroRecord record;
  const std::vector<std::pair<int, std::string>> commandKeywords{
      {lk::Date, "Date Format"},         {lk::Time, "Time Format"},
      {lk::Pause, "Macro Pause"},        {lk::LoadMacroFile, "Swap Macro File"},
      {lk::MouseSpeed, "Keyboard and Mouse Speed"}, {lk::Delay, "Delays"},
      {lk::CopyFile, "File Commands"},   {lk::Remark, "Remark"},
      {lk::RepeatStart, "Repeat Options"}, {lk::ClipboardFileCopy, "Clipboard"},
  };
  std::vector<std::pair<std::unique_ptr<Form>, std::string>> cases;
  for (const auto& [kind, keyword] : commandKeywords)
    cases.emplace_back(CommandDialogFor(kind, true, world.ui, world.desktop, files), keyword);
  cases.emplace_back(std::make_unique<TModText>(world.ui), "Text Insertion");
  cases.emplace_back(std::make_unique<TDoWizard>(world.ui, [](int) { return false; }), "Command Wizard");
  cases.emplace_back(std::make_unique<TDoScripting>(world.ui, world.desktop, files, record), "Scripting Editor");
  cases.emplace_back(std::make_unique<TModHotKeys>(world.ui, world.desktop, files, record), "Modify Hot Key");
  for (auto& [form, keyword] : cases) {
    auto* help = dynamic_cast<Button*>(form->Find("HelpButton"));
    ASSERT_NE(help, nullptr) << form->Name();
    world.ui.Click(*form, *help);
    EXPECT_EQ(world.Trace().back(), "help " + keyword) << form->Name();
    EXPECT_FALSE(form->Closed()) << form->Name();
  }
}

}  // namespace
}  // namespace tavrix
