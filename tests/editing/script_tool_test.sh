#!/bin/bash
# The tavrix tool's "script" and "compile" commands.
# Usage: script_tool_test.sh PATH-TO-TAVRIX
set -u
source "$(dirname "$0")/../support/tool_test.bash"

expect "script lines, indentation kept" $'Repeat Start: 2\n   Text: ab\n   Delay 1.50 Seconds\nRepeat End' \
  "$("$tavrix" script --text '<REPEAT:0002>ab<DELAY:01.50><ENDREP>')"
expect "empty text, no lines" "" "$("$tavrix" script --text '')"
expect "compile escapes" 'a\r\n\t\\<MM/DD/YY{YF000}>\xE9' \
  "$("$tavrix" compile --text $'a\r\n\t\\<MM/DD/YY{Y}>\xe9')"
expect "missing --text" "1" "$("$tavrix" compile > /dev/null 2>&1; echo $?)"

[ "$failures" -eq 0 ] && echo "all tool script checks passed"
exit "$failures"
