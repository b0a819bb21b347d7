// Forms as models. A dialog of the program is a portable class named as the
// program names it (`TPauseMacro`, `TRepeatPrompt` ...). Its controls are
// fields holding their values; its behaviour is handler methods that return
// what happened (nothing, closed with a result, or refused with a message and
// the field to put the focus on) instead of reaching for the system. `Ui`
// shows any form through `RunForm`; the Windows side builds the window from
// the controls (platform/win32/form_window.*), the simulated Ui runs a script
// the test gives for the form's name.
//
// Adding a dialog takes one class in the subsystem that owns it, for example
// editing/do_delay_form.h:
//
//   class TDoDelay2 : public Form {
//    public:
//     TDoDelay2() : Form("TDoDelay2", "Delay", 240, 90) {
//       activeControl = &secondsEdit;
//       okButton.onClick = [this] { return OkButtonClick(); };
//     }
//     Label secondsLabel{*this, "SecondsLabel", {8, 12, 80, 16}, "Seconds"};
//     Edit secondsEdit{*this, "SecondsEdit", {96, 8, 60, 21}, 5};
//     CheckBox scaledBox{*this, "ScaledBox", {8, 36, 120, 17}, "&Scaled"};
//     Button okButton{*this, "OkButton", {40, 60, 75, 25}, "&Ok", ButtonRole::Default};
//     Button cancelButton{*this, "CancelButton", {124, 60, 75, 25}, "&Cancel", ButtonRole::Cancel};
//
//     FormReply OkButtonClick() {
//       if (!IsDelay(secondsEdit.text)) return FormReply::Refuse("Error", "Invalid delay.", secondsEdit);
//       return FormReply::Close(ModalResult::Ok);
//     }
//   };
//
// then `TDoDelay2 form; if (ui.RunForm(form) == ModalResult::Ok) use(form.secondsEdit.text);`.
// A native test sets the fields and calls the handlers (or `Click`); a test
// of a caller scripts the answer with `SimUi::AnswerForm("TDoDelay2", ...)`.
// A Cancel button needs no handler: it closes the form with Cancel.
// Nothing changes on the Windows side.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrix {

class Control;
class Form;

// How a form was closed.
enum class ModalResult { None, Ok, Cancel };

// What a handler did.
struct FormReply {
  enum class Kind { Stay, Close, Refuse, Help };

  // Nothing more than the values the handler changed.
  static FormReply Stay() { return {}; }
  // The form closes with `result`.
  static FormReply Close(ModalResult result) { return {Kind::Close, result, {}, {}, nullptr}; }
  // The form stays open with the focus on `focus`.
  static FormReply Focus(const Control& focus) { return {Kind::Stay, ModalResult::None, {}, {}, &focus}; }
  // The form stays open: the message box shows `message` with `caption`,
  // then the focus goes to `focus`.
  static FormReply Refuse(std::string caption, std::string message, const Control& focus) {
    return {Kind::Refuse, ModalResult::None, std::move(caption), std::move(message), &focus};
  }

  // The form stays open and the program's help file opens at `keyword`.
  static FormReply Help(std::string keyword) { return {Kind::Help, ModalResult::None, {}, std::move(keyword), nullptr}; }

  Kind kind = Kind::Stay;
  ModalResult result = ModalResult::None;
  std::string caption;
  std::string message;
  const Control* focus = nullptr;
};

using Handler = std::function<FormReply()>;

// A rectangle in client pixels of the form.
struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
};

struct Point {
  int left = 0;
  int top = 0;
};

// The size of a text in the font the form's controls are drawn in.
struct TextSize {
  int width = 0;
  int height = 0;
};
using TextMeasure = std::function<TextSize(std::string_view text)>;

enum class ControlKind { Label, Edit, Button, CheckBox, RadioButton, ComboBox, ListBox, GroupBox, Grid };

// One control of a form. Controls are fields of their form and register
// with it as they are constructed, in tab order.
class Control {
 public:
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const ControlKind kind;
  const std::string name;
  Bounds bounds;
  // The caption of a label, button, check box, radio button or group box;
  // the text of an edit or of an editable combo box.
  std::string text;
  bool enabled = true;
  bool visible = true;
  // A click on a button, check box or radio button (the value has already
  // changed); none: a button without a handler closes the form when it is
  // the Cancel button, and does nothing otherwise.
  Handler onClick;
  // The user changed the text of an edit or the choice of a combo or list box.
  Handler onChange;
  // A double click on an item of a list box (the choice has already changed),
  // or on a cell of a grid (platform/form_grid.h).
  Handler onDoubleClick;
  // The right mouse button pressed and released on a button, or on one row
  // of a list box (the list's `itemIndex` is that row then).
  Handler onRightClick;

 protected:
  Control(Form& form, ControlKind kind, std::string name, Bounds bounds, std::string text);
};

class Label : public Control {
 public:
  Label(Form& form, std::string name, Bounds bounds, std::string text = {})
      : Control(form, ControlKind::Label, std::move(name), bounds, std::move(text)) {}
  // "&" marks the label's access key, which puts the focus on the control
  // after it; otherwise the text shows as it is.
  bool accessKey = false;
};

class Edit : public Control {
 public:
  Edit(Form& form, std::string name, Bounds bounds, int maxLength = 0)
      : Control(form, ControlKind::Edit, std::move(name), bounds, {}), maxLength(maxLength) {}
  int maxLength;  // 0: no limit
  // A text box of several lines with a vertical scroll bar: Enter and Tab
  // type into it, and its caret (or selection) is kept below, in characters
  // from the start (a line break's CR and LF count one each).
  bool multiLine = false;
  int selStart = 0;
  int selLength = 0;
  // A hot key field: typing does not change it; while it has the focus the
  // form takes hot keys by their being pressed (hot key entry mode), and
  // each pressed hot key code (0..719) comes here.
  std::function<FormReply(int code)> onHotKey;
  bool IsHotKeyField() const { return static_cast<bool>(onHotKey); }
};

// Enter presses the Default button, Escape the Cancel button. A Help button
// without a handler opens the program's help at the form's help keyword.
enum class ButtonRole { Plain, Default, Cancel, DefaultAndCancel, Help };

class Button : public Control {
 public:
  Button(Form& form, std::string name, Bounds bounds, std::string text, ButtonRole role = ButtonRole::Plain)
      : Control(form, ControlKind::Button, std::move(name), bounds, std::move(text)), role(role) {}
  ButtonRole role;
  // A button that shows an icon instead of its caption: "program" (the
  // program's icon), "menu" (the menu icon) or an icon file's path, drawn
  // `iconSize` pixels square; `hint` is shown while the mouse rests on it.
  std::string icon;
  int iconSize = 0;
  std::string hint;
  bool IsDefault() const { return role == ButtonRole::Default || role == ButtonRole::DefaultAndCancel; }
  bool IsCancel() const { return role == ButtonRole::Cancel || role == ButtonRole::DefaultAndCancel; }
  bool IsHelp() const { return role == ButtonRole::Help; }
};

class CheckBox : public Control {
 public:
  CheckBox(Form& form, std::string name, Bounds bounds, std::string text)
      : Control(form, ControlKind::CheckBox, std::move(name), bounds, std::move(text)) {}
  bool checked = false;
};

// Radio buttons with the same group number exclude each other.
class RadioButton : public Control {
 public:
  RadioButton(Form& form, std::string name, Bounds bounds, std::string text, int group = 0)
      : Control(form, ControlKind::RadioButton, std::move(name), bounds, std::move(text)), group(group) {}
  int group;
  bool checked = false;
};

// A drop-down list; editable, the user may also type a text of its own.
class ComboBox : public Control {
 public:
  ComboBox(Form& form, std::string name, Bounds bounds, bool editable = false)
      : Control(form, ControlKind::ComboBox, std::move(name), bounds, {}), editable(editable) {}
  bool editable;
  std::vector<std::string> items;
  int itemIndex = -1;  // -1: none chosen
  // How many rows the list shows when it drops down (fewer when it holds
  // fewer items).
  int dropDownCount = 8;
};

// A cell of the rows of a list drawn in columns: from `start` for `width`
// fourteenths of the row's width; shaded cells have a silver background.
// Each item holds its cells' texts separated by tabs, each text cut from its
// end until it fits its cell.
struct ListColumn {
  int start = 0;
  int width = 14;
  bool shaded = false;
};

class ListBox : public Control {
 public:
  ListBox(Form& form, std::string name, Bounds bounds)
      : Control(form, ControlKind::ListBox, std::move(name), bounds, {}) {}
  std::vector<std::string> items;
  // None: plain rows. Otherwise the rows are drawn in these cells, separated
  // by grey lines, each row `itemHeight` pixels high at 96 dots per inch
  // (the display's factor scales it).
  std::vector<ListColumn> columns;
  int itemHeight = 17;
  int itemIndex = -1;
  // A list where the user picks any number of rows: `selected` holds one
  // flag per item (missing ones read as not selected).
  bool multiSelect = false;
  std::vector<bool> selected;
  bool IsSelected(std::size_t item) const { return item < selected.size() && selected[item]; }
};

class GroupBox : public Control {
 public:
  GroupBox(Form& form, std::string name, Bounds bounds, std::string text)
      : Control(form, ControlKind::GroupBox, std::move(name), bounds, std::move(text)) {}
};

// A standard action of an Edit menu. It acts on the edit field that has the
// focus (a text box or a one-line edit), and on nothing else.
enum class EditAction { None, Cut, Copy, Paste, Delete };

// One item of a menu of the menu bar.
struct FormMenuItem {
  // "&Paste"; "-" draws a separator line.
  std::string caption;
  // The key that chooses the item while the form is open, as it is shown
  // beside the caption ("Ctrl+V"): the form takes the key, so the control
  // with the focus never sees it.
  std::string shortcut;
  Handler onClick;
  // Not None: the item does this instead of running a handler.
  EditAction editAction = EditAction::None;
  bool IsSeparator() const { return caption == "-"; }
};

// A menu of the menu bar: its caption ("&File") and its items.
struct FormMenu {
  std::string caption;
  std::vector<FormMenuItem> items;
};

// The key a shortcut text names: "Ctrl+", "Shift+" and "Alt+" in any order
// before a letter, a digit, "F1" to "F12", "Del", "Ins" or "Space". Virtual
// key codes are the system's (letters and digits are their characters).
struct Shortcut {
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
  int virtualKey = 0;
};
std::optional<Shortcut> ParseShortcut(std::string_view text);

// What an edit field does with an edit action on its selection, `clipboard`
// holding the clipboard's text: Cut and Copy take the selected text (nothing
// selected: the clipboard stays), Paste replaces the selection (a field
// with a maximum length takes what fits), Delete removes the selection.
// The caret ends after what was pasted, or where the selection began. The
// simulated desktop's fields do this; Windows' edit controls do it
// themselves.
void ApplyEditAction(EditAction action, Edit& field, std::string& clipboard);

class Form {
 public:
  Form(std::string name, std::string caption, int clientWidth, int clientHeight);
  virtual ~Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // The class name of the dialog, e.g. "TRepeatPrompt".
  const std::string& Name() const { return name_; }
  const std::vector<Control*>& Controls() const { return controls_; }
  Control* Find(std::string_view controlName) const;

  std::string caption;
  int clientWidth;
  int clientHeight;
  // The topic of the program's help that the Help button opens; empty: the
  // caption names it.
  std::string helpKeyword;
  const std::string& HelpKeyword() const { return helpKeyword.empty() ? caption : helpKeyword; }
  // The top left corner of the window on the screen; none: centred.
  std::optional<Point> position;
  bool topMost = false;
  // A small caption and no taskbar button.
  bool toolWindow = false;
  // A character typed into the form (in a list box of the form); none: the
  // controls handle their keys as usual.
  std::function<FormReply(char)> onCharacter;
  // Where the focus is when the form shows.
  Control* activeControl = nullptr;
  // A form the user may resize: the window keeps at least this client width,
  // and `FormResize` places the controls for each new client size.
  bool resizable = false;
  int minimumClientWidth = 0;
  // The window's outer bounds on the screen. Set before showing, its width
  // and height (when positive) size the window, the client being what the
  // frame leaves; the window sets all four when it closes.
  std::optional<Bounds> window;
  // The menu bar (empty: none). The client size above does not include it:
  // the window grows by the bar.
  std::vector<FormMenu> menu;
  // The control that has the focus while the form shows (null: none the
  // model knows). The Ui sets it before a handler runs; a click puts it on
  // the clicked control and a reply that names a focus moves it there.
  Control* focused = nullptr;
  // Set when a handler closed the form.
  ModalResult modalResult = ModalResult::None;
  bool Closed() const { return modalResult != ModalResult::None; }

  // Runs once before the window is made; lays the form out in the font its
  // controls are drawn in.
  virtual void FormShow(const TextMeasure& /*measure*/) {}
  // The client size changed (`clientWidth`, `clientHeight` hold the new one).
  virtual void FormResize() {}
  // The close box (or Alt+F4); by default it closes with Cancel.
  virtual FormReply FormCloseQuery() { return FormReply::Close(ModalResult::Cancel); }

  // --- What the user does, as the Ui implementations report it ---------------
  // Runs `handler` (none: nothing happens); a reply that closes the form
  // sets `modalResult`.
  FormReply Run(const Handler& handler);
  // The button's handler, after the window has changed the value; a Cancel
  // button without a handler closes the form with Cancel.
  FormReply Clicked(Control& control);
  FormReply Changed(Control& control) { return Run(control.onChange); }
  // A hot key pressed while hot key field `field` has the focus.
  FormReply HotKeyPressed(Edit& field, int code) {
    return field.onHotKey ? Run([&] { return field.onHotKey(code); }) : FormReply::Stay();
  }
  FormReply DoubleClicked(Control& control) { return Run(control.onDoubleClick); }
  FormReply RightClicked(Control& control) { return Run(control.onRightClick); }
  FormReply TypedCharacter(char typed) {
    return onCharacter ? Run([this, typed] { return onCharacter(typed); }) : FormReply::Stay();
  }
  // Enter: the enabled Default button; Escape: the enabled Cancel button.
  FormReply PressEnter();
  FormReply PressEscape();
  // F1: the enabled Help button; a form without one opens the help's
  // contents (an empty keyword).
  FormReply PressHelp();
  FormReply PressCloseBox() { return Run([this] { return FormCloseQuery(); }); }

  // A click as a simulated user makes it: a check box toggles, a radio
  // button is checked and the others of its group cleared, then Clicked.
  FormReply Click(Control& control);

  // --- The menu bar ----------------------------------------------------------
  // The item named by its menu's caption and its own, each with or without
  // its "&"; null when there is none.
  FormMenuItem* FindMenuItem(std::string_view entryCaption, std::string_view itemCaption);
  // A chosen menu item: its handler; an edit action acts on the focused
  // edit field with `clipboard` as the clipboard (any other focus: nothing).
  FormReply ChooseMenuItem(FormMenuItem& item, std::string& clipboard);
  // A menu item that does exactly what a click on `button` does (its
  // caption by default the button's).
  FormMenuItem TwinOf(Button& button, std::string caption = {}, std::string shortcut = {});

 private:
  friend class Control;
  Button* ButtonWith(bool (Button::*role)() const) const;

  std::string name_;
  std::vector<Control*> controls_;
};

}  // namespace tavrix
