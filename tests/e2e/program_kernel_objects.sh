#!/usr/bin/env bash
# When a named object the hook library needs is held by another program (an
# object of another kind under its name, or one of the same kind made before
# the program started, which it must not adopt), the program says so under
# "System Error" and ends, before it loads or creates any macro file.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

# Long enough for the program to start and answer; each case waits it out.
HOLD_MS=8000
held_text() { printf 'Another program holds the name "%s" that Tavrix needs.  Tavrix will terminate.' "$1"; }

# refused KIND NAME TEXT: while KIND NAME is held elsewhere, the program
# shows TEXT titled "System Error" and ends with a non-zero exit code.
refused() {
  local kind=$1 name=$2 text=$3 ready title code tries=0
  ready=$folder/hold.out
  rm -f "$ready"
  wine_timed "$E2E_STEP_SECONDS" "$PROGRAM_PROBE" hold "$kind" "$name" "$HOLD_MS" </dev/null >"$ready" 2>&1 &
  local holder=$!
  until grep -q ready "$ready" 2>/dev/null; do
    ((++tries > 200)) && fail "the $kind $name could not be held: $(cat "$ready")"
    sleep 0.1
  done
  start_program "$folder" first
  title=$(probe message-box "$text" 20000) || fail "no \"$text\" while the $kind $name is held"
  [[ ${title//$'\r'/} == "[System Error]" ]] || fail "the message's title is $title"
  code=$(wait_exit "$folder" first 20) || fail "the program did not end after its message"
  ((code != 0)) || fail "the program ended with exit code 0 after a failure"
  probe exists "$MAIN_WINDOW_CLASS" 0 2>/dev/null && fail "a main window was left behind"
  [[ ! -e $folder/TAVRX.TVX ]] || fail "a macro file was created although the program could not start"
  wait "$holder"
  echo "$kind $name held: \"$text\", exit code $code"
}

folder=$(program_folder tvobjects) || exit 1
remove_configuration
refused mutex TVBA1KGR "$(held_text TVBA1KGR)"
refused mapping TVKZaveR "$(held_text TVKZaveR)"
refused mutex TVKR1KGR "$(held_text TVKR1KGR)"
refused mapping TVBA1KGR "$(held_text TVBA1KGR)"
refused mapping TVTT1KGR "$(held_text TVTT1KGR)"
