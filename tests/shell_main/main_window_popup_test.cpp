// Popup-menu macros in the running program: a menu's hot key opens "Choose A
// Macro" and the typed choice plays into the window in front, the
// top-most-window menu, the popup-menu tray icons and their right click,
// and "Build Macro Menu" on an existing menu.
#include "activation/popup_menu_dialogs.h"
#include "base/private_messages.h"
#include "main_window_fixture.h"

namespace tavrix::testing {
namespace {

constexpr int kFirst = 5;
constexpr const char* kPopupMessage =
    "message Warning: A current Popup Menu macro is being displayed. Another macro cannot be executed until either a "
    "choice is made from the Popup Menu or it is cancelled.";

MacroRecord PopupMenu(const std::string& nick, std::uint16_t code, const std::string& options,
                      const std::vector<std::uint16_t>& list) {
  MacroRecord menu = Macro(nick, code, "", kScopePopupMenu);
  menu.SetWordletText(options);
  menu.SetIconName("MENU");
  menu.SetPopupMenuList(list);
  return menu;
}

class PopupTest : public MainWindowTest {
 protected:
  // The user types `typed` into the next "Choose A Macro".
  void TypeIntoMenu(const std::string& typed) {
    ui.AnswerForm("TDoAMenu", [this, typed](Form& form) {
      EXPECT_TRUE(window->PopupShown());
      window->OnActivation(kCtrlA, 0);  // refused while the menu is open
      for (const char c : typed)
        if (!form.Closed()) form.TypedCharacter(c);
    });
  }
};

TEST_F(PopupTest, AMenusHotKeyOpensTheMenuAndTheTypedDigitPlaysItsMacro) {
  ASSERT_TRUE(Start(WithSystemEntries(
      {Macro("A", kCtrlA, "aa"), Macro("B", kCtrlB, "bb"), PopupMenu("Menu", kF1, "N30", {kFirst, kFirst + 1})})));
  const WindowId pad = desktop.AddWindow("Untitled - Notepad", "NOTEPAD.EXE");
  TypeIntoMenu(" 1");
  desktop.Trace().Clear();
  window->OnActivation(kF1, pad);

  EXPECT_EQ(Messages(), (Lines{kPopupMessage}));
  EXPECT_EQ(TypedLetters(Trace()), "bb");
  EXPECT_FALSE(window->PopupShown());
  const auto shown = ui.Shown("TDoAMenu");
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].caption, "Choose A Macro");
  EXPECT_EQ(desktop.ForegroundWindow(), pad);

  // Cancelled: nothing plays.
  ui.AnswerForm("TDoAMenu", [](Form& form) { form.PressEscape(); });
  desktop.Trace().Clear();
  window->OnActivation(kF1, pad);
  EXPECT_EQ(TypedLetters(Trace()), "");
}

TEST_F(PopupTest, TheTopMostWindowMenuOffersTheMacrosThatFitTheWindowInFront) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("Pad", kCtrlA, "pp", kScopeWindow, "notepad"),
                                       Macro("Calc", kCtrlB, "cc", kScopeProgram, "CALC.EXE"),
                                       Macro("Pad program", kAltQ, "qq", kScopeProgram, "notepad.exe")})));
  const WindowId pad = desktop.AddWindow("Untitled - Notepad", "NOTEPAD.EXE");
  ui.AnswerForm("TDoAMenu", [](Form& form) {
    auto& menu = static_cast<TDoAMenu&>(form);
    ASSERT_EQ(menu.list1.items.size(), 2u);
    EXPECT_EQ(menu.list1.items[1], "1\tqq");  // "System Menu" 1: first part of the macro
    form.TypedCharacter('1');
  });
  window->OnActivation(kMenuKey, pad);
  EXPECT_EQ(TypedLetters(Trace()), "qq");

  desktop.AddWindow("Paint", "MSPAINT.EXE");
  desktop.Trace().Clear();
  window->OnActivation(kMenuKey, 0);
  EXPECT_EQ(Messages(), (Lines{std::string("message Warning: ") + kNoTopWindowMacrosText}));
  EXPECT_EQ(TypedLetters(Trace()), "");
  EXPECT_EQ(ui.Shown("TDoAMenu").size(), 1u);
}

TEST_F(PopupTest, TrayIconsComeWithTheProgramAndARightClickOpensTheMenuAtTheClick) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("A", kCtrlA, "aa"), PopupMenu("Tray menu", kF1, "Y30", {kFirst}),
                                       PopupMenu("No tray", kAltQ, "N30", {kFirst})})));
  window->Start(FirstShow::Normal);
  EXPECT_TRUE(host.Saw("PopupTrayIcons 6:menu:Tray menu")) << ::testing::PrintToString(host.lines);

  const WindowId pad = desktop.AddWindow("Untitled - Notepad", "NOTEPAD.EXE");
  window->OnForegroundChanged(pad);
  desktop.SetScreenSize(1024, 768);
  ui.AnswerForm("TDoAMenu", [](Form& form) { form.TypedCharacter('0'); });
  window->MenuTaskIconRightClick(kFirst + 1, 1000);
  EXPECT_EQ(TypedLetters(Trace()), "aa");
  const auto shown = ui.Shown("TDoAMenu");
  ASSERT_EQ(shown.size(), 1u);
  ASSERT_TRUE(shown[0].position.has_value());
  EXPECT_EQ(shown[0].position->left + shown[0].clientWidth, 1000);

  // A hot key afterwards opens the menu centred again.
  ui.AnswerForm("TDoAMenu", [](Form& form) { form.PressEscape(); });
  window->OnActivation(kF1, pad);
  EXPECT_EQ(ui.Shown("TDoAMenu")[1].position->left, (1024 - 300) / 2);
}

TEST_F(PopupTest, ModifyingAMenuSavesItAndRebuildsTheTrayIcons) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("A", kCtrlA, "aa"), Macro("B", kCtrlB, "bb"),
                                       PopupMenu("Menu", kF1, "N30", {kFirst})})));
  ui.AnswerForm("TDoBuildMenu", [this](Form& form) {
    auto& builder = static_cast<TDoBuildMenu&>(form);
    EXPECT_EQ(builder.hotKeyLabel.text, "F1");
    EXPECT_EQ(builder.MenuMacros(), (std::vector<int>{kFirst}));
    builder.availableList.itemIndex = 0;
    builder.AddClick();
    builder.Click(builder.trayBox);
    ui.Click(builder, builder.helpButton);
    builder.PressEnter();
  });
  window->ModifyPopupMenu(kFirst + 2);
  const MacroRecord saved = test_support::RecordOnDisk(macroPath, kFirst + 2);
  EXPECT_EQ(saved.PopupMenuList(), (std::vector<std::uint16_t>{kFirst, kFirst + 1}));
  EXPECT_EQ(saved.WordletText(), "Y30");
  EXPECT_TRUE(host.Saw("PopupTrayIcons 7:menu:Menu"));
  EXPECT_EQ(LinesStartingWith(Trace(), "help "), Lines{"help Build Macro Menu"});

  // Cancelled: the file stays as it was.
  ui.AnswerForm("TDoBuildMenu", [](Form& form) { form.PressEscape(); });
  window->ModifyPopupMenu(kFirst + 2);
  EXPECT_EQ(test_support::RecordOnDisk(macroPath, kFirst + 2).PopupMenuList(), saved.PopupMenuList());
}

}  // namespace
}  // namespace tavrix::testing
