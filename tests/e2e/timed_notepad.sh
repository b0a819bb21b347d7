#!/usr/bin/env bash
# A timed macro plays by itself: a daily macro set for the next minute types
# into Wine's notepad, in front, with nobody pressing anything. The program
# checks its schedules every second here ("Timer Seconds" 1), and the wait is
# bounded by the time to the scheduled minute.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

if ! have_tool; then
  echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"
  exit 0
fi

folder=$(program_folder tvtimed) || exit 1
remove_configuration
printf '[Scheduler]\r\nTimer Seconds=1\r\n' >"$(configuration_file)"
"$TAVRIX_TOOL" new "$folder/TAVRX.TVX" || fail "tavrix new failed"

# The next minute, or the one after when this one is nearly over (the program
# must have started before the scheduled moment, or it is not played).
minutes=1
(($(date +%-S) >= 40)) && minutes=2
at=$(date -d "+$minutes min" +%I:%M%p)
"$TAVRIX_TOOL" add "$folder/TAVRX.TVX" --timed --sched daily --at "$at" --nickname Clock --text "on time" >/dev/null ||
  fail "tavrix add failed"
echo "scheduled daily at $at"

start_program "$folder" first
probe ping "$MAIN_WINDOW_CLASS" 20000 || fail "the program did not reach its message loop"
start_windows_program notepad
driver wait-window Notepad 20000 || fail "notepad did not open"
driver front Notepad || fail "notepad did not come to the front"

# One wait of the driver is bounded by the step limit: wait in steps until
# the scheduled minute has passed by 20 seconds.
deadline=$((SECONDS + minutes * 60 + 20))
until driver wait-text Notepad "on time" 20000 2>/dev/null; do
  ((SECONDS < deadline)) || fail "the timed macro did not play into notepad"
done
echo "the timed macro played at $(date +%H:%M:%S)"

close_main_window || fail "cannot post WM_CLOSE"
code=$(wait_exit "$folder" first 20) || fail "the program did not end"
((code == 0)) || fail "the program ended with exit code $code"
