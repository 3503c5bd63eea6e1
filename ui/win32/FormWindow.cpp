#include "ui/win32/FormWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "ui/FormDescription.h"
#include "ui/win32/Text.h"

namespace metalweight::win32 {
namespace {

// A fixed single border with the close box: no sizing frame, no minimise or maximise.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr int kFirstControlId = 100;
// Entries a drop-down list shows at a time.
constexpr int kVisibleEntries = 10;

int controlId(Control control) {
    return kFirstControlId + static_cast<int>(control);
}

struct ControlClass {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

ControlClass classOf(ControlKind kind) {
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    switch (kind) {
        case ControlKind::PushButton:
            return {L"BUTTON", kChild | WS_TABSTOP | BS_PUSHBUTTON, 0};
        case ControlKind::ListBox:
            return {L"LISTBOX",
                    kChild | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                    WS_EX_CLIENTEDGE};
        case ControlKind::Frame:
            return {L"BUTTON", kChild | BS_GROUPBOX, 0};
        case ControlKind::ValueCombo:
            return {L"COMBOBOX", kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                    0};
        case ControlKind::DropDownList:
            return {L"COMBOBOX", kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
        case ControlKind::TextBox:
            return {L"EDIT", kChild | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::Label:
            return {L"STATIC", kChild | SS_LEFT | SS_NOPREFIX, 0};
    }
    return {L"STATIC", kChild, 0};
}

bool isCombo(ControlKind kind) {
    return kind == ControlKind::ValueCombo || kind == ControlKind::DropDownList;
}

// Where a control stands in the client area at `dpi`. A combo box's own height is its
// field's; its height when created or moved is that of the field and the dropped list
// together.
RECT placeAt(const ControlDescription& d, UINT dpi) {
    const TwipsRect place = placeInClientArea(d.control);
    const int left = twipsToPixels(place.left, dpi);
    const int top = twipsToPixels(place.top, dpi);
    int height = twipsToPixels(place.height, dpi);
    if (isCombo(d.kind)) {
        height *= kVisibleEntries + 1;
    }
    return {left, top, left + twipsToPixels(place.width, dpi), top + height};
}

bool isInput(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
}

ATOM registerWindowClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = FormWindow::kClassName;
    return RegisterClassExW(&windowClass);
}

}  // namespace

FormWindow::FormWindow() {
    static const ATOM windowClass = registerWindowClass();
    static_cast<void>(windowClass);
    window_ = CreateWindowExW(0, kClassName, L"Frmmetal", kWindowStyle, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&windowProcedure));
    dpi_ = GetDpiForWindow(window_);
    font_ = messageFont(dpi_);
    createControls();
    stackInTabOrder();
    sizeWindow(dpi_);
    fitComboHeights(dpi_);
    applyIcons(dpi_);
}

FormWindow::~FormWindow() {
    if (IsWindow(window_)) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    DeleteObject(font_);
    DestroyIcon(largeIcon_);
    DestroyIcon(smallIcon_);
}

void FormWindow::createControls() {
    // Every control is a child of the window itself, placed in its client area: the frame
    // is drawn around the controls it holds. Tab and the dialog keys then go through one
    // list of siblings.
    for (const ControlDescription& d : kFormControls) {
        const ControlClass kind = classOf(d.kind);
        const std::wstring text = widen(d.storedText);
        const RECT place = placeAt(d, dpi_);
        HWND hwnd = CreateWindowExW(
            kind.exStyle, kind.className, d.kind == ControlKind::TextBox ? L"" : text.c_str(),
            kind.style, place.left, place.top, place.right - place.left, place.bottom - place.top,
            window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(d.control))),
            GetModuleHandleW(nullptr), nullptr);
        controls_.at(static_cast<std::size_t>(d.control)) = hwnd;
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        if (d.kind == ControlKind::ValueCombo) {
            // The stored text of a value field is its editor's text.
            SetWindowTextW(hwnd, text.c_str());
        }
        if (d.kind == ControlKind::ValueCombo || d.kind == ControlKind::TextBox) {
            // Any text, of any length, is the field's text; none is cut short.
            SendMessageW(hwnd, d.kind == ControlKind::TextBox ? EM_SETLIMITTEXT : CB_LIMITTEXT, 0,
                         0);
        }
        if (isCombo(d.kind)) {
            SendMessageW(hwnd, CB_SETMINVISIBLE, kVisibleEntries, 0);
        }
    }
}

void FormWindow::stackInTabOrder() {
    // Tab and Shift+Tab follow the order in which the siblings are stacked: the controls
    // that take the focus on top in tab order, the labels beneath them (the result box
    // covers the lower part of its caption and takes every click there), the frame last.
    HWND above = HWND_TOP;
    const auto place = [&above](HWND hwnd) {
        SetWindowPos(hwnd, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = hwnd;
    };
    for (const Control c : tabOrder()) {
        place(control(c));
    }
    for (const ControlDescription& d : kFormControls) {
        if (d.kind == ControlKind::Label) {
            place(control(d.control));
        }
    }
    place(control(Control::Frame1));
}

HFONT FormWindow::messageFont(UINT dpi) {
    // No font is stored: every control takes the system's user-interface font, the
    // message font, at the window's DPI.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi)) {
        return nullptr;
    }
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

void FormWindow::applyFont(UINT dpi) {
    HFONT font = messageFont(dpi);
    for (HWND hwnd : controls_) {
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    DeleteObject(font_);
    font_ = font;
}

void FormWindow::sizeWindow(UINT dpi) {
    RECT frame{0, 0, twipsToPixels(kClientWidthTwips, dpi), twipsToPixels(kClientHeightTwips, dpi)};
    AdjustWindowRectExForDpi(&frame, kWindowStyle, FALSE, 0, dpi);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::layOut(UINT dpi) {
    sizeWindow(dpi);
    for (const ControlDescription& d : kFormControls) {
        const RECT place = placeAt(d, dpi);
        MoveWindow(control(d.control), place.left, place.top, place.right - place.left,
                   place.bottom - place.top, TRUE);
    }
    fitComboHeights(dpi);
}

void FormWindow::fitComboHeights(UINT dpi) {
    for (const ControlDescription& d : kFormControls) {
        if (!isCombo(d.kind)) {
            continue;
        }
        HWND hwnd = control(d.control);
        const int height = twipsToPixels(placeInClientArea(d.control).height, dpi);
        // The field is its item height and a border tall, the border the theme's: try an
        // item height, see how tall the field comes out, and correct it by the difference.
        // (Wine reads an item height back larger than it was set, so read the field.)
        const auto setItemHeight = [hwnd](int itemHeight) {
            SendMessageW(hwnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), itemHeight);
            RECT closed{};
            GetWindowRect(hwnd, &closed);
            return static_cast<int>(closed.bottom - closed.top);
        };
        const int trial = std::max(1, height * 2 / 3);
        setItemHeight(std::max(1, trial + height - setItemHeight(trial)));
    }
}

void FormWindow::applyIcons(UINT dpi) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const auto load = [instance, dpi](int widthMetric, int heightMetric) {
        return static_cast<HICON>(
            LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON, GetSystemMetricsForDpi(widthMetric, dpi),
                       GetSystemMetricsForDpi(heightMetric, dpi), LR_DEFAULTCOLOR));
    };
    HICON large = load(SM_CXICON, SM_CYICON);
    HICON small = load(SM_CXSMICON, SM_CYSMICON);
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    DestroyIcon(largeIcon_);
    DestroyIcon(smallIcon_);
    largeIcon_ = large;
    smallIcon_ = small;
}

void FormWindow::centreOnMonitor() {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT outer{};
    GetWindowRect(window_, &outer);
    const RECT& work = monitor.rcWork;
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    SetWindowPos(window_, nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND FormWindow::editOf(Control field) const {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    GetComboBoxInfo(control(field), &info);
    return info.hwndItem;
}

std::optional<Control> FormWindow::controlOf(HWND hwnd) const {
    for (const Control c : kAllControls) {
        if (control(c) == hwnd) {
            return c;
        }
    }
    return std::nullopt;
}

void FormWindow::show(Control first) {
    centreOnMonitor();
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
    SetForegroundWindow(window_);
    SetFocus(control(first));
}

void FormWindow::rememberFocus() {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(window_, focus)) {
        focusBeforeDeactivation_ = focus;
    }
}

void FormWindow::restoreFocus() {
    if (focusBeforeDeactivation_ == nullptr || !IsWindow(focusBeforeDeactivation_)) {
        return;
    }
    restoringFocus_ = true;
    SetFocus(focusBeforeDeactivation_);
    restoringFocus_ = false;
}

LRESULT CALLBACK FormWindow::windowProcedure(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->handle(message, wParam, lParam);
}

LRESULT FormWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: {
            if (lParam != 0) {
                const std::optional<Control> from = controlOf(reinterpret_cast<HWND>(lParam));
                if (from && onCommand_) {
                    onCommand_(*from, HIWORD(wParam));
                }
            } else if (LOWORD(wParam) == IDCANCEL) {
                // Esc that no open drop-down took: the window's cancel button, 关闭.
                SendMessageW(control(Control::Command1), BM_CLICK, 0, 0);
            }
            // Enter (IDOK) presses nothing: the window has no default button.
            return 0;
        }
        case kPostedEvent:
            if (onPosted_) {
                onPosted_(wParam, lParam);
            }
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                rememberFocus();
            } else {
                restoreFocus();
            }
            return 0;
        case WM_SETFOCUS:
            restoreFocus();
            return 0;
        case WM_DPICHANGED: {
            dpi_ = HIWORD(wParam);
            applyFont(dpi_);
            layOut(dpi_);
            applyIcons(dpi_);
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void FormWindow::dispatch(MSG& message) {
    const bool input = isInput(message.message);
    const MSG* outer = currentInput_;
    if (input) {
        currentInput_ = &message;
    }
    const bool altF4 = message.message == WM_SYSKEYDOWN && message.wParam == VK_F4 &&
                       (HIWORD(message.lParam) & KF_ALTDOWN) != 0;
    if (altF4 && IsWindow(window_)) {
        // Alt+F4 closes the window wherever the focus is; some combo boxes (Wine's) keep
        // every Alt key to themselves.
        SendMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else if (!IsWindow(window_) || !IsDialogMessageW(window_, &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    currentInput_ = outer;
    if (input && afterInput_) {
        afterInput_(message);
    }
}

int FormWindow::runMessageLoop() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        dispatch(message);
    }
    return static_cast<int>(message.wParam);
}

bool FormWindow::handlePendingMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        dispatch(message);
    }
    return true;
}

}  // namespace metalweight::win32
