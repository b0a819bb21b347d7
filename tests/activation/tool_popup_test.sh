#!/bin/bash
# The tavrix tool's popup-menu commands: add --popup, menu, choose, topmenu
# and tray. Usage: tool_popup_test.sh PATH-TO-TAVRIX
set -u
source "$(dirname "$0")/../support/tool_test.bash"

file="$work/macros.tvx"
"$tavrix" new "$file" > /dev/null || exit 1
"$tavrix" add "$file" --hotkey Ctrl+Q --nickname One --text "one" > /dev/null
"$tavrix" add "$file" --hotkey Ctrl+W --text "two" --scope program:notepad.exe > /dev/null
expect "only SYSTEM macros refused" "1" "$(status "$tavrix" add "$work/other.tvx" --popup --hotkey F1)"

menu=$("$tavrix" add "$file" --popup --hotkey F1 --nickname Menu --entries 5,6 --tray)
expect "popup number" "7" "$menu"
expect "record" "Popup Menu" "$("$tavrix" list "$file" | awk -F'\t' '$1==7 {print $4}')"
before=$(md5sum < "$file")
expect "hot key of a GLOBAL macro" "1" "$(status "$tavrix" add "$file" --popup --hotkey Ctrl+Q --entries 5)"
expect "hot key of a popup menu" "1" "$(status "$tavrix" add "$file" --popup --hotkey F1 --entries 5)"
expect "hot key of a SYSTEM macro" "1" "$(status "$tavrix" add "$file" --popup --hotkey Ctrl+Alt+Shift+W --entries 5)"
expect "a number twice" "1" "$(status "$tavrix" add "$file" --popup --hotkey F2 --entries 5,5)"
expect "a SYSTEM entry" "1" "$(status "$tavrix" add "$file" --popup --hotkey F2 --entries 2)"
expect "past the count" "1" "$(status "$tavrix" add "$file" --popup --hotkey F2 --entries 9)"
expect "refusals change nothing" "$before" "$(md5sum < "$file")"
expect "a program macro's key is free" "8" "$("$tavrix" add "$file" --popup --hotkey Ctrl+W --style 1 --entries 6)"

expect "menu" $'client\t300\t84\nposition\t362\t342\nlists\t42\t0\n0\tOne\tGLOBAL\n1\tCtrl+W\tnotepad.exe' \
  "$("$tavrix" menu "$file" 7)"
expect "tray click near the right edge" $'position\t700\t684' \
  "$("$tavrix" menu "$file" 7 --click-x 1000 | sed -n 2p)"
expect "first-part style" $'0\ttwo' "$("$tavrix" menu "$file" 8 | sed -n 4p)"
expect "not a popup menu" "1" "$(status "$tavrix" menu "$file" 5)"
expect "choose by digit" "6" "$("$tavrix" choose "$file" 7 --type " x1")"
expect "choose nothing" "-1" "$("$tavrix" choose "$file" 7 --type "5")"

expect "topmenu" $'0\tCtrl+W\tnotepad.exe' \
  "$("$tavrix" topmenu "$file" --style 3 --window "Untitled - Notepad=NOTEPAD.EXE" | sed -n 4p)"
expect "topmenu icons" $'lists\t0\t0' "$("$tavrix" topmenu "$file" --style 2 --window "X=NOTEPAD.EXE" | sed -n 3p)"
expect "topmenu without a match" \
  "message Warning: There are no macros defined with a specific window title or program name that match the current top most active window." \
  "$("$tavrix" topmenu "$file" --window "Calc=CALC.EXE")"

expect "tray" $'7\tmenu\tMenu' "$("$tavrix" tray "$file" --program-folder "$work/prog")"

if [ "$failures" -ne 0 ]; then
  echo "$failures failed"
  exit 1
fi
echo "all passed"
