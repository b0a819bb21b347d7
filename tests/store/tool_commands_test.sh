#!/bin/sh
# The tavrix tool's store commands end to end: new, add, list, dump, remove,
# and the refusals that must leave the file as it was.
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

# A cut-off last record: its bytes go to M.TVX.CUT and changes go on.
printf 'xyz' >> M.TVX
"$tool" add M.TVX --hotkey Ctrl+B --text x > number.txt 2>err.txt || fail "add after a cut-off record"
[ "$(cat number.txt)" = 8 ] || fail "add after a cut-off record printed $(cat number.txt)"
[ "$(cat M.TVX.CUT)" = xyz ] || fail "the cut-off bytes were not kept in M.TVX.CUT"
grep -q "^tavrix: Warning: .*ended in a cut-off macro of 3 bytes" err.txt || fail "cut-off record without a warning"
[ $(($(wc -c < M.TVX) % 5165)) = 0 ] || fail "the macro file is not whole records after the cut"

# When the cut-off bytes cannot be kept aside the file is left alone.
mkdir D.TVX.CUT
cp M.TVX D.TVX && printf 'xyz' >> D.TVX
before=$(cksum < D.TVX)
"$tool" add D.TVX --hotkey Ctrl+B --text x 2>err.txt && fail "add to a damaged file"
grep -q "is damaged" err.txt || fail "damaged file without a message"
"$tool" list D.TVX > /dev/null 2>&1 && fail "list of a damaged file exits 0"
[ "$(cksum < D.TVX)" = "$before" ] || fail "a damaged file was changed"

# A hot key that a SYSTEM macro has is refused, and resolves to that macro.
before=$(cksum < M.TVX)
"$tool" add M.TVX --hotkey Ctrl+Alt+Shift+W --text x 2>err.txt && fail "add on a SYSTEM hot key"
grep -qx 'tavrix: Error: The hot key "Ctrl+Alt+Shift+W" is used by the SYSTEM macro "Activate Tavrix".  Hot Key cannot be added.' err.txt \
  || fail "SYSTEM hot key refusal: $(cat err.txt)"
[ "$(cksum < M.TVX)" = "$before" ] || fail "a refused add changed the file"
"$tool" add M.TVX --hotkey Ctrl+Alt+Shift+Z --scope window:Notepad --text x 2>/dev/null && fail "add on the fourth SYSTEM hot key"
[ "$("$tool" resolve M.TVX 262)" = 1 ] || fail "resolve of a SYSTEM hot key"

# remove: questions on stderr, No unless --yes, SYSTEM macros refused.
before=$(cksum < M.TVX)
"$tool" remove M.TVX 5 > out.txt 2>err.txt && fail "remove answered No exits 0"
grep -qx 'tavrix: Delete: Are you sure you want to remove "Ctrl+Alt+A"? (answered No)' err.txt || fail "remove question: $(cat err.txt)"
"$tool" remove M.TVX 1 --yes 2>err.txt && fail "remove of a SYSTEM macro"
grep -qx "tavrix: Error: A SYSTEM macro cannot be removed." err.txt || fail "SYSTEM removal message: $(cat err.txt)"
"$tool" remove M.TVX 99 --yes 2>err.txt && fail "remove of no macro"
[ "$(cksum < M.TVX)" = "$before" ] || fail "a refused remove changed the file"
mkdir M.TVX.NEW  # the replacement file cannot be written
"$tool" remove M.TVX 5 --yes > out.txt 2>err.txt && fail "remove without its replacement file exits 0"
grep -qx "tavrix: Error: The macro could not be removed from the macro file." err.txt || fail "failed remove: $(cat err.txt)"
[ "$(cksum < M.TVX)" = "$before" ] || fail "a failed remove changed the file"
rmdir M.TVX.NEW
"$tool" remove M.TVX 5 --yes > out.txt 2>err.txt || fail "remove --yes: $(cat err.txt)"
[ ! -s out.txt ] || fail "remove printed on stdout"
grep -qx 'tavrix: Delete: Are you sure you want to remove "Ctrl+Alt+A"? (answered Yes)' err.txt || fail "remove --yes question"
[ "$("$tool" list M.TVX | cut -f3 | sed -n 5p)" = "" ] || fail "macro 6 did not move to 5"
[ "$(wc -c < M.TVX)" = $((7 * 5165)) ] || fail "remove left $(wc -c < M.TVX) bytes"
ls M.TVX.NEW 2>/dev/null && fail "remove left its replacement file"

# A disk that fills up in the middle of an append (a file size limit of
# 25,600 bytes: part of the fifth record fits): the add fails, the file is
# cut back to its four records, and the next add, with room, works.
"$tool" new FULL.TVX
before=$(cksum < FULL.TVX)
(ulimit -f 50; "$tool" add FULL.TVX --hotkey Ctrl+B --text x) > out.txt 2>err.txt && fail "add on a full disk exits 0"
grep -qx "tavrix: Error: Saving of keystrokes failed." err.txt || fail "full disk message: $(cat err.txt)"
[ "$(cksum < FULL.TVX)" = "$before" ] || fail "a failed append left $(wc -c < FULL.TVX) bytes"
[ "$("$tool" add FULL.TVX --hotkey Ctrl+B --text x 2>&1)" = 5 ] || fail "add after a failed append"

# A name that belongs to a key-swap file is never made a macro file.
"$tool" new K.TVS 2>err.txt && fail "new K.TVS"
[ ! -e K.TVS ] || fail "new K.TVS created a macro file"

# A key-swap file that cannot be created is reported and new fails.
mkdir ro && "$tool" new ro/R.TVX && rm ro/R.TVS && ln -s "$work/nowhere/R.TVS" ro/R.TVS
"$tool" new ro/R.TVX 2>err.txt && fail "new without its key-swap file exits 0"
grep -qx 'tavrix: Error: The key-swap file "ro/R.TVS" could not be created.  Keys are not remapped for this macro file.' err.txt \
  || fail "key-swap file failure: $(cat err.txt)"

# Anything but a regular file is refused at once, never waited on.
mkfifo PIPE.TVX
for command in "list PIPE.TVX" "new PIPE.TVX" "add PIPE.TVX --hotkey Ctrl+B --text x" "remove PIPE.TVX 1 --yes" \
               "import M.TVX PIPE.TVX" "export PIPE.TVX OUT.TVX 1"; do
  timeout 20 "$tool" $command </dev/null >/dev/null 2>&1; rc=$?
  { [ "$rc" != 0 ] && [ "$rc" != 124 ]; } || fail "$command on a pipe: rc=$rc"
done

# A SYSTEM macro is not copied; viewing commands never repair a damaged file.
"$tool" copy M.TVX 1 --hotkey Ctrl+Q 2>err.txt && fail "copy of a SYSTEM macro"
grep -q 'A SYSTEM macro cannot be copied.' err.txt || fail "copy of a SYSTEM macro: $(cat err.txt)"
cp M.TVX V.TVX && printf 'cut' >> V.TVX && before=$(cksum < V.TVX)
"$tool" sched V.TVX 1 >/dev/null 2>&1; "$tool" due V.TVX --built "2024-01-01 00:00:00" --prev "2024-01-01 00:00:00" --now "2024-01-01 00:01:00" >/dev/null 2>&1
[ "$(cksum < V.TVX)" = "$before" ] && [ ! -e V.TVX.CUT ] || fail "sched or due changed a damaged file"

[ "$failures" = 0 ] && echo "all tool checks passed"
exit "$failures"
