# Sourced by the tavrix tool's test scripts (bash), whose first argument is
# the tool: `tavrix` is that tool, `work` a scratch folder removed on exit,
# `expect` compares and counts a failure, `status` prints a command's exit
# code. Each script ends with `exit "$failures"`.
tavrix="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0

expect() {  # expect NAME EXPECTED ACTUAL
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1"
    echo "  expected: $(printf '%q' "$2")"
    echo "  actual:   $(printf '%q' "$3")"
    failures=$((failures + 1))
  fi
}
status() { "$@" > /dev/null 2>&1; echo $?; }
