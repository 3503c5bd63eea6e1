#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

#include "tools/bom/CutList.h"

namespace metalweight::bom::testing {

// What one run of a cut list wrote, and its exit status.
struct RunResult {
    std::string output;
    std::string diagnostics;
    int status = -1;
};

// The whole contents of a file the run wrote to.
inline std::string readBack(std::FILE* file) {
    std::string text;
    std::rewind(file);
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        text.append(buffer, got);
    }
    std::fclose(file);
    return text;
}

// Runs the cut list in `path` as the program does, named by its file name in messages.
RunResult runFile(const std::filesystem::path& path, Format format, bool keepGoing);

// Runs a list held in memory (already UTF-8).
RunResult runText(std::string_view text, Format format, bool keepGoing);

}  // namespace metalweight::bom::testing
