// metalweight-scenario: runs a scenario from standard input against the window's
// handlers over an in-memory window, printing one JSON object a line.
#include <iostream>

#include "tools/scenario/ScenarioRunner.h"

int main() {
    std::ios::sync_with_stdio(false);
    metalweight::ScenarioRunner runner;
    return runner.run(std::cin, std::cout);
}
