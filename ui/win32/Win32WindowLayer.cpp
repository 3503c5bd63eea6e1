#include "ui/win32/Win32WindowLayer.h"

#include <string>

#include "ui/FormDescription.h"
#include "ui/win32/Text.h"

namespace metalweight::win32 {
namespace {

// UTF-16 position of character `index` (a Unicode code point) of `text`.
int utf16Position(const std::wstring& text, int index) {
    std::size_t position = 0;
    for (int i = 0; i < index && position < text.size(); ++i) {
        const bool pair = IS_HIGH_SURROGATE(text[position]) && position + 1 < text.size();
        position += pair ? 2 : 1;
    }
    return static_cast<int>(position);
}

WindowLayerError noSuch(std::string_view what, Control control) {
    return WindowLayerError(std::string(controlName(control)) + " has no " + std::string(what));
}

}  // namespace

Win32WindowLayer::Win32WindowLayer(FormWindow& window, Ender ender)
    : window_(window), ender_(std::move(ender)) {
    if (!ender_) {
        ender_ = [] { PostQuitMessage(0); };
    }
    window_.setCommandHandler([this](Control control, UINT code) { notified(control, code); });
    window_.setPostedHandler([this](WPARAM event, LPARAM control) { runQueued(event, control); });
    window_.setAfterInputHandler([this](const MSG& message) { afterInput(message); });
    // Each field is named after its caption, as the captions stand now.
    for (const Control field : kAllControls) {
        if (const auto caption = captionOf(field)) {
            const std::wstring name = windowText(hwnd(*caption));
            names_.name(hwnd(field), name);
            if (isValueField(field)) {
                names_.name(window_.editOf(field), name);
            }
        }
    }
}

bool Win32WindowLayer::isList(Control control) const {
    return control == Control::lItem || control == Control::Comchoice || isValueField(control);
}

bool Win32WindowLayer::inputChoosesEntry() const {
    const MSG* input = window_.currentInput();
    if (input == nullptr) {
        return false;
    }
    const bool click = input->message == WM_LBUTTONDOWN || input->message == WM_LBUTTONUP;
    const bool enter = input->message == WM_KEYDOWN && input->wParam == VK_RETURN;
    return click || enter;
}

void Win32WindowLayer::notified(Control control, UINT code) {
    if (quiet_ > 0) {
        return;
    }
    if (control == Control::lItem) {
        if (code == LBN_SELCHANGE) {
            queue(UserEvent::Selection, control);
        }
    } else if (control == Control::Comchoice) {
        const bool dropped = SendMessageW(hwnd(control), CB_GETDROPPEDSTATE, 0, 0) != 0;
        const auto chosen = static_cast<int>(SendMessageW(hwnd(control), CB_GETCURSEL, 0, 0));
        if ((code == CBN_SELCHANGE && !dropped) ||
            (code == CBN_SELENDOK && (inputChoosesEntry() || chosen != reportedChoice_))) {
            queue(UserEvent::Selection, control);
        } else if (code == CBN_SELENDCANCEL && chosen != reportedChoice_) {
            // Esc in the open list: the entry the list was opened on stays chosen.
            const Quiet quiet(*this);
            SendMessageW(hwnd(control), CB_SETCURSEL, static_cast<WPARAM>(reportedChoice_), 0);
        }
    } else if (isValueField(control)) {
        if (code == CBN_EDITCHANGE) {
            deliver([control](FormEvents& e) { e.textChanged(control); });
        } else if (code == CBN_SELCHANGE || (code == CBN_SELENDOK && inputChoosesEntry())) {
            // Moving through the open list shows each entry in the field: each is a pick.
            queue(UserEvent::Pick, control);
        }
    } else if (control == Control::Tretunval) {
        if (code == EN_SETFOCUS && !window_.restoringFocus()) {
            const MSG* input = window_.currentInput();
            keepResultSelection_ = false;
            deliver([](FormEvents& e) { e.focusEntered(Control::Tretunval); });
            keepResultSelection_ = input != nullptr && input->message == WM_LBUTTONDOWN;
        }
    } else if (control == Control::Command1 || control == Control::Command2) {
        if (code == BN_CLICKED) {
            deliver([control](FormEvents& e) { e.pressed(control); });
        }
    }
}

void Win32WindowLayer::afterInput(const MSG& message) {
    if (message.hwnd == hwnd(Control::lItem)) {
        // A click on the entry already selected selects it again, though Windows tells
        // of no change. Windows tells of a change when the button goes down, Wine when
        // it comes up: a click runs the handler once either way.
        if (message.message == WM_LBUTTONDOWN) {
            clickSelected_ = false;
        } else if (message.message == WM_LBUTTONUP && !clickSelected_) {
            const auto hit = SendMessageW(message.hwnd, LB_ITEMFROMPOINT, 0, message.lParam);
            if (HIWORD(hit) == 0) {
                queue(UserEvent::Selection, Control::lItem);
            }
        }
    }
    if (keepResultSelection_ && message.hwnd == hwnd(Control::Tretunval)) {
        // The click that gave the focus would leave only a caret where it fell.
        if (message.message == WM_LBUTTONDOWN || message.message == WM_LBUTTONUP) {
            SendMessageW(message.hwnd, EM_SETSEL, LOWORD(resultSelection_),
                         HIWORD(resultSelection_));
        }
        keepResultSelection_ = message.message != WM_LBUTTONUP;
    }
}

void Win32WindowLayer::queue(UserEvent event, Control control) {
    bool& queued = queued_.at(static_cast<std::size_t>(control));
    if (!queued) {
        queued = true;
        PostMessageW(window_.window(), FormWindow::kPostedEvent, static_cast<WPARAM>(event),
                     static_cast<LPARAM>(control));
    }
}

void Win32WindowLayer::runQueued(WPARAM event, LPARAM control) {
    const auto which = static_cast<Control>(control);
    bool& queued = queued_.at(static_cast<std::size_t>(which));
    if (!queued) {
        return;
    }
    queued = false;
    if (static_cast<UserEvent>(event) == UserEvent::Pick) {
        deliver([which](FormEvents& e) { e.entryPicked(which); });
        return;
    }
    if (which == Control::Comchoice) {
        reportedChoice_ = static_cast<int>(SendMessageW(hwnd(which), CB_GETCURSEL, 0, 0));
    } else {
        clickSelected_ = true;
    }
    deliver([which](FormEvents& e) { e.selectionMade(which); });
}

void Win32WindowLayer::deliver(const std::function<void(FormEvents&)>& handler) {
    if (events_ == nullptr) {
        return;
    }
    try {
        handler(*events_);
    } catch (const WindowLayerError& error) {
        OutputDebugStringA(("window layer: " + std::string(error.what()) + "\n").c_str());
    }
}

std::string Win32WindowLayer::windowCaption() {
    return narrow(windowText(window_.window()));
}

void Win32WindowLayer::setWindowCaption(std::string_view caption) {
    SetWindowTextW(window_.window(), widen(caption).c_str());
}

void Win32WindowLayer::setCaption(Control control, std::string_view caption) {
    const ControlKind kind = describe(control).kind;
    if (kind != ControlKind::Label && kind != ControlKind::Frame &&
        kind != ControlKind::PushButton) {
        throw noSuch("caption", control);
    }
    const std::wstring text = widen(caption);
    SetWindowTextW(hwnd(control), text.c_str());
    // A caption names its field for screen readers, and the editor of a value field,
    // which holds the focus while the user types.
    for (const Control field : kAllControls) {
        if (captionOf(field) == control) {
            names_.name(hwnd(field), text);
            if (isValueField(field)) {
                names_.name(window_.editOf(field), text);
            }
        }
    }
}

void Win32WindowLayer::setVisible(Control control, bool visible) {
    HWND target = hwnd(control);
    if (!visible) {
        // A control that is hidden gives the focus on to the next one in tab order.
        HWND focus = GetFocus();
        if (focus == target || IsChild(target, focus)) {
            SendMessageW(window_.window(), WM_NEXTDLGCTL, 0, FALSE);
        }
    }
    ShowWindow(target, visible ? SW_SHOWNA : SW_HIDE);
}

void Win32WindowLayer::addItem(Control control, std::string_view text) {
    if (!isList(control)) {
        throw noSuch("list", control);
    }
    const Quiet quiet(*this);
    const std::wstring item = widen(text);
    SendMessageW(hwnd(control), control == Control::lItem ? LB_ADDSTRING : CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(item.c_str()));
}

std::string Win32WindowLayer::itemText(Control control, int position) {
    if (!isList(control)) {
        throw noSuch("list", control);
    }
    const bool listBox = control == Control::lItem;
    const auto index = static_cast<WPARAM>(position);
    const LRESULT length =
        position < 0
            ? -1
            : SendMessageW(hwnd(control), listBox ? LB_GETTEXTLEN : CB_GETLBTEXTLEN, index, 0);
    if (length < 0) {
        return {};
    }
    std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(hwnd(control), listBox ? LB_GETTEXT : CB_GETLBTEXT, index,
                 reinterpret_cast<LPARAM>(item.data()));
    item.resize(static_cast<std::size_t>(length));
    return narrow(item);
}

int Win32WindowLayer::selectedPosition(Control control) {
    if (!isList(control)) {
        throw noSuch("list", control);
    }
    const LRESULT selected =
        SendMessageW(hwnd(control), control == Control::lItem ? LB_GETCURSEL : CB_GETCURSEL, 0, 0);
    return selected < 0 ? -1 : static_cast<int>(selected);
}

void Win32WindowLayer::setSelectedPosition(Control control, int position) {
    if (!isList(control)) {
        throw noSuch("list", control);
    }
    const bool listBox = control == Control::lItem;
    const auto count =
        static_cast<int>(SendMessageW(hwnd(control), listBox ? LB_GETCOUNT : CB_GETCOUNT, 0, 0));
    if (position < -1 || position >= count) {
        throw WindowLayerError("no entry " + std::to_string(position) + " in " +
                               std::string(controlName(control)));
    }
    {
        const Quiet quiet(*this);
        SendMessageW(hwnd(control), listBox ? LB_SETCURSEL : CB_SETCURSEL,
                     static_cast<WPARAM>(position), 0);
    }
    if (control == Control::Comchoice) {
        reportedChoice_ = position;
    }
    if (events_ != nullptr && !isValueField(control)) {
        events_->selectionMade(control);
    }
}

void Win32WindowLayer::clear(Control control) {
    if (!isList(control)) {
        throw noSuch("list", control);
    }
    const Quiet quiet(*this);
    if (control == Control::lItem) {
        SendMessageW(hwnd(control), LB_RESETCONTENT, 0, 0);
        return;
    }
    SendMessageW(hwnd(control), CB_RESETCONTENT, 0, 0);
    if (isValueField(control)) {
        SetWindowTextW(hwnd(control), L"");
    } else {
        reportedChoice_ = -1;
    }
}

std::string Win32WindowLayer::text(Control control) {
    if (control != Control::Tretunval && !isValueField(control)) {
        throw noSuch("text", control);
    }
    return narrow(windowText(hwnd(control)));
}

void Win32WindowLayer::setText(Control control, std::string_view text) {
    if (control != Control::Tretunval && !isValueField(control)) {
        throw noSuch("text", control);
    }
    {
        const Quiet quiet(*this);
        if (isValueField(control)) {
            // A text set from code is no entry of the list (this also empties the field).
            SendMessageW(hwnd(control), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        }
        SetWindowTextW(hwnd(control), widen(text).c_str());
    }
    if (events_ != nullptr && isValueField(control)) {
        events_->textChanged(control);
    }
}

void Win32WindowLayer::setTextSelection(Control control, int start, int length) {
    if (control != Control::Tretunval) {
        throw noSuch("text selection", control);
    }
    const std::wstring text = windowText(hwnd(control));
    const int from = utf16Position(text, start);
    const int to = length > 0 ? utf16Position(text, start + length) : from;
    resultSelection_ = static_cast<DWORD>(MAKELONG(from, to));
    SendMessageW(hwnd(control), EM_SETSEL, static_cast<WPARAM>(from), static_cast<LPARAM>(to));
}

void Win32WindowLayer::showMessage(std::string_view text, std::string_view title) {
    // The message separates its lines with carriage returns; on screen each is a break.
    std::wstring shown;
    for (const wchar_t c : widen(text)) {
        shown += c;
        if (c == L'\r') {
            shown += L'\n';
        }
    }
    MessageBoxW(window_.window(), shown.c_str(), widen(title).c_str(), MB_OK | MB_ICONINFORMATION);
}

void Win32WindowLayer::endProgram() {
    ShowWindow(window_.window(), SW_HIDE);
    ender_();
}

}  // namespace metalweight::win32
