// Runs the scenario runner on a scenario file and compares what it prints, object by
// object as parsed JSON, with the expected output. The expected file holds a sequence
// of JSON values (pretty-printed or one a line). The runner must exit 1 when an error
// object is expected, else 0. The wording of an error is the runner's own: an expected
// error object matches any error object on the same line.
//
//   scenario_check RUNNER SCENARIO EXPECTED
//   scenario_check --update RUNNER SCENARIO EXPECTED
//   scenario_check --recorded OUTPUT STATUS EXPECTED
//
// With --recorded, the run was made elsewhere (a Windows runner under Wine): OUTPUT holds
// what it printed and STATUS its exit status.
//
// With --update, an EXPECTED file that no longer matches is rewritten with what the
// runner printed, one object a line, and the differences are shown; a file that still
// matches is left as it is, hand layout and all. Review the change (git diff) before
// committing it: the expected objects state what the window promises, not whatever the
// runner prints.
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

using nlohmann::json;

namespace {

std::vector<json> readExpected(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        throw std::runtime_error("cannot open " + path);
    }
    std::vector<json> values;
    while (true) {
        in >> std::ws;
        if (in.peek() == std::char_traits<char>::eof()) {
            break;
        }
        json value;
        in >> value;
        values.push_back(std::move(value));
    }
    return values;
}

bool matches(const json& expected, const json& actual) {
    if (expected.is_object() && expected.contains("error")) {
        return actual.is_object() && actual.size() == 2 && actual.contains("error") &&
               actual["error"].is_string() && actual.contains("line") &&
               actual["line"] == expected["line"];
    }
    return expected == actual;
}

struct RunResult {
    std::vector<std::string> lines;
    int status = -1;
};

// Splits printed output into lines; a last line without its line feed counts too.
std::vector<std::string> splitLines(std::istream& in) {
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(line);
    }
    return lines;
}

RunResult readRecorded(const std::string& output, const std::string& status) {
    std::ifstream in(output, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot open " + output);
    }
    RunResult result;
    result.lines = splitLines(in);
    for (std::size_t i = 0; i < result.lines.size(); ++i) {
        // The runner writes bytes as they are: a CR before the line feed is a fault.
        if (!result.lines[i].empty() && result.lines[i].back() == '\r') {
            throw std::runtime_error("output line " + std::to_string(i + 1) + " ends with CR");
        }
    }
    result.status = std::stoi(status);
    return result;
}

#ifndef _WIN32
RunResult runScenario(const std::string& runner, const std::string& scenario) {
    const std::string command = "'" + runner + "' < '" + scenario + "'";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        throw std::runtime_error("cannot start " + runner);
    }
    RunResult result;
    std::string line;
    int c = 0;
    while ((c = std::fgetc(pipe)) != EOF) {
        if (c == '\n') {
            result.lines.push_back(line);
            line.clear();
        } else {
            line.push_back(static_cast<char>(c));
        }
    }
    if (!line.empty()) {
        result.lines.push_back(line);
    }
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}
#endif

// Compares the runner's output with the expected objects; reports each difference on
// `report` and returns how many there are.
int compare(const std::vector<json>& expected, const RunResult& actual, std::ostream& report) {
    int failures = 0;
    const std::size_t count = std::max(expected.size(), actual.lines.size());
    for (std::size_t i = 0; i < count; ++i) {
        json got;
        if (i < actual.lines.size()) {
            got = json::parse(actual.lines[i], nullptr, false);
            if (got.is_discarded()) {
                report << "output " << i + 1 << " is not JSON: " << actual.lines[i] << '\n';
                ++failures;
                continue;
            }
        }
        if (i >= expected.size() || i >= actual.lines.size() || !matches(expected[i], got)) {
            ++failures;
            report << "object " << i + 1 << " differs\n  expected: "
                   << (i < expected.size() ? expected[i].dump() : "(nothing)")
                   << "\n  actual:   " << (i < actual.lines.size() ? got.dump() : "(nothing)")
                   << '\n';
            if (i < expected.size() && i < actual.lines.size()) {
                const json patch = json::diff(expected[i], got);
                report << "  diff:     " << patch.dump() << '\n';
            }
        }
    }
    bool errorExpected = false;
    for (const json& value : expected) {
        errorExpected = errorExpected || (value.is_object() && value.contains("error"));
    }
    const int wantedStatus = errorExpected ? 1 : 0;
    if (actual.status != wantedStatus) {
        ++failures;
        report << "exit status " << actual.status << ", expected " << wantedStatus << '\n';
    }
    return failures;
}

#ifndef _WIN32
// Writes the runner's output as the new expected file.
void writeExpected(const std::string& path, const RunResult& actual) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const std::string& line : actual.lines) {
        out << line << '\n';
    }
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}
#endif

}  // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::string(argv[1]) == "--recorded") {
        try {
            const RunResult actual = readRecorded(argv[2], argv[3]);
            return compare(readExpected(argv[4]), actual, std::cerr) == 0 ? 0 : 1;
        } catch (const std::exception& error) {
            std::cerr << error.what() << '\n';
            return 2;
        }
    }
#ifdef _WIN32
    std::cerr << "usage: scenario_check --recorded OUTPUT STATUS EXPECTED\n";
    return 2;
#else
    const bool update = argc == 5 && std::string(argv[1]) == "--update";
    if (argc != 4 && !update) {
        std::cerr << "usage: scenario_check [--update] RUNNER SCENARIO EXPECTED\n";
        return 2;
    }
    const int first = update ? 2 : 1;
    const std::string runner = argv[first];
    const std::string scenario = argv[first + 1];
    const std::string expectedPath = argv[first + 2];
    try {
        const RunResult actual = runScenario(runner, scenario);
        std::vector<json> expected;
        if (!update || std::ifstream(expectedPath)) {
            expected = readExpected(expectedPath);
        }
        if (!update) {
            return compare(expected, actual, std::cerr) == 0 ? 0 : 1;
        }
        if (compare(expected, actual, std::cout) == 0) {
            return 0;
        }
        writeExpected(expectedPath, actual);
        std::cout << "rewrote " << expectedPath << ": review the change before committing it\n";
        return 0;
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 2;
    }
#endif
}
