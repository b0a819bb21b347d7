#!/bin/sh
# The tavrix tool's store commands end to end: new, add, list, dump, and the
# refusals that must leave the file as it was.
set -u
tool="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
tab=$(printf '\t')

out=$("$tool" new M.TVX 2>err.txt); rc=$?
[ "$rc" = 0 ] && [ -z "$out" ] && [ ! -s err.txt ] || fail "new: rc=$rc out=$out"
[ "$(wc -c < M.TVX)" = 20660 ] || fail "new: four records expected"
[ "$(wc -c < M.TVS)" = 93 ] || fail "new: key-swap file expected"

[ "$("$tool" add M.TVX --hotkey Ctrl+Alt+A --nickname Greeting --text 'Hi<ENTER>')" = 5 ] || fail "add hot key"
[ "$("$tool" add M.TVX --wordlet 'sig1' --scope 'window:Untitled - Notepad Plus' --if-running --text x)" = 6 ] || fail "add wordlet"
[ "$("$tool" add M.TVX --timed --scope program:NOTEPAD.EXE --inactive --text t)" = 7 ] || fail "add timed"

"$tool" list M.TVX > list.txt || fail "list rc"
cat > expected.txt <<END
1${tab}Ctrl+Alt+Shift+W${tab}Activate Tavrix${tab}SYSTEM${tab}yes
2${tab}Ctrl+Alt+Shift+X${tab}Start / Stop Capture${tab}SYSTEM${tab}yes
3${tab}Ctrl+Alt+Shift+Y${tab}Resume Pause${tab}SYSTEM${tab}yes
4${tab}Ctrl+Alt+Shift+Z${tab}Menu of Macros for Top Most Window${tab}SYSTEM${tab}yes
5${tab}Ctrl+Alt+A${tab}Greeting${tab}GLOBAL${tab}yes
6${tab}sig1${tab}${tab}Window: Untitled - Notepad P${tab}yes
7${tab}Timed Macro${tab}${tab}Program: NOTEPAD.EXE${tab}no
END
cmp -s list.txt expected.txt || { fail "list output"; diff expected.txt list.txt; }

"$tool" dump M.TVX 6 > dump.txt || fail "dump rc"
for line in "WordletText=sig1" "Activation=20000" "Scope=2" "TopMostOnly=0" "IconName=MAIN" "MacroText=x" \
            "ScopeName=Untitled - Notepad Plus"; do
  grep -qx "$line" dump.txt || fail "dump: $line missing"
done
"$tool" dump M.TVX 7 | grep -qx "SchedKind=3" || fail "dump: timed macro without the default schedule"

before=$(cksum < M.TVX)
"$tool" add M.TVX --wordlet 'two words' --text x 2>/dev/null && fail "bad Wordlet accepted"
"$tool" add M.TVX --hotkey Ctrl+Nothing --text x 2>/dev/null && fail "unknown hot key accepted"
head -c 5001 /dev/zero | tr '\0' y > long.txt
"$tool" add M.TVX --hotkey Ctrl+B --text-file long.txt 2>/dev/null && fail "5001 characters accepted"
"$tool" dump M.TVX 8 2>/dev/null && fail "dump of a missing macro"
[ "$(cksum < M.TVX)" = "$before" ] || fail "a refused command changed the file"

printf 'xyz' >> M.TVX
before=$(cksum < M.TVX)
"$tool" add M.TVX --hotkey Ctrl+B --text x 2>err.txt && fail "add to a damaged file"
grep -q "is damaged" err.txt || fail "damaged file without a message"
"$tool" list M.TVX > /dev/null 2>&1 && fail "list of a damaged file exits 0"
[ "$(cksum < M.TVX)" = "$before" ] || fail "a damaged file was changed"

[ "$failures" = 0 ] && echo "all tool checks passed"
exit "$failures"
