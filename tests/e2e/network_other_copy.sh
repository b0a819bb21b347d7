#!/usr/bin/env bash
# Two copies on one macro file, end to end: the program runs in network mode
# on a macro file that another copy (the native tavrix tool, taking the same
# lock file) changes while it runs. The next hot key the user presses in
# notepad plays the changed macro: the program sees the other copy's change
# in the lock file, reloads, and only then decides what the key plays. The
# lock is free again afterwards, and the other copy's count is the known one.
# While the other copy holds the lock, a change in the program is refused;
# once it released the lock after a change, the program reloads first.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

if ! have_tool; then
  echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"
  exit 0
fi

folder=$(program_folder tvnetwork) || exit 1
file=$folder/TAVRX.TVX
remove_configuration
printf '[Network]\r\nNetwork Mode=Yes\r\nAuto Sync=No\r\n' >"$(configuration_file)"
"$TAVRIX_TOOL" new "$file" || fail "tavrix new failed"
"$TAVRIX_TOOL" add "$file" --hotkey Ctrl+Alt+Shift+A --nickname First --text "first " >/dev/null ||
  fail "tavrix add failed"

start_program_then_notepad
user_presses ctrl+alt+shift+a || fail "xdotool could not press the hot key"
driver wait-text Notepad "first " 10000 || fail "the macro did not play before the change"

# The other copy moves the macro to another hot key and puts a new one on the
# old key, each change under the lock.
"$TAVRIX_TOOL" rename "$file" 5 --hotkey Ctrl+Alt+Shift+B --network >/dev/null ||
  fail "the other copy could not rename the macro"
"$TAVRIX_TOOL" add "$file" --hotkey Ctrl+Alt+Shift+A --nickname Second --text "second " --network >/dev/null ||
  fail "the other copy could not add a macro"
lock=$("$TAVRIX_TOOL" lock "$file") || fail "tavrix lock failed"
grep -qx 'ChangeCount=3' <<<"$lock" || fail "the other copy's changes are not counted: $lock"

driver front Notepad || fail "notepad did not come back to the front"
user_presses ctrl+alt+shift+a || fail "xdotool could not press the hot key"
driver wait-text Notepad "first second " 10000 || fail "the old key did not play the other copy's new macro"
user_presses ctrl+alt+shift+b || fail "xdotool could not press the hot key"
driver wait-text Notepad "first second first " 10000 || fail "the moved macro does not play on its new key"
echo "after the other copy's change the keys played its macros"

lock=$("$TAVRIX_TOOL" lock "$file") || fail "tavrix lock failed"
grep -qx 'LockState=2' <<<"$lock" || fail "the lock is not free: $lock"
grep -qx 'ChangeCount=3' <<<"$lock" || fail "a reload must not count as a change: $lock"

# write_lock COUNT STATE TIME: the lock file as another copy leaves it.
write_lock() {
  python3 -c 'import struct,sys; open(sys.argv[1],"wb").write(struct.pack("<ihd",int(sys.argv[2]),int(sys.argv[3]),float(sys.argv[4])))' \
    "${file%.*}.MAS" "$@" || fail "cannot write the lock file"
}
scripting_editor=205

# The first row in the list's order: Ctrl+Alt+Shift+A, before the SYSTEM
# entries. Without a window manager the X focus does not always follow the
# window brought in front, so the selection is checked and the keys repeated.
for try in 1 2 3; do
  driver front "$MAIN_WINDOW_CLASS" || fail "the main window did not come to the front"
  xdotool key --delay 100 Home || fail "xdotool could not type"
  [[ $(probe selected "$MAIN_WINDOW_CLASS" | tr -d '\r') == 1 ]] && break
  ((try == 3)) && fail "Home did not select the first row"
  echo "note: try $try of Home selected no row"
done
write_lock 3 1 46000.25
probe post "$MAIN_WINDOW_CLASS" 273 $scripting_editor 0 || fail "cannot post the command"
probe message-box "Macro File in use by another user.  Please try again later." 20000 >/dev/null ||
  fail "the scripting editor opened while the other copy held the lock"
write_lock 4 2 46000.25
probe post "$MAIN_WINDOW_CLASS" 273 $scripting_editor 0 || fail "cannot post the command"
probe message-box "Macro File has changed by another user.  Changed macro file will be reloaded after clicking \"ok\"." \
  20000 >/dev/null || fail "the program did not see the other copy's change"
echo "the held lock refused the scripting editor, the released change was reloaded first"

terminate_now
