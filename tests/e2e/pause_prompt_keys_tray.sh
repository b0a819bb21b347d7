#!/usr/bin/env bash
# The pause box and the repeat prompt in tray mode: the focus goes back to
# notepad after each box, also when it is answered from the keyboard (Alt+R
# leaves no Alt release to open notepad's menu).
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/pause_prompt_support.bash"
run_pause_prompt_cases Yes
