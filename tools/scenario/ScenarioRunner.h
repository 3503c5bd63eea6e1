#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "tools/scenario/MemoryWindow.h"
#include "ui/Frmmetal.h"

namespace metalweight {

// Runs scenario commands against the form's handlers over a MemoryWindow: one command
// a line, one JSON object a line out. Start-up (Form_Load) runs on construction.
class ScenarioRunner {
  public:
    ScenarioRunner();

    // Runs one line (1-based number `lineNumber`) and returns what it prints, in order.
    // Blank lines and comments print nothing.
    std::vector<nlohmann::json> runLine(std::string_view line, int lineNumber);

    // Runs a whole scenario; returns the exit status: 1 if any line was in error, else 0.
    int run(std::istream& in, std::ostream& out);

    // True once the program has ended (Command1 or the close box).
    [[nodiscard]] bool ended() const { return window_.ended(); }

    // The window and the state, as `dump` prints them.
    [[nodiscard]] nlohmann::json dump() const;

  private:
    std::vector<nlohmann::json> execute(std::string_view line);

    MemoryWindow window_;
    std::unique_ptr<Frmmetal> form_;
    bool hadError_ = false;
};

}  // namespace metalweight
