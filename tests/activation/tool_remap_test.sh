#!/bin/bash
# The tavrix tool's "remap": what closing "Keyboard Remapper" does to the
# key-swap file and the swap hook, and the --set values it refuses.
# Usage: tool_remap_test.sh PATH-TO-TAVRIX
set -u
source "$(dirname "$0")/../support/tool_test.bash"
swap_bytes() { cat "$1"; }
identity='ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 !"#$%&'"'"'()*+,-./:;<=>?@[\]^_`}~'

file="$work/macros.tvx"
"$tavrix" new "$file" || exit 1
expect "a new file gets the identity tables" "$identity" "$(swap_bytes "$work/macros.TVS")"
expect "nothing changed" "hook unchanged" "$("$tavrix" remap "$file")"
expect "a to b" "hook installed" "$("$tavrix" remap "$file" --set a=b)"
expect "saved" "${identity/abc/bbc}" "$(swap_bytes "$work/macros.TVS")"
expect "another key while one is remapped" "hook unchanged" "$("$tavrix" remap "$file" --set Z=z --set Z=Z)"
expect "a back" "hook removed" "$("$tavrix" remap "$file" --set a=a)"
expect "identity again" "$identity" "$(swap_bytes "$work/macros.TVS")"
expect "the same character is still a change" "hook unchanged" "$("$tavrix" remap "$file" --set a=a)"
expect "a space and a high character" "hook installed" "$("$tavrix" remap "$file" --set ' =_' --set $'~=\xe9')"
expect "space and tilde saved" "_" "$(head -c 63 "$work/macros.TVS" | tail -c 1)"
expect "tilde produces 233" "233" "$(tail -c 1 "$work/macros.TVS" | od -An -tu1 | tr -d ' ')"

before=$(swap_bytes "$work/macros.TVS")
for bad in '{=a' '|=a' 'a=b=' 'ab' $'a=\x1f' 'a='; do
  "$tavrix" remap "$file" --set "$bad" --set b=c >/dev/null 2>"$work/err"
  expect "refused: $bad" "1 1" "$? $(grep -c 'is not X=Y' "$work/err")"
done
expect "a refusal changes nothing" "$before" "$(swap_bytes "$work/macros.TVS")"

# A key-swap file that is not 93 bytes (torn, say) counts as the identity
# tables (no hook at the start, so the first remapped character installs
# it), and the remap replaces it with the 93 bytes; a macro file of that
# name is left as it is, and the remap says it was not saved and fails.
printf 'short' >"$work/macros.TVS"
expect "unreadable file" "hook installed" "$("$tavrix" remap "$file" --set b=c)"
expect "torn file replaced" "93" "$(wc -c <"$work/macros.TVS")"
cp "$file" "$work/macros.TVS"
"$tavrix" remap "$file" --set c=d >/dev/null 2>"$work/err"
expect "macro file kept, remap fails" "1 1" "$? $(grep -c 'holds macros, so the remapped keys were not saved' "$work/err")"
expect "macro file unchanged" "$(cksum <"$file")" "$(cksum <"$work/macros.TVS")"

[ "$failures" -eq 0 ] && echo "tool remap: all passed"
exit "$failures"
