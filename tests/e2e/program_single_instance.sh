#!/usr/bin/env bash
# A second start while Tavrix runs shows "Tavrix is already running." with
# an empty title and ends, leaving the first instance and its macro file
# alone; in tray mode the message points to the tray icon, and the first
# instance starts without showing its window.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

running_text='Tavrix is already running.'
tray_text='Tavrix is already running.  Right Click on the Tavrix Icon in the system tray in the bottom right corner to active.'

# second_start FOLDER TEXT: a second instance shows TEXT and ends by itself
# once its box is answered, while the first keeps running.
second_start() {
  local folder=$1 text=$2 title code before after
  before=$(stat -c '%s %y' "$folder/TAVRX.TVX")
  start_program "$folder" second
  title=$(probe message-box "$text" 20000) || fail "the second instance showed no \"$text\""
  title=${title//$'\r'/}
  [[ $title == "[]" ]] || fail "the message's title is $title, not empty"
  code=$(wait_exit "$folder" second 20) || fail "the second instance did not end"
  ((code == 0)) || fail "the second instance ended with exit code $code"
  still_running "$folder" first || fail "the first instance ended too"
  probe exists "$MAIN_WINDOW_CLASS" 1000 || fail "the first instance's window is gone"
  after=$(stat -c '%s %y' "$folder/TAVRX.TVX")
  [[ $before == "$after" ]] || fail "the second instance changed the macro file"
  echo "second instance refused with \"$text\""
}

stop_first() {
  local folder=$1 code
  close_main_window || fail "cannot post WM_CLOSE"
  code=$(wait_exit "$folder" first 20) || fail "the first instance did not end"
  ((code == 0)) || fail "the first instance ended with exit code $code"
}

folder=$(program_folder tvsingle) || exit 1
remove_configuration

start_program "$folder" first
probe wait-window "$MAIN_WINDOW_CLASS" 20000 || fail "the main window did not appear"
second_start "$folder" "$running_text"
stop_first "$folder"

# Tray mode from the settings the first run saved.
ini=$(configuration_file)
grep -q '^Use Tray=No' "$ini" || fail "the saved settings have no \"Use Tray=No\""
sed -i 's/^Use Tray=No/Use Tray=Yes/' "$ini"
start_program "$folder" first
probe ping "$MAIN_WINDOW_CLASS" 20000 || fail "the program did not reach its message loop in tray mode"
probe wait-hidden "$MAIN_WINDOW_CLASS" 0 || fail "the main window shows at start in tray mode"
second_start "$folder" "$tray_text"
stop_first "$folder"
