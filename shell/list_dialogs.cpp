#include "shell/list_dialogs.h"

#include <charconv>
#include <utility>

namespace tavrix {
namespace {

constexpr std::array<const char*, 3> kPrimaryItems{"Activation", "Nickname", "Scope"};
constexpr std::array<const char*, 3> kActivationItems{"Hot Key", "Wordlet", "Timed Macro"};
constexpr std::array<const char*, 5> kScopeItems{"Global", "Specific Window", "Specific Program", "PopUp Menu",
                                                 "System"};

// The list shows the items in the order's digits (1 = the first item).
template <std::size_t N>
void ShowOrder(ListBox& list, const std::array<const char*, N>& items, const std::string& order) {
  list.items.clear();
  for (const char digit : ValidSortOrder(order, static_cast<int>(N))) list.items.push_back(items[digit - '1']);
  list.itemIndex = 0;
}

template <std::size_t N>
std::string OrderShown(const ListBox& list, const std::array<const char*, N>& items) {
  std::string order;
  for (const std::string& item : list.items)
    for (std::size_t k = 0; k < N; ++k)
      if (item == items[k]) order += static_cast<char>('1' + k);
  return ValidSortOrder(order, static_cast<int>(N));
}

}  // namespace

TSortOrder::TSortOrder() : Form("TSortOrder", "Sort Order", 610, 196) {
  activeControl = &primaryList;
  primaryUp.onClick = [this] { return Move(primaryList, -1); };
  primaryDown.onClick = [this] { return Move(primaryList, 1); };
  activationUp.onClick = [this] { return Move(activationList, -1); };
  activationDown.onClick = [this] { return Move(activationList, 1); };
  scopeUp.onClick = [this] { return Move(scopeList, -1); };
  scopeDown.onClick = [this] { return Move(scopeList, 1); };
  okButton.onClick = [] { return FormReply::Close(ModalResult::Ok); };
  Load(SortOrders{}, true);
}

void TSortOrder::Load(const SortOrders& orders, bool sortHeader) {
  ShowOrder(primaryList, kPrimaryItems, orders.primary);
  ShowOrder(activationList, kActivationItems, orders.activation);
  ShowOrder(scopeList, kScopeItems, orders.scope);
  headerBox.checked = sortHeader;
}

SortOrders TSortOrder::Result() const {
  return SortOrders{OrderShown(primaryList, kPrimaryItems), OrderShown(activationList, kActivationItems),
                    OrderShown(scopeList, kScopeItems)};
}

FormReply TSortOrder::Move(ListBox& list, int step) {
  const int from = list.itemIndex;
  const int to = from + step;
  if (from < 0 || to < 0 || to >= static_cast<int>(list.items.size())) return FormReply::Stay();
  std::swap(list.items[static_cast<std::size_t>(from)], list.items[static_cast<std::size_t>(to)]);
  list.itemIndex = to;
  return FormReply::Stay();
}

bool ReadColumnWidth(const std::string& text, std::int32_t& width) {
  std::int32_t value = 0;
  const auto parsed = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || parsed.ec != std::errc() || parsed.ptr != text.data() + text.size() || value <= 0) return false;
  width = value;
  return true;
}

TDoAppear::TDoAppear(ChooseFontFunction chooseFont)
    : Form("TDoAppear", "Appearance", 306, 180), chooseFont_(std::move(chooseFont)) {
  activeControl = &activationWidth;
  gridFontButton.onClick = [this] {
    if (chooseFont_) chooseFont_(gridFont);
    return FormReply::Stay();
  };
  titleFontButton.onClick = [this] {
    if (chooseFont_) chooseFont_(gridTitleFont);
    return FormReply::Stay();
  };
  okButton.onClick = [this] { return OkButtonClick(); };
}

void TDoAppear::Load(const Configuration& configuration) {
  activationWidth.text = std::to_string(configuration.columnWidths[0]);
  nicknameWidth.text = std::to_string(configuration.columnWidths[1]);
  scopeWidth.text = std::to_string(configuration.columnWidths[2]);
  gridFont = configuration.gridFont;
  gridTitleFont = configuration.gridTitleFont;
  speedButton.checked = configuration.useSpeed;
  letteredButton.checked = !configuration.useSpeed;
}

std::array<std::int32_t, 3> TDoAppear::Widths() const {
  std::array<std::int32_t, 3> widths{};
  ReadColumnWidth(activationWidth.text, widths[0]);
  ReadColumnWidth(nicknameWidth.text, widths[1]);
  ReadColumnWidth(scopeWidth.text, widths[2]);
  return widths;
}

FormReply TDoAppear::OkButtonClick() {
  std::int32_t width = 0;
  for (Edit* edit : {&activationWidth, &nicknameWidth, &scopeWidth})
    if (!ReadColumnWidth(edit->text, width)) return FormReply::Refuse("Error", kInvalidWidthText, *edit);
  return FormReply::Close(ModalResult::Ok);
}

}  // namespace tavrix
