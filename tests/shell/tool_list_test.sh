#!/bin/sh
# The tavrix tool's list commands end to end: the main window's order with
# its options, Quick Info, and the output file with its refusals.
set -u
tool="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

"$tool" new M.TVX || fail "new"
"$tool" add M.TVX --hotkey Ctrl+Shift+K --nickname Kilo --text kilo >/dev/null || fail "add"
"$tool" add M.TVX --wordlet sig --nickname Bravo --scope program:NOTEPAD.EXE --text regards >/dev/null || fail "add"
"$tool" add M.TVX --timed --nickname Alpha --inactive --text later >/dev/null || fail "add"

order() { "$tool" list M.TVX --sorted "$@" | cut -f1 | tr '\n' ' '; }
[ "$(order)" = "1 2 3 4 5 6 7 " ] || fail "default order: $(order)"
[ "$(order --activation 312)" = "7 1 2 3 4 5 6 " ] || fail "timed first: $(order --activation 312)"
[ "$(order --primary 213)" = "1 7 6 5 4 3 2 " ] || fail "by nickname: $(order --primary 213)"
[ "$(order --primary 321 --scope 31245)" = "6 7 5 1 4 3 2 " ] || fail "program scope first: $(order --primary 321 --scope 31245)"
"$tool" list M.TVX --sorted --scope 1234 >/dev/null 2>err.txt && fail "a scope order of four digits is taken"
grep -q "not an order" err.txt || fail "no reason for the refused order"

"$tool" info M.TVX 6 > info.txt || fail "info rc"
printf 'Wordlet: sig\nNickname: Bravo\nScope: NOTEPAD.EXE "Program" (Top Most Only)\nActive: Yes\nMacro Text: regards\n' > expected.txt
tail -n +2 info.txt | cmp -s - expected.txt || { fail "info"; cat info.txt; }
head -1 info.txt | grep -q '^Last Modified On [0-9]*/[0-9]*/[0-9]* [0-9]*:[0-9][0-9]:[0-9][0-9] [AP]M$' ||
  fail "info: $(head -1 info.txt)"
"$tool" info M.TVX 8 2>/dev/null && fail "info of a macro that does not exist"

"$tool" output M.TVX out.txt --items hotkey,name || fail "output rc"
printf 'Hot Key: Ctrl+Alt+Shift+W\r\nName: Activate Tavrix\r\n\r\n' > first.txt
head -c "$(wc -c < first.txt)" out.txt | cmp -s - first.txt || fail "output starts otherwise"
[ "$(grep -c '^Name: ' out.txt)" = 7 ] || fail "output: not every macro"
[ "$(grep '^Name: ' out.txt | tail -1 | tr -d '\r')" = "Name: Alpha" ] || fail "output: the timed macro is not last"

echo old > kept.txt
"$tool" output M.TVX kept.txt --items colour 2>err.txt && fail "an unknown item is taken"
grep -q "Nothing has been checked for printing.  Please Correct." err.txt || fail "unknown item: $(cat err.txt)"
"$tool" output M.TVX missing/out.txt 2>err.txt && fail "output into a missing folder"
grep -q "Unable to create text file." err.txt || fail "missing folder: $(cat err.txt)"
[ "$(cat kept.txt)" = old ] || fail "a refused output changed the file"
[ -z "$(ls | grep -v '^\(M.TVX\|M.TVS\|M.MAS\|out.txt\|kept.txt\|err.txt\|info.txt\|expected.txt\|first.txt\)$')" ] ||
  fail "files left behind: $(ls)"

[ "$failures" = 0 ] && echo "all tool list checks passed"
exit "$failures"
