#!/usr/bin/env bash
# A popup menu placed in the system tray, end to end: when the program starts
# the menu's icon is in the tray (Wine's own tray window, as no desktop offers
# one here); the user's right click on it opens "Choose A Macro" at the bottom
# of the screen with its left edge where the click was; the digit of the
# second entry plays that macro into notepad, which was in front before.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

if ! have_tool; then
  echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"
  exit 0
fi

folder=$(program_folder tvpoptray) || exit 1
remove_configuration
file="$folder/TAVRX.TVX"
"$TAVRIX_TOOL" new "$file" || fail "tavrix new failed"
first=$("$TAVRIX_TOOL" add "$file" --hotkey Ctrl+Shift+J --nickname First --text "first macro") || fail "tavrix add failed"
second=$("$TAVRIX_TOOL" add "$file" --hotkey Ctrl+Shift+K --nickname Second --text "second macro, from the tray") ||
  fail "tavrix add failed"
menu=$("$TAVRIX_TOOL" add "$file" --popup --tray --hotkey Ctrl+Shift+M --nickname Picks --entries "$first,$second") ||
  fail "tavrix add --popup --tray failed"
[[ $("$TAVRIX_TOOL" tray "$file") == "$menu"$'\tmenu\tPicks' ]] || fail "tavrix tray: $("$TAVRIX_TOOL" tray "$file")"

start_program_then_notepad

# Outside tray mode the program shows no icon of its own: the one icon is the
# menu's.
icons=$(probe tray-icons 20000 | tr -d '\r') || fail "no icon in the system tray after the start"
(($(wc -l <<<"$icons") == 1)) || fail "the tray shows other icons than the menu's: $icons"
echo "the menu's tray icon is shown"

right_click_tray_icon "$icons"
wait_caption "Choose A Macro"
click_x=${icons%% *}
eval "$(window_geometry '^Choose A Macro$')"
((X == click_x && Y + HEIGHT == 768)) ||
  fail "\"Choose A Macro\" is at $X,$Y (${WIDTH}x$HEIGHT), not on the screen's bottom at x = $click_x"
echo "\"Choose A Macro\" opened at the click's x on the screen's bottom"

# (choose_entry also moves the X keyboard focus, which may stay with the tray
# window that was clicked.)
choose_entry 1
driver wait-text Notepad "second macro, from the tray" 10000 ||
  fail "the chosen macro's text did not arrive in notepad: \"$(driver read Notepad)\""
echo "the digit 1 played \"second macro, from the tray\" into notepad"

terminate_now
