// Runs the scenario runner on a scenario file and compares what it prints, object by
// object as parsed JSON, with the expected output. The expected file holds a sequence
// of JSON values (pretty-printed or one a line). The runner must exit 1 when an error
// object is expected, else 0. The wording of an error is the runner's own: an expected
// error object matches any error object on the same line.
//
//   scenario_check RUNNER SCENARIO EXPECTED
#include <sys/wait.h>

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

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: scenario_check RUNNER SCENARIO EXPECTED\n";
        return 2;
    }
    try {
        const std::vector<json> expected = readExpected(argv[3]);
        const RunResult actual = runScenario(argv[1], argv[2]);
        int failures = 0;
        const std::size_t count = std::max(expected.size(), actual.lines.size());
        for (std::size_t i = 0; i < count; ++i) {
            json got;
            if (i < actual.lines.size()) {
                got = json::parse(actual.lines[i], nullptr, false);
                if (got.is_discarded()) {
                    std::cerr << "output " << i + 1 << " is not JSON: " << actual.lines[i] << '\n';
                    ++failures;
                    continue;
                }
            }
            if (i >= expected.size() || i >= actual.lines.size() || !matches(expected[i], got)) {
                ++failures;
                std::cerr << "object " << i + 1 << " differs\n  expected: "
                          << (i < expected.size() ? expected[i].dump() : "(nothing)")
                          << "\n  actual:   "
                          << (i < actual.lines.size() ? got.dump() : "(nothing)") << '\n';
                if (i < expected.size() && i < actual.lines.size()) {
                    const json patch = json::diff(expected[i], got);
                    std::cerr << "  diff:     " << patch.dump() << '\n';
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
            std::cerr << "exit status " << actual.status << ", expected " << wantedStatus << '\n';
        }
        return failures == 0 ? 0 : 1;
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 2;
    }
}
