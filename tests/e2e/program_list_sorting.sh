#!/usr/bin/env bash
# The macro list as a user works it: a right click on the "Nickname" header
# sorts the list by nickname (read back from the list itself); typing the
# start of a hot key name in the list selects its row; a macro deactivated
# from the menu no longer fires in notepad while the next one still does;
# "Output Macro Information" writes the file the tool writes; and "Print
# Macro List" prints the list, through the system's print dialog, on a
# PostScript printer installed for the case whose jobs go to a file.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

if ! have_tool; then
  echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"
  exit 0
fi

NICKNAME_COLUMN=2

list_now() {
  local text
  text=$(probe list "$MAIN_WINDOW_CLASS") || fail "cannot read the macro list"
  printf '%s\n' "${text//$'\r'/}"
}

# The nicknames of the rows, in the list's order, one a line.
nicknames() { list_now | cut -f3; }

selected_row() { probe selected "$MAIN_WINDOW_CLASS" | tr -d '\r'; }

# wait_until COMMAND...: bounded poll until the command succeeds.
wait_until() {
  local tries=0
  until "$@"; do
    ((++tries > 100)) && return 1
    sleep 0.1
  done
}

folder=$(program_folder tvsort) || exit 1
remove_configuration
file=$folder/TAVRX.TVX
"$TAVRIX_TOOL" new "$file" || fail "tavrix new failed"
add() { "$TAVRIX_TOOL" add "$file" "$@" >/dev/null || fail "tavrix add $* failed"; }
add --hotkey Ctrl+Shift+K --nickname Kilo --text 'kilo '
add --hotkey Ctrl+Shift+J --nickname Juliet --text 'juliet '
add --wordlet sig --nickname Bravo --text 'Best regards'
add --timed --nickname Alpha --inactive --text later

# Wine has no printer of its own here: one that writes its jobs to a file.
printout=$folder/list.ps
probe add-printer "Tavrix File Printer" 'C:\tvsort\list.ps' || fail "cannot install the file printer"

start_program "$folder" first
probe ping "$MAIN_WINDOW_CLASS" 20000 || fail "the program did not reach its message loop"
probe wait-window "$MAIN_WINDOW_CLASS" 20000 || fail "the main window did not appear"

# --- Sorting by a header's right click ---------------------------------------------
driver front "$MAIN_WINDOW_CLASS" || fail "the main window did not come to the front"
by_activation=$'Activate Tavrix\nStart / Stop Capture\nResume Pause\nMenu of Macros for Top Most Window\nJuliet\nKilo\nBravo\nAlpha'
[[ $(nicknames) == "$by_activation" ]] || fail "the list is not in the default order:"$'\n'"$(list_now)"
read -r x y width < <(probe column-edge "$MAIN_WINDOW_CLASS" "$NICKNAME_COLUMN" | tr -d '\r') ||
  fail "cannot find the Nickname header"
xdotool mousemove --sync $((x - width / 2)) "$y" sleep 0.2 click 3 || fail "xdotool could not click"
by_nickname=$'Activate Tavrix\nAlpha\nBravo\nJuliet\nKilo\nMenu of Macros for Top Most Window\nResume Pause\nStart / Stop Capture'
sorted() { [[ $(nicknames) == "$by_nickname" ]]; }
wait_until sorted || fail "a right click on the Nickname header did not sort by nickname:"$'\n'"$(list_now)"
echo "right click on the Nickname header: sorted by nickname"

# --- Type-ahead search ---------------------------------------------------------------
# The list has the keyboard once Home has selected its first row (the X focus
# can stay behind with notepad; then the window is brought in front again).
focus_list() {
  local try tries
  for try in 1 2 3; do
    driver front "$MAIN_WINDOW_CLASS" || fail "the main window did not come to the front"
    # A left click on the row-number header gives the window the X focus too.
    read -r x y width < <(probe column-edge "$MAIN_WINDOW_CLASS" 0 | tr -d '\r') || fail "cannot find the header"
    xdotool mousemove --sync $((x - width / 2)) "$y" sleep 0.2 click 1 || fail "xdotool could not click"
    xdotool key --delay 100 Home || fail "xdotool could not type"
    tries=0
    until [[ $(selected_row) == 1 ]]; do
      ((++tries > 30)) && break
      sleep 0.1
    done
    [[ $(selected_row) == 1 ]] && return 0
    echo "note: try $try: Home did not reach the list"
  done
  return 1
}
focus_list || fail "the list does not take the keyboard"
xdotool type --delay 100 'ctrl+shift+k' || fail "xdotool could not type"
kilo_selected() { [[ $(selected_row) == 5 ]]; }
wait_until kilo_selected || fail "typing ctrl+shift+k selected row $(selected_row), not Kilo's row 5"
echo "typing ctrl+shift+k selected Kilo's row"

# --- Deactivate, and the hot key no longer fires -------------------------------------
menu_has() {
  local text
  text=$(probe menu "$MAIN_WINDOW_CLASS") || return 1
  grep -qxF -- "$1" <<<"${text//$'\r'/}"
}
wait_until menu_has '  Deacti&vate Macro' || fail "the menu does not offer Deactivate for Kilo"
xdotool key --delay 100 alt+m v || fail "xdotool could not type"
kilo_off() { "$TAVRIX_TOOL" list "$file" | grep -qx $'5\tCtrl+Shift+K\tKilo\tGLOBAL\tno'; }
wait_until kilo_off || fail "the file does not hold Kilo deactivated"
wait_until menu_has '  Acti&vate Macro' || fail "the entry does not offer Activate after deactivating"
echo "Kilo deactivated in the file; the entry now offers Activate"

start_windows_program notepad
driver wait-window Notepad 20000 || fail "notepad did not open"
driver front Notepad || fail "notepad did not come to the front"
user_presses ctrl+shift+k || fail "xdotool could not press the hot key"
user_presses ctrl+shift+j || fail "xdotool could not press the hot key"
# Had the deactivated key fired, its text would stand before Juliet's.
driver wait-text Notepad "juliet " 10000 ||
  fail "notepad shows \"$(driver read Notepad | tr -d '\r')\" instead of Juliet's text alone"
echo "the deactivated Ctrl+Shift+K did not fire; Ctrl+Shift+J after it did"

# --- Output Macro Information --------------------------------------------------------
# Back to the activation order, which the tool writes in.
driver front "$MAIN_WINDOW_CLASS" || fail "the main window did not come to the front"
read -r x y width < <(probe column-edge "$MAIN_WINDOW_CLASS" 1 | tr -d '\r') || fail "cannot find the Activation header"
xdotool mousemove --sync $((x - width / 2)) "$y" sleep 0.2 click 3 || fail "xdotool could not click"
by_activation_again() { [[ $(nicknames) == "$by_activation" ]]; }
wait_until by_activation_again || fail "a right click on the Activation header did not sort by activation"

# An older file of that name is replaced only once the new one is whole.
"$TAVRIX_TOOL" output "$file" "$folder/expected.txt" || fail "tavrix output failed"
printf 'an older file\r\n' >"$folder/macros.txt"
focus_list || fail "the list does not take the keyboard"
xdotool key --delay 100 alt+f u || fail "xdotool could not type"
probe wait-window TavrixModalBox 20000 || fail "the Output Macro Information dialog did not open"
caption=$(probe caption TavrixModalBox | tr -d '\r')
[[ $caption == "Output Macro Information" ]] || fail "the dialog is captioned \"$caption\""
driver front TavrixModalBox || fail "the dialog did not come to the front"
xdotool key --delay 100 Return || fail "xdotool could not type"
probe wait-window '#32770' 20000 || fail "the save dialog did not open"
caption=$(probe caption '#32770' | tr -d '\r')
[[ $caption == "Write Hot Key Definitions to File" ]] || fail "the save dialog is captioned \"$caption\""
driver front '#32770' || fail "the save dialog did not come to the front"
xdotool type --delay 50 'C:\tvsort\macros.txt' || fail "xdotool could not type"
xdotool key --delay 100 Return || fail "xdotool could not type"
# The dialog asks before it replaces the file: Enter answers Yes.
replaced() { cmp -s "$folder/expected.txt" "$folder/macros.txt"; }
for try in 1 2 3 4 5; do
  tries=0
  until replaced || ((++tries > 20)); do sleep 0.1; done
  replaced && break
  xdotool key --delay 100 Return || fail "xdotool could not type"
done
replaced || { diff "$folder/expected.txt" "$folder/macros.txt" >&2; fail "the output file differs from the tool's"; }
probe wait-gone '#32770' 10000 >/dev/null || fail "the save dialog is still open"
leftovers=$(find "$folder" -name 'macros.txt?*')
[[ -z $leftovers ]] || fail "files left beside the output: $leftovers"
grep -qx $'Hot Key: Ctrl+Shift+K\r' "$folder/macros.txt" || fail "the output file lacks Kilo's hot key"
echo "Output Macro Information replaced the older file with the same file as tavrix output"

# --- Print Macro List ----------------------------------------------------------------
focus_list || fail "the list does not take the keyboard"
xdotool key --delay 100 alt+f p || fail "xdotool could not type"
probe wait-window '#32770' 20000 || fail "the print dialog did not appear"
caption=$(probe caption '#32770' | tr -d '\r')
[[ $caption == "Print" ]] || fail "the print dialog is captioned \"$caption\""
driver front '#32770' || fail "the print dialog did not come to the front"
xdotool key --delay 100 Return || fail "xdotool could not type"
printed() { [[ -f $printout ]] && grep -aq '^%%EOF' "$printout"; }
wait_until printed || fail "nothing was printed"
grep -aq '^%%Title: Tavrix' "$printout" || fail "the print job is not titled Tavrix"
grep -aqx '%%Pages: 1' "$printout" || fail "the printout has not one page: $(grep -a '%%Pages' "$printout")"
# The printed texts, from the glyphs the PostScript shows in order.
text=$(python3 -c '
import re, sys
names = {"space": " ", "colon": ":", "backslash": "\\", "period": ".", "plus": "+", "slash": "/"}
page = open(sys.argv[1], "rb").read().decode("latin-1")
print("".join(names.get(g, g if len(g) == 1 else "?") for g in re.findall(r"^/(\S+) glyphshow", page, re.M)))
' "$printout") || fail "cannot read the printout"
expected_text='Macro File: C:\tvsort\TAVRX.TVX'
expected_text+='Ctrl+Alt+Shift+WActivate TavrixSYSTEM'
expected_text+='Ctrl+Alt+Shift+XStart / Stop CaptureSYSTEM'
expected_text+='Ctrl+Alt+Shift+YResume PauseSYSTEM'
expected_text+='Ctrl+Alt+Shift+ZMenu of Macros for Top Most WindowSYSTEM'
expected_text+='Ctrl+Shift+JJulietGLOBAL'
expected_text+='Ctrl+Shift+KKiloGLOBAL'
expected_text+='sigBravoGLOBAL'
expected_text+='Timed MacroAlphaGLOBAL'
[[ ${text,,} == "${expected_text,,}" ]] || fail "the printout shows \"$text\""
echo "Print Macro List printed the list in its order on one page"

terminate_now
echo "ended with exit code 0"
