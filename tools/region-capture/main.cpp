#include <windows.h>

// Region capture: placeholder until the overlay lands; exits as cancelled.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 1; }
