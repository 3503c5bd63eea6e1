#include "tools/bom/SystemText.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h: it declares what the shell's header uses.
#include <shellapi.h>

#include <algorithm>
#include <map>

#include "ui/win32/Text.h"
#else
#include <unistd.h>
#endif

namespace metalweight::bom {

#ifdef _WIN32
namespace {

using win32::narrow;
using win32::widen;

HANDLE consoleOf(std::FILE* file) {
    auto* handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0 ? handle : nullptr;
}

// How many bytes at the end of `text` begin a character that is not complete yet.
std::size_t cutCharacterBytes(std::string_view text) {
    for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
        const auto byte = static_cast<unsigned char>(text[text.size() - back]);
        if ((byte & 0xC0) != 0x80) {  // the character's first byte
            const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
            return length > back ? back : 0;
        }
    }
    return 0;
}

bool writeToConsole(HANDLE console, std::string& pending, std::string_view text) {
    pending += text;
    const std::size_t whole = pending.size() - cutCharacterBytes(pending);
    const std::wstring wide = widen(std::string_view(pending).substr(0, whole));
    pending.erase(0, whole);
    // A console takes a long text in pieces.
    constexpr std::size_t kPiece = 8192;
    for (std::size_t at = 0; at < wide.size(); at += kPiece) {
        const auto piece = static_cast<DWORD>(std::min(kPiece, wide.size() - at));
        DWORD written = 0;
        if (WriteConsoleW(console, wide.data() + at, piece, &written, nullptr) == 0) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::vector<std::string> programArguments(int /*argc*/, char** /*argv*/) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) {
        arguments.push_back(narrow(wide[i]));
    }
    LocalFree(static_cast<HLOCAL>(wide));
    return arguments;
}

std::FILE* openFile(const std::string& name, const char* mode) {
    return _wfopen(widen(name).c_str(), widen(mode).c_str());
}

std::filesystem::path pathOf(const std::string& name) {
    return {widen(name)};
}

bool isTerminal(std::FILE* file) {
    return consoleOf(file) != nullptr;
}

bool writeText(std::FILE* file, std::string_view text) {
    if (HANDLE console = consoleOf(file)) {
        // What the C library holds for the console goes first.
        std::fflush(file);
        static std::map<HANDLE, std::string> pending;
        return writeToConsole(console, pending[console], text);
    }
    return std::fwrite(text.data(), 1, text.size(), file) == text.size();
}

#else

std::vector<std::string> programArguments(int argc, char** argv) {
    return {argv, argv + argc};
}

std::FILE* openFile(const std::string& name, const char* mode) {
    return std::fopen(name.c_str(), mode);
}

std::filesystem::path pathOf(const std::string& name) {
    return {name};
}

bool isTerminal(std::FILE* file) {
    return isatty(fileno(file)) != 0;
}

bool writeText(std::FILE* file, std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), file) == text.size();
}

#endif

}  // namespace metalweight::bom
