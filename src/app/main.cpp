#include <windows.h>

#include "app/lifecycle.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return runProgramEntry(); }
