# Helpers of the tests/e2e/program_*.sh cases: a program folder of their own
# for TAVRXP.EXE, starting it with its exit code kept, the probe, and the
# configuration file. Sourced by the cases (not a case itself: scripts/test
# runs only *.sh).

# shellcheck source=../../scripts/lib/e2e.sh
source "$TAVRIX_ROOT/scripts/lib/e2e.sh"

PROGRAM_PROBE=$TAVRIX_WIN32_BUILD/tests/e2e/program_probe.exe
TAVRIX_TOOL=$TAVRIX_NATIVE_BUILD/app/tavrix/tavrix
SYSTEM_MACRO_FILE_SIZE=$((4 * 5165))
MAIN_WINDOW_CLASS=TMainWin

probe() {
  [[ -f $PROGRAM_PROBE ]] || fail "the probe is not built: $PROGRAM_PROBE"
  wine_timed "$E2E_STEP_SECONDS" "$PROGRAM_PROBE" "$@" </dev/null
}

# A fresh program folder C:\NAME holding the program and its hook library;
# prints its Linux path.
program_folder() {
  local folder=$WINEPREFIX/drive_c/$1
  [[ -f $TAVRIX_PROGRAM ]] || fail "the program is not built: $TAVRIX_PROGRAM"
  rm -rf "$folder"
  mkdir -p "$folder"
  cp "$TAVRIX_PROGRAM" "$(dirname "$TAVRIX_PROGRAM")/TVXHOOK.DLL" "$folder/" || fail "cannot fill $folder"
  printf '%s\n' "$folder"
}

# The configuration file the program uses in this prefix (the Windows folder
# is writable under Wine).
configuration_file() { printf '%s\n' "$WINEPREFIX/drive_c/windows/TAVRX.INI"; }

# No settings anywhere: the program starts with its defaults.
remove_configuration() {
  rm -f "$(configuration_file)"
  rm -rf "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Tavrix
}

# start_program FOLDER NAME [ARGS...]: starts TAVRXP.EXE from FOLDER in the
# background; its exit code lands in FOLDER/NAME.exit when it ends.
start_program() {
  local folder=$1 name=$2
  shift 2
  rm -f "$folder/$name.exit"
  (
    cd "$folder" || exit 1
    wine_timed "$E2E_PROGRAM_SECONDS" ./TAVRXP.EXE "$@" </dev/null >"$folder/$name.log" 2>&1
    echo $? >"$folder/$name.exit.part"
    mv "$folder/$name.exit.part" "$folder/$name.exit"
  ) &
}

# wait_exit FOLDER NAME SECONDS: prints the exit code once the program ended;
# fails when it is still running after SECONDS.
wait_exit() {
  local folder=$1 name=$2 seconds=$3 tries=0
  while [[ ! -f $folder/$name.exit ]]; do
    ((++tries > seconds * 10)) && return 1
    sleep 0.1
  done
  cat "$folder/$name.exit"
}

still_running() { [[ ! -f $1/$2.exit ]]; }

file_size() { stat -c %s "$1"; }

# Asks the main window to close, as the system does (WM_CLOSE).
close_main_window() { probe post "$MAIN_WINDOW_CLASS" 16; }

have_tool() { [[ -x $TAVRIX_TOOL ]]; }

# The program's dialogs (forms) are windows of this class.
FORM_CLASS=TavrixModalBox

keys_to() {  # keys_to CLASS KEYS...: the window of CLASS in front, then the keys
  local class=$1
  shift
  driver front "$class" || fail "the $class window did not come to the front"
  xdotool key --delay 100 "$@" || fail "xdotool could not type"
}

# wait_caption CAPTION: the front form shows CAPTION (bounded).
wait_caption() {
  local tries=0
  until [[ $(probe caption "$FORM_CLASS" | tr -d '\r') == "$1" ]]; do
    ((++tries > 100)) && fail "no form captioned \"$1\" (front form: \"$(probe caption "$FORM_CLASS")\")"
    sleep 0.1
  done
}

# x_focus REGEX: the keys go to the window named like REGEX, as after the
# user's click on it: without a window manager the X keyboard focus does not
# always follow the window Windows has in front (it stays with the last
# window clicked, or with a box that has just closed).
x_focus() {
  local window
  window=$(timeout 10 xdotool search --name "$1" | head -1)
  [[ -n $window ]] && timeout 10 xdotool windowfocus --sync "$window" || fail "cannot focus the window \"$1\""
}

# start_with_notepad NAME HOTKEY NICKNAME TEXT [HOTKEY NICKNAME TEXT]...: the
# set-up of the cases that play a macro into notepad. Sets `folder` to a fresh
# program folder C:\NAME whose TAVRX.TVX holds the system entries and the
# macros on their hot keys, removes the configuration, starts the program as
# "first" and waits for its message loop, then opens notepad and brings it to
# the front. Fails the case on any step that does not happen.
start_with_notepad() {
  local name=$1
  shift
  folder=$(program_folder "$name") || exit 1
  remove_configuration
  "$TAVRIX_TOOL" new "$folder/TAVRX.TVX" || fail "tavrix new failed"
  while (($# >= 3)); do
    "$TAVRIX_TOOL" add "$folder/TAVRX.TVX" --hotkey "$1" --nickname "$2" --text "$3" >/dev/null ||
      fail "tavrix add failed"
    shift 3
  done

  start_program_then_notepad
}

# start_program_then_notepad: starts the program in `folder` as "first",
# waits for its message loop, then opens notepad and brings it to the front
# (notepad comes after the program, so the keyboard focus follows it).
start_program_then_notepad() {
  start_program "$folder" first
  probe ping "$MAIN_WINDOW_CLASS" 20000 || fail "the program did not reach its message loop"
  start_windows_program notepad
  driver wait-window Notepad 20000 || fail "notepad did not open"
  driver front Notepad || fail "notepad did not come to the front"
}

# terminate_now: sends "Terminate and Unload" as the tray menu does (a
# WM_COMMAND of its id, 702, to the main window) and waits for the program
# started as "first" to end with exit code 0.
terminate_now() {
  probe post "$MAIN_WINDOW_CLASS" 273 702 0 || fail "cannot post the command"
  code=$(wait_exit "$folder" first 20) || fail "the program did not end"
  ((code == 0)) || fail "the program ended with exit code $code"
}

# menu_keys CHECK KEYS...: works the main window's menu by keyboard as a user
# does, then runs the command CHECK (which waits for the effect). Under load,
# Wine now and then loses a key between opening a menu and choosing its entry,
# so a try whose effect does not show is closed with Escape and made again, at
# most three times; the effect itself must still appear.
menu_keys() {
  local check=$1 try
  shift
  for try in 1 2 3; do
    driver front "$MAIN_WINDOW_CLASS" || fail "the main window did not come to the front"
    xdotool key --delay 100 "$@" || fail "xdotool could not type"
    eval "$check" && return 0
    echo "note: try $try of the keys $* showed no effect"
    xdotool key --delay 50 Escape Escape >/dev/null 2>&1
  done
  return 1
}

# right_click_tray_icon "X Y": the user's right click on the tray icon whose
# middle is there (a line of `probe tray-icons`). Wine's own tray window sits
# in the top left corner, where the windows opened later cover it (there is
# no window manager to keep it on top): it is raised first.
right_click_tray_icon() {
  local tray
  tray=$(timeout 10 xdotool search --name '^Wine System Tray$' | head -1)
  [[ -n $tray ]] || fail "no Wine system tray window"
  timeout 10 xdotool windowraise "$tray" || fail "cannot raise the tray window"
  # shellcheck disable=SC2086
  timeout 10 xdotool mousemove $1 click 3 || fail "xdotool could not click"
}

# window_geometry REGEX: prints X=, Y=, WIDTH= and HEIGHT= lines (for eval)
# of the window named like REGEX, its frame included.
window_geometry() {
  local window
  window=$(timeout 10 xdotool search --name "$1" | head -1)
  [[ -n $window ]] || fail "no window named like \"$1\""
  timeout 10 xdotool getwindowgeometry --shell "$window" | grep -E '^(X|Y|WIDTH|HEIGHT)='
}

# click_button CAPTION: the user's click on the front form's button of that
# caption (with its "&").
click_button() {
  local point
  point=$(probe button-point "$FORM_CLASS" "$1" 10000 | tr -d '\r') || fail "no button \"$1\" in the form"
  # shellcheck disable=SC2086
  timeout 10 xdotool mousemove $point click 1 || fail "xdotool could not click"
}

# click_list_item N ROW: the user's click on row ROW (from 0) of the N-th list
# box (from 0) of the front form.
click_list_item() {
  local point
  point=$(probe list-item-point "$FORM_CLASS" "$1" "$2" | tr -d '\r') || fail "no row $2 in list $1 of the form"
  # shellcheck disable=SC2086
  timeout 10 xdotool mousemove $point click 1 || fail "xdotool could not click"
}

# hot_key_code NAME: the code of the hot key of that name (its row in
# `tavrix keylist`, from 0).
hot_key_code() {
  local row
  row=$("$TAVRIX_TOOL" keylist "$file" | grep -n "^$1  (" | cut -d: -f1)
  [[ -n $row ]] || fail "no hot key named $1"
  echo $((row - 1))
}

# wait_dump N LINE: macro N of `file` shows LINE in `tavrix dump` (bounded:
# the program writes it as the dialog closes).
wait_dump() {
  local tries=0
  until "$TAVRIX_TOOL" dump "$file" "$1" 2>/dev/null | grep -qxF -- "$2"; do
    ((++tries > 50)) && fail "macro $1 shows no \"$2\": $("$TAVRIX_TOOL" dump "$file" "$1" 2>&1 | head -12 | tr '\n' ' ')"
    sleep 0.1
  done
}

# open_add_macro: "&Add Macro" from the main window's Macros menu.
open_add_macro() {
  menu_keys "probe wait-window $FORM_CLASS 3000" alt+m a || fail "Add Macro did not open"
  wait_caption "Add Macro"
}

# choose_entry KEY: the user types KEY (an entry's digit or letter) into the
# open "Choose A Macro", which closes as it takes it. Now and then (about one
# run in twenty) Wine loses a key typed right after that window came in
# front, and the window stays open: the key is typed again then, at most
# three times in all. A key taken late is never typed twice (the window
# closed), and one typed twice would show in notepad.
choose_entry() {
  local try
  for try in 1 2 3; do
    x_focus '^Choose A Macro$'
    keys_to "$FORM_CLASS" "$1"
    probe wait-gone "$FORM_CLASS" 3000 2>/dev/null && return 0
    echo "note: try $try: \"Choose A Macro\" did not take the key $1"
  done
  fail "\"Choose A Macro\" did not take the key $1"
}
