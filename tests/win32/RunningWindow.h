#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "ui/win32/Program.h"

namespace metalweight::win32 {

// The real Win32 window with its layer and handlers, started as the program starts it,
// with the handlers it runs recorded and the end of the program caught. The test drives
// it with real input (SendInput) and reads its controls back through window messages.
class RunningWindow {
  public:
    static constexpr std::chrono::seconds kPatience{60};

    RunningWindow();

    // Handles the window's messages until `done` holds; false if it did not within a
    // minute (it ends as soon as `done` holds). Input goes through Windows' queues, so
    // every check of what input did waits for its outcome.
    bool waitFor(const std::function<bool()>& done);
    // Handles the window's messages until none are waiting: what input sent so far has
    // been handled, and the events it caused with it.
    void settle();

    // Real input.
    void key(WORD virtualKey, std::vector<WORD> modifiers = {});
    void typeText(const std::wstring& text);
    // A left click at a point of `hwnd`'s client area.
    void click(HWND hwnd, POINT point);
    void clickCentre(HWND hwnd, RECT rect);

    // Focus set from code, as the test's starting point; no handler runs for it.
    void focus(HWND hwnd);
    [[nodiscard]] HWND focused() const { return GetFocus(); }
    [[nodiscard]] std::string text(Control control);
    [[nodiscard]] HWND hwnd(Control control) const { return program.window.control(control); }
    [[nodiscard]] HWND editOf(Control field) const { return program.window.editOf(field); }
    [[nodiscard]] bool visible(Control control) const {
        return IsWindowVisible(hwnd(control)) != FALSE;
    }
    // The list of a drop-down, shown while it is open.
    [[nodiscard]] HWND droppedList(Control combo) const;

    // Actions as a user does them.
    void clickCategory(int row);
    void pickFromList(Control combo, int row);

    bool ended = false;
    std::vector<std::string> trace;
    Program program;
    Win32WindowLayer& layer = program.layer;
    Frmmetal& form = program.form;
};

// The About box, read from a second thread while the window's thread waits in it.
struct MessageBoxSeen {
    std::wstring title;
    std::wstring text;
    bool informationIcon = false;
    bool onlyOk = false;
    bool ownerDisabled = false;
};

// Watches for a message box owned by `owner`, reads it and closes it with Enter. Runs on
// its own thread; `seen` is filled once the box has been read.
class MessageBoxWatcher {
  public:
    explicit MessageBoxWatcher(HWND owner);
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    [[nodiscard]] bool seen() const { return seen_; }
    [[nodiscard]] const MessageBoxSeen& box() const { return box_; }

  private:
    static DWORD WINAPI watch(void* self);
    HWND owner_;
    HANDLE thread_ = nullptr;
    volatile bool seen_ = false;
    volatile bool stop_ = false;
    MessageBoxSeen box_;
};

}  // namespace metalweight::win32
