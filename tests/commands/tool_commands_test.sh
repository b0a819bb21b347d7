#!/bin/bash
# The tavrix tool's "resolve" and "play" commands on the simulated desktop.
# Usage: tool_commands_test.sh PATH-TO-TAVRIX
set -u
tavrix="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0

expect() {  # expect NAME EXPECTED ACTUAL
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1"
    echo "  expected: $(printf '%q' "$2")"
    echo "  actual:   $(printf '%q' "$3")"
    failures=$((failures + 1))
  fi
}

file="$work/macros.tvx"
"$tavrix" new "$file" || exit 1
code=144  # Ctrl+Alt+A
"$tavrix" add "$file" --hotkey Ctrl+Alt+A --text g1 > /dev/null
global=$("$tavrix" add "$file" --hotkey Ctrl+Alt+A --text g2)
window=$("$tavrix" add "$file" --hotkey Ctrl+Alt+A --scope window:notepad --text w)
program=$("$tavrix" add "$file" --hotkey Ctrl+Alt+A --scope program:winword --if-running --text p)
"$tavrix" add "$file" --hotkey Ctrl+Alt+B --scope window:paint --inactive --text x > /dev/null

expect "no windows: last global" "$global" "$("$tavrix" resolve "$file" $code)"
expect "notepad in front" "$window" "$("$tavrix" resolve "$file" $code --window 'Untitled - Notepad=NOTEPAD.EXE')"
expect "notepad behind, top-most only" "$global" \
  "$("$tavrix" resolve "$file" $code --window 'Paint=MSPAINT.EXE' --window 'Untitled - Notepad=NOTEPAD.EXE')"
expect "winword running, hidden" "$program" \
  "$("$tavrix" resolve "$file" $code --window 'Paint=MSPAINT.EXE' --hidden --window 'Report=WINWORD.EXE')"
expect "deactivated only" "0" "$("$tavrix" resolve "$file" 145 --window 'Paint=MSPAINT.EXE')"
expect "code out of range" "1" "$("$tavrix" resolve "$file" 720 > /dev/null 2>&1; echo $?)"
expect "missing file" "1" "$("$tavrix" resolve "$work/none.tvx" 1 > /dev/null 2>&1; echo $?)"
expect "missing file not created" "no" "$([ -e "$work/none.tvx" ] && echo yes || echo no)"
expect "dangling --hidden" "1" "$("$tavrix" resolve "$file" $code --hidden > /dev/null 2>&1; echo $?)"
expect "bad --window" "1" "$("$tavrix" resolve "$file" $code --window Notepad > /dev/null 2>&1; echo $?)"

if [ $failures -ne 0 ]; then
  echo "$failures failure(s)"
  exit 1
fi
echo "all tool checks passed"
