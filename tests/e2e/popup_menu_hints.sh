#!/usr/bin/env bash
# A popup menu in the icon style shows each macro's nickname as the hint of
# its icon button: the user opens "Choose A Macro" with the menu's hot key,
# every icon button has a hint, and resting the mouse on the second one
# shows "Second".
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

if ! have_tool; then
  echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"
  exit 0
fi

folder=$(program_folder tvhints) || exit 1
remove_configuration
file="$folder/TAVRX.TVX"
"$TAVRIX_TOOL" new "$file" || fail "tavrix new failed"
first=$("$TAVRIX_TOOL" add "$file" --hotkey Ctrl+Shift+J --nickname First --text "first") || fail "tavrix add failed"
second=$("$TAVRIX_TOOL" add "$file" --hotkey Ctrl+Shift+K --nickname Second --text "second") || fail "tavrix add failed"
"$TAVRIX_TOOL" add "$file" --popup --hotkey Ctrl+Shift+M --nickname Menu --style 2 --entries "$first,$second" \
  >/dev/null || fail "tavrix add --popup failed"

start_program_then_notepad

user_presses ctrl+shift+m || fail "xdotool could not press the hot key"
driver wait-window "$FORM_CLASS" 10000 || fail "no \"Choose A Macro\" window after the menu's hot key"
hints=$(probe hint-count "$FORM_CLASS" | tr -d '\r')
[[ $hints == 2 ]] || fail "the icon buttons have $hints hints, not 2"
point=$(probe button-point "$FORM_CLASS" 1 | tr -d '\r') || fail "no icon button of the second entry"
# The hint shows once the mouse rests: move onto the button, then a pixel on.
# shellcheck disable=SC2086
set -- $point
xdotool mousemove "$1" "$2" mousemove "$(($1 + 1))" "$2" || fail "xdotool could not move the mouse"
shown=$(probe hint-shown "$FORM_CLASS" 10000 | tr -d '\r') || fail "no hint showed over the second icon button"
[[ $shown == Second ]] || fail "the hint shows \"$shown\", not \"Second\""
echo "the icon buttons have 2 hints; resting on the second shows \"$shown\""

keys_to "$FORM_CLASS" Escape
terminate_now
