#!/bin/bash
# The tavrix tool's "resolve" and "play" commands on the simulated desktop.
# Usage: tool_commands_test.sh PATH-TO-TAVRIX
set -u
source "$(dirname "$0")/../support/tool_test.bash"

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

# play: the windows given are on the desktop, the first in front and the target.
play() { "$tavrix" play "$@" 2>&1; }
expect "play on windows" "$(printf '%s\n' \
  'setsize Untitled - Notepad 640 480' \
  'foreground Secret' \
  'syscommand Paint SC_MAXIMIZE' \
  'setpos Untitled - Notepad 1 2' \
  'foreground Paint' \
  'key 65 down' 'key 65 up' 'keys read')" \
  "$(play --window 'Untitled - Notepad=NOTEPAD.EXE' --hidden --window 'Secret=X.EXE' --window 'Paint=MSPAINT.EXE' \
     --text '<WSIZE:0640,0480"CURRENT"><ACTIVATE:secret><WMAX:paint><WPOS:0001,0002notepad><LAUNCHYES:02Paint<LAUNCH:mspaint.exe>a<ACTIVATE:nothing>b')"
expect "play launch times out" "launch wordpad.exe " \
  "$(play --text '<LAUNCHNO:01WordPad<LAUNCH:wordpad.exe>a' | grep -v '^wait ')"
expect "play waits 30 s in all" "30000" \
  "$(play --text '<LAUNCHNO:01WordPad<LAUNCH:wordpad.exe>a' | awk '/^wait /{s+=$2} END{print s}')"
expect "play screen size scales the mouse" "mouse 32769 32768 32768 0" \
  "$(play --screen 800x600 --text '<MMS:00400,00300>')"
expect "play default screen" "mouse 32769 25600 25600 0" "$(play --text '<MMS:00400,00300>')"
expect "play bad --screen" "1" "$("$tavrix" play --screen 0x600 --text a > /dev/null 2>&1; echo $?)"
expect "play dangling --hidden" "1" "$("$tavrix" play --text a --hidden > /dev/null 2>&1; echo $?)"
expect "play date and time" "$(printf 'key %s\n' '48 down' '48 up' '53 down' '53 up')" \
  "$(play --now '2005-03-05 00:07:09' --text '<DD{YF000}>')"

if [ $failures -ne 0 ]; then
  echo "$failures failure(s)"
  exit 1
fi
echo "all tool checks passed"
