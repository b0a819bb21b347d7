#!/bin/bash
# tavrix capture: a quick capture and a recapture from what the user does,
# played back with tavrix play; a byte stream with zero bytes and one too
# long for a macro text; refusals that leave the files alone.
# Usage: tool_capture_test.sh PATH-TO-TAVRIX
set -u
source "$(dirname "$0")/../support/tool_test.bash"
field() { "$tavrix" dump "$1" "$2" | sed -n "s/^$3=//p"; }

file="$work/M.TVX"
"$tavrix" new "$file" > /dev/null || exit 1

# "Hi<" then a Tab, a click, and the stop key Ctrl+Alt+Shift+X (then keys
# that must not be recorded).
cat > "$work/typing.txt" <<'EVENTS'
front Untitled - Notepad=NOTEPAD.EXE 100 100 640 480
down 160
down 72
up 72
up 160
wait 250
down 73
up 73
down 161
down 188
up 188
up 161
down 9
up 9
move 300 200
button left down
button left up
down 162
down 164
down 160
down 88
up 88
up 160
up 164
up 162
down 65
up 65
EVENTS
n=$("$tavrix" capture "$file" --quick --speed 3 --complete hotkey:F9 --nickname Typing --program \
      --events "$work/typing.txt" 2> "$work/err")
expect "quick capture number" "5" "$n"
expect "start prompt" "tavrix: Start Capture: Tavrix macro capture will now start." "$(head -1 "$work/err" | tr -d '\r')"
expect "recorded text" '<SPEED:00.50>H<MSD:0250>i<SHIFT>,<TAB><MMS:00300,00200><LDN><LUP>' "$(field "$file" 5 MacroText)"
expect "hot key" "296" "$(field "$file" 5 Activation)"
expect "program scope" "3 NOTEPAD.EXE Typing" "$(field "$file" 5 Scope) $(field "$file" 5 ScopeName) $(field "$file" 5 NickName)"
expect "played back" "wait 125
key 73 down
key 73 up" "$("$tavrix" play --file "$file" --macro 5 | sed -n '5,7p')"
expect "no scratch file left" "" "$(ls "$work" | grep -i tempcap)"

# A recapture, relative to the window, ended by the macro's own hot key F9.
cat > "$work/clicks.txt" <<'EVENTS'
front Untitled - Notepad=NOTEPAD.EXE 100 100 640 480
move 150 130
button left down
wait 10
button left up
down 120
up 120
down 66
up 66
EVENTS
n=$("$tavrix" capture "$file" --macro 5 --window-relative --no-time --events "$work/clicks.txt" 2> "$work/err")
expect "recapture number" "5" "$n"
expect "window-relative text" '<WSIZE:0640,0480"CURRENT"><MMW:00050,00030><LDN><LUP>' "$(field "$file" 5 MacroText)"
expect "capture message" "tavrix: Capture: Tavrix capture is complete for F9." "$(cat "$work/err")"

# A stream with zero bytes, a Wordlet, the folder elsewhere.
mkdir "$work/dir"
printf 'a\0b\0c' > "$work/zeros"
n=$("$tavrix" capture "$file" --quick --no-time --complete wordlet:zz --folder "$work/dir" --stream "$work/zeros" 2> /dev/null)
expect "zero bytes dropped" "abc zz 20000" "$(field "$file" "$n" MacroText) $(field "$file" "$n" WordletText) $(field "$file" "$n" Activation)"

# Longer than a macro text: the overflow file, named in the text.
head -c 5001 /dev/zero | tr '\0' 'x' > "$work/long"
n=$("$tavrix" capture "$file" --quick --no-time --stream "$work/long" 2> /dev/null)
expect "overflow tag" "<TFILE:$work\\\\TV0.TXT>" "$(field "$file" "$n" MacroText)"
expect "overflow file" "5001" "$(wc -c < "$work/TV0.TXT")"
expect "unassigned quick capture" "Capture capture 20000" "$(field "$file" "$n" NickName) $(field "$file" "$n" WordletText) $(field "$file" "$n" Activation)"

# Refusals leave the file alone: a SYSTEM macro, an invalid Wordlet.
before=$(md5sum < "$file")
expect "system macro refused" "1" "$("$tavrix" capture "$file" --macro 2 --stream "$work/zeros" > /dev/null 2>&1; echo $?)"
expect "file unchanged" "$before" "$(md5sum < "$file")"
n=$("$tavrix" capture "$file" --quick --no-time --complete 'wordlet:a:b' --stream "$work/zeros" 2> "$work/err")
expect "invalid Wordlet refused" "Capture 20000" "$(field "$file" "$n" NickName) $(field "$file" "$n" Activation)"
expect "invalid Wordlet message" "1" "$(grep -c 'The Wordlet name has invalid characters in it.' "$work/err")"

# Input that does not read whole starts no capture: nothing changes, exit 1.
before=$(md5sum < "$file")
echo 'jump 1 2' > "$work/bad.txt"
expect "malformed recapture" "1" "$(status "$tavrix" capture "$file" --macro 5 --events "$work/bad.txt")"
expect "malformed quick capture" "1" "$(status "$tavrix" capture "$file" --quick --events "$work/bad.txt")"
expect "malformed input changes nothing" "$before" "$(md5sum < "$file")"

if [ "$failures" -ne 0 ]; then
  echo "$failures failed"
  exit 1
fi
echo "all passed"
