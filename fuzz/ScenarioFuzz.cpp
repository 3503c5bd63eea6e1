// Feeds arbitrary text to the scenario runner as a scenario: whatever the lines hold,
// the runner never crashes, and prints only whole JSON objects, one a line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include <nlohmann/json.hpp>

#include "tools/scenario/ScenarioRunner.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out;
    metalweight::ScenarioRunner runner;
    const int status = runner.run(in, out);
    if (status != 0 && status != 1) {
        std::abort();
    }
    std::istringstream printed(out.str());
    std::string line;
    while (std::getline(printed, line)) {
        const nlohmann::json object = nlohmann::json::parse(line, nullptr, false);
        if (object.is_discarded() || !object.is_object()) {
            std::abort();
        }
    }
    return 0;
}
