#pragma once

#include <cstdio>
#include <string>

#include "tools/bom/CsvReader.h"
#include "tools/bom/Output.h"
#include "tools/bom/Report.h"

namespace metalweight::bom {

struct RunOptions {
    Format format = Format::kCsv;
    bool keepGoing = false;       // report every bad row instead of stopping at the first
    std::string inputName = "-";  // the list's name in messages
};

// Exit statuses of a run.
inline constexpr int kRunSucceeded = 0;
inline constexpr int kRunHadBadRows = 1;
inline constexpr int kRunFailed = 2;  // the list could not be read, or the report written

// Reads a cut list from `input` and writes its report to `output`, and a message for each
// problem to `diagnostics`. Rows are read a group at a time, then weighed and written one by one.
int runCutList(TextSource& input, const RunOptions& options, Output& output,
               std::FILE* diagnostics);

}  // namespace metalweight::bom
