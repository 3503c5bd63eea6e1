// Start-up time of a window program, from the start of its process to its window shown,
// for two programs in turns:
//   startup_bench RUNS PROGRAM1 CLASS1 PROGRAM2 CLASS2
// Prints the median and the best of each, and their ratios (the best is the one a busy
// machine disturbs least). Each program is closed once its window shows.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

double secondsToWindow(const std::wstring& program, const std::wstring& windowClass) {
    LARGE_INTEGER frequency{};
    LARGE_INTEGER start{};
    LARGE_INTEGER shown{};
    QueryPerformanceFrequency(&frequency);
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return -1;
    }
    HWND window = nullptr;
    while (window == nullptr) {
        HWND found = FindWindowW(windowClass.c_str(), nullptr);
        DWORD owner = 0;
        GetWindowThreadProcessId(found, &owner);
        if (found != nullptr && owner == process.dwProcessId && IsWindowVisible(found)) {
            window = found;
        } else {
            Sleep(0);
        }
    }
    QueryPerformanceCounter(&shown);
    PostMessageW(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<double>(shown.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double best(const std::vector<double>& values) {
    return *std::min_element(values.begin(), values.end());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: startup_bench RUNS PROGRAM1 CLASS1 PROGRAM2 CLASS2\n");
        return 2;
    }
    const int runs = std::max(1, _wtoi(argv[1]));
    std::vector<double> first;
    std::vector<double> second;
    for (int run = 0; run < runs; ++run) {
        first.push_back(secondsToWindow(argv[2], argv[3]));
        second.push_back(secondsToWindow(argv[4], argv[5]));
    }
    std::printf("%ls: median %.1f ms, best %.1f ms\n", argv[2], median(first) * 1000,
                best(first) * 1000);
    std::printf("%ls: median %.1f ms, best %.1f ms\n", argv[4], median(second) * 1000,
                best(second) * 1000);
    std::printf("ratio: median %.3f, best %.3f\n", median(first) / median(second),
                best(first) / best(second));
    return 0;
}
