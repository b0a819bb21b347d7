#!/usr/bin/env bash
# A macro that ends with a one-shot modifier ("<SHIFT>", "<ALT>") leaves no
# key held: the user's own keys typed afterwards arrive as typed.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

if ! have_tool; then
  echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"
  exit 0
fi

start_with_notepad tvoneshot Ctrl+Shift+J Shifted 'abc<SHIFT>' Ctrl+Shift+U Alted 'def<ALT>'

expected=
for run in "ctrl+shift+j abc" "ctrl+shift+u def"; do
  read -r key text <<<"$run"
  user_presses "$key" || fail "xdotool could not press $key"
  expected+=$text
  driver wait-text Notepad "$expected" 10000 || fail "the macro on $key did not type \"$text\""
  user_types qz || fail "xdotool could not type"
  expected+=qz
  driver wait-text Notepad "$expected" 5000 ||
    fail "after the macro on $key the user's \"qz\" gave \"$(driver read Notepad)\", not \"$expected\""
  echo "after the macro on $key the user's keys arrived as typed"
done

close_main_window || fail "cannot post WM_CLOSE"
code=$(wait_exit "$folder" first 20) || fail "the program did not end"
((code == 0)) || fail "the program ended with exit code $code"
