// metalweight.exe itself, started as a user starts it: its window appears, and 关闭 or
// the close box ends the process.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/win32/StartedProgram.h"
#include "tests/win32/TestFiles.h"
#include "ui/win32/Text.h"

namespace metalweight::win32 {
namespace {

// The button with the given caption among the window's controls.
HWND button(HWND window, const wchar_t* caption) {
    return FindWindowExW(window, nullptr, L"Button", caption);
}

TEST(ProgramFile, ShowsTheWindowAndCommand1EndsIt) {
    StartedProgram program(widen(kProgramFile));
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
    StartedProgram program(widen(kProgramFile));
    ASSERT_TRUE(program.started());
    HWND window = program.window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(program.closesByItsCloseBox());
}

}  // namespace
}  // namespace metalweight::win32
