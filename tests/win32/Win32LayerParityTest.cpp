// The same user actions through the Win32 window and through the in-memory window run
// the same handlers, in the same order, and leave the same texts.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/forms/UserActions.h"
#include "tests/win32/RunningWindow.h"
#include "ui/win32/Text.h"

namespace metalweight::win32 {
namespace {

void putOnClipboard(HWND owner, const std::wstring& text) {
    OpenClipboard(owner);
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

// Does the action with real key and mouse input on the Win32 controls, and waits until
// the window has handled it.
void perform(RunningWindow& w, const UserAction& action) {
    switch (action.kind) {
        case UserAction::Kind::SelectCategory:
            w.clickCategory(action.position);
            break;
        case UserAction::Kind::NextCategoryByKey:
            w.focus(w.hwnd(Control::lItem));
            w.key(VK_DOWN);
            break;
        case UserAction::Kind::SelectChoice:
        case UserAction::Kind::Pick:
            w.pickFromList(action.control, action.position);
            break;
        case UserAction::Kind::Type:
            w.focus(w.editOf(action.control));
            w.key(VK_END);  // the focus selects the field's text; typing goes at its end
            w.typeText(widen(action.text));
            break;
        case UserAction::Kind::Paste:
            putOnClipboard(w.program.window.window(), widen(action.text));
            w.focus(w.editOf(action.control));
            SendMessageW(w.editOf(action.control), EM_SETSEL, 0, -1);
            w.key('V', {VK_CONTROL});
            break;
        case UserAction::Kind::FocusResult:
            w.focus(w.hwnd(Control::lItem));
            w.click(w.hwnd(Control::Tretunval), {4, 4});
            break;
        case UserAction::Kind::About: {
            MessageBoxWatcher watcher(w.program.window.window());
            w.click(w.hwnd(Control::Command2), {10, 10});
            EXPECT_TRUE(w.waitFor([&] { return watcher.seen(); }));
            break;
        }
    }
    w.settle();
}

std::string handlers(const std::vector<std::string>& trace) {
    std::string all;
    for (const std::string& handler : trace) {
        all += " " + handler;
    }
    return all;
}

TEST(Win32LayerParity, SameHandlersInSameOrderAndSameTexts) {
    RunningWindow w;
    ReferenceWindow memory;
    EXPECT_EQ(w.trace, memory.trace);
    for (const UserAction& action : parityActions()) {
        w.trace.clear();
        memory.trace.clear();
        perform(w, action);
        memory.perform(action);
        ASSERT_EQ(w.trace, memory.trace)
            << describeAction(action) << ": Win32 ran" << handlers(w.trace) << "; in memory"
            << handlers(memory.trace);
        for (const Control control :
             {Control::comvalue1, Control::Comvalue2, Control::Comvalue3, Control::Tretunval}) {
            EXPECT_EQ(w.layer.text(control), memory.window.text(control))
                << describeAction(action) << ", " << controlName(control);
        }
        DWORD from = 0;
        DWORD to = 0;
        SendMessageW(w.hwnd(Control::Tretunval), EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                     reinterpret_cast<LPARAM>(&to));
        const std::wstring result = widen(w.layer.text(Control::Tretunval));
        EXPECT_EQ(narrow(result.substr(from, to - from)),
                  memory.window.selectedText(Control::Tretunval))
            << describeAction(action);
    }
}

}  // namespace
}  // namespace metalweight::win32
