#!/bin/sh
# Several tavrix processes adding to one macro file at the same time: every
# add is in the file once, at the number it printed, and none is refused;
# also when the file does not exist yet when they start.
set -u
tool="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

writers=4
adds=40

# One writer: its adds, each printing "NUMBER NICKNAME" to its own file.
writer() {
  i=1
  while [ "$i" -le "$adds" ]; do
    number=$("$tool" add "$1" --hotkey Ctrl+Alt+A --nickname "w$2-$i" --text "x$2-$i" 2>>"err$2.txt") ||
      echo "exit $? on add $i" >> "err$2.txt"
    echo "$number w$2-$i" >> "numbers$2.txt"
    i=$((i + 1))
  done
}

race() {
  file=$1
  rm -f numbers*.txt err*.txt
  w=1
  while [ "$w" -le "$writers" ]; do
    writer "$file" "$w" &
    w=$((w + 1))
  done
  wait
  cat err*.txt > errors.txt
  [ ! -s errors.txt ] || { fail "$file: errors"; head -5 errors.txt; }
  total=$((writers * adds))
  [ "$(wc -c < "$file")" = $(((total + 4) * 5165)) ] || fail "$file: $(($(wc -c < "$file") / 5165)) records, $((total + 4)) expected"
  cat numbers*.txt | cut -d' ' -f1 | sort -n | uniq > distinct.txt
  [ "$(wc -l < distinct.txt)" = "$total" ] || fail "$file: $(wc -l < distinct.txt) distinct numbers of $total"
  # Every printed number names the record that add wrote.
  "$tool" list "$file" | cut -f1,3 | tr '\t' ' ' > listed.txt
  cat numbers*.txt | sort > printed.txt
  grep ' w' listed.txt | sort > written.txt
  cmp -s printed.txt written.txt || { fail "$file: printed numbers differ from the file"; diff printed.txt written.txt | head -5; }
}

"$tool" new SHARED.TVX || fail "new"
race SHARED.TVX
race FRESH.TVX  # created by whichever writer comes first

[ "$failures" = 0 ] && echo "all concurrency checks passed"
exit "$failures"
