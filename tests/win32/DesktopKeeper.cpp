// Keeps Wine's desktop open for a whole test run: one hidden window, never shown, and a
// message loop until the Wine server ends it.
//
// Wine closes its desktop a second after the last program with a window ends. The next
// test that opens a window then starts the desktop process again as its own child, and
// that child holds the test's output open for some twenty seconds after the test ends:
// ctest waits for it. With this program running, the desktop stays, started once with
// no test's output.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*arguments*/, int /*show*/) {
    const HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                        instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return 0;
}
