#!/usr/bin/env bash
# The main window: its caption and its whole menu with the entries' states;
# the menu worked by keyboard as a user does ("Place in System Tray", then
# "Hide Tavrix", "Mouse Locator"); the hook library's activation message for
# the system activation "Activate Tavrix" bringing the window back;
# minimising in tray mode hiding it, a click on the tray icon showing it,
# and another program in front hiding it again.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

expected_menu='&File
  &New File
  &Open File
  -
  O&utput Macro Information
  &Print Macro List
  Printer &Font
  Printer &Setup
  -
  &Hide Tavrix [disabled]
  &Terminate Tavrix
&Macros
  &Add Macro
  Cop&y Macro
  Rena&me Macro
  -
  &Import Macros
  E&xport Macros
  -
  &Scripting Editor
  Modify &Directly
  Re&capture Macro
  -
  Acti&vate Macro
  &Quick Info
  S&ort
  -
  &Remove Macro
&Remap
&Options
  &Appearance
  &Network
  Word&lets
  &Capture
  &Scheduler
    &Show Date && Time
    &Alarm
    &Timer Interval
  Screen Sa&ver
    &Disable if using Timed Macros [checked]
  -
  Place in System &Tray
&Tools
  Mouse &Locator
  -
  Restore &Keyboard Hooks
  Restore &Mouse Hooks
&Help
  &Contents
  &Tutorial / User Guide
  -
  &About'

readonly WM_CLOSE_MESSAGE=16 WM_SYSCOMMAND=0x0112 SC_MINIMIZE=0xF020
readonly ACTIVATION_MESSAGE=1026 ACTIVATE_TAVRIX_CODE=262  # Ctrl+Alt+Shift+W
readonly TRAY_CALLBACK_MESSAGE=1024 PROGRAM_ICON_ID=1 WM_LBUTTONUP=514

menu_now() {
  local text
  text=$(probe menu "$MAIN_WINDOW_CLASS") || fail "cannot read the menu"
  printf '%s\n' "${text//$'\r'/}"
}

# wait_for_setting LINE: the configuration file holds LINE within 5 s.
wait_for_setting() {
  local tries=0
  until tr -d '\r' <"$(configuration_file)" 2>/dev/null | grep -qx "$1"; do
    ((++tries > 50)) && return 1
    sleep 0.1
  done
}

folder=$(program_folder tvwindow) || exit 1
remove_configuration
start_program "$folder" first
probe wait-window "$MAIN_WINDOW_CLASS" 20000 || fail "the main window did not appear"

caption=$(probe caption "$MAIN_WINDOW_CLASS") || fail "cannot read the caption"
caption=${caption//$'\r'/}
[[ $caption == "Tavrix (TAVRX)" ]] || fail "the caption is \"$caption\""
echo "caption: $caption"

menu=$(menu_now) || exit 1
if [[ $menu != "$expected_menu" ]]; then
  diff <(echo "$expected_menu") <(echo "$menu") >&2
  fail "the menu differs from the expected one"
fi
echo "menu: $(grep -c . <<<"$menu") entries as expected"

# Tools > Mouse Locator starts PTRSPOT.EXE from the program folder. Here it
# is a copy of Tavrix itself, which shows that it started by refusing to run
# twice.
cp "$folder/TAVRXP.EXE" "$folder/PTRSPOT.EXE"
menu_keys 'probe message-box "Tavrix is already running." 20000 >/dev/null' alt+t l ||
  fail "Mouse Locator did not start PTRSPOT.EXE"
echo "Mouse Locator started PTRSPOT.EXE"

# Options > Place in System Tray, by keyboard.
menu_keys "wait_for_setting 'Use Tray=Yes'" alt+o t || fail "Place in System Tray did not save \"Use Tray=Yes\""
menu=$(menu_now) || exit 1
grep -qx '  Place in System &Tray \[checked\]' <<<"$menu" || fail "Place in System Tray is not checked"
grep -qx '  &Hide Tavrix' <<<"$menu" || fail "Hide Tavrix is not enabled in tray mode"
echo "tray mode on by the menu"

# File > Hide Tavrix.
menu_keys 'probe wait-hidden "$MAIN_WINDOW_CLASS" 5000' alt+f h || fail "Hide Tavrix did not hide the window"
echo "hidden by Hide Tavrix"

# The system activation "Activate Tavrix", as the hook library reports it.
probe post "$MAIN_WINDOW_CLASS" "$ACTIVATION_MESSAGE" "$ACTIVATE_TAVRIX_CODE" 0 || fail "cannot post the activation"
probe wait-window "$MAIN_WINDOW_CLASS" 5000 || fail "the activation did not show the main window"
echo "shown again by the activation message"

# Minimising in tray mode hides the window instead.
probe post "$MAIN_WINDOW_CLASS" "$WM_SYSCOMMAND" "$SC_MINIMIZE" 0 || fail "cannot post the minimise command"
probe wait-hidden "$MAIN_WINDOW_CLASS" 5000 || fail "minimising in tray mode did not hide the window"
echo "minimise hides it in tray mode"

# A left click on the tray icon opens the program again.
probe post TTaskIcon "$TRAY_CALLBACK_MESSAGE" "$PROGRAM_ICON_ID" "$WM_LBUTTONUP" || fail "cannot post the tray click"
probe wait-window "$MAIN_WINDOW_CLASS" 5000 || fail "a click on the tray icon did not show the main window"
echo "shown again by a click on the tray icon"

# In tray mode the window goes away when another program comes in front.
start_windows_program notepad
driver wait-window Notepad 20000 || fail "notepad did not open"
driver front Notepad || fail "notepad did not come to the front"
probe wait-hidden "$MAIN_WINDOW_CLASS" 5000 || fail "the main window stayed when the program lost the activation"
echo "hidden when another program came in front"

probe post "$MAIN_WINDOW_CLASS" "$WM_CLOSE_MESSAGE" || fail "cannot post WM_CLOSE"
code=$(wait_exit "$folder" first 20) || fail "the program did not end"
((code == 0)) || fail "the program ended with exit code $code"
wait_for_setting 'Use Tray=Yes' || fail "the tray setting was lost at exit"
echo "ended with exit code 0"
