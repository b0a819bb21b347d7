#!/usr/bin/env bash
# With Caps Lock on, a macro types its text as written, also after a pause
# box resumed with a mouse click or with the macro's own hot key, and Caps
# Lock is on again for the user afterwards.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

if ! have_tool; then
  echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"
  exit 0
fi

readonly BOX_CLASS=TavrixModalBox

# The wait lets notepad read "before" before the box takes the focus.
start_with_notepad tvcaps Ctrl+Shift+K Caps 'before<MSD:0500><PAUSE>after'

# The display keeps its Caps Lock for the cases after this one: put it back.
caps_on=0
toggle_caps() { timeout 30 xdotool key Caps_Lock && caps_on=$((1 - caps_on)); }
trap '((caps_on)) && timeout 30 xdotool key Caps_Lock' EXIT

toggle_caps || fail "xdotool could not press Caps Lock"
user_types q || fail "xdotool could not type"
driver wait-text Notepad Q 5000 || fail "Caps Lock did not come on (notepad shows \"$(driver read Notepad)\")"

expected=Q
for resume in click hotkey; do
  user_presses ctrl+shift+k || fail "xdotool could not press the hot key"
  point=$(probe button-point "$BOX_CLASS" '&Resume' 10000) || fail "no pause box with a Resume button"
  expected+=before
  driver wait-text Notepad "$expected" 5000 || fail "notepad shows \"$(driver read Notepad)\" before the pause"
  if [[ $resume == click ]]; then
    read -r x y <<<"$point"
    timeout 30 xdotool mousemove "$x" "$y" click 1 || fail "xdotool could not click Resume"
  else
    user_presses ctrl+shift+k || fail "xdotool could not press the hot key"
  fi
  expected+=after
  driver wait-text Notepad "$expected" 10000 ||
    fail "resumed by $resume, notepad shows \"$(driver read Notepad)\", not \"$expected\""
  probe wait-gone "$BOX_CLASS" 5000 || fail "the pause box stayed open"
  echo "resumed by $resume: the text after the pause arrived as written"
done

# Caps Lock is the user's again.
driver front Notepad || fail "notepad did not come to the front"
user_types q || fail "xdotool could not type"
expected+=Q
driver wait-text Notepad "$expected" 5000 || fail "Caps Lock is off after the macro: \"$(driver read Notepad)\""
toggle_caps || fail "xdotool could not press Caps Lock"
echo "Caps Lock was on again after the macro"

close_main_window || fail "cannot post WM_CLOSE"
code=$(wait_exit "$folder" first 20) || fail "the program did not end"
((code == 0)) || fail "the program ended with exit code $code"
