// The list's two settings dialogs as form models: "Sort Order"
// (`TSortOrder`) and "Appearance" (`TDoAppear`).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/form.h"
#include "shell/config/configuration.h"
#include "shell/macro_list_order.h"

namespace tavrix {

inline constexpr const char* kInvalidWidthText = "Invalid width specified.";

// Three lists, each with an up and a down button that move its chosen item.
class TSortOrder : public Form {
 public:
  TSortOrder();
  // Shows the orders and the header setting.
  void Load(const SortOrders& orders, bool sortHeader);
  // The orders as digit strings, as the lists now stand.
  SortOrders Result() const;
  bool SortHeader() const { return headerBox.checked; }

  // Moves the chosen item of `list` one place up (-1) or down (+1).
  static FormReply Move(ListBox& list, int step);

  GroupBox primaryGroup{*this, "PrimaryGroup", {8, 6, 206, 118}, "Primary Sort / Secondary Sort"};
  ListBox primaryList{*this, "PrimaryList", {16, 26, 140, 90}};
  Button primaryUp{*this, "PrimaryUp", {162, 30, 44, 25}, "&Up"};
  Button primaryDown{*this, "PrimaryDown", {162, 62, 44, 25}, "Do&wn"};
  GroupBox activationGroup{*this, "ActivationGroup", {222, 6, 176, 118}, "Activation"};
  ListBox activationList{*this, "ActivationList", {230, 26, 110, 90}};
  Button activationUp{*this, "ActivationUp", {346, 30, 44, 25}, "U&p"};
  Button activationDown{*this, "ActivationDown", {346, 62, 44, 25}, "Dow&n"};
  GroupBox scopeGroup{*this, "ScopeGroup", {406, 6, 196, 118}, "Scope"};
  ListBox scopeList{*this, "ScopeList", {414, 26, 130, 90}};
  Button scopeUp{*this, "ScopeUp", {550, 30, 44, 25}, "Up"};
  Button scopeDown{*this, "ScopeDown", {550, 62, 44, 25}, "Down"};
  CheckBox headerBox{*this, "HeaderBox", {8, 134, 300, 17}, "&Enable right clicking on column headers"};
  Button okButton{*this, "OkButton", {222, 162, 75, 25}, "&Ok", ButtonRole::Default};
  Button cancelButton{*this, "CancelButton", {307, 162, 75, 25}, "&Cancel", ButtonRole::Cancel};
};

// Opens a font dialog on a font; false when the user cancelled.
using ChooseFontFunction = std::function<bool(FontSettings& font)>;

class TDoAppear : public Form {
 public:
  explicit TDoAppear(ChooseFontFunction chooseFont = {});
  void Load(const Configuration& configuration);
  // After Ok: the widths, the fonts and the button style it leaves.
  std::array<std::int32_t, 3> Widths() const;
  bool UseSpeed() const { return speedButton.checked; }

  FormReply OkButtonClick();

  FontSettings gridFont;
  FontSettings gridTitleFont;

  Label widthsLabel{*this, "WidthsLabel", {12, 10, 200, 16}, "Column widths"};
  Label activationLabel{*this, "ActivationLabel", {12, 34, 80, 16}, "Activation"};
  Edit activationWidth{*this, "ActivationWidth", {100, 30, 60, 21}, 5};
  Label nicknameLabel{*this, "NicknameLabel", {12, 60, 80, 16}, "Nickname"};
  Edit nicknameWidth{*this, "NicknameWidth", {100, 56, 60, 21}, 5};
  Label scopeLabel{*this, "ScopeLabel", {12, 86, 80, 16}, "Scope"};
  Edit scopeWidth{*this, "ScopeWidth", {100, 82, 60, 21}, 5};
  Button gridFontButton{*this, "GridFontButton", {184, 30, 110, 25}, "&Grid Font"};
  Button titleFontButton{*this, "TitleFontButton", {184, 62, 110, 25}, "Grid &Title Font"};
  RadioButton speedButton{*this, "SpeedButton", {12, 116, 140, 17}, "&Speed Buttons", 1};
  RadioButton letteredButton{*this, "LetteredButton", {160, 116, 140, 17}, "&Lettered Buttons", 1};
  Button okButton{*this, "OkButton", {70, 146, 75, 25}, "&Ok", ButtonRole::Default};
  Button cancelButton{*this, "CancelButton", {155, 146, 75, 25}, "&Cancel", ButtonRole::Cancel};

 private:
  ChooseFontFunction chooseFont_;
};

// A column width as the dialog takes it: a positive whole number.
bool ReadColumnWidth(const std::string& text, std::int32_t& width);

}  // namespace tavrix
