// The yardstick for metalweight.exe's start-up: a bare Win32 window with the same fifteen
// standard controls, in the same places, and nothing else: no handlers, no font, no
// calculation.
#include <windows.h>

#include "ui/FormDescription.h"

namespace {

const wchar_t* className(metalweight::ControlKind kind) {
    using metalweight::ControlKind;
    switch (kind) {
        case ControlKind::PushButton:
        case ControlKind::Frame:
            return L"BUTTON";
        case ControlKind::ListBox:
            return L"LISTBOX";
        case ControlKind::ValueCombo:
        case ControlKind::DropDownList:
            return L"COMBOBOX";
        case ControlKind::TextBox:
            return L"EDIT";
        case ControlKind::Label:
            return L"STATIC";
    }
    return L"STATIC";
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = [](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_DESTROY) {
            PostQuitMessage(0);
            return 0;
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    };
    windowClass.hInstance = instance;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"MetalweightBareWindow";
    RegisterClassExW(&windowClass);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"bare",
                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 403, 287, nullptr, nullptr, instance, nullptr);
    for (const metalweight::ControlDescription& d : metalweight::kFormControls) {
        const metalweight::TwipsRect p = metalweight::placeInClientArea(d.control);
        CreateWindowExW(0, className(d.kind), L"", WS_CHILD | WS_VISIBLE, p.left / 15, p.top / 15,
                        p.width / 15, p.height / 15, window, nullptr, instance, nullptr);
    }
    ShowWindow(window, SW_SHOWNORMAL);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
