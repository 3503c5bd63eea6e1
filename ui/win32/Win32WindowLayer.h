#pragma once

#include <windows.h>

#include <array>
#include <functional>

#include "ui/WindowLayer.h"
#include "ui/win32/FormWindow.h"
#include "ui/win32/ScreenReaderNames.h"

namespace metalweight::win32 {

// The window layer over the standard controls of FormWindow.
//
// What the user does reaches the handlers this way: a selection in lItem (mouse or
// keyboard, also a click on the entry already selected) or in Comchoice (an entry
// chosen from its list by mouse or Enter, or changed by the keyboard while the list is
// closed) runs the selection handler; an edit of a value field's text (typing, pasting,
// deleting) runs its change handler once per edit; an entry chosen from a value field's
// list runs its click handler only, once, after the field shows the entry's text; the
// focus the user moves into Tretunval runs its focus handler; a press of Command1 or
// Command2 (mouse, Space, Alt+A, or Esc for Command1) runs its click handler.
//
// A change made from code runs its handler at once, nested, exactly once: Windows sends
// no notification for some of these changes and one for others, so the layer raises
// each event itself and lets none of Windows' own through while it changes a control.
class Win32WindowLayer final : public WindowLayer {
  public:
    // How the program ends; by default the thread's message loop is left.
    using Ender = std::function<void()>;

    explicit Win32WindowLayer(FormWindow& window, Ender ender = {});

    void setEventSink(FormEvents* events) override { events_ = events; }
    std::string windowCaption() override;
    void setWindowCaption(std::string_view caption) override;
    void setCaption(Control control, std::string_view caption) override;
    void setVisible(Control control, bool visible) override;
    void addItem(Control control, std::string_view text) override;
    std::string itemText(Control control, int position) override;
    int selectedPosition(Control control) override;
    void setSelectedPosition(Control control, int position) override;
    void clear(Control control) override;
    std::string text(Control control) override;
    void setText(Control control, std::string_view text) override;
    void setTextSelection(Control control, int start, int length) override;
    void showMessage(std::string_view text, std::string_view title) override;
    void endProgram() override;

    [[nodiscard]] const ScreenReaderNames& screenReaderNames() const { return names_; }

  private:
    enum class UserEvent : WPARAM { Selection, Pick };

    // Windows' notifications of the controls, and the user's input after they took it.
    void notified(Control control, UINT code);
    void afterInput(const MSG& message);
    // A user event runs once its control has finished with the input: one click or key
    // can bring two notifications of the same choice, and the handler runs once.
    void queue(UserEvent event, Control control);
    void runQueued(WPARAM event, LPARAM control);
    // Runs a handler for a user action; a failing window call ends it there.
    void deliver(const std::function<void(FormEvents&)>& handler);
    [[nodiscard]] bool inputChoosesEntry() const;
    [[nodiscard]] HWND hwnd(Control control) const { return window_.control(control); }
    [[nodiscard]] bool isList(Control control) const;

    // Windows' own notifications are not the user's while the layer changes a control.
    class Quiet {
      public:
        explicit Quiet(Win32WindowLayer& layer) : layer_(layer) { ++layer_.quiet_; }
        ~Quiet() { --layer_.quiet_; }
        Quiet(const Quiet&) = delete;
        Quiet& operator=(const Quiet&) = delete;

      private:
        Win32WindowLayer& layer_;
    };

    FormWindow& window_;
    Ender ender_;
    FormEvents* events_ = nullptr;
    ScreenReaderNames names_;
    int quiet_ = 0;
    std::array<bool, std::size(kAllControls)> queued_{};
    // Comchoice's entry as the handlers last saw it: Esc in its open list goes back to it.
    int reportedChoice_ = -1;
    // Whether the mouse button now down on lItem has selected an entry yet.
    bool clickSelected_ = false;
    // Tretunval's selection as its focus handler made it, kept through the click that
    // gave it the focus.
    DWORD resultSelection_ = 0;
    bool keepResultSelection_ = false;
};

}  // namespace metalweight::win32
