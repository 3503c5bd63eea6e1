// metalweight-scenario: runs a scenario from standard input against the window's
// handlers over an in-memory window, printing one JSON object a line.
#include <iostream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "tools/scenario/ScenarioRunner.h"

int main() {
#ifdef _WIN32
    // UTF-8 bytes in and out as they are: no CR added at line ends, no code page.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
    metalweight::ScenarioRunner runner;
    return runner.run(std::cin, std::cout);
}
