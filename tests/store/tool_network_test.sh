#!/bin/sh
# Network mode and the transfer commands of the tavrix tool, run as users
# would run them: the lock file, the file-in-use check between copies, stale
# locks, export, import, copy and rename with their messages and exit codes,
# and several processes changing one file through the lock at once.
set -u
tool="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
lockof() { "$tool" lock "$1" | tr '\n' ' '; }
inuse='tavrix: Error: Macro File in use by another user.  Please try again later.'
changed='tavrix: Notice: Macro File has changed by another user.  Changed macro file will be reloaded after clicking "ok".'

"$tool" new A.TVX || fail "new"
"$tool" add A.TVX --hotkey Ctrl+Alt+A --nickname a --text hi > /dev/null || fail "add"
[ ! -e A.MAS ] || fail "a command without --network made the lock file"

# lock: a missing lock file is created free; an existing one is left alone.
[ "$(lockof A.TVX)" = "ChangeCount=1 LockState=2 LockTime=0 " ] || fail "lock of a missing file: $(lockof A.TVX)"
printf '\007\000\000\000\001\000\000\000\000\000\000\000\370\077' > B.MAS
[ "$(lockof B.TVX)" = "ChangeCount=7 LockState=1 LockTime=1.5 " ] || fail "lock of an existing file: $(lockof B.TVX)"
[ ! -e B.TVX ] || fail "lock made the macro file"

# A change takes and releases the lock: ChangeCount + 1, LockTime kept.
out=$("$tool" add A.TVX --hotkey Ctrl+Alt+B --text x --network --now "2024-03-15 12:00:00" 2>err.txt); rc=$?
[ "$rc" = 0 ] && [ "$out" = 6 ] && [ ! -s err.txt ] || fail "network add: rc=$rc out=$out $(cat err.txt)"
[ "$(lockof A.TVX)" = "ChangeCount=2 LockState=2 LockTime=45366.5 " ] || fail "after add: $(lockof A.TVX)"

# Another copy holds the lock (LockTime 1.5): in use, exit 2, nothing printed.
printf '\002\000\000\000\001\000\000\000\000\000\000\000\370\077' > A.MAS
before=$(cksum < A.TVX)
for command in "add A.TVX --hotkey Ctrl+Q --text x" "copy A.TVX 5 --timed" "rename A.TVX 5 --timed" "import A.TVX A.TVX"; do
  out=$($tool $command --network 2>err.txt); rc=$?
  [ "$rc" = 2 ] && [ -z "$out" ] || fail "$command while locked: rc=$rc out=$out"
  [ "$(cat err.txt)" = "$inuse" ] || fail "$command while locked: $(cat err.txt)"
done
[ "$(cksum < A.TVX)" = "$before" ] || fail "a refused command changed the file"
# Seen 59 seconds ago: still in use; 60 seconds (or a day) ago: taken over, counting a change
# (the gone holder may have made one) besides the add's.
"$tool" add A.TVX --hotkey Ctrl+Q --text x --network --seen "1.5@2024-03-15 11:59:01" --now "2024-03-15 12:00:00" \
  > /dev/null 2>&1; [ $? = 2 ] || fail "a lock seen 59 seconds ago was taken over"
out=$("$tool" add A.TVX --hotkey Ctrl+Q --text x --network --seen "1.5@2024-03-14 11:59:59" --now "2024-03-15 12:00:00" 2>err.txt)
[ "$out" = 7 ] && [ ! -s err.txt ] || fail "stale lock not taken over: $out $(cat err.txt)"
[ "$(lockof A.TVX)" = "ChangeCount=4 LockState=2 LockTime=45366.5 " ] || fail "after take-over: $(lockof A.TVX)"
# A taken-over lock whose count moved on: the Notice, the lock left free, count kept.
printf '\011\000\000\000\001\000\000\000\000\000\000\000\370\077' > A.MAS
out=$("$tool" add A.TVX --hotkey Ctrl+Q --text x --network --known 3 --seen "1.5@2024-03-15 11:00:00" 2>err.txt); rc=$?
[ "$rc" = 2 ] && [ -z "$out" ] && [ "$(cat err.txt)" = "$changed" ] || fail "take-over with a change: rc=$rc $(cat err.txt)"
[ "$(lockof A.TVX)" = "ChangeCount=9 LockState=2 LockTime=1.5 " ] || fail "after take-over with a change: $(lockof A.TVX)"
# Free, but changed since this copy's known count.
out=$("$tool" copy A.TVX 5 --timed --network --known 8 2>err.txt); rc=$?
[ "$rc" = 2 ] && [ "$(cat err.txt)" = "$changed" ] || fail "changed file: rc=$rc $(cat err.txt)"
# A refusal after the lock was taken gives it back unchanged.
"$tool" copy A.TVX 5 --hotkey Ctrl+Alt+B --network > /dev/null 2>err.txt; rc=$?
[ "$rc" = 1 ] || fail "copy onto a GLOBAL key: rc=$rc"
grep -qx 'tavrix: Error: A "GLOBAL" or "POPUP MENU" hot key already exists for this selection. The "COPY" did not take place.' err.txt \
  || fail "GLOBAL copy message: $(cat err.txt)"
"$tool" copy A.TVX 5 --hotkey Win+R --no --network > /dev/null 2>err.txt; rc=$?
[ "$rc" = 1 ] && grep -q "Would you still like to use Win+R? (answered No)$" err.txt || fail "reserved key, No: rc=$rc"
[ "$(lockof A.TVX | cut -d' ' -f1,2)" = "ChangeCount=9 LockState=2" ] || fail "refusals moved the count: $(lockof A.TVX)"

# copy and rename.
[ "$("$tool" copy A.TVX 5 --wordlet 'Hi!abcdefghij' --network)" = 8 ] || fail "copy to a Wordlet"
"$tool" dump A.TVX 8 | grep -qx "WordletText=Hi!abcdefg" || fail "Wordlet not cut to 10"
"$tool" copy A.TVX 5 --wordlet ' sig' 2>err.txt && fail "a Wordlet with a blank was accepted"
grep -q "The Wordlet name has invalid characters in it." err.txt || fail "invalid Wordlet message"
"$tool" copy A.TVX 99 --timed 2>err.txt; [ $? = 1 ] && grep -qx "tavrix: Error: No hot key selected.  Please select one." err.txt \
  || fail "copy of no macro"
out=$("$tool" rename A.TVX 5 --timed); [ $? = 0 ] && [ -z "$out" ] || fail "rename to timed"
"$tool" dump A.TVX 5 | grep -qx "SchedKind=3" || fail "renamed macro without the default schedule"
"$tool" rename A.TVX 1 --hotkey Ctrl+Alt+B 2>err.txt; [ $? = 1 ] || fail "SYSTEM rename onto a used key"
grep -qx 'tavrix: Error: The hot key "Ctrl+Alt+B" is already in use by a macro.  If you wish to use this hot key combination, you will first need to either remove or move the macro which is assigned to it.' err.txt \
  || fail "SYSTEM rename message: $(cat err.txt)"
"$tool" rename A.TVX 1 --timed 2>/dev/null; [ $? = 1 ] || fail "SYSTEM rename to timed accepted"
"$tool" rename A.TVX 1 --hotkey Ctrl+Alt+F12 || fail "SYSTEM rename"
"$tool" list A.TVX | head -1 | grep -q "Ctrl+Alt+F12" || fail "SYSTEM rename not saved"

# export and import.
before=$(cksum < A.TVX)
"$tool" export A.TVX OUT.TVX 2>err.txt; [ $? = 1 ] && [ ! -e OUT.TVX ] || fail "export of nothing"
grep -qx "tavrix: Error: No Hot Key Macros have been selected for exporting." err.txt || fail "export of nothing: $(cat err.txt)"
"$tool" export A.TVX OUT.TVX 1 2>/dev/null; [ $? = 1 ] && [ ! -e OUT.TVX ] || fail "export of a SYSTEM macro"
"$tool" export A.TVX no/such/OUT.TVX 5 2>err.txt; [ $? = 1 ] && grep -qx "tavrix: Error: Unable to create export file." err.txt \
  || fail "export to a missing folder"
"$tool" export A.TVX OUT.TVX 8 6 2>err.txt || fail "export"
grep -qx "tavrix: ok: Export Complete" err.txt || fail "export message"
{ dd if=A.TVX bs=5165 skip=5 count=1; dd if=A.TVX bs=5165 skip=7 count=1; } 2>/dev/null > expected.bin
cmp -s OUT.TVX expected.bin || fail "export is not the records byte for byte in file order"
[ "$(cksum < A.TVX)" = "$before" ] || fail "export changed the macro file"
"$tool" new C.TVX
out=$("$tool" import C.TVX OUT.TVX --network 2>err.txt); rc=$?
[ "$rc" = 0 ] && [ "$out" = "$(printf '5\n6')" ] && [ ! -s err.txt ] || fail "import: rc=$rc out=$out $(cat err.txt)"
[ "$(lockof C.TVX | cut -d' ' -f1)" = "ChangeCount=2" ] || fail "import did not release with a change"
out=$("$tool" import C.TVX A.TVX --select 6,7 2>err.txt); rc=$?
[ "$rc" = 1 ] && [ -z "$out" ] || fail "import of a clashing GLOBAL answered No: rc=$rc $out"
out=$("$tool" import C.TVX A.TVX --select 6,7 --yes 2>err.txt); rc=$?
[ "$rc" = 0 ] && [ "$out" = 7 ] || fail "import --yes: rc=$rc out=$out"
grep -qx "tavrix: Warning: A Global Hot Key for Ctrl+Alt+B already exists.  This macro will not be imported." err.txt \
  || fail "import warning: $(cat err.txt)"
"$tool" import C.TVX A.TVX --select 1 2>/dev/null; [ $? = 1 ] || fail "import of a SYSTEM macro"
head -c 100 OUT.TVX > CUT.TVX
"$tool" import C.TVX CUT.TVX 2>err.txt; [ $? = 1 ] && grep -qx "tavrix: Error: Unable to open import file." err.txt \
  || fail "import of a cut file"

# Several processes changing one file through the lock: none is lost, each
# exits 0 or 2, and ChangeCount rises by exactly the number of changes.
"$tool" new R.TVX
"$tool" lock R.TVX > /dev/null
writers=4
adds=15
writer() {
  i=1
  while [ "$i" -le "$adds" ]; do
    number=$("$tool" add R.TVX --hotkey Ctrl+Alt+A --nickname "w$1-$i" --text x --network 2>/dev/null); rc=$?
    case $rc in
      0) echo "$number w$1-$i" >> "numbers$1.txt"; i=$((i + 1)) ;;
      2) [ -z "$number" ] || echo "printed $number on exit 2" >> "bad$1.txt" ;;
      *) echo "exit $rc" >> "bad$1.txt"; i=$((i + 1)) ;;
    esac
  done
}
w=1
while [ "$w" -le "$writers" ]; do writer "$w" & w=$((w + 1)); done
wait
cat bad*.txt > bad.txt 2>/dev/null
[ ! -s bad.txt ] || { fail "contention: $(sort bad.txt | uniq -c | head -3)"; }
total=$((writers * adds))
[ "$(($(wc -c < R.TVX) / 5165))" = $((total + 4)) ] || fail "contention: $(($(wc -c < R.TVX) / 5165)) records"
[ "$(lockof R.TVX | cut -d' ' -f1,2)" = "ChangeCount=$((total + 1)) LockState=2" ] || fail "contention: $(lockof R.TVX)"
"$tool" list R.TVX | cut -f1,3 | tr '\t' ' ' | grep ' w' | sort > written.txt
cat numbers*.txt | sort > printed.txt
cmp -s printed.txt written.txt || fail "contention: printed numbers differ from the file"

[ "$failures" = 0 ] && echo "all network and transfer checks passed"
exit "$failures"
