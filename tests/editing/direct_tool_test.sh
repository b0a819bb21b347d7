#!/bin/bash
# The tavrix tool's "direct" command: the text box of "Modify Hot Key".
# Usage: direct_tool_test.sh PATH-TO-TAVRIX
set -u
source "$(dirname "$0")/../support/tool_test.bash"

direct() { "$tavrix" direct "$@" 2>/dev/null; }
messages() { "$tavrix" direct "$@" 2>&1 >/dev/null; }
status() { "$tavrix" direct "$@" >/dev/null 2>&1; echo $?; }

expect "caret at the end" 'ab<ENTER>' "$(direct --text ab --key Enter)"
expect "caret placed, CR and LF one each" 'a\r\n<TAB>b' "$(direct --text $'a\r\nb' --caret 3 --key Tab)"
expect "selection stays after" 'Dear <ENTER>Sir' "$(direct --text 'Dear Sir' --select 5 3 --key Enter)"
expect "steps in order" '<F12><PAGE DOWN>x<PRTSCR>' \
  "$(direct --text x --caret 0 --key F12 --key 'Page Down' --caret 17 --misc 38)"
expect "misc row 0 inserts nothing" 'x' "$(direct --text x --misc 0)"
expect "dialog text inserted, empty ignored" 'a<DELAY:01.50>b' "$(direct --text ab --caret 1 --insert '' --insert '<DELAY:01.50>')"
long=$(printf 'a%.0s' $(seq 4995))
expect "4995 refuses Enter" "$long<F1>" "$(direct --text "$long" --key Enter --key F1)"
expect "refusal message" "tavrix: Error: Text exceeds maximum length.  Text not added." \
  "$(messages --text "$long" --key Enter)"
expect "update stores tabs as tags, line breaks kept" 'a<TAB>b\r\nc' "$(direct --text $'a\tb\r\nc' --update)"
printf '%s\tx' "$long" > "${TMPDIR:-/tmp}/direct_tool_$$.txt"
expect "update cuts at 5000" "${long}<TAB>" "$(direct --text-file "${TMPDIR:-/tmp}/direct_tool_$$.txt" --update)"
expect "update size message" \
  "tavrix: Error: The size of the macro exceeds the 5,000 character limit.  The macro will be truncated to 5,000 characters." \
  "$(messages --text-file "${TMPDIR:-/tmp}/direct_tool_$$.txt" --update)"
rm -f "${TMPDIR:-/tmp}/direct_tool_$$.txt"

expect "no text" 1 "$(status --key Enter)"
expect "unknown key" 1 "$(status --text a --key Enterr)"
expect "misc row 39" 1 "$(status --text a --misc 39)"
expect "caret past the end" 1 "$(status --text a --caret 2)"
expect "selection past the end" 1 "$(status --text abc --select 2 2)"
expect "two texts" 1 "$(status --text a --text b)"
expect "missing file" 1 "$(status --text-file /nonexistent/x.txt)"
expect "nothing printed on a bad argument" "" "$(direct --text a --key Nope)"

[ "$failures" -eq 0 ] && echo "all tool direct checks passed"
exit "$failures"
