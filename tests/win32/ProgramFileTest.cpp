// metalweight.exe itself, started as a user starts it: its window appears, and 关闭 or
// the close box ends the process.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>

#include "tests/win32/TestFiles.h"
#include "ui/win32/Text.h"

namespace metalweight::win32 {
namespace {

class StartedProgram {
  public:
    StartedProgram() {
        std::wstring commandLine = L"\"" + widen(kProgramFile) + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &startup, &process_)) {
            CloseHandle(process_.hThread);
        }
    }
    ~StartedProgram() {
        if (process_.hProcess != nullptr) {
            TerminateProcess(process_.hProcess, 1);
            CloseHandle(process_.hProcess);
        }
    }
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;

    [[nodiscard]] bool started() const { return process_.hProcess != nullptr; }

    // The program's main window, once it is shown. A busy machine can take many seconds
    // to start a program under Wine: the wait ends when the window shows, or after a
    // minute.
    HWND window() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (window_ == nullptr && std::chrono::steady_clock::now() < deadline) {
            HWND found = FindWindowW(L"MetalweightFrmmetal", nullptr);
            DWORD owner = 0;
            GetWindowThreadProcessId(found, &owner);
            if (found != nullptr && owner == process_.dwProcessId && IsWindowVisible(found)) {
                window_ = found;
            } else {
                Sleep(10);
            }
        }
        return window_;
    }

    bool endsWithin(DWORD milliseconds) {
        return WaitForSingleObject(process_.hProcess, milliseconds) == WAIT_OBJECT_0;
    }

  private:
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

// The button with the given caption among the window's controls.
HWND button(HWND window, const wchar_t* caption) {
    return FindWindowExW(window, nullptr, L"Button", caption);
}

TEST(ProgramFile, ShowsTheWindowAndCommand1EndsIt) {
    StartedProgram program;
    ASSERT_TRUE(program.started()) << kProgramFile;
    HWND window = program.window();
    ASSERT_NE(window, nullptr);
    wchar_t title[64] = {};
    GetWindowTextW(window, title, 64);
    EXPECT_EQ(narrow(title), "金属材料单重计算");
    HWND close = button(window, L"关闭");
    ASSERT_NE(close, nullptr);
    PostMessageW(close, BM_CLICK, 0, 0);
    EXPECT_TRUE(program.endsWithin(60000));
}

TEST(ProgramFile, TheCloseBoxEndsIt) {
    StartedProgram program;
    ASSERT_TRUE(program.started());
    HWND window = program.window();
    ASSERT_NE(window, nullptr);
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(program.endsWithin(60000));
}

}  // namespace
}  // namespace metalweight::win32
