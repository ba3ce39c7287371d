// The yardstick for start-up and memory: a Win32 program built the same way that creates
// one empty window and paints it, and nothing else.
#include "bare_program.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return lorvane::bench::RunBareWindow(instance, showCommand, [](HWND) { return true; });
}
