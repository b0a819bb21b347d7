#!/bin/sh
# Runs shell_config_check.exe under Wine in a prefix of its own.
#   run_config_check.sh BUILD_FOLDER_OF_THE_WINDOWS_BUILD [PREFIX_FOLDER]
# Needs no display. Every Wine call is bounded; the Wine server is shut down
# at the end whatever happens.
set -u
build=$(cd "${1:?usage: run_config_check.sh WINDOWS_BUILD_FOLDER [PREFIX]}" && pwd) || exit 2
check="$build/tests/shell/win32/shell_config_check.exe"
prefix=${2:-$build/wine-config-check}
mkdir -p "$prefix" && export WINEPREFIX=$(cd "$prefix" && pwd)
export WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

[ -f "$check" ] || { echo "missing $check" >&2; exit 2; }
trap 'timeout 20 wineserver -k >/dev/null 2>&1' EXIT

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  timeout 120 wineboot -i </dev/null >/dev/null 2>&1
  timeout 30 wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
    </dev/null >/dev/null 2>&1
fi
timeout 20 wineserver -p </dev/null >/dev/null 2>&1
timeout 30 wine cmd /c exit </dev/null >/dev/null 2>&1

timeout 60 wine "$check" </dev/null
