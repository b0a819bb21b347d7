#include "activation/popup_menu_dialogs.h"

#include <algorithm>
#include <set>

#include "base/ascii_text.h"
#include "base/hot_key_table.h"

namespace tavrix {
namespace {

constexpr const char* kIconSizeNames[] = {"16 x 16", "24 x 24", "32 x 32", "48 x 48", "64 x 64"};
constexpr int kBuilderIconSize = 32;

// Label on silver, then the name and, in the nickname style, the scope.
const std::vector<ListColumn> kNickNameColumns = {{0, 1, true}, {1, 9, false}, {10, 4, false}};
const std::vector<ListColumn> kFirstPartColumns = {{0, 1, true}, {1, 13, false}};
// Activation, nickname, scope.
const std::vector<ListColumn> kBuilderColumns = {{0, 6, false}, {6, 4, false}, {10, 4, false}};

}  // namespace

// --- Choose A Macro ------------------------------------------------------------

TDoAMenu::TDoAMenu(std::vector<ChooseEntry> entries, PopupOptions options, int screenWidth, int screenHeight,
                   std::optional<int> clickX)
    : Form("TDoAMenu", "Choose A Macro", 0, 0), entries_(std::move(entries)), options_(options) {
  const int count = static_cast<int>(entries_.size());
  layout_ = LayoutChooseWindow(options_.style, options_.IconSize(), count);
  clientWidth = layout_.clientWidth;
  clientHeight = layout_.clientHeight;
  position = PlaceChooseWindow(clientWidth, clientHeight, screenWidth, screenHeight, clickX);
  topMost = true;
  toolWindow = true;
  cancelButton.bounds = layout_.cancel;

  if (options_.style == PopupStyle::Icons) {
    for (Control* hidden : {static_cast<Control*>(&heading1), static_cast<Control*>(&heading2),
                            static_cast<Control*>(&list1), static_cast<Control*>(&list2),
                            static_cast<Control*>(&messageLabel)})
      hidden->visible = false;
    for (int i = 0; i < count; ++i) {
      auto button = std::make_unique<Button>(*this, "IconButton" + std::to_string(i),
                                             layout_.iconButtons[static_cast<std::size_t>(i)],
                                             entries_[static_cast<std::size_t>(i)].label);
      button->icon = entries_[static_cast<std::size_t>(i)].icon;
      button->iconSize = options_.IconSize();
      button->hint = entries_[static_cast<std::size_t>(i)].hint;
      button->onClick = [this, i] { return Choose(i); };
      iconButtons.push_back(std::move(button));
    }
    activeControl = &cancelButton;
    return;
  }

  const bool nickNames = options_.style == PopupStyle::NickNameAndScope;
  heading1.text = nickNames ? "Name" : "Macro Text";
  heading1.bounds = layout_.heading1;
  heading2.bounds = layout_.heading2;
  heading2.visible = nickNames;
  list1.bounds = layout_.list1;
  list2.bounds = layout_.list2;
  list2.visible = layout_.lists == 2;
  messageLabel.bounds = layout_.message;
  for (ListBox* list : {&list1, &list2}) {
    list->columns = nickNames ? kNickNameColumns : kFirstPartColumns;
    list->itemHeight = kChooseRowHeight;
  }
  for (int i = 0; i < count; ++i) {
    const ChooseEntry& entry = entries_[static_cast<std::size_t>(i)];
    std::string row = entry.label + "\t" + entry.text;
    if (nickNames) row += "\t" + entry.scope;
    (i < kFirstListEntries ? list1 : list2).items.push_back(row);
  }
  list1.onDoubleClick = [this] { return Choose(list1.itemIndex); };
  list2.onDoubleClick = [this] { return list2.itemIndex < 0 ? FormReply::Stay() : Choose(kFirstListEntries + list2.itemIndex); };
  onCharacter = [this](char typed) { return KeyPress(typed); };
  activeControl = &list1;
}

FormReply TDoAMenu::Choose(int entry) {
  if (entry < 0 || entry >= static_cast<int>(entries_.size())) return FormReply::Stay();
  result = entries_[static_cast<std::size_t>(entry)].macro;
  return FormReply::Close(ModalResult::Ok);
}

FormReply TDoAMenu::KeyPress(char typed) {
  // The icon style has no rows to pick from; a typed character leaves it open.
  if (options_.style == PopupStyle::Icons) return FormReply::Stay();
  return Choose(EntryForTypedCharacter(typed, static_cast<int>(entries_.size())));
}

// --- Build Macro Menu ------------------------------------------------------------

TDoBuildMenu::TDoBuildMenu(MacroRecord& record, bool existing, std::string hotKeyName, const MacroIndex& index,
                           Ui& ui, IconFiles* icons)
    : Form("TDoBuildMenu", "Build Macro Menu", 604, 415),
      record(record),
      existing(existing),
      index_(index),
      ui_(ui),
      icons_(icons) {
  hotKeyLabel.text = std::move(hotKeyName);
  iconSize.items.assign(std::begin(kIconSizeNames), std::end(kIconSizeNames));
  iconSize.itemIndex = 0;
  nickRadio.checked = true;
  mySpeed.iconSize = kBuilderIconSize;
  for (ListBox* list : {&menuList, &availableList}) {
    list->columns = kBuilderColumns;
    list->itemHeight = kChooseRowHeight;
  }

  if (existing) {
    const PopupOptions options = PopupOptions::Read(record.WordletText());
    nickName.text = record.NickName();
    trayBox.checked = options.tray;
    nickRadio.checked = options.style == PopupStyle::NickNameAndScope;
    firstPartRadio.checked = options.style == PopupStyle::FirstPart;
    iconsRadio.checked = options.style == PopupStyle::Icons;
    iconSize.itemIndex = options.sizeCode >= '0' && options.sizeCode <= '4' ? options.sizeCode - '0' : 0;
    const std::string name = record.IconName();
    const bool present = icons_ != nullptr && name != kMenuIconName && !name.empty() &&
                         icons_->Exists(JoinFolder(icons_->Folder(), name));
    iconName = present ? name : kMenuIconName;
    for (const std::uint16_t n : record.PopupMenuList())
      if (n >= 1 && n <= index_.Count()) menu_.push_back(n);
  }
  shownNickName_ = nickName.text;
  shownTray_ = trayBox.checked;
  const std::set<int> listed(menu_.begin(), menu_.end());
  for (int n = 1; n <= index_.Count(); ++n)
    if (index_.table().Scope(n) != kScopeSystem && listed.count(n) == 0) available_.push_back(n);

  addButton.onClick = [this] { return AddClick(); };
  insertBeforeButton.onClick = [this] { return InsertBeforeClick(); };
  insertAfterButton.onClick = [this] { return InsertAfterClick(); };
  removeButton.onClick = [this] { return RemoveClick(); };
  upButton.onClick = [this] { return UpClick(); };
  downButton.onClick = [this] { return DownClick(); };
  availableList.onDoubleClick = [this] { return AddClick(); };
  menuList.onChange = [this] { UpdateButtons(); return FormReply::Stay(); };
  availableList.onChange = [this] { UpdateButtons(); return FormReply::Stay(); };
  menuList.onRightClick = [this] { return ShowQuickInfo(menuList, menu_); };
  availableList.onRightClick = [this] { return ShowQuickInfo(availableList, available_); };
  mySpeed.onClick = [this] { return IconClick(); };
  mySpeed.onRightClick = [this] { return IconRightClick(); };
  okButton.onClick = [this] { return OkButtonClick(); };
  activeControl = &nickName;
  FillLists();
  ShowIcon();
  UpdateButtons();
}

std::string TDoBuildMenu::RowText(int n) const {
  return ActivationDisplayName(index_, n) + "\t" + index_.NickName(n) + "\t" + ScopeDisplayName(index_, n);
}

void TDoBuildMenu::FillLists() {
  menuList.items.clear();
  availableList.items.clear();
  for (const int n : menu_) menuList.items.push_back(RowText(n));
  for (const int n : available_) availableList.items.push_back(RowText(n));
}

void TDoBuildMenu::ShowIcon() {
  if (iconName == kMenuIconName || icons_ == nullptr)
    mySpeed.icon = "menu";
  else
    mySpeed.icon = JoinFolder(icons_->Folder(), iconName);
}

void TDoBuildMenu::UpdateButtons() {
  const bool canAdd = availableList.itemIndex >= 0 && availableList.itemIndex < static_cast<int>(available_.size()) &&
                      static_cast<int>(menu_.size()) < kMaxPopupEntries;
  addButton.enabled = insertBeforeButton.enabled = insertAfterButton.enabled = canAdd;
  const int selected = menuList.itemIndex;
  const int last = static_cast<int>(menu_.size()) - 1;
  const bool any = selected >= 0 && selected <= last;
  removeButton.enabled = any;
  upButton.enabled = any && selected > 0;
  downButton.enabled = any && selected < last;
}

FormReply TDoBuildMenu::PutIntoMenu(int at) {
  const int chosen = availableList.itemIndex;
  if (chosen < 0 || chosen >= static_cast<int>(available_.size()))
    return FormReply::Refuse("Error", kNoMacroSelected, availableList);
  if (static_cast<int>(menu_.size()) >= kMaxPopupEntries) return FormReply::Stay();
  at = std::clamp(at, 0, static_cast<int>(menu_.size()));
  menu_.insert(menu_.begin() + at, available_[static_cast<std::size_t>(chosen)]);
  available_.erase(available_.begin() + chosen);
  availableList.itemIndex = std::min(chosen, static_cast<int>(available_.size()) - 1);
  menuList.itemIndex = at;
  FillLists();
  UpdateButtons();
  return FormReply::Stay();
}

FormReply TDoBuildMenu::AddClick() { return PutIntoMenu(static_cast<int>(menu_.size())); }

FormReply TDoBuildMenu::InsertBeforeClick() { return PutIntoMenu(menuList.itemIndex < 0 ? 0 : menuList.itemIndex); }

FormReply TDoBuildMenu::InsertAfterClick() {
  if (menuList.itemIndex >= 0) return PutIntoMenu(menuList.itemIndex + 1);
  return PutIntoMenu(menu_.empty() ? 0 : 1);
}

FormReply TDoBuildMenu::RemoveClick() {
  const int selected = menuList.itemIndex;
  if (selected < 0 || selected >= static_cast<int>(menu_.size())) return FormReply::Stay();
  const int n = menu_[static_cast<std::size_t>(selected)];
  menu_.erase(menu_.begin() + selected);
  // The available selection stays on the macro it was on.
  const int keep = availableList.itemIndex >= 0 && availableList.itemIndex < static_cast<int>(available_.size())
                       ? available_[static_cast<std::size_t>(availableList.itemIndex)]
                       : 0;
  available_.insert(std::lower_bound(available_.begin(), available_.end(), n), n);
  if (keep != 0)
    availableList.itemIndex =
        static_cast<int>(std::find(available_.begin(), available_.end(), keep) - available_.begin());
  menuList.itemIndex = std::min(selected, static_cast<int>(menu_.size()) - 1);
  FillLists();
  UpdateButtons();
  return FormReply::Stay();
}

FormReply TDoBuildMenu::UpClick() {
  const int selected = menuList.itemIndex;
  if (selected <= 0 || selected >= static_cast<int>(menu_.size())) return FormReply::Stay();
  std::swap(menu_[static_cast<std::size_t>(selected)], menu_[static_cast<std::size_t>(selected - 1)]);
  menuList.itemIndex = selected - 1;
  FillLists();
  UpdateButtons();
  return FormReply::Stay();
}

FormReply TDoBuildMenu::DownClick() {
  const int selected = menuList.itemIndex;
  if (selected < 0 || selected + 1 >= static_cast<int>(menu_.size())) return FormReply::Stay();
  std::swap(menu_[static_cast<std::size_t>(selected)], menu_[static_cast<std::size_t>(selected + 1)]);
  menuList.itemIndex = selected + 1;
  FillLists();
  UpdateButtons();
  return FormReply::Stay();
}

FormReply TDoBuildMenu::ShowQuickInfo(const ListBox& list, const std::vector<int>& macros) {
  if (list.itemIndex < 0 || list.itemIndex >= static_cast<int>(macros.size())) return FormReply::Stay();
  const int n = macros[static_cast<std::size_t>(list.itemIndex)];
  const std::string text = quickInfo ? quickInfo(n)
                                     : ActivationDisplayName(index_, n) + "\n" + index_.NickName(n) + "\n" +
                                           ScopeDisplayName(index_, n) + "\nActive: " +
                                           (index_.table().Active(n) != 0 ? "Yes" : "No");
  ui_.ShowMessage("Quick Info", text);
  return FormReply::Stay();
}

std::optional<std::string> ChooseIconFile(Ui& ui, IconFiles& icons) {
  const std::string folder = icons.Folder();
  FileDialogRequest request{"Load in Icon", "Icons (*.ico)|*.ICO", "", false, folder};
  const std::optional<std::string> chosen = ui.AskFileName(request);
  if (!chosen) return std::nullopt;
  if (!EndsWithIgnoringCase(*chosen, ".ICO")) {
    ui.ShowMessage("Error", kInvalidIconType);
    return std::nullopt;
  }
  const std::string name = FileNamePart(*chosen);
  const std::string inFolder = JoinFolder(folder, name);
  std::string iconsFolder = folder;
  while (!iconsFolder.empty() && (iconsFolder.back() == '\\' || iconsFolder.back() == '/')) iconsFolder.pop_back();
  const std::size_t slash = chosen->find_last_of("\\/");
  const std::string chosenFolder = slash == std::string::npos ? std::string() : chosen->substr(0, slash);
  const bool outside = !EqualsIgnoringCase(chosenFolder, iconsFolder);
  if (outside) {
    if (icons.Exists(inFolder))
      ui.ShowMessage("Error", kIconExistsText);
    else
      icons.CopyNew(*chosen, inFolder);
  }
  if (!icons.Exists(inFolder)) {
    ui.ShowMessage("Error", kIconNotOpened);
    return std::nullopt;
  }
  const std::optional<std::string> shortPath = icons.ShortPath(inFolder);
  return CutText(FileNamePart(shortPath ? *shortPath : inFolder), kIconNameCapacity);
}

FormReply TDoBuildMenu::IconClick() {
  if (icons_ == nullptr) return FormReply::Stay();
  const std::optional<std::string> chosen = ChooseIconFile(ui_, *icons_);
  if (!chosen) return FormReply::Stay();
  iconName = *chosen;
  trayChanged = true;
  ShowIcon();
  return FormReply::Stay();
}

FormReply TDoBuildMenu::IconRightClick() {
  if (!ui_.AskYesNo("", kResetIconQuestion)) return FormReply::Stay();
  iconName = kMenuIconName;
  trayChanged = true;
  ShowIcon();
  return FormReply::Stay();
}

FormReply TDoBuildMenu::OkButtonClick() {
  if (!existing) {
    record.SetActive(1);
    if (trayBox.checked) trayChanged = true;
  }
  record.SetNickName(CutText(nickName.text, kNickNameCapacity));
  record.SetIconName(iconName);
  record.SetScope(kScopePopupMenu);
  PopupOptions options;
  options.tray = trayBox.checked;
  options.style = firstPartRadio.checked ? PopupStyle::FirstPart
                  : iconsRadio.checked   ? PopupStyle::Icons
                                         : PopupStyle::NickNameAndScope;
  options.sizeCode = static_cast<char>('0' + std::clamp(iconSize.itemIndex, 0, 4));
  record.SetWordletText(options.Text());
  std::vector<std::uint16_t> numbers(menu_.begin(), menu_.end());
  record.SetPopupMenuList(numbers);
  if (nickName.text != shownNickName_ || trayBox.checked != shownTray_) trayChanged = true;
  ok = true;
  return FormReply::Close(ModalResult::Ok);
}

// --- Callers ----------------------------------------------------------------------

BuildMenuOutcome RunBuildMacroMenu(Ui& ui, const MacroIndex& index, IconFiles* icons, MacroRecord& record,
                                   bool existing, const std::function<std::string(int)>& quickInfo) {
  TDoBuildMenu form(record, existing, HotKeyName(record.Activation()), index, ui, icons);
  form.quickInfo = quickInfo;
  if (ui.RunForm(form) != ModalResult::Ok || !form.ok) return {};
  return {true, form.trayChanged};
}

int SaveNewPopupMenu(MacroFile& file, const MacroRecord& record) {
  MacroIndex& index = file.index();
  const int count = index.Count();
  if (count >= kMaxMacros) return 0;
  index.SetCount(count + 1);
  file.hooks().TvxUpNumKeys(index.table().bytes());
  if (!file.SaveRecord(-1, record)) {
    if (index.Count() == count + 1) {
      index.SetCount(count);
      file.hooks().TvxUpNumKeys(index.table().bytes());
    }
    return 0;
  }
  return file.LastSavedNumber();
}

std::string PopupMenuRefusal(const MacroIndex& index, std::uint16_t code, const std::vector<int>& entries) {
  bool anyMacro = false;
  for (int n = 1; n <= index.Count(); ++n) anyMacro = anyMacro || index.table().Scope(n) != kScopeSystem;
  if (!anyMacro) return "No macros have been defined yet.  A popup menu is created with existing macros.";
  for (int n = 1; n <= index.Count(); ++n) {
    const std::int16_t scope = index.table().Scope(n);
    if (index.table().Activation(n) == code &&
        (scope == kScopeGlobal || scope == kScopePopupMenu || scope == kScopeSystem))
      return "Selected Hot Key is already either a GLOBAL or Popup Menu Hot Key.  Hot Key cannot be added.";
  }
  if (static_cast<int>(entries.size()) > kMaxPopupEntries) return "a popup menu lists at most 36 macros";
  std::set<int> seen;
  for (const int n : entries) {
    if (n < 1 || n > index.Count() || index.table().Scope(n) == kScopeSystem)
      return "macro " + std::to_string(n) + " is not a macro a popup menu can list";
    if (!seen.insert(n).second) return "macro " + std::to_string(n) + " is in the list twice";
  }
  return {};
}

}  // namespace tavrix
