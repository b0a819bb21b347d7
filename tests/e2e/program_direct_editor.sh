#!/usr/bin/env bash
# "Modify Hot Key" opened from the Macros menu on a hot-key macro: Escape
# closes it without writing; with it open, the macro's own hot key types into
# the text box and plays nothing; the Keys menu inserts a key's tag and
# Ctrl+C, Ctrl+V (the Edit menu's shortcuts) paste exactly once; a tab, a
# line break and the "E&nter" button
# are saved by "&Update" as "<TAB>", the line break itself and "<ENTER>".
# Then the script editor's wizard adds a delay, and "No" to "Continue with
# wizard?" leaves the editor open. The file is read back with the tavrix tool.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

if ! have_tool; then
  echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"
  exit 0
fi


wait_text() {  # wait_text TEXT: the form's text box holds TEXT (CR as \r, LF as \n)
  local tries=0
  until [[ $(probe memo-text "$FORM_CLASS" | tr -d '\r') == "$1" ]]; do
    ((++tries > 100)) && fail "the text box holds \"$(probe memo-text "$FORM_CLASS")\", not \"$1\""
    sleep 0.1
  done
}

saved_text() {  # saved_text TEXT: macro 5 of the file holds TEXT (escaped as tavrix dump shows it)
  wait_dump 5 "MacroText=$1"
}

# The focus starts on the nickname; the scope radios, then the icon button
# (Select is disabled for a global macro), then the text box, which selects
# all of its text as it gets the focus: the caret goes to the end.
open_direct_editor() {
  menu_keys "probe wait-window $FORM_CLASS 3000" End alt+m d || fail "Modify Hot Key did not open"
  wait_caption "Modify Hot Key  (GLOBAL)"
  keys_to "$FORM_CLASS" Tab Tab Tab ctrl+End
}

folder=$(program_folder tvdirect) || exit 1
remove_configuration
file=$folder/MINE.TVX
"$TAVRIX_TOOL" new "$file" || fail "tavrix new failed"
"$TAVRIX_TOOL" add "$file" --hotkey 'KeyPad +' --nickname Plus --text abc >/dev/null || fail "tavrix add failed"

start_program "$folder" first /F 'C:\tvdirect\mine.tvx'
probe wait-window "$MAIN_WINDOW_CLASS" 20000 || fail "the main window did not appear"

open_direct_editor
keys_to "$FORM_CLASS" x y z
wait_text abcxyz
keys_to "$FORM_CLASS" alt+k h
wait_text 'abcxyz<SHIFT>'
echo "Alt+K, h inserted <SHIFT>"
# A second paste would arrive before the w.
keys_to "$FORM_CLASS" shift+Home ctrl+c End ctrl+v w
wait_text 'abcxyz<SHIFT>abcxyz<SHIFT>w'
echo "Ctrl+V pasted once"
keys_to "$FORM_CLASS" Escape
probe wait-gone "$FORM_CLASS" 20000 || fail "Escape did not close Modify Hot Key"
saved_text abc
echo "escape closed without writing"

# Had the hot key played, the hook would have swallowed the "+" and typed
# "abc" into the box before the "z".
open_direct_editor
keys_to "$FORM_CLASS" KP_Add z
wait_text 'abc+z'
echo "the macro's own hot key typed into the box"
keys_to "$FORM_CLASS" Tab Return q alt+n
wait_text $'abc+z\t\\r\\nq<ENTER>'
keys_to "$FORM_CLASS" alt+u
probe wait-gone "$FORM_CLASS" 20000 || fail "Update did not close Modify Hot Key"
saved_text 'abc+z<TAB>\r\nq<ENTER>'
echo "saved: abc+z<TAB>\\r\\nq<ENTER>"

menu_keys "probe wait-window $FORM_CLASS 3000" End alt+m s || fail "the script editor did not open"
wait_caption "Macro Scripting Editor  (GLOBAL)"
keys_to "$FORM_CLASS" alt+z
wait_caption "Scripting Wizard"
keys_to "$FORM_CLASS" alt+i
wait_caption "Set Delay"
keys_to "$FORM_CLASS" 1 Return
title=$(probe message-box "Macro object successfully added.  Continue with wizard?" 20000 no | tr -d '\r') ||
  fail "the wizard did not ask to continue"
[[ $title == "[Added]" ]] || fail "the question's title is $title"
wait_caption "Macro Scripting Editor  (GLOBAL)"
echo "No closed the wizard only"
keys_to "$FORM_CLASS" alt+o
probe wait-gone "$FORM_CLASS" 20000 || fail "the script editor did not close on Ok"
saved_text 'abc+z<TAB>\r\nq<ENTER><DELAY:01.00>'
echo "the wizard's delay was saved at the end"

probe post "$MAIN_WINDOW_CLASS" 16 || fail "cannot post WM_CLOSE"
code=$(wait_exit "$folder" first 20) || fail "the program did not end"
((code == 0)) || fail "the program ended with exit code $code"
echo "ended with exit code 0"
