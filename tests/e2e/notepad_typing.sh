#!/usr/bin/env bash
# The harness itself: a driver brings Wine's notepad in front, types a text
# as key presses, and the text read back from notepad's edit field matches.
# The text holds characters that the virtual display's default keymap would
# get wrong ("(", ")", "<", ">").
set -uo pipefail
source "$TAVRIX_ROOT/scripts/lib/e2e.sh"

text='Hello <Tavrix> (e2e) 1+1=2, "ok"!'

start_windows_program notepad
driver wait-window Notepad 20000 || fail "notepad did not open"
driver front Notepad || fail "notepad did not come to the front"
driver type "$text" || fail "could not type the text"
driver wait-text Notepad "$text" 5000 || fail "notepad does not show the typed text"
read_back=$(driver read Notepad) || fail "could not read notepad's text"
read_back=${read_back%$'\r'}
[[ $read_back == "$text" ]] || fail "read back \"$read_back\""
echo "typed and read back: $read_back"
