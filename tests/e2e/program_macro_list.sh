#!/usr/bin/env bash
# The macro list of a file given by "/F": the cell texts of every kind of
# activation and scope; the commands that follow the selected row (a SYSTEM
# macro cannot be removed or deactivated); Activate Macro and Remove Macro
# worked by keyboard, checked in the file itself with the tavrix tool; a
# recent file opened from the File menu.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

if ! have_tool; then
  echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"
  exit 0
fi

menu_line() {  # menu_line CAPTION-LINE: the menu has exactly that line
  local text
  text=$(probe menu "$MAIN_WINDOW_CLASS") || fail "cannot read the menu"
  grep -qxF -- "$1" <<<"${text//$'\r'/}"
}

list_now() {
  local text
  text=$(probe list "$MAIN_WINDOW_CLASS") || fail "cannot read the macro list"
  printf '%s\n' "${text//$'\r'/}"
}

keys() {
  driver front "$MAIN_WINDOW_CLASS" || fail "the main window did not come to the front"
  xdotool key --delay 100 "$@" || fail "xdotool could not type"
}

folder=$(program_folder tvlist) || exit 1
remove_configuration
file=$folder/MINE.TVX
"$TAVRIX_TOOL" new "$file" || fail "tavrix new failed"
add() { "$TAVRIX_TOOL" add "$file" "$@" >/dev/null || fail "tavrix add $* failed"; }
add --hotkey Ctrl+Shift+K --nickname Greeting --text hello
add --wordlet sig --nickname Signature --scope program:NOTEPAD.EXE --text 'Best regards'
add --timed --nickname Reminder --inactive --text later
add --hotkey Ctrl+Alt+F5 --nickname 'Long title' --scope 'window:A very long window title' --text x
add --hotkey Alt+F9 --nickname Sleeper --inactive --text zzz

"$TAVRIX_TOOL" new "$folder/OTHER.TVX" || fail "tavrix new failed"
printf '[Misc]\r\nLast File 1=C:\\TVLIST\\OTHER.TVX\r\n' >"$(configuration_file)"

start_program "$folder" first /F 'C:\tvlist\mine.tvx'
probe wait-window "$MAIN_WINDOW_CLASS" 20000 || fail "the main window did not appear"
caption=$(probe caption "$MAIN_WINDOW_CLASS") || fail "cannot read the caption"
[[ ${caption//$'\r'/} == "Tavrix (MINE)" ]] || fail "the caption is \"$caption\" after /F"

# The list shows the macros in the default order: hot keys by name, then the
# Wordlet, then the timed macro; the first column counts the rows.
expected=$'1\tAlt+F9\tSleeper\tGLOBAL
2\tCtrl+Alt+F5\tLong title\tWindow: A very long window t
3\tCtrl+Alt+Shift+W\tActivate Tavrix\tSYSTEM
4\tCtrl+Alt+Shift+X\tStart / Stop Capture\tSYSTEM
5\tCtrl+Alt+Shift+Y\tResume Pause\tSYSTEM
6\tCtrl+Alt+Shift+Z\tMenu of Macros for Top Most Window\tSYSTEM
7\tCtrl+Shift+K\tGreeting\tGLOBAL
8\tsig\tSignature\tProgram: NOTEPAD.EXE
9\tTimed Macro\tReminder\tGLOBAL'
rows=$(list_now) || exit 1
[[ $rows == "$expected" ]] || { diff <(echo "$expected") <(echo "$rows") >&2; fail "the macro list differs"; }
echo "list cells as expected"

# The first row: a deactivated macro, activated through the menu.
keys End Home
menu_line '  Acti&vate Macro' || fail "Activate Macro is not offered for the deactivated macro"
keys alt+m v
tries=0
until "$TAVRIX_TOOL" list "$file" | grep -qx $'9\tAlt+F9\tSleeper\tGLOBAL\tyes'; do
  ((++tries > 50)) && fail "Activate Macro did not reach the file"
  sleep 0.1
done
menu_line '  Deacti&vate Macro' || fail "the entry does not offer Deactivate after activating"
echo "macro 9 activated"

# A SYSTEM macro: neither removed nor deactivated.
keys Home Down Down
menu_line '  &Remove Macro [disabled]' || fail "Remove Macro is enabled for a SYSTEM macro"
menu_line '  Deacti&vate Macro [disabled]' || fail "Deactivate Macro is enabled for a SYSTEM macro"
echo "SYSTEM row: Remove and Deactivate disabled"

# Row 7 (macro 5), removed after the question.
keys Down Down Down Down
menu_line '  &Remove Macro' || fail "Remove Macro is not offered for a GLOBAL macro"
keys alt+m r
title=$(probe message-box 'Are you sure you want to remove "Ctrl+Shift+K"?' 10000 yes) ||
  fail "no question before the removal"
[[ ${title//$'\r'/} == "[Delete]" ]] || fail "the question's title is $title"
tries=0
until (($(file_size "$file") == 8 * 5165)); do
  ((++tries > 50)) && fail "the file still has $(($(file_size "$file") / 5165)) records"
  sleep 0.1
done
rows=$(list_now) || exit 1
[[ $(grep -c . <<<"$rows") == 8 ]] || fail "the list shows:"$'\n'"$rows"
grep -qx $'7\tsig\tSignature\tProgram: NOTEPAD.EXE' <<<"$rows" || fail "row 7 is not the next macro:"$'\n'"$rows"
"$TAVRIX_TOOL" list "$file" | grep -qx $'5\tsig\tSignature\tProgram: NOTEPAD.EXE\tyes' ||
  fail "the file's macro 5 is not the Wordlet"
echo "macro 5 removed; later macros moved up"

# The recent file of the settings, opened from the File menu.
menu_line '  &1   C:\TVLIST\OTHER.TVX' || fail "the recent file is not in the File menu"
keys alt+f 1
tries=0
until [[ $(probe caption "$MAIN_WINDOW_CLASS" | tr -d '\r') == "Tavrix (OTHER)" ]]; do
  ((++tries > 50)) && fail "the recent file did not open"
  sleep 0.1
done
rows=$(list_now) || exit 1
[[ $(grep -c . <<<"$rows") == 4 ]] || fail "OTHER.TVX shows:"$'\n'"$rows"
menu_line '  &1   C:\TVLIST\MINE.TVX' || fail "the file left is not the first recent file"
menu_line '  &2   C:\TVLIST\OTHER.TVX' && fail "the opened file is still among the recent files"
echo "recent file opened; the previous file is now recent file 1"

probe post "$MAIN_WINDOW_CLASS" 16 || fail "cannot post WM_CLOSE"
code=$(wait_exit "$folder" first 20) || fail "the program did not end"
((code == 0)) || fail "the program ended with exit code $code"
ini=$(tr -d '\r' <"$(configuration_file)")
grep -qxF 'Current File=C:\TVLIST\OTHER.TVX' <<<"$ini" || fail "Current File was not saved"
grep -qxF 'Last File 1=C:\TVLIST\MINE.TVX' <<<"$ini" || fail "the recent files were not saved"
echo "ended with exit code 0; current and recent files saved"
