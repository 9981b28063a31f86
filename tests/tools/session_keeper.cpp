// Keeps a Wine session's desktop open while its test programs come and go:
// Wine closes a desktop, and ends its explorer.exe, soon after the last
// program using it ended, and the next program then waits for a new one
// (about a second each). Windowless; it runs until the session's server is
// stopped.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    if (!GetDesktopWindow()) return 1;
    Sleep(INFINITE);
    return 0;
}
