// metalweight: the theoretical unit weight of metal sections and stock.
#include <windows.h>

#include <commctrl.h>

#include "ui/win32/Program.h"

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
    // The common controls of the manifest's version 6, with the system's visual styles.
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    metalweight::win32::Program program;
    program.start();
    return program.window.runMessageLoop();
}
