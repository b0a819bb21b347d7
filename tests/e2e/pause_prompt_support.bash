# The pause box and the repeat prompt in front of notepad, as a user meets
# them: a text of more than 20 characters typed right before each box must
# be in notepad when the box shows, and the text after it must arrive once
# the box is answered by keyboard or by mouse. Sourced by
# pause_prompt_keys.sh (tray mode off) and pause_prompt_keys_tray.sh (on).

# shellcheck source=program_support.bash
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

readonly BOX_CLASS=TavrixModalBox
readonly BEFORE_PAUSE='one two three four five six'
readonly BEFORE_PROMPT='pack my box with five dozen'

# run_pause_prompt_cases TRAY: TRAY is Yes or No.
run_pause_prompt_cases() {
  local tray=$1
  have_tool || { echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"; exit 0; }
  folder=$(program_folder tvboxes) || exit 1
  remove_configuration
  printf '[Misc]\r\nUse Tray=%s\r\n' "$tray" >"$(configuration_file)"
  "$TAVRIX_TOOL" new "$folder/TAVRX.TVX" || fail "tavrix new failed"
  "$TAVRIX_TOOL" add "$folder/TAVRX.TVX" --hotkey Ctrl+Shift+P --nickname Paused \
    --text "$BEFORE_PAUSE<PAUSE> after" >/dev/null || fail "tavrix add failed"
  "$TAVRIX_TOOL" add "$folder/TAVRX.TVX" --hotkey Ctrl+Shift+R --nickname Prompted \
    --text "$BEFORE_PROMPT<PROMPTREP>x<ENDREP> done" >/dev/null || fail "tavrix add failed"
  start_program "$folder" first
  probe ping "$MAIN_WINDOW_CLASS" 20000 || fail "the program did not reach its message loop"
  start_windows_program notepad
  driver wait-window Notepad 20000 || fail "notepad did not open"

  local answer
  for answer in enter alt-r mouse; do
    pause_case "$answer"
  done
  for answer in enter mouse; do
    prompt_case "$answer"
  done

  close_main_window || fail "cannot post WM_CLOSE"
  code=$(wait_exit "$folder" first 20) || fail "the program did not end"
  ((code == 0)) || fail "the program ended with exit code $code"
}

# A fresh, empty notepad in front.
notepad_ready() {
  driver set-text Notepad "" || fail "cannot empty notepad"
  driver front Notepad || fail "notepad did not come to the front"
}

# The box is in front: notepad must already show everything typed before it.
box_shows_after() {
  local before=$1 what=$2
  driver wait-window "$BOX_CLASS" 10000 || fail "$what: no box after \"$(driver read Notepad)\""
  local text
  text=$(driver read Notepad) || fail "cannot read notepad"
  text=${text%$'\r'}
  [[ $text == "$before" ]] || fail "$what: notepad shows \"$text\" while the box is open, not \"$before\""
}

click_button() {
  local where
  where=$(driver center "$BOX_CLASS" "$1") || fail "no button $1"
  # shellcheck disable=SC2086
  timeout 10 xdotool mousemove ${where%$'\r'} click 1 || fail "xdotool could not click"
}

pause_case() {
  local answer=$1
  notepad_ready
  user_presses ctrl+shift+p || fail "xdotool could not press the hot key"
  box_shows_after "$BEFORE_PAUSE" "pause ($answer)"
  case $answer in
    enter) user_presses Return ;;
    alt-r) user_presses alt+r ;;
    mouse) click_button "&Resume" ;;
  esac
  driver wait-text Notepad "$BEFORE_PAUSE after" 10000 ||
    fail "pause resumed by $answer: notepad shows \"$(driver read Notepad)\""
  echo "pause resumed by $answer: \"$BEFORE_PAUSE after\""
}

prompt_case() {
  local answer=$1
  notepad_ready
  user_presses ctrl+shift+r || fail "xdotool could not press the hot key"
  box_shows_after "$BEFORE_PROMPT" "repeat prompt ($answer)"
  # The label shows whole, whatever the font.
  driver label-whole "$BOX_CLASS" "Times To Repeat" || fail "the label \"Times To Repeat\" is cut"
  user_types 2 || fail "xdotool could not type"
  case $answer in
    enter) user_presses Return ;;
    mouse) click_button "&Ok" ;;
  esac
  driver wait-text Notepad "${BEFORE_PROMPT}xx done" 10000 ||
    fail "prompt answered by $answer: notepad shows \"$(driver read Notepad)\""
  echo "prompt answered by $answer: \"${BEFORE_PROMPT}xx done\""
}
