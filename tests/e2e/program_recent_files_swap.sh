#!/usr/bin/env bash
# A macro's "<SWAP:" makes another file current in the middle of a playback;
# the recent files in the File menu follow at once, and each entry opens the
# file it shows: one that no longer exists says "File does not exist." and
# leaves the current file loaded.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

if ! have_tool; then
  echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"
  exit 0
fi

readonly ACTIVATION_MESSAGE=1026 CTRL_SHIFT_K=106 WM_COMMAND=273 RECENT_FILE_1=102 RECENT_FILE_2=103

menu_line() {  # menu_line CAPTION-LINE: the menu has exactly that line
  local text
  text=$(probe menu "$MAIN_WINDOW_CLASS") || fail "cannot read the menu"
  grep -qxF -- "$1" <<<"${text//$'\r'/}"
}

wait_main_caption() {  # wait_main_caption TEXT: the main window's caption becomes TEXT within 5 s
  local tries=0
  until [[ $(probe caption "$MAIN_WINDOW_CLASS" | tr -d '\r') == "$1" ]]; do
    ((++tries > 50)) && return 1
    sleep 0.1
  done
}

folder=$(program_folder tvswap) || exit 1
remove_configuration
"$TAVRIX_TOOL" new "$folder/MINE.TVX" || fail "tavrix new failed"
"$TAVRIX_TOOL" new "$folder/P.TVX" || fail "tavrix new failed"
"$TAVRIX_TOOL" add "$folder/MINE.TVX" --hotkey Ctrl+Shift+K --nickname Swap --text '<SWAP:C:\TVSWAP\P.TVX>' \
  >/dev/null || fail "tavrix add failed"
printf '[Misc]\r\nLast File 1=C:\\TVSWAP\\P.TVX\r\nLast File 2=C:\\TVSWAP\\OLD.TVX\r\n' >"$(configuration_file)"

start_program "$folder" first /F 'C:\tvswap\mine.tvx'
probe wait-window "$MAIN_WINDOW_CLASS" 20000 || fail "the main window did not appear"
wait_main_caption "Tavrix (MINE)" || fail "MINE.TVX was not loaded"

probe post "$MAIN_WINDOW_CLASS" "$ACTIVATION_MESSAGE" "$CTRL_SHIFT_K" 0 || fail "cannot post the activation"
wait_main_caption "Tavrix (P)" || fail "the macro did not swap to P.TVX"
menu_line '  &1   C:\TVSWAP\MINE.TVX' || fail "the file swapped away from is not recent file 1"
menu_line '  &2   C:\TVSWAP\OLD.TVX' || fail "the older recent file is not entry 2"
menu_line '  &1   C:\TVSWAP\P.TVX' && fail "the File menu still shows the recent files before the swap"
echo "the recent files follow the swap"

probe post "$MAIN_WINDOW_CLASS" "$WM_COMMAND" "$RECENT_FILE_2" 0 || fail "cannot post the command"
title=$(probe message-box "File does not exist." 5000) || fail "no \"File does not exist.\" for OLD.TVX"
[[ ${title//$'\r'/} == "[Error]" ]] || fail "the message's title is $title"
wait_main_caption "Tavrix (P)" || fail "a missing recent file changed the current file"
echo "a missing recent file says so"

probe post "$MAIN_WINDOW_CLASS" "$WM_COMMAND" "$RECENT_FILE_1" 0 || fail "cannot post the command"
wait_main_caption "Tavrix (MINE)" || fail "recent file 1 did not open MINE.TVX"
echo "recent file 1 opened the file it shows"

close_main_window || fail "cannot post WM_CLOSE"
code=$(wait_exit "$folder" first 20) || fail "the program did not end"
((code == 0)) || fail "the program ended with exit code $code"
