#pragma once

#include <windows.h>

#include <string>

namespace metalweight::win32 {

// A program file started as a user starts it, ended when the test is done with it.
class StartedProgram {
  public:
    explicit StartedProgram(const std::wstring& programFile);
    ~StartedProgram();
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;

    [[nodiscard]] bool started() const { return process_.hProcess != nullptr; }

    // The calculator's main window once it is shown, or null. A busy machine can take
    // many seconds to start a program under Wine: the wait ends when the window shows,
    // or after a minute.
    HWND window();

    bool endsWithin(DWORD milliseconds);
    // Closes the window by its close box, as a user does; true when the program then
    // ends within a minute.
    bool closesByItsCloseBox();

  private:
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

}  // namespace metalweight::win32
