#!/usr/bin/env bash
# A hot key pressed while its macro still plays plays the macro again inside
# the running one; the interrupted playback then goes on with its own repeat
# counter, as if it had not been interrupted.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

if ! have_tool; then
  echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"
  exit 0
fi

start_with_notepad tvnested Ctrl+Shift+L Counter '<REPEAT:0003>r<I><DELAY:01.00><ENDREP>.'

user_presses ctrl+shift+l || fail "xdotool could not press the hot key"
driver wait-text Notepad r1 10000 || fail "the macro did not start: notepad shows \"$(driver read Notepad)\""
user_presses ctrl+shift+l || fail "xdotool could not press the hot key again"
# The second press lands after the first macro typed its k-th counter (how
# far it got depends on the machine's speed): the nested macro types
# "r1r2r3." there, and the first one goes on from counter k + 1.
allowed=(r1r1r2r3.r2r3. r1r2r1r2r3.r3. r1r2r3r1r2r3..)
text=
for ((try = 0; try < 100; ++try)); do
  text=$(driver read Notepad) || fail "cannot read notepad"
  text=${text%$'\r'}
  dots=${text//[^.]/}
  ((${#dots} >= 2)) && break
  sleep 0.2
done
ok=
for expected in "${allowed[@]}"; do [[ $text == "$expected" ]] && ok=1; done
[[ -n $ok ]] || fail "notepad shows \"$text\", not one of: ${allowed[*]}"
echo "the interrupted macro went on with its own counter: \"$text\""

close_main_window || fail "cannot post WM_CLOSE"
code=$(wait_exit "$folder" first 20) || fail "the program did not end"
((code == 0)) || fail "the program ended with exit code $code"
