#!/usr/bin/env bash
# Key remapping, end to end: the user maps "a" to "b" in "Keyboard Remapper"
# (the main window's Remap, a double click on what "a" produces, the next
# character in "Select Character"), and typing "abcA" into Wine's notepad
# gives "bbcA" (the shifted "A" is another character and stays), Caps Lock
# is honoured; after the mapping is undone the same way, "abcA" comes out as
# typed.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

if ! have_tool; then
  echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"
  exit 0
fi

LOWER_CASE_GRID=1  # the remapper's second grid: "Lower Case"

# The byte "a" produces in the key-swap file.
produced_by_a() { head -c 27 "$folder/TAVRX.TVS" | tail -c 1; }

# double_click_cell ROW COLUMN: a double click on that cell of "Lower Case".
double_click_cell() {
  local point
  point=$(probe grid-cell-point "$FORM_CLASS" "$LOWER_CASE_GRID" "$1" "$2" | tr -d '\r') ||
    fail "no cell $1,$2 in \"Lower Case\""
  # shellcheck disable=SC2086
  xdotool mousemove $point click --repeat 2 --delay 80 1 || fail "xdotool could not click"
}

# remap_a KEY NOW EXPECTED: opens "Keyboard Remapper", double-clicks the
# first column of the row of "c" (which opens nothing) and then the second
# column of the row of "a"; "Select Character" must open on "a"'s character
# NOW (a double click on the "c" heading would have opened it on "c"), move
# its selection by KEY and choose it with Enter, then closes the remapper
# with Enter (Ok); waits for the key-swap file to hold EXPECTED for "a".
remap_a() {
  local key=$1 now=$2 expected=$3 tries=0 selected want
  local try
  for try in 1 2 3; do
    driver front "$MAIN_WINDOW_CLASS" || fail "the main window did not come to the front"
    x_focus '^Tavrix \(TAVRX\)$'
    xdotool key --delay 100 alt+r || fail "xdotool could not type"
    probe wait-window "$FORM_CLASS" 5000 && break
    ((try == 3)) && fail "Remap did not open the remapper"
    xdotool key --delay 50 Escape Escape >/dev/null 2>&1
  done
  wait_caption "Keyboard Remapper"
  double_click_cell 2 0
  double_click_cell 0 1
  wait_caption "Select Character"
  selected=$(probe grid-selected "$FORM_CLASS" 0 | tr -d '\r')
  want="$(( ($(printf '%d' "'$now") - 32) / 28 )) $(( ($(printf '%d' "'$now") - 32) % 28 ))"
  [[ $selected == "$want" ]] || fail "\"Select Character\" opened on cell \"$selected\", not on \"$now\" ($want)"
  xdotool key --delay 100 "$key" Return || fail "xdotool could not type"
  wait_caption "Keyboard Remapper"
  xdotool key Return || fail "xdotool could not type"
  probe wait-gone "$FORM_CLASS" 20000 || fail "the remapper did not close on Ok"
  until [[ $(produced_by_a) == "$expected" ]]; do
    ((++tries > 100)) && fail "the key-swap file has \"$(produced_by_a)\" for a, not \"$expected\""
    sleep 0.1
  done
}

notepad_in_front() {
  driver front Notepad || fail "notepad did not come to the front"
  x_focus ' - Notepad$'
}

folder=$(program_folder tvremap) || exit 1
remove_configuration
"$TAVRIX_TOOL" new "$folder/TAVRX.TVX" || fail "tavrix new failed"
start_program_then_notepad

remap_a Right a b
echo "a remapped to b"
notepad_in_front
user_types "abcA" || fail "xdotool could not type"
driver wait-text Notepad "bbcA" 10000 || fail "with a mapped to b, \"abcA\" gave \"$(driver read Notepad)\""
echo "\"abcA\" typed as \"bbcA\""

# With Caps Lock on the a key types "A", which is not remapped, and Shift
# with it types "a", which is.
caps_on=0
toggle_caps() { timeout 30 xdotool key Caps_Lock && caps_on=$((1 - caps_on)); }
trap '((caps_on)) && timeout 30 xdotool key Caps_Lock' EXIT
toggle_caps || fail "xdotool could not press Caps Lock"
user_types "a" || fail "xdotool could not type"
user_presses shift+a || fail "xdotool could not type"
driver wait-text Notepad "bbcAAb" 10000 || fail "with Caps Lock on, the a key without and with Shift gave \"$(driver read Notepad)\""
toggle_caps || fail "xdotool could not press Caps Lock"
echo "with Caps Lock on, the a key typed \"A\" and with Shift \"b\""

remap_a Left b a
echo "mapping undone"
notepad_in_front
user_types "abcA" || fail "xdotool could not type"
driver wait-text Notepad "bbcAAbabcA" 10000 || fail "after the undo, \"abcA\" gave \"$(driver read Notepad)\""
echo "\"abcA\" typed as \"abcA\" again"

terminate_now
