#pragma once

#include <objbase.h>

#include "ui/Frmmetal.h"
#include "ui/win32/FormWindow.h"
#include "ui/win32/Win32WindowLayer.h"

namespace metalweight::win32 {

// The thread's COM apartment, which the screen readers' names live in.
class ComApartment {
  public:
    ComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (initialised_) {
            CoUninitialize();
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

  private:
    bool initialised_;
};

// The program as it starts: the window with its controls, the window layer over them,
// and the handlers that own the calculation state.
class Program {
  public:
    explicit Program(Win32WindowLayer::Ender ender = {})
        : layer(window, std::move(ender)), form(layer) {}

    // Loads the form while the window is hidden, then shows the window centred on its
    // monitor with the focus in the choice list.
    void start() {
        form.Form_Load();
        window.show(Control::Comchoice);
    }

    ComApartment apartment;
    FormWindow window;
    Win32WindowLayer layer;
    Frmmetal form;
};

}  // namespace metalweight::win32
