#include "editing/system_keys_dialog.h"

#include "base/hot_key_table.h"
#include "store/macro_record.h"
#include "store/macro_transfer.h"

namespace tavrix {

TSystemKeys::TSystemKeys(MacroFile& file, int focusDigit, int systemMenu)
    : Form(kName, "System Hot Keys", 398, 215), systemMenu(systemMenu), file_(file), focusDigit_(focusDigit) {
  helpKeyword = kHelpKeyword;
  for (int digit = 1; digit <= 4; ++digit) {
    Field(digit).onHotKey = [this, digit](int code) { return KeyPressed(digit, code); };
  }
  firstPartRadio.group = iconsRadio.group = nickNameRadio.group = 1;
  okButton.onClick = [this] { return OkButtonClick(); };
  activeControl = &actProg;
}

void TSystemKeys::FormShow(const TextMeasure& /*measure*/) {
  numbers_.fill(0);
  start_.fill(-1);
  pending_.fill(-1);
  const MacroIndex& index = file_.index();
  for (int n = 1; n <= index.Count(); ++n) {
    if (index.table().Scope(n) != kScopeSystem) continue;
    const int digit = SystemActivationDigit(index.table().ScopeName(n));
    if (digit == 0) continue;
    const auto k = static_cast<std::size_t>(digit - 1);
    numbers_[k] = n;
    start_[k] = pending_[k] = index.table().Activation(n);
    Field(digit).text = pending_[k] < kHotKeyCount ? HotKeyName(pending_[k]) : std::string();
  }
  firstPartRadio.checked = systemMenu == 1;
  iconsRadio.checked = systemMenu == 2;
  nickNameRadio.checked = systemMenu != 1 && systemMenu != 2;
  activeControl = focusDigit_ >= 1 && focusDigit_ <= 4 ? &Field(focusDigit_) : &actProg;
  changed = false;
}

FormReply TSystemKeys::KeyPressed(int digit, int code) {
  if (digit < 1 || digit > 4 || code < 0 || code >= kHotKeyCount) return FormReply::Stay();
  // The SYSTEM macros count as users too, so two fields never swap keys in
  // one step.
  if (InGlobalUse(file_.index(), code)) {
    return FormReply::Refuse("Error",
                             "The hot key \"" + HotKeyName(code) +
                                 "\" is already in use by a macro.  If you wish to use this hot key combination, you "
                                 "will first need to either remove or move the macro which is assigned to it.",
                             Field(digit));
  }
  pending_[static_cast<std::size_t>(digit - 1)] = code;
  Field(digit).text = HotKeyName(code);
  return FormReply::Stay();
}

FormReply TSystemKeys::OkButtonClick() {
  for (std::size_t a = 0; a < pending_.size(); ++a) {
    for (std::size_t b = a + 1; b < pending_.size(); ++b) {
      if (pending_[a] >= 0 && pending_[a] == pending_[b])
        return FormReply::Refuse("Error", "The same hot key has been assigned to more than one system command.",
                                 *fields_[b]);
    }
  }
  for (std::size_t k = 0; k < pending_.size(); ++k) {
    if (numbers_[k] == 0 || pending_[k] == start_[k]) continue;
    MacroRecord record;
    if (!file_.ReadRecord(numbers_[k], record)) continue;
    // The numbers were found when the dialog opened; another program may
    // have renumbered the file since, and then this is some other macro.
    const int digit = static_cast<int>(k + 1);
    if (record.Scope() != kScopeSystem || SystemActivationDigit(record.ScopeName()) != digit)
      return FormReply::Refuse("Error", "The macro file was changed by another program.  Please open this dialog again.",
                               Field(digit));
    const MacroRecord read = record;
    record.SetActivation(static_cast<std::uint16_t>(pending_[k]));
    if (!file_.SaveRecordOver(numbers_[k], read, record)) return FormReply::Stay();
    start_[k] = pending_[k];
    changed = true;
  }
  systemMenu = firstPartRadio.checked ? 1 : iconsRadio.checked ? 2 : 3;
  return FormReply::Close(ModalResult::Ok);
}

}  // namespace tavrix
