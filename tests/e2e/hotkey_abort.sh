#!/usr/bin/env bash
# Pause/Break aborts a playing macro: the user starts a long macro with its
# hot key, presses Pause while it waits between its parts, and the program
# shows "Macro Abort" and types nothing more into notepad.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

if ! have_tool; then
  echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"
  exit 0
fi

readonly MESSAGE_CLASS=TavrixModalBox
macro='start<DELAY:03.00>middle<DELAY:03.00>end'

start_with_notepad tvabort Ctrl+Shift+H Long "$macro"

# The program presses its end-of-macro key (43) when the playback returns.
watch_key 43 30000 || fail "cannot watch for the end-of-macro key"
user_presses ctrl+shift+h || fail "xdotool could not press the hot key"
driver wait-text Notepad start 10000 || fail "the macro did not start"
user_presses Pause || fail "xdotool could not press Pause"
driver wait-window "$MESSAGE_CLASS" 5000 || fail "no message window after Pause"
caption=$(probe caption "$MESSAGE_CLASS") || fail "cannot read the message window's caption"
caption=${caption%$'\r'}
[[ $caption == "Macro Abort" ]] || fail "the message window is \"$caption\""
echo "Pause showed \"$caption\""

probe post "$MESSAGE_CLASS" 16 || fail "cannot close the message window"
# Whatever the macro would still type comes before its end-of-macro key.
key_seen || fail "the playback did not end after the abort"
text=$(driver read Notepad) || fail "cannot read notepad"
text=${text%$'\r'}
[[ $text == start ]] || fail "notepad shows \"$text\" after the abort"
echo "nothing was typed after the abort"
close_main_window || fail "cannot post WM_CLOSE"
code=$(wait_exit "$folder" first 20) || fail "the program did not end"
((code == 0)) || fail "the program ended with exit code $code"
