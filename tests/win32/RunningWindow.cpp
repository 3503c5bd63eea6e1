#include "tests/win32/RunningWindow.h"

#include "ui/win32/Text.h"

namespace metalweight::win32 {
namespace {

using Clock = std::chrono::steady_clock;

void send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT keyInput(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

// Whether two icons show the same picture, pixel for pixel.
bool sameImage(HICON a, HICON b) {
    const auto pixels = [](HICON icon) {
        ICONINFO info{};
        GetIconInfo(icon, &info);
        BITMAP bitmap{};
        GetObjectW(info.hbmColor, sizeof(bitmap), &bitmap);
        std::vector<char> bits(static_cast<std::size_t>(bitmap.bmWidthBytes) *
                               static_cast<std::size_t>(bitmap.bmHeight));
        GetBitmapBits(info.hbmColor, static_cast<LONG>(bits.size()), bits.data());
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        return bits;
    };
    return a == b || pixels(a) == pixels(b);
}

}  // namespace

RunningWindow::RunningWindow() : program([this] { ended = true; }) {
    form.setHandlerTrace([this](std::string_view handler) { trace.emplace_back(handler); });
    program.start();
    waitFor([this] { return GetForegroundWindow() == program.window.window(); });
    settle();
}

bool RunningWindow::waitFor(const std::function<bool()>& done) {
    const auto deadline = Clock::now() + kPatience;
    while (!done()) {
        if (Clock::now() > deadline) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        program.window.handlePendingMessages();
    }
    return true;
}

void RunningWindow::settle() {
    // Input sent with SendInput is in the thread's queue when SendInput returns, and the
    // user events the layer posts follow it there: handle messages until the queue has
    // stayed empty across a short pause. It ends on the queue, not on a clock, so a busy
    // machine only makes it take longer.
    const auto deadline = Clock::now() + kPatience;
    int quiet = 0;
    while (quiet < 2 && Clock::now() < deadline) {
        if (!program.window.handlePendingMessages()) {
            return;  // the program's loop has ended, its quit message left in the queue
        }
        if (HIWORD(GetQueueStatus(QS_ALLINPUT)) == 0) {
            ++quiet;
            Sleep(20);
        } else {
            quiet = 0;
        }
    }
}

void RunningWindow::key(WORD virtualKey, std::vector<WORD> modifiers) {
    std::vector<INPUT> inputs;
    for (const WORD modifier : modifiers) {
        inputs.push_back(keyInput(modifier, false));
    }
    inputs.push_back(keyInput(virtualKey, false));
    inputs.push_back(keyInput(virtualKey, true));
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) {
        inputs.push_back(keyInput(*it, true));
    }
    send(inputs);
    settle();
}

void RunningWindow::typeText(const std::wstring& text) {
    // What the editor with the focus will hold: the typed text in place of its selection.
    HWND editor = GetFocus();
    std::wstring expected = windowText(editor);
    DWORD from = 0;
    DWORD to = 0;
    SendMessageW(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    expected.replace(from, to - from, text);
    for (const wchar_t c : text) {
        INPUT down{};
        down.type = INPUT_KEYBOARD;
        down.ki.wScan = c;
        down.ki.dwFlags = KEYEVENTF_UNICODE;
        INPUT up = down;
        up.ki.dwFlags |= KEYEVENTF_KEYUP;
        send({down, up});
        settle();
    }
    waitFor([&] { return windowText(editor) == expected; });
    settle();
}

void RunningWindow::click(HWND target, POINT point) {
    ClientToScreen(target, &point);
    SetCursorPos(point.x, point.y);
    INPUT down{};
    down.type = INPUT_MOUSE;
    down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    INPUT up = down;
    up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    send({down, up});
    settle();
}

void RunningWindow::clickCentre(HWND target, RECT rect) {
    click(target, {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

void RunningWindow::focus(HWND target) {
    SetFocus(target);
    settle();
}

std::string RunningWindow::text(Control control) {
    return narrow(windowText(hwnd(control)));
}

HWND RunningWindow::droppedList(Control combo) const {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    GetComboBoxInfo(hwnd(combo), &info);
    return info.hwndList;
}

void RunningWindow::clickCategory(int row) {
    // The list shows ten entries at a time: bring the entry into view, as the wheel does.
    HWND list = hwnd(Control::lItem);
    RECT client{};
    GetClientRect(list, &client);
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    if (item.top < 0 || item.bottom > client.bottom) {
        SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
    }
    SendMessageW(hwnd(Control::lItem), LB_GETITEMRECT, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
    clickCentre(hwnd(Control::lItem), item);
}

void RunningWindow::pickFromList(Control combo, int row) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    GetComboBoxInfo(hwnd(combo), &info);
    // A drop-down list opens on a click anywhere in it; a value field's on its button.
    clickCentre(hwnd(combo), info.rcButton);
    waitFor([&] { return IsWindowVisible(info.hwndList) != FALSE; });
    // The list shows ten entries at a time: bring the entry into view, as the wheel does.
    SendMessageW(info.hwndList, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
    RECT item{};
    SendMessageW(info.hwndList, LB_GETITEMRECT, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
    clickCentre(info.hwndList, item);
    waitFor([&] { return IsWindowVisible(info.hwndList) == FALSE; });
    settle();
}

MessageBoxWatcher::MessageBoxWatcher(HWND owner) : owner_(owner) {
    thread_ = CreateThread(nullptr, 0, &MessageBoxWatcher::watch, this, 0, nullptr);
}

MessageBoxWatcher::~MessageBoxWatcher() {
    stop_ = true;
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
}

DWORD WINAPI MessageBoxWatcher::watch(void* self) {
    auto* watcher = static_cast<MessageBoxWatcher*>(self);
    while (!watcher->stop_ && !watcher->seen_) {
        HWND box = nullptr;
        while ((box = FindWindowExW(nullptr, box, L"#32770", nullptr)) != nullptr) {
            if (GetWindow(box, GW_OWNER) == watcher->owner_ && IsWindowVisible(box)) {
                break;
            }
        }
        if (box == nullptr) {
            Sleep(10);
            continue;
        }
        MessageBoxSeen& seen = watcher->box_;
        seen.title = windowText(box);
        // The message text is the static control 0xFFFF, the icon the static control 20.
        seen.text = windowText(GetDlgItem(box, 0xFFFF));
        // The icon is the box's one static control that shows one: Windows' is control
        // 20, Wine's 1088.
        HICON shown = nullptr;
        for (const int id : {20, 1088}) {
            if (HWND icon = GetDlgItem(box, id); icon != nullptr && shown == nullptr) {
                shown = reinterpret_cast<HICON>(SendMessageW(icon, STM_GETICON, 0, 0));
            }
        }
        seen.informationIcon =
            shown != nullptr && sameImage(shown, LoadIconW(nullptr, IDI_INFORMATION));
        std::vector<int> buttons;
        EnumChildWindows(
            box,
            [](HWND child, LPARAM found) {
                wchar_t className[16] = {};
                GetClassNameW(child, className, 16);
                if (IsWindowVisible(child) && lstrcmpiW(className, L"Button") == 0) {
                    reinterpret_cast<std::vector<int>*>(found)->push_back(GetDlgCtrlID(child));
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&buttons));
        seen.onlyOk = buttons == std::vector<int>{IDOK};
        seen.ownerDisabled = IsWindowEnabled(watcher->owner_) == FALSE;
        watcher->seen_ = true;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    return 0;
}

}  // namespace metalweight::win32
