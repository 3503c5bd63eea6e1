#include "tests/win32/StartedProgram.h"

#include <chrono>

#include "ui/win32/FormWindow.h"

namespace metalweight::win32 {

StartedProgram::StartedProgram(const std::wstring& programFile) {
    std::wstring commandLine = L"\"" + programFile + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process_)) {
        CloseHandle(process_.hThread);
    }
}

StartedProgram::~StartedProgram() {
    if (process_.hProcess != nullptr) {
        TerminateProcess(process_.hProcess, 1);
        CloseHandle(process_.hProcess);
    }
}

HWND StartedProgram::window() {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (window_ == nullptr && started() && std::chrono::steady_clock::now() < deadline) {
        HWND found = FindWindowW(FormWindow::kClassName, nullptr);
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

bool StartedProgram::endsWithin(DWORD milliseconds) {
    return WaitForSingleObject(process_.hProcess, milliseconds) == WAIT_OBJECT_0;
}

bool StartedProgram::closesByItsCloseBox() {
    PostMessageW(window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    return endsWithin(60000);
}

}  // namespace metalweight::win32
