#!/usr/bin/env bash
# The pause box and the repeat prompt with the main window (tray mode off):
# the text typed right before each box is whole when it shows, and the text
# after it arrives once the box is answered by keyboard or mouse.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/pause_prompt_support.bash"
run_pause_prompt_cases No
