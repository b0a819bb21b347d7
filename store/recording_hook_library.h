// A hook library without hooks: it records every call and keeps its own copy
// of the table the way the real library must, taking over exactly the fields
// each publishing call names. Tests read both; the tavrix tool uses it where
// no real library exists.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "hook/library_state.h"
#include "hook/table_fields.h"
#include "store/hook_library.h"
#include "store/shared_macro_table.h"

namespace tavrix {

class RecordingHookLibrary : public HookLibrary {
 public:
  struct Call {
    std::string name;        // the export's name, e.g. "TvxUpItem"
    std::uint32_t argument;  // macro number, hook handle or 0
    bool operator==(const Call&) const = default;
  };

  HookHandle TvxHookKeyboard() override;
  HookHandle TvxHookMouse() override;
  HookHandle TvxHookCBT() override;
  HookHandle TvxHookSwap() override;
  void TvxUnHook(HookHandle hook) override;

  void TvxUpInit(TableBytes table) override;
  void TvxUpItem(TableBytes table, std::uint16_t n) override;
  void TvxUpNumKeys(TableBytes table) override;
  void TvxUpKeys(TableBytes table) override;
  void TvxUpCapture(TableBytes table) override;
  void TvxUpCaptureOn(TableBytes table) override;
  void TvxUpInUse(TableBytes table) override;
  void TvxUpWindow(TableBytes table) override;
  void TvxUpWindow2(TableBytes table) override;
  void TvxUpProg(TableBytes table) override;
  void TvxUpProgs(TableBytes table) override;
  void TvxUpKeyHook(TableBytes table) override;
  void TvxUpMouseHook(TableBytes table) override;
  void TvxUpSwapKeys(SwapTableBytes tables) override;

  const std::vector<Call>& calls() const { return calls_; }
  void ClearCalls() { calls_.clear(); }
  // How many calls of that name were made.
  std::size_t CountOf(const std::string& name) const;
  // The library's copy of the table.
  const SharedMacroTable& copy() const { return copy_; }
  // The real library's table copy and the state its hooks decide from, fed
  // by the same calls (the simulated closed loop runs the hooks on it).
  hook::LibraryState& libraryState() { return state_; }
  // Handles of the hooks installed and not yet removed.
  const std::set<HookHandle>& installedHooks() const { return installed_; }

 private:
  HookHandle Install(const char* name);
  void Record(const char* name, std::uint32_t argument = 0);
  void Take(TableBytes table, hook::PublishCall call, std::uint16_t macro = 0);

  std::vector<Call> calls_;
  hook::LibraryState state_;
  SharedMacroTable copy_;
  std::set<HookHandle> installed_;
  HookHandle nextHandle_ = 0x1000;
};

}  // namespace tavrix
