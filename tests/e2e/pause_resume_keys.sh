#!/usr/bin/env bash
# A pause resumed with a hot key held for a moment, as a person presses it:
# the paused macro's own key, then the system key "Resume Pause". The keys
# after the pause arrive whole in notepad, none lost to the hot key's Ctrl,
# Alt or Shift still held when the box closes.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

if ! have_tool; then
  echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"
  exit 0
fi

readonly BOX_CLASS=TavrixModalBox

start_with_notepad tvresume Ctrl+Shift+M Paused '<PAUSE>xyz'

# The user holds a key combination for a moment, as a person does.
user_holds() {
  timeout 30 xdotool keydown --delay 20 "$1" && sleep 1.0 && timeout 30 xdotool keyup --delay 20 "$1"
}

expected=
for resume in ctrl+shift+m ctrl+alt+shift+y; do
  user_presses ctrl+shift+m || fail "xdotool could not press the hot key"
  driver wait-window "$BOX_CLASS" 10000 || fail "no pause box"
  user_holds "$resume" || fail "xdotool could not hold $resume"
  expected+=xyz
  driver wait-text Notepad "$expected" 10000 ||
    fail "after a resume with $resume notepad shows \"$(driver read Notepad)\", not \"$expected\""
  probe wait-gone "$BOX_CLASS" 5000 || fail "the pause box stayed open"
  echo "resumed with $resume: notepad shows \"$expected\""
done

close_main_window || fail "cannot post WM_CLOSE"
code=$(wait_exit "$folder" first 20) || fail "the program did not end"
((code == 0)) || fail "the program ended with exit code $code"
