#!/bin/bash
# The tavrix tool's "add-dialog", "keylist" and "system-keys" commands, run
# as a user runs them: what each prints, its exit code, and that a refusal
# leaves the macro file byte for byte as it was.
# Usage: add_dialog_tool_test.sh PATH-TO-TAVRIX
set -u
source "$(dirname "$0")/../support/tool_test.bash"
dir="$work"

file="$dir/ADD.TVX"
"$tavrix" new "$file" > /dev/null
"$tavrix" add "$file" --hotkey Ctrl+A --text one > /dev/null
"$tavrix" add "$file" --hotkey Ctrl+A --text two --scope window:Notepad > /dev/null
"$tavrix" add "$file" --wordlet sig --text three > /dev/null
before=$(md5sum < "$file")

# add-dialog: "name=value" lines of the hand-over; exit code last.
run() { "$tavrix" add-dialog "$file" "$@" 2> "$dir/err"; echo "rc=$?"; }
expect "hot key to the script editor, in global use" $'macro=8\ntool=script\nActivation=0\nglobal=1\ntype=1\nrc=0' \
  "$(run --mode hotkeys --hotkey Ctrl+A --script)"
expect "free hot key to capture" $'macro=8\ntool=capture\nActivation=3\nglobal=0\nrc=0' \
  "$(run --mode hotkeys --hotkey Ctrl+D --capture)"
expect "Wordlet to the direct editor" $'macro=8\ntool=direct\nActivation=20000\nWordletText=brb\nglobal=0\ntype=3\nrc=0' \
  "$(run --mode wordlets --wordlet ' brb ' --direct)"
expect "timed to the script editor" $'macro=8\ntool=script\nActivation=10000\nglobal=0\ntype=2\nrc=0' \
  "$(run --mode timed --script)"
expect "popup on a window macro's key? no: Ctrl+A has a GLOBAL one" "rc=1" \
  "$(run --mode popup --hotkey Ctrl+A --build-menu)"
expect "the popup refusal's message" \
  "tavrix: Error: Selected Hot Key is already either a GLOBAL or Popup Menu Hot Key.  Hot Key cannot be added." \
  "$(cat "$dir/err")"
expect "popup on a free key" $'macro=8\ntool=menu\nActivation=1\nrc=0' "$(run --mode popup --hotkey Ctrl+B --build-menu)"
expect "timed mode has no capture button" "rc=1" "$(run --mode timed --capture)"
expect "popup mode has no Enter Directly" "rc=1" "$(run --mode popup --hotkey Ctrl+B --direct)"
expect "hot key mode has no Build Menu" "rc=1" "$(run --mode hotkeys --hotkey Ctrl+B --build-menu)"
expect "a name not in the hot key table" "rc=1" "$(run --mode hotkeys --hotkey Ctrl+Nothing --script)"
expect "an invalid Wordlet" "rc=1" "$(run --mode wordlets --wordlet "it's" --capture)"
expect "the invalid-characters message" \
  "tavrix: Error: The Wordlet name has invalid characters in it.  Valid characters are A - Z, a - z, 0 - 9 and ' ! @ # \$ % ^ & _ = < > ? . ; , * - / +" \
  "$(cat "$dir/err")"
expect "an empty Wordlet" "rc=1" "$(run --mode wordlets --wordlet '  ' --script)"
expect "its message" "tavrix: Error: No Wordlet name entered." "$(cat "$dir/err")"
expect "no hot key" "rc=1" "$(run --mode hotkeys --script)"
expect "a reserved key answered No" "rc=1" "$(run --mode hotkeys --hotkey Win+R --direct)"
expect "a reserved key answered Yes" $'macro=8\ntool=direct\nActivation=571\nglobal=0\ntype=1\nrc=0' \
  "$(run --mode hotkeys --hotkey Win+R --direct --yes)"
expect "nothing was written" "$before" "$(md5sum < "$file")"

# Enter Directly with a text: Modify Hot Key updates the new macro and the
# add command appends it; a Wordlet it refuses is not appended.
expect "Enter Directly saves" $'macro=8\ntool=direct\nActivation=10\nglobal=0\ntype=1\nsaved=1\nrc=0' \
  "$(run --mode hotkeys --hotkey Ctrl+K --direct --nickname Typed --scope program:NOTEPAD.EXE --text $'a\tb')"
expect "the appended macro" $'8\tCtrl+K\tTyped\tProgram: NOTEPAD.EXE' "$("$tavrix" list "$file" | tail -1 | cut -f1-4)"
expect "its text" 'MacroText=a<TAB>b' "$("$tavrix" dump "$file" 8 | grep '^MacroText=')"
before=$(md5sum < "$file")
expect "a text without --direct" "rc=1" "$(run --mode hotkeys --hotkey Ctrl+G --script --text x)"
expect "nothing more was written" "$before" "$(md5sum < "$file")"

# keylist
expect "720 rows" "720" "$("$tavrix" keylist "$file" | wc -l)"
expect "usage counts" $'Ctrl+A  (2 macros in use)\nCtrl+B  (Not in Use)' "$("$tavrix" keylist "$file" | head -2)"

# system-keys
sys() { "$tavrix" system-keys "$file" "$@" 2> "$dir/err"; echo "rc=$?"; }
expect "a key in use is refused, the free one taken" "rc=0" "$(sys --press 1=Ctrl+A --press 2=Ctrl+F)"
expect "the refusal" "tavrix: Error: The hot key \"Ctrl+A\" is already in use by a macro.  If you wish to use this hot key combination, you will first need to either remove or move the macro which is assigned to it." \
  "$(cat "$dir/err")"
expect "Start / Stop Capture moved" "Ctrl+F" "$("$tavrix" list "$file" | awk -F'\t' '$1 == 2 {print $2}')"
before=$(md5sum < "$file")
expect "one key for two commands" "rc=1" "$(sys --press 1=Ctrl+G --press 3=Ctrl+G)"
expect "its message" "tavrix: Error: The same hot key has been assigned to more than one system command." \
  "$(cat "$dir/err")"
expect "a refused Ok writes nothing" "$before" "$(md5sum < "$file")"
expect "a bad field number" "rc=1" "$(sys --press 5=Ctrl+G)"

[ "$failures" -eq 0 ] && echo "all add-dialog tool checks passed"
exit "$failures"
