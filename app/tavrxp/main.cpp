// TAVRXP.EXE: the resident macro program.
#include "app/tavrxp/program_start.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  return tavrix::RunTavrix(instance, showCommand);
}
