#!/usr/bin/env bash
# Wordlets, end to end: the user types an abbreviation into Wine's notepad on
# the (virtual) keyboard; the hook library of a running TAVRXP.EXE reports the
# typed characters, the program erases the abbreviation with backspaces and
# plays its macro, so notepad shows only the expansion and what followed it.
# In prefix mode (the default), the Wordlet fires at its last letter;
# wordlet_suffix_notepad.sh has suffix mode.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

if ! have_tool; then
  echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"
  exit 0
fi

folder=$(program_folder tvwordlet) || exit 1
remove_configuration
"$TAVRIX_TOOL" new "$folder/TAVRX.TVX" || fail "tavrix new failed"
"$TAVRIX_TOOL" add "$folder/TAVRX.TVX" --wordlet sig --nickname Signature --text "Best regards" >/dev/null ||
  fail "tavrix add failed"

# Prefix mode.
start_program_then_notepad

user_types "xx sig" || fail "xdotool could not type"
driver wait-text Notepad "xx Best regards" 10000 || fail "prefix mode: sig was not replaced by its macro"
user_types " ok" || fail "xdotool could not type"
driver wait-text Notepad "xx Best regards ok" 10000 || fail "prefix mode: the text after the macro is not right"
echo "prefix mode: \"xx sig ok\" became \"xx Best regards ok\""

close_main_window || fail "cannot post WM_CLOSE"
code=$(wait_exit "$folder" first 20) || fail "the program did not end"
((code == 0)) || fail "the program ended with exit code $code"
