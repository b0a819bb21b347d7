# A Wine environment for one run: its own fresh 32-bit prefix under build/,
# a virtual X display (unless told to use the caller's), a persistent
# wineserver warmed up with its services detached from our output, and a trap
# that ends all of it whatever happens. Sourced, never run.
#
#   wine_env_start PREFIX [--use-display] [--keep-prefix]
#                                           set up (PREFIX is a folder); with
#                                           --use-display on $DISPLAY when set,
#                                           with --keep-prefix an existing
#                                           prefix is kept
#   wine_timed SECONDS PROGRAM [ARGS...]   run a Windows program, bounded
#   wine_env_restart_server                 end every Windows process, fresh server
#   wine_env_stop                           end everything (also done by the trap)

# shellcheck source=common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

WINE_ENV_XVFB_PID=
WINE_ENV_ACTIVE=
WINE_ENV_SCRATCH=

wine_env_export() {
  export WINEPREFIX=$1
  export WINEARCH=win32
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
}

# Runs a Windows program with a time limit; the exit code is the program's,
# or 124 when it ran out of time.
wine_timed() {
  local seconds=$1
  shift
  timeout -k 5 "$seconds" wine "$@"
}

wine_env_start() {
  local prefix=$1 use_display= keep_prefix= option
  shift
  for option in "$@"; do
    case $option in
      --use-display) use_display=1 ;;
      --keep-prefix) keep_prefix=1 ;;
    esac
  done
  WINE_ENV_ACTIVE=1
  WINE_ENV_SCRATCH=$(mktemp -d)
  trap wine_env_stop EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
  wine_env_export "$prefix"
  if [[ -n $use_display && -n ${DISPLAY:-} ]]; then
    say "using display $DISPLAY"
  else
    wine_display_start || return 1
  fi
  if [[ -n $keep_prefix && -f $prefix/user.reg ]]; then
    say "using Wine prefix $prefix"
  else
    wine_prefix_fresh "$prefix" || return 1
  fi
  wine_server_start
}

# Xvfb on a free display number. -noreset keeps our keymap when the last
# client disconnects; the keymap fix must come before Wine connects.
wine_display_start() {
  local number_file=$WINE_ENV_SCRATCH/display t0
  t0=$(now_ms)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
    3>"$number_file" >/dev/null 2>"$WINE_ENV_SCRATCH/xvfb.log" &
  WINE_ENV_XVFB_PID=$!
  local tries=0
  while [[ ! -s $number_file ]]; do
    if ! kill -0 "$WINE_ENV_XVFB_PID" 2>/dev/null || ((++tries > 100)); then
      cat "$WINE_ENV_SCRATCH/xvfb.log" >&2
      warn "the virtual display did not start"
      return 1
    fi
    sleep 0.1
  done
  export DISPLAY=:$(tr -d '\n' <"$number_file")
  wine_keymap_fix
  say "virtual display $DISPLAY ready in $(($(now_ms) - t0)) ms"
}

# The default Xvfb keymap puts "(" and ")" on spare keycodes and "<" ">" on
# the 102nd key, which misleads Wine's keyboard layout detection (VkKeyScan
# of "(" fails, "<" maps to VK_OEM_102). Void those three keys.
wine_keymap_fix() {
  local map=$WINE_ENV_SCRATCH/keymap.xkb
  timeout 20 xkbcomp -xkb "$DISPLAY" "$map" 2>/dev/null || { warn "cannot read the keymap"; return 0; }
  awk '
    skipping { if ($0 ~ /};/) skipping = 0; next }
    /^[ \t]*key <(I187|I188|LSGT)> *\{/ {
      match($0, /<[A-Z0-9]+>/)
      printf "    key %s { [ VoidSymbol ] };\n", substr($0, RSTART, RLENGTH)
      if ($0 !~ /};/) skipping = 1
      next
    }
    { print }
  ' "$map" >"$map.fixed"
  timeout 20 xkbcomp "$map.fixed" "$DISPLAY" 2>/dev/null || warn "cannot load the fixed keymap"
}

# A new prefix for this run: copied from a template made once per Wine
# version (making one takes several times longer than copying it).
wine_prefix_fresh() {
  local prefix=$1 template=$TAVRIX_BUILD/wine-template t0
  local stamp
  stamp="$(wine --version 2>/dev/null) $(id -u)"
  t0=$(now_ms)
  if [[ ! -f $template/.tavrix-stamp || $(cat "$template/.tavrix-stamp") != "$stamp" ]]; then
    wine_prefix_create "$template" || return 1
    echo "$stamp" >"$template/.tavrix-stamp"
    say "Wine prefix template made in $(($(now_ms) - t0)) ms"
    t0=$(now_ms)
  fi
  rm -rf "$prefix"
  mkdir -p "$(dirname "$prefix")"
  cp -a "$template" "$prefix"
  wine_env_export "$prefix"
  say "fresh Wine prefix $prefix in $(($(now_ms) - t0)) ms"
}

wine_prefix_create() {
  local template=$1
  rm -rf "$template"
  mkdir -p "$(dirname "$template")"
  (
    wine_env_export "$template"
    timeout -k 5 180 wineboot -i </dev/null >/dev/null 2>&1 || exit 1
    # A crashing program exits instead of waiting on an invisible debugger
    # dialog; without a window manager, unmanaged windows avoid 2 s stalls.
    timeout -k 5 60 wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog \
      /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1 || exit 1
    timeout -k 5 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed \
      /t REG_SZ /d N /f </dev/null >/dev/null 2>&1 || exit 1
    # The registry reaches the disk when the server ends.
    timeout 30 wineserver -k >/dev/null 2>&1
    timeout 30 wineserver -w >/dev/null 2>&1
    grep -q ShowCrashDialog "$template/user.reg" || exit 1
  ) || { warn "could not create the Wine prefix $template"; rm -rf "$template"; return 1; }
}

# A persistent server and one warm-up program, all streams detached: Wine's
# background services would otherwise inherit our stdout and make every
# captured run wait.
wine_server_start() {
  local t0
  t0=$(now_ms)
  wineserver -p </dev/null >/dev/null 2>&1
  wine_timed 120 cmd /c exit </dev/null >/dev/null 2>&1 || warn "the Wine warm-up failed"
  say "Wine server warm in $(($(now_ms) - t0)) ms"
}

# Ends every Windows program of the prefix and starts a fresh server, so the
# next case begins clean.
wine_env_restart_server() {
  timeout 30 wineserver -k >/dev/null 2>&1
  timeout 30 wineserver -w >/dev/null 2>&1
  wine_server_start
}

wine_env_stop() {
  [[ -n $WINE_ENV_ACTIVE ]] || return 0
  WINE_ENV_ACTIVE=
  if [[ -n ${WINEPREFIX:-} ]]; then
    timeout 30 wineserver -k >/dev/null 2>&1
  fi
  if [[ -n $WINE_ENV_XVFB_PID ]]; then
    kill "$WINE_ENV_XVFB_PID" 2>/dev/null
    wait "$WINE_ENV_XVFB_PID" 2>/dev/null
    WINE_ENV_XVFB_PID=
  fi
  [[ -n $WINE_ENV_SCRATCH ]] && rm -rf "$WINE_ENV_SCRATCH"
  return 0
}
