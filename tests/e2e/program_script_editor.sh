#!/usr/bin/env bash
# The script editor opened from the Macros menu on a hot-key macro: its
# caption and lines, a Delay added through its dialog and a text line through
# the keystroke dialog, then Ok; the macro text saved in the file is read
# back with the tavrix tool.
set -uo pipefail
source "$TAVRIX_ROOT/tests/e2e/program_support.bash"

if ! have_tool; then
  echo "skipped: the native tavrix tool is not built ($TAVRIX_TOOL)"
  exit 0
fi


# The focus starts on the nickname; going back over the (disabled while
# nothing is selected) line buttons, the script, the three add buttons
# reaches the command list.
to_commands() { keys_to "$FORM_CLASS" shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab; }

folder=$(program_folder tvscript) || exit 1
remove_configuration
file=$folder/MINE.TVX
"$TAVRIX_TOOL" new "$file" || fail "tavrix new failed"
"$TAVRIX_TOOL" add "$file" --hotkey Ctrl+Shift+K --nickname Greeting --text hello >/dev/null || fail "tavrix add failed"

start_program "$folder" first /F 'C:\tvscript\mine.tvx'
probe wait-window "$MAIN_WINDOW_CLASS" 20000 || fail "the main window did not appear"

keys_to "$MAIN_WINDOW_CLASS" End alt+m s
probe wait-window "$FORM_CLASS" 20000 || fail "the script editor did not open"
wait_caption "Macro Scripting Editor  (GLOBAL)"
echo "editor open"

# "Delay" is entry 13 of the sorted commands, "Text" entry 45 (the fifth
# from the end); "&Add" leaves the focus on its button, just after the list.
to_commands
keys_to "$FORM_CLASS" Home Down Down Down Down Down Down Down Down Down Down Down Down Down alt+a
wait_caption "Set Delay"
keys_to "$FORM_CLASS" 1 Return
wait_caption "Macro Scripting Editor  (GLOBAL)"
keys_to "$FORM_CLASS" shift+Tab End Up Up Up Up alt+a
wait_caption "Enter Keystrokes"
# Enter types a line break in the text box: "&Update" takes the text.
keys_to "$FORM_CLASS" space w o r l d alt+u
wait_caption "Macro Scripting Editor  (GLOBAL)"
keys_to "$FORM_CLASS" Return
probe wait-gone "$FORM_CLASS" 20000 || fail "the script editor did not close on Ok"

tries=0
until "$TAVRIX_TOOL" dump "$file" 5 | grep -qxF 'MacroText=hello<DELAY:01.00> world'; do
  ((++tries > 50)) && fail "the saved macro text is: $("$TAVRIX_TOOL" dump "$file" 5 | grep '^MacroText=')"
  sleep 0.1
done
echo "saved: hello<DELAY:01.00> world"

# "Terminate and Unload" from the tray while the editor is open again: the
# editor closes without saving and the program ends.
keys_to "$MAIN_WINDOW_CLASS" End alt+m s
probe wait-window "$FORM_CLASS" 20000 || fail "the script editor did not open again"
wait_caption "Macro Scripting Editor  (GLOBAL)"
terminate_now
"$TAVRIX_TOOL" dump "$file" 5 | grep -qxF 'MacroText=hello<DELAY:01.00> world' || fail "terminating changed the macro"
echo "Terminate with the editor open ended the program with exit code 0"
