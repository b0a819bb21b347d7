#!/usr/bin/env bash
# A capture, as a user makes one: "Start / Stop Capture" (Ctrl+Alt+Shift+X),
# a line with shifted characters and a Tab typed into Wine's notepad and a
# click in it, the stop key, a hot key given in "Capture Complete" through
# its dialog; notepad cleared, that hot key types the same line again.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

if ! have_tool; then
  echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"
  exit 0
fi

LINE='Hello, World! <b> (1+2)'

folder=$(program_folder tvcapture) || exit 1
remove_configuration
"$TAVRIX_TOOL" new "$folder/TAVRX.TVX" || fail "tavrix new failed"
# The capture file lives in the user's own folder; what a killed run left
# there or beside the program is gone after the next start.
scratch=$WINEPREFIX/drive_c/users/$(whoami)/AppData/Local/Tavrix
mkdir -p "$scratch"
echo 'typed in a killed run' | tee "$scratch/TempCap.Txt" >"$folder/TempCap.Txt"
start_program_then_notepad
[[ ! -e $scratch/TempCap.Txt && ! -e $folder/TempCap.Txt ]] || fail "a leftover capture file survived the start"

PROMPT=$'Tavrix macro capture will now start.\r\n\r\nUse Ctrl+Alt+Shift+X to stop the capture.'
user_presses ctrl+alt+shift+x || fail "xdotool could not press the start key"
probe message-box "$PROMPT" 20000 ok || fail "no Start Capture message"
# The box gives the activation back to the program as it goes; only then
# does notepad come back in front, or the typing would go to the program.
tries=0
while probe message-box "$PROMPT" 0 ok >/dev/null 2>&1; do
  ((++tries > 100)) && fail "the Start Capture message did not close"
  sleep 0.1
done
driver front Notepad || fail "notepad did not come back to the front"
driver front Notepad || fail "notepad did not stay in front"
x_focus Notepad

user_types "$LINE" || fail "xdotool could not type"
user_presses Tab || fail "xdotool could not press Tab"
user_types "end" || fail "xdotool could not type"
driver wait-text Notepad "$LINE"$'\t'"end" 10000 || fail "notepad did not get the typed line"
[[ -s $scratch/TempCap.Txt && ! -e $folder/TempCap.Txt ]] || fail "the keys are not recorded in the user's own folder"
eval "$(timeout 10 xdotool search --limit 1 --name 'Notepad' getwindowgeometry --shell)" ||
  fail "cannot find notepad's window"
timeout 30 xdotool mousemove $((X + 120)) $((Y + 90)) click 1 || fail "xdotool could not click"
user_presses ctrl+alt+shift+x || fail "xdotool could not press the stop key"
echo "recorded"

# "Capture Complete": the focus is in the hot key field; the list below it
# starts with Ctrl+A, Ctrl+B.
probe wait-window "$FORM_CLASS" 20000 || fail "Capture Complete did not open"
tries=0
until [[ $(probe caption "$FORM_CLASS" | tr -d '\r') == "Capture Complete" ]]; do
  ((++tries > 100)) && fail "the form in front is \"$(probe caption "$FORM_CLASS")\", not Capture Complete"
  sleep 0.1
done
driver front "$FORM_CLASS" || fail "Capture Complete did not come to the front"
xdotool key --delay 100 Tab Home Down Return || fail "xdotool could not type"
probe wait-gone "$FORM_CLASS" 20000 || fail "Capture Complete did not close on Ok"
tries=0
until [[ $("$TAVRIX_TOOL" dump "$folder/TAVRX.TVX" 5 2>/dev/null | sed -n 's/^Activation=//p') == 1 ]]; do
  ((++tries > 100)) && fail "macro 5 did not get Ctrl+B: $("$TAVRIX_TOOL" dump "$folder/TAVRX.TVX" 5 | head -5)"
  sleep 0.1
done
echo "captured: $("$TAVRIX_TOOL" dump "$folder/TAVRX.TVX" 5 | grep '^MacroText=')"

driver set-text Notepad "" || fail "cannot clear notepad"
driver front Notepad || fail "notepad did not come to the front"
x_focus Notepad
user_presses ctrl+b || fail "xdotool could not press the hot key"
driver wait-text Notepad "$LINE"$'\t'"end" 20000 || fail "the hot key did not type the captured line"
echo "the hot key typed the line again"

close_main_window || fail "cannot post WM_CLOSE"
code=$(wait_exit "$folder" first 20) || fail "the program did not end"
((code == 0)) || fail "the program ended with exit code $code"
