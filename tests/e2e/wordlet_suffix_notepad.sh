#!/usr/bin/env bash
# Wordlets in suffix mode, end to end: typed into Wine's notepad, a Wordlet
# followed by a comma stays as typed; followed by a space it is erased with
# the space and replaced by its macro's text.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

if ! have_tool; then
  echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"
  exit 0
fi

folder=$(program_folder tvsuffix) || exit 1
remove_configuration
printf '[Wordlets]\r\nUse Suffix=Yes\r\n' >"$(configuration_file)"
"$TAVRIX_TOOL" new "$folder/TAVRX.TVX" || fail "tavrix new failed"
"$TAVRIX_TOOL" add "$folder/TAVRX.TVX" --wordlet sig --nickname Signature --text "Best regards" >/dev/null ||
  fail "tavrix add failed"

start_program_then_notepad

user_types "sig," || fail "xdotool could not type"
driver wait-text Notepad "sig," 10000 || fail "sig and a comma must stay as typed"
user_types " sig " || fail "xdotool could not type"
driver wait-text Notepad "sig, Best regards" 10000 || fail "sig and a space were not replaced by the macro"
user_types "ok" || fail "xdotool could not type"
driver wait-text Notepad "sig, Best regardsok" 10000 || fail "the text after the macro is not right"
echo "suffix mode: \"sig, sig ok\" became \"sig, Best regardsok\""

close_main_window || fail "cannot post WM_CLOSE"
code=$(wait_exit "$folder" first 20) || fail "the program did not end"
((code == 0)) || fail "the program ended with exit code $code"
