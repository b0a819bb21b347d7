#!/bin/bash
# The tavrix tool's schedule options of "add", its "sched" and "due"
# commands, and "wordlet". Usage: tool_scheduler_test.sh PATH-TO-TAVRIX
set -u
source "$(dirname "$0")/../support/tool_test.bash"

file="$work/macros.tvx"
"$tavrix" new "$file" || exit 1
daily=$("$tavrix" add "$file" --timed --sched daily --at 9:05AM --days Mon,Fri --text a)
every=$("$tavrix" add "$file" --timed --sched other --interval 15 --text b)
bad=$("$tavrix" add "$file" --timed --sched monthly --day 32 --at 10:00AM --text c)
off=$("$tavrix" add "$file" --timed --sched hourly --past-hour 0 --inactive --text d)
once=$("$tavrix" add "$file" --timed --sched once --at 11:30PM --day 29 --month 2 --year 2028 --text e)

expect "daily" "Daily at 9:05AM,Mon,Fri" "$("$tavrix" sched "$file" "$daily")"
expect "other" "every 15 minutes" "$("$tavrix" sched "$file" "$every")"
expect "once" "Once at 11:30PM on 29 February 2028" "$("$tavrix" sched "$file" "$once")"
expect "day 32 kept as given" "Monthly at 10:00AM on day 32 of each month" "$("$tavrix" sched "$file" "$bad")"
expect "no such macro" "1" "$("$tavrix" sched "$file" 99 > /dev/null 2>&1; echo $?)"
expect "schedule without --timed" "1" "$("$tavrix" add "$file" --wordlet sig --sched daily --text x > /dev/null 2>&1; echo $?)"
expect "unknown kind" "1" "$("$tavrix" add "$file" --timed --sched yearly --text x > /dev/null 2>&1; echo $?)"
expect "unknown day" "1" "$("$tavrix" add "$file" --timed --days Mon,Xyz --text x > /dev/null 2>&1; echo $?)"

# 2026-12-07 is a Monday.
expect "Monday 9:05 and 15 minutes" "$daily"$'\n'"$every" \
  "$("$tavrix" due "$file" --built "2026-12-07 08:50:00" --prev "2026-12-07 09:04:59" --now "2026-12-07 09:05:00")"
expect "Tuesday: only the interval" "$every" \
  "$("$tavrix" due "$file" --built "2026-12-08 08:50:00" --prev "2026-12-08 09:04:59" --now "2026-12-08 09:05:00")"
expect "inactive hourly and day 32 never" "" \
  "$("$tavrix" due "$file" --built "2026-12-07 10:59:00" --prev "2026-12-07 10:59:59" --now "2026-12-07 11:00:01")"
expect "once on its day" "$once" \
  "$("$tavrix" due "$file" --built "2028-02-29 23:00:00" --prev "2028-02-29 23:29:59" --now "2028-02-29 23:30:00")"
expect "bad moment" "1" "$("$tavrix" due "$file" --built "2026-13-01 00:00:00" --prev "2026-12-07 10:00:00" --now "2026-12-07 10:00:00" > /dev/null 2>&1; echo $?)"

words="$work/words.tvx"
"$tavrix" new "$words" || exit 1
global=$("$tavrix" add "$words" --wordlet sig --text G)
program=$("$tavrix" add "$words" --wordlet sig --scope program:NOTEPAD --text P)
case=$("$tavrix" add "$words" --wordlet Ab --text A)
notepad=(--window "Untitled - Notepad=NOTEPAD.EXE")

expect "prefix mode, no prefix keys" "play $global backspaces 3" "$("$tavrix" wordlet "$words" --type "xsig")"
expect "prefix keys" "play $global backspaces 5" "$("$tavrix" wordlet "$words" --prefix ";;" --type ";;sig sig")"
expect "program scope in front" "play $program backspaces 3" "$("$tavrix" wordlet "$words" "${notepad[@]}" --type "sig")"
expect "suffix: space plays, comma does not" "play $global backspaces 4" "$("$tavrix" wordlet "$words" --suffix --type "sig sig,")"
expect "solitary" "" "$("$tavrix" wordlet "$words" --solitary --type "xsig")"
expect "backspace mends" "play $global backspaces 3" "$("$tavrix" wordlet "$words" --type 'sx\big')"
expect "case sensitive" "" "$("$tavrix" wordlet "$words" --type "ab")"
expect "case insensitive" "play $case backspaces 2" "$("$tavrix" wordlet "$words" --case-insensitive --type "ab")"
expect "bad prefix keys" "1" "$("$tavrix" wordlet "$words" --prefix "'" --type "x" > /dev/null 2>&1; echo $?)"

[ "$failures" -eq 0 ] && echo "all passed"
exit "$failures"
