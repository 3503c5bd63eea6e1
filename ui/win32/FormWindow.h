#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <optional>

#include "ui/Control.h"

namespace metalweight::win32 {

// The main window and its fifteen standard controls, built from the form's table: kinds,
// places in twips scaled to the window's DPI, stored captions, tab order, the system's
// user-interface font, the program's icon. It holds no logic: the notifications of its
// controls go to the window layer, which drives it.
//
// What it does on its own, as a Windows user expects of it: Tab and Shift+Tab, access
// keys and Esc through the dialog keyboard rules (Esc presses Command1 when no drop-down
// takes it); the focus given back to the control that had it when the window becomes
// active again; a new layout and font when the window moves to a screen of another DPI.
class FormWindow {
  public:
    // A control's notification (WM_COMMAND) or a message the layer posted to itself.
    using CommandHandler = std::function<void(Control control, UINT code)>;
    using PostedHandler = std::function<void(WPARAM wParam, LPARAM lParam)>;

    // The message the layer posts to itself to run a user event once its control has
    // finished with the input that caused it.
    static constexpr UINT kPostedEvent = WM_APP + 1;
    // The main window's class, by which another program (a test, an installer) finds it.
    static constexpr wchar_t kClassName[] = L"MetalweightFrmmetal";

    FormWindow();
    ~FormWindow();
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    [[nodiscard]] HWND window() const { return window_; }
    [[nodiscard]] HWND control(Control control) const {
        return controls_.at(static_cast<std::size_t>(control));
    }
    // The editor inside a value field.
    [[nodiscard]] HWND editOf(Control field) const;
    [[nodiscard]] std::optional<Control> controlOf(HWND hwnd) const;
    [[nodiscard]] UINT dpi() const { return dpi_; }

    void setCommandHandler(CommandHandler handler) { onCommand_ = std::move(handler); }
    void setPostedHandler(PostedHandler handler) { onPosted_ = std::move(handler); }
    // Told of every mouse-button and key message once its control has handled it.
    void setAfterInputHandler(std::function<void(const MSG&)> handler) {
        afterInput_ = std::move(handler);
    }
    // The mouse-button or key message being handled now, if any: what caused a
    // notification that arrives meanwhile.
    [[nodiscard]] const MSG* currentInput() const { return currentInput_; }

    // Shows the window, centred on its monitor's work area, with the focus in `first`.
    void show(Control first);
    // True while the window gives the focus back on its activation: no user moved it.
    [[nodiscard]] bool restoringFocus() const { return restoringFocus_; }

    // Runs the thread's messages until the program ends; returns the exit code.
    int runMessageLoop();
    // Handles the messages waiting now; false once the program has been asked to end.
    bool handlePendingMessages();

  private:
    // One message through the dialog keyboard rules, or to its window.
    void dispatch(MSG& message);
    static LRESULT CALLBACK windowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    void stackInTabOrder();
    static HFONT messageFont(UINT dpi);
    void sizeWindow(UINT dpi);
    void fitComboHeights(UINT dpi);
    void layOut(UINT dpi);
    void applyFont(UINT dpi);
    void applyIcons(UINT dpi);
    void centreOnMonitor();
    void rememberFocus();
    void restoreFocus();

    HWND window_ = nullptr;
    std::array<HWND, std::size(kAllControls)> controls_{};
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    HFONT font_ = nullptr;
    HICON largeIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    HWND focusBeforeDeactivation_ = nullptr;
    bool restoringFocus_ = false;
    CommandHandler onCommand_;
    PostedHandler onPosted_;
    std::function<void(const MSG&)> afterInput_;
    const MSG* currentInput_ = nullptr;
};

}  // namespace metalweight::win32
