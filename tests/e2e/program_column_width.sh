#!/usr/bin/env bash
# The user drags the right edge of the macro list's "Activation" column
# wider with the mouse. The configuration file holds the new width right
# away and after the program ended, and in tray mode the list keeps that
# width when the hidden window is shown again (showing it takes the widths
# from the configuration).
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

readonly ACTIVATION_COLUMN=1 DRAG=40
readonly WM_SYSCOMMAND=0x0112 SC_MINIMIZE=0xF020
readonly ACTIVATION_MESSAGE=1026 ACTIVATE_TAVRIX_CODE=262  # Ctrl+Alt+Shift+W

# column_width: the list column's width now.
column_width() {
  local x y width
  read -r x y width < <(probe column-edge "$MAIN_WINDOW_CLASS" "$ACTIVATION_COLUMN" | tr -d '\r') || return 1
  echo "$width"
}

# saved WIDTH: the configuration file holds WIDTH for the column within 5 s.
saved() {
  local tries=0
  until tr -d '\r' <"$ini" 2>/dev/null | grep -qx "Col 1 Width=$1"; do
    ((++tries > 50)) && return 1
    sleep 0.1
  done
}

show_main_window() {
  probe post "$MAIN_WINDOW_CLASS" "$ACTIVATION_MESSAGE" "$ACTIVATE_TAVRIX_CODE" 0 || fail "cannot post the activation"
  probe wait-window "$MAIN_WINDOW_CLASS" 5000 || fail "the activation did not show the main window"
}

folder=$(program_folder tvcolumns) || exit 1
remove_configuration
ini=$(configuration_file)
printf '[Misc]\r\nUse Tray=Yes\r\n' >"$ini"

start_program "$folder" first
probe ping "$MAIN_WINDOW_CLASS" 20000 || fail "the program did not reach its message loop"
show_main_window
driver front "$MAIN_WINDOW_CLASS" || fail "the main window did not come to the front"

read -r x y before < <(probe column-edge "$MAIN_WINDOW_CLASS" "$ACTIVATION_COLUMN" | tr -d '\r') ||
  fail "cannot find the column's edge"
echo "the column is $before pixels wide; its edge is at $x,$y"

# The edge is grabbed just inside the column, as a user aims at the divider.
xdotool mousemove --sync $((x - 1)) "$y" sleep 0.2 mousedown 1 sleep 0.2 \
  mousemove --sync $((x - 1 + DRAG / 2)) "$y" sleep 0.1 mousemove --sync $((x - 1 + DRAG)) "$y" sleep 0.2 \
  mouseup 1 || fail "xdotool could not drag"

after=$before
for ((tries = 0; tries < 50 && after <= before; tries++)); do
  sleep 0.1
  after=$(column_width) || fail "cannot read the column's width"
done
((after > before)) || fail "the drag did not widen the column (still $after)"
echo "the drag made the column $after pixels wide"

saved "$after" || fail "the configuration does not hold the new width: $(grep 'Col 1 Width' "$ini")"
echo "the configuration holds the new width while the program runs"

probe post "$MAIN_WINDOW_CLASS" "$WM_SYSCOMMAND" "$SC_MINIMIZE" 0 || fail "cannot post the minimise command"
probe wait-hidden "$MAIN_WINDOW_CLASS" 5000 || fail "minimising in tray mode did not hide the window"
show_main_window
shown=$(column_width) || fail "cannot read the column's width"
((shown == after)) || fail "the column is $shown pixels wide after the window was shown again"
echo "the shown window keeps the width"

close_main_window || fail "cannot post WM_CLOSE"
code=$(wait_exit "$folder" first 20) || fail "the program did not end"
((code == 0)) || fail "the program ended with exit code $code"
saved "$after" || fail "the configuration lost the width at the end: $(grep 'Col 1 Width' "$ini")"
echo "the configuration still holds the width after the program ended"
