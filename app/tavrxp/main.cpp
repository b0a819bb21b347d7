// TAVRXP.EXE: the resident macro program.
#include "shell/win32/program_start.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  return tavrix::RunTavrix(instance, showCommand);
}
