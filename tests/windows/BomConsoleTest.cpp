// metalweight-bom.exe in a console window, as a user meets it in cmd.exe or PowerShell:
// the table, its messages and its help read as Chinese whatever the console's code page.
// The test opens a console of its own, runs the program in it and reads back the
// characters the console shows.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/windows/BomFiles.h"
#include "ui/win32/Text.h"

namespace metalweight {
namespace {

using win32::widen;

std::wstring withoutBlanks(std::wstring text) {
    std::erase_if(text, [](wchar_t c) { return c == L' ' || c == L'\r' || c == L'\n'; });
    return text;
}

class BomConsole : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        // The test's own output stays where ctest reads it; the program gets a console.
        FreeConsole();
        ASSERT_TRUE(AllocConsole());
    }
    static void TearDownTestSuite() { FreeConsole(); }

    void SetUp() override {
        SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
        screen_ =
            CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                        FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited, OPEN_EXISTING, 0, nullptr);
        keyboard_ =
            CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                        &inherited, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(screen_, INVALID_HANDLE_VALUE);
        ASSERT_NE(keyboard_, INVALID_HANDLE_VALUE);
        // Room for the whole table, so that nothing scrolls out of the buffer.
        ASSERT_TRUE(SetConsoleScreenBufferSize(screen_, COORD{160, 200}));
    }
    void TearDown() override {
        CloseHandle(screen_);
        CloseHandle(keyboard_);
    }

    // Runs the program in the console with `arguments`, the console at `codePage`, and
    // returns its exit status.
    DWORD run(UINT codePage, const std::wstring& arguments) {
        SetConsoleOutputCP(codePage);
        CONSOLE_SCREEN_BUFFER_INFO info{};
        GetConsoleScreenBufferInfo(screen_, &info);
        const DWORD cells = static_cast<DWORD>(info.dwSize.X) * static_cast<DWORD>(info.dwSize.Y);
        DWORD written = 0;
        FillConsoleOutputCharacterW(screen_, L' ', cells, COORD{0, 0}, &written);
        SetConsoleCursorPosition(screen_, COORD{0, 0});

        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = keyboard_;
        startup.hStdOutput = screen_;
        startup.hStdError = screen_;
        std::wstring commandLine = L"\"" + widen(kBomProgram) + L"\" " + arguments;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                            nullptr, &startup, &process)) {
            ADD_FAILURE() << "the program did not start: " << GetLastError();
            return ~DWORD{0};
        }
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD status = 0;
        GetExitCodeProcess(process.hProcess, &status);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return status;
    }

    // Everything the console shows, its cells read as characters.
    std::wstring shown() {
        CONSOLE_SCREEN_BUFFER_INFO info{};
        GetConsoleScreenBufferInfo(screen_, &info);
        std::wstring text(
            static_cast<std::size_t>(info.dwSize.X) * static_cast<std::size_t>(info.dwSize.Y),
            L' ');
        DWORD read = 0;
        ReadConsoleOutputCharacterW(screen_, text.data(), static_cast<DWORD>(text.size()),
                                    COORD{0, 0}, &read);
        text.resize(read);
        return text;
    }

    static std::wstring golden(const std::string& name) {
        std::ifstream file(std::string(kGoldenFolder) + "/" + name, std::ios::binary);
        return widen(std::string(std::istreambuf_iterator<char>(file), {}));
    }

    HANDLE screen_ = INVALID_HANDLE_VALUE;
    HANDLE keyboard_ = INVALID_HANDLE_VALUE;
};

// The table as the Linux build writes it, character for character: the console's cells
// pad Chinese differently, so blanks are left out of the comparison.
TEST_F(BomConsole, TableShowsChineseWhateverTheCodePage) {
    const std::wstring list = L"\"" + widen(kGoldenFolder) + L"\\categories.csv\"";
    for (const UINT codePage : {936U, 437U, 65001U}) {
        SCOPED_TRACE(codePage);
        ASSERT_EQ(run(codePage, list), 0U);
        EXPECT_EQ(withoutBlanks(shown()), withoutBlanks(golden("categories.out.txt")));
    }
}

TEST_F(BomConsole, MessagesAndHelpShowChinese) {
    EXPECT_EQ(run(437, L"不在这里.csv"), 2U);
    EXPECT_NE(shown().find(L"不在这里.csv: 打不开："), std::wstring::npos);

    EXPECT_EQ(run(936, L"--keep-going \"" + widen(kGoldenFolder) + L"\\bad_cells.csv\""), 1U);
    EXPECT_NE(shown().find(L"列 \"长度\": \"6,5\" 长度要写成大于 0"), std::wstring::npos);
    EXPECT_NE(shown().find(L"总计"), std::wstring::npos);

    EXPECT_EQ(run(437, L"--help"), 0U);
    EXPECT_NE(shown().find(L"清单文件（CSV 或制表符分隔）"), std::wstring::npos);
}

}  // namespace
}  // namespace metalweight
