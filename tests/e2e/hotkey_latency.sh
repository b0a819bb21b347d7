#!/usr/bin/env bash
# How quickly a hot key plays: the user presses Ctrl+Shift+H five times with
# notepad in front; each press must play the whole macro once more. The driver
# times each press from the moment the key reaches the hook chain to the first
# character in notepad, and the median is printed (a measurement, not a limit).
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

if ! have_tool; then
  echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"
  exit 0
fi

readonly PRESSES=5
macro='hello, world! (1+2)<TAB>x'
played=$'hello, world! (1+2)\tx'

start_with_notepad tvlatency Ctrl+Shift+H Hello "$macro"

# One press, timed by the driver; prints the milliseconds.
timed_press() {
  local out=$folder/timing.out tries=0
  rm -f "$out"
  wine_timed "$E2E_STEP_SECONDS" "$TAVRIX_DRIVER" time-first-char Notepad 10000 </dev/null >"$out" 2>&1 &
  local timer=$!
  until grep -q '^ready' "$out" 2>/dev/null; do
    ((++tries > 200)) && { kill "$timer" 2>/dev/null; return 1; }
    sleep 0.05
  done
  user_presses ctrl+shift+h || return 1
  wait "$timer" || { cat "$out" >&2; return 1; }
  sed -n '2p' "$out" | tr -d '\r'
}

times=()
expected=
for ((i = 1; i <= PRESSES; i++)); do
  ms=$(timed_press) || fail "press $i was not timed"
  expected+=$played
  driver wait-text Notepad "$expected" 10000 || fail "press $i did not play the whole macro"
  times+=("$ms")
  echo "press $i: first character after $ms ms"
done

median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((PRESSES + 1) / 2))p")
echo "median from the hot key press to the first character: $median ms (${times[*]})"

close_main_window || fail "cannot post WM_CLOSE"
code=$(wait_exit "$folder" first 20) || fail "the program did not end"
((code == 0)) || fail "the program ended with exit code $code"
