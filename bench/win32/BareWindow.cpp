// The yardstick for metalweight.exe's start-up: a bare Win32 window with the same fifteen
// standard controls, in the same places, with their stored captions in the system's
// message font (drawing Chinese text is part of any such window's start), and nothing
// else: no handlers, no lists filled, no calculation, no names for screen readers.
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
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
    for (const metalweight::ControlDescription& d : metalweight::kFormControls) {
        const metalweight::TwipsRect p = metalweight::placeInClientArea(d.control);
        wchar_t caption[32] = {};
        MultiByteToWideChar(CP_UTF8, 0, d.storedText.data(), static_cast<int>(d.storedText.size()),
                            caption, 31);
        HWND control = CreateWindowExW(0, className(d.kind), caption, WS_CHILD | WS_VISIBLE,
                                       p.left / 15, p.top / 15, p.width / 15, p.height / 15, window,
                                       nullptr, instance, nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    ShowWindow(window, SW_SHOWNORMAL);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
