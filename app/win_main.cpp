#include <windows.h>

#include "app/program_main.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return ProgramMain(); }
