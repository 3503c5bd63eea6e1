#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace metalweight::bom {

// Where the program meets the system's text: its arguments, file names and the console.
// Inside the program every text is UTF-8. On Windows, arguments and file names are taken
// and given as UTF-16, and text for a console window is written as UTF-16 too, so that
// Chinese shows whatever the console's code page; text for a pipe or a file is written as
// bytes, unchanged, so that a report is the same file on every system.

// The program's arguments in UTF-8 (on Windows from the wide command line, not `argv`).
std::vector<std::string> programArguments(int argc, char** argv);

// A file named in UTF-8, opened with fopen's `mode`; null with errno set when it fails.
std::FILE* openFile(const std::string& name, const char* mode);

// A path named in UTF-8.
std::filesystem::path pathOf(const std::string& name);

// True when `file` is a terminal or a console window, not a file or a pipe.
bool isTerminal(std::FILE* file);

// Writes `text` to `file`; false when it could not be written. A console gets every
// whole character, and the bytes of one cut at the end are kept for the next call.
bool writeText(std::FILE* file, std::string_view text);

// Writes a message for the user and a line end.
inline void writeLine(std::FILE* file, std::string text) {
    writeText(file, text.append("\n"));
}

}  // namespace metalweight::bom
