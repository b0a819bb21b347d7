#!/usr/bin/env bash
# Without network mode another program (the native tavrix tool) removes a
# macro from the file the program runs on: the next hot key plays the macro
# that is now on that key, never its neighbour at the old number.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

if ! have_tool; then
  echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"
  exit 0
fi

folder=$(program_folder tvelsewhere) || exit 1
file=$folder/TAVRX.TVX
remove_configuration
"$TAVRIX_TOOL" new "$file" || fail "tavrix new failed"
for macro in H:hello J:jump K:kline; do
  "$TAVRIX_TOOL" add "$file" --hotkey "Ctrl+Alt+Shift+${macro%%:*}" --nickname "${macro#*:}" --text "${macro#*:} " \
    >/dev/null || fail "tavrix add failed"
done

start_program_then_notepad
"$TAVRIX_TOOL" remove "$file" 5 --yes >/dev/null || fail "the tool could not remove the first macro"
driver front Notepad || fail "notepad did not come back to the front"
user_presses ctrl+alt+shift+j || fail "xdotool could not press the hot key"
driver wait-text Notepad "jump " 10000 || fail "the hot key did not play its own macro after the removal"
user_presses ctrl+alt+shift+k || fail "xdotool could not press the hot key"
driver wait-text Notepad "jump kline " 10000 || fail "the last macro did not play on its key"
echo "after another program's removal each key played its own macro"

terminate_now
