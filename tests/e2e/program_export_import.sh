#!/usr/bin/env bash
# Export and import through their dialogs, as a user works them: "Export
# Macros" with two macros picked in its list, "&Save File", a name typed into
# the system's save dialog, "Export Complete"; then "Import Macros" on
# another file, "O&pen File", the exported file chosen in the open dialog,
# one macro picked, "&Ok". The files are read back with the tavrix tool.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

if ! have_tool; then
  echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"
  exit 0
fi

# wait_for TEST MESSAGE: polls the shell test TEST (bounded), fails with MESSAGE.
wait_for() {
  local tries=0
  until eval "$1"; do
    ((++tries > 100)) && fail "$2"
    sleep 0.1
  done
}

form_caption() { probe caption TavrixModalBox | tr -d '\r'; }

folder=$(program_folder tvtransfer) || exit 1
remove_configuration
source_file=$folder/SOURCE.TVX
"$TAVRIX_TOOL" new "$source_file" || fail "tavrix new failed"
"$TAVRIX_TOOL" add "$source_file" --hotkey Ctrl+Shift+K --nickname Greeting --text hello >/dev/null ||
  fail "tavrix add failed"
"$TAVRIX_TOOL" add "$source_file" --wordlet sig --nickname Signature --text "Best regards" >/dev/null ||
  fail "tavrix add failed"
"$TAVRIX_TOOL" add "$source_file" --hotkey Ctrl+Shift+L --nickname Left --text "stays" >/dev/null ||
  fail "tavrix add failed"

start_program "$folder" first /F 'C:\tvtransfer\source.tvx'
probe wait-window "$MAIN_WINDOW_CLASS" 20000 || fail "the main window did not appear"

# Export: the list has the focus; Space picks a row, Down moves on.
keys_to "$MAIN_WINDOW_CLASS" alt+m x
wait_for '[[ $(form_caption) == "Export Macros" ]]' "the export dialog did not open"
keys_to TavrixModalBox space Down space alt+s
probe wait-window "#32770" 20000 || fail "the save dialog did not open"
user_types 'C:\tvtransfer\OUT.TVX' || fail "xdotool could not type"
user_presses Return || fail "xdotool could not press Return"
probe message-box "Export Complete" 20000 >/dev/null || fail "no \"Export Complete\""
probe wait-gone TavrixModalBox 20000 || fail "the export dialog did not close"
exported=$("$TAVRIX_TOOL" list "$folder/OUT.TVX" | cut -f1-4) || fail "the exported file cannot be read"
grep -q 'Greeting' <<<"$exported" && grep -q 'Signature' <<<"$exported" && ! grep -q 'Left' <<<"$exported" ||
  fail "the exported file holds other macros: $exported"
echo "exported the two picked macros"

# Import into another file: a new file with its system entries only.
keys_to "$MAIN_WINDOW_CLASS" Escape
"$TAVRIX_TOOL" new "$folder/TARGET.TVX" || fail "tavrix new failed"
close_main_window || fail "cannot post WM_CLOSE"
code=$(wait_exit "$folder" first 20) || fail "the program did not end"
start_program "$folder" first /F 'C:\tvtransfer\target.tvx'
probe wait-window "$MAIN_WINDOW_CLASS" 20000 || fail "the main window did not appear again"

keys_to "$MAIN_WINDOW_CLASS" alt+m i
wait_for '[[ $(form_caption) == "Import Macros" ]]' "the import dialog did not open"
keys_to TavrixModalBox alt+p
probe wait-window "#32770" 20000 || fail "the open dialog did not open"
user_types 'C:\tvtransfer\OUT.TVX' || fail "xdotool could not type"
user_presses Return || fail "xdotool could not press Return"
# The list now shows the exported macros; the focus is back on "O&pen File",
# just after the list. Pick the second row (the Wordlet).
wait_for '[[ $(form_caption) == "Import Macros" ]]' "the import dialog is not in front again"
keys_to TavrixModalBox shift+Tab Down space alt+o
probe wait-gone TavrixModalBox 20000 || fail "the import dialog did not close"
wait_for '[[ $("$TAVRIX_TOOL" list "$folder/TARGET.TVX" | wc -l) -eq 5 ]]' \
  "the target file holds: $("$TAVRIX_TOOL" list "$folder/TARGET.TVX")"
"$TAVRIX_TOOL" list "$folder/TARGET.TVX" | tail -1 | grep -q 'Signature' ||
  fail "the imported macro is not the picked one: $("$TAVRIX_TOOL" list "$folder/TARGET.TVX" | tail -1)"
echo "imported the picked macro"

terminate_now
