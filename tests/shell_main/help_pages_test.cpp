#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <sstream>

#include "activation/key_remapping.h"
#include "activation/popup_menu_dialogs.h"
#include "activation/scheduler_dialogs.h"
#include "capture/capture_dialogs.h"
#include "editing/command_dialog_factory.h"
#include "editing/command_names.h"
#include "editing/direct_editor.h"
#include "editing/input_dialogs.h"
#include "editing/script_editor.h"
#include "editing/script_wizard.h"
#include "editing/system_keys_dialog.h"
#include "editing/timing_dialogs.h"
#include "platform/help_pages.h"
#include "tests/editing/editing_fixtures.h"
#include "tests/support/sim_world.h"

namespace tavrix {
namespace {

namespace fs = std::filesystem;
const fs::path kPages = TAVRIX_HELP_DIR;

// The keyword of every form that has a Help button (F1 opens the same), and
// the empty keyword of the Help menu and of forms without one.
std::vector<std::string> EveryHelpKeyword() {
  test_support::SimWorld world;
  testing_support::FakeFiles files;
  MacroRecord record;
  MacroIndex index;
  std::array<std::uint8_t, kSwapTablesSize> swaps{};
  std::vector<std::unique_ptr<Form>> forms;
  for (int kind = 0; kind < kCommandCount; ++kind)
    forms.push_back(CommandDialogFor(kind, true, world.ui, world.desktop, files));
  for (auto mode : {TDoDelay::Mode::Seconds, TDoDelay::Mode::Keypad, TDoDelay::Mode::Scheduler})
    forms.push_back(std::make_unique<TDoDelay>(mode));
  forms.push_back(std::make_unique<TDoSpecial>(world.ui));
  forms.push_back(std::make_unique<TDoWizard>(world.ui, [](int) { return false; }));
  forms.push_back(std::make_unique<TDoScripting>(world.ui, world.desktop, files, record));
  forms.push_back(std::make_unique<TModHotKeys>(world.ui, world.desktop, files, record));
  forms.push_back(std::make_unique<TCaptureDefaults>());
  forms.push_back(std::make_unique<TCaptureKeys>());
  forms.push_back(std::make_unique<TCapComplete>(world.ui, index, record, "", true));
  forms.push_back(std::make_unique<TWordletOptions>());
  forms.push_back(std::make_unique<TDoSchedule>(record, LocalDateTime{}));
  forms.push_back(std::make_unique<TDoSwapKeys>(world.ui, SwapTables(swaps), false, 1024, 768));
  forms.push_back(std::make_unique<TDoBuildMenu>(record, false, "F1", index, world.ui, nullptr));
  std::vector<std::string> keywords{"", "Tutorial / User Guide", TSystemKeys::kHelpKeyword};
  for (auto& form : forms) {
    const FormReply reply = form->PressHelp();
    EXPECT_EQ(reply.kind, FormReply::Kind::Help) << form->Name();
    keywords.push_back(reply.message);
  }
  return keywords;
}

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(HelpPages, EveryKeywordTheProgramPassesHasItsPage) {
  for (const std::string& keyword : EveryHelpKeyword())
    EXPECT_TRUE(fs::is_regular_file(kPages / HelpPageName(keyword))) << '"' << keyword << "\": " << HelpPageName(keyword);
}

TEST(HelpPages, EveryLinkBetweenThePagesLeadsToAPage) {
  const std::regex link(R"(href="([^"#:]*)(#[^"]*)?")");
  int pages = 0;
  for (const auto& entry : fs::directory_iterator(kPages)) {
    if (entry.path().extension() != ".html") continue;
    ++pages;
    const std::string text = Read(entry.path());
    for (std::sregex_iterator it(text.begin(), text.end(), link), end; it != end; ++it) {
      const std::string target = (*it)[1];
      if (target.empty()) continue;
      EXPECT_TRUE(fs::is_regular_file(kPages / target)) << entry.path().filename() << " links to " << target;
    }
  }
  EXPECT_GT(pages, 20);
}

}  // namespace
}  // namespace tavrix
