// tavrix remap: loads a macro file with its key-swap state as the program
// does at start-up, remaps characters through "Keyboard Remapper" as a user
// would, closes it and tells what became of the swap hook.
#include <array>
#include <deque>
#include <ostream>
#include <string>
#include <utility>

#include "activation/key_remapping.h"
#include "app/tavrix/command.h"
#include "app/tavrix/store_tool_support.h"
#include "store/key_swap_file.h"

namespace tavrix::tool {
namespace {

constexpr const char* kUsage =
    "remap FILE [--set X=Y]...   remap character X (one of the 93) to Y (32..255) in \"Keyboard Remapper\" and "
    "close it; prints \"hook installed\", \"hook removed\" or \"hook unchanged\"";

struct Remap {
  std::uint8_t from;
  std::uint8_t to;
};

// The remapper grid that shows `position`, and the row in it.
std::pair<Grid*, int> GridRow(TDoSwapKeys& remapper, int position) {
  const std::pair<Grid*, SwapTableSpan> grids[] = {{&remapper.upperGrid, kCapitalTable},
                                                    {&remapper.lowerGrid, kSmallTable},
                                                    {&remapper.numericGrid, kDigitTable},
                                                    {&remapper.punctuationGrid, kPunctuationTable}};
  for (const auto& [grid, table] : grids) {
    const auto p = static_cast<std::size_t>(position);
    if (p >= table.start && p < table.start + table.size) return {grid, static_cast<int>(p - table.start)};
  }
  return {nullptr, 0};
}

int RunRemap(const Arguments& args, std::ostream& out, std::ostream& err) {
  std::string path;
  std::deque<Remap> remaps;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& argument = args[i];
    if (argument == "--set") {
      const std::string value = i + 1 < args.size() ? args[++i] : std::string();
      const bool shaped = value.size() == 3 && value[1] == '=';
      const auto from = shaped ? static_cast<std::uint8_t>(value[0]) : std::uint8_t{0};
      const auto to = shaped ? static_cast<std::uint8_t>(value[2]) : std::uint8_t{0};
      if (!shaped || SwapPosition(from) < 0 || to < 32) {
        err << "tavrix remap: --set \"" << value
            << "\" is not X=Y with X one of the 93 remappable characters and Y a character from 32 to 255\n";
        return 1;
      }
      remaps.push_back({from, to});
    } else if (argument.rfind("--", 0) == 0 || !path.empty()) {
      err << "usage: tavrix " << kUsage << "\n";
      return 1;
    } else {
      path = argument;
    }
  }
  if (path.empty()) {
    err << "usage: tavrix " << kUsage << "\n";
    return 1;
  }

  StoreSession session(err);
  if (!session.Load(path)) return 1;
  // Start-up: the key-swap state, and the swap hook while any key is remapped.
  std::array<std::uint8_t, KeySwapControlBlock::kSize> blockBytes{};
  KeySwapControlBlock block(blockBytes);
  if (GetSwapFile(path, block.SwapTables()) == SwapFileResult::NotCreated)
    session.ui.ShowMessage("Error", SwapFileNotCreatedMessage(path));
  HookHandle swapHook = 0;
  FollowSwapsInUse(session.hooks, block, swapHook);

  session.ui.AnswerForms([&remaps](Form& form) {
    if (auto* select = dynamic_cast<TDoSwapSpecial*>(&form)) {
      select->characterGrid.selected = TDoSwapSpecial::CellOf(remaps.front().to);
      remaps.pop_front();
      form.Clicked(select->okButton);
      return;
    }
    auto* remapper = dynamic_cast<TDoSwapKeys*>(&form);
    if (remapper == nullptr) return;
    while (!remaps.empty()) {
      const auto [grid, row] = GridRow(*remapper, SwapPosition(remaps.front().from));
      DoubleClickGridCell(form, *grid, {row, 1});
    }
    form.Clicked(remapper->okButton);
  });
  const SwapHookChange change = MenuRemapClick(
      RemapRequest{session.ui, session.listener, session.hooks, block, swapHook, SwapFileName(path), false, 1024, 768});
  out << SwapHookChangeText(change) << "\n";
  return session.ui.ErrorCount() == 0 ? 0 : 1;
}

}  // namespace

TAVRIX_COMMAND("remap", kUsage, RunRemap);

}  // namespace tavrix::tool
