#!/usr/bin/env bash
# The installer as a user runs it, in a Wine prefix of its own: a silent
# install to the default folder; the Start-menu shortcut starts the program;
# the installed program carries its icon, its version and its manifest; F1
# opens its help page; an
# upgrade over the running program closes it and keeps the user's macro
# files byte for byte; a silent uninstall removes the program, its help and
# its shortcut and keeps the macro files.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

bash "$TAVRIX_ROOT/scripts/package" || fail "scripts/package failed"
setup=$TAVRIX_ROOT/dist/Tavrix-Setup.exe
version=$(sed -nE 's/^project\(Tavrix VERSION ([0-9.]+).*/\1/p' "$TAVRIX_ROOT/CMakeLists.txt")

# The installer writes the user's registry and Start menu: a fresh prefix,
# without Wine's menu builder (it would copy the shortcut into Linux menus).
timeout 30 wineserver -k
wine_prefix_fresh "$TAVRIX_BUILD/wine-install/prefix" || fail "no fresh Wine prefix"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
trap 'timeout 30 wineserver -k' EXIT
wine_server_start

user=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -1)
folder=$user/AppData/Local/Programs/Tavrix
shortcut="$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Tavrix.lnk"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavrix'

wine_timed 120 "$setup" /S </dev/null || fail "the silent install failed"
for file in TAVRXP.EXE TVXHOOK.DLL Uninstall.exe README.txt Help/index.html Help/modify-hot-key.html; do
  [[ -f $folder/$file ]] || fail "no $file in $folder"
done
[[ -f $shortcut ]] || fail "no Start-menu shortcut $shortcut"
registered=$(wine_timed 30 reg query "$key" </dev/null | tr -d '\r')
for value in "DisplayName +REG_SZ +Tavrix$" "DisplayVersion +REG_SZ +${version//./\\.}$" \
  "Publisher +REG_SZ +." "DisplayIcon +REG_SZ +.*TAVRXP.EXE" "QuietUninstallString +REG_SZ +.*Uninstall.exe\" /S$" \
  "EstimatedSize +REG_DWORD +0x[1-9a-f]"; do
  grep -qE "$value" <<<"$registered" || fail "the uninstall key lacks $value:"$'\n'"$registered"
done
echo "installed to the default folder with its shortcut and uninstall key"

resources=$(i686-w64-mingw32-windres -i "$folder/TAVRXP.EXE" -O rc 2>&1) || fail "cannot read the resources: $resources"
grep -qE '^1 14 ' <<<"$resources" || fail "TAVRXP.EXE has no icon group"
grep -qF "VALUE \"FileVersion\", \"$version\"" <<<"$resources" || fail "TAVRXP.EXE does not carry version $version"
grep -qE '^1 24' <<<"$resources" || fail "TAVRXP.EXE has no manifest"
grep -qF 'Microsoft.Windows.Common-Controls' <<<"$resources" || fail "the manifest asks for no common controls 6"
echo "TAVRXP.EXE carries its icon, version $version and manifest"

wine_timed "$E2E_PROGRAM_SECONDS" start /unix "$shortcut" </dev/null >/dev/null 2>&1 &
probe wait-window "$MAIN_WINDOW_CLASS" 20000 || fail "the shortcut did not start the program"
[[ -f $folder/TAVRX.TVX ]] || fail "the program made no TAVRX.TVX in its folder"
echo "the Start-menu shortcut started the program"

# Without a TAVRIX.HLP, F1 opens the help's contents page with whatever opens
# web pages on the user's system: Notepad here, which shows the file's name.
wine_timed 30 reg add 'HKCR\.html' /ve /d tavrix.test.page /f </dev/null >/dev/null
wine_timed 30 reg add 'HKCR\tavrix.test.page\shell\open\command' /ve /d 'notepad.exe "%1"' /f </dev/null >/dev/null
keys_to "$MAIN_WINDOW_CLASS" F1
probe wait-window Notepad 20000 || fail "F1 opened no help page"
# Notepad's window shows before its title names the file.
for ((tries = 0; tries < 100; ++tries)); do
  opened=$(probe caption Notepad)
  [[ $opened == index.html* ]] && break
  sleep 0.1
done
[[ $opened == index.html* ]] || fail "F1 opened \"$opened\", not the contents page"
echo "F1 opened the help's contents page"

# The user's files beside the program, and a program file to be replaced.
cp "$folder/TAVRX.TVX" "$folder/WORK.TVX"
head -c 700 /dev/urandom >"$folder/NOTES.MAS"
echo "not the shipped read-me" >"$folder/README.txt"
user_files=(TAVRX.TVX TAVRX.TVS WORK.TVX NOTES.MAS)
sums=$(cd "$folder" && sha256sum "${user_files[@]}") || fail "the user's files are not all there"

wine_timed 120 "$setup" /S </dev/null || fail "the upgrade install failed"
probe wait-gone "$MAIN_WINDOW_CLASS" 10000 || fail "the upgrade left the program running"
(cd "$folder" && sha256sum --quiet -c <<<"$sums") || fail "the upgrade changed the user's files"
cmp -s <(tr -d '\r' <"$folder/README.txt") "$TAVRIX_ROOT/installer/README.txt" || fail "the upgrade kept the old read-me"
echo "the upgrade closed the running program and kept the macro files byte for byte"

wine_timed 60 "$folder/Uninstall.exe" /S </dev/null || fail "the silent uninstall failed"
# The uninstaller runs on from a copy of itself and removes the original last.
for ((tries = 0; tries < 300; ++tries)); do
  [[ -f $folder/Uninstall.exe ]] || break
  sleep 0.1
done
for file in Uninstall.exe TAVRXP.EXE TVXHOOK.DLL README.txt Help; do
  [[ ! -e $folder/$file ]] || fail "the uninstall left $file"
done
[[ ! -e $shortcut ]] || fail "the uninstall left the Start-menu shortcut"
wine_timed 30 reg query "$key" </dev/null >/dev/null 2>&1 && fail "the uninstall left the uninstall key"
(cd "$folder" && sha256sum --quiet -c <<<"$sums") || fail "the uninstall did not keep the user's files"
echo "the uninstall removed the program and kept the macro files"
