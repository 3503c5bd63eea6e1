#include "tools/scenario/ScenarioRunner.h"

#include <charconv>
#include <cmath>
#include <istream>
#include <limits>
#include <optional>
#include <ostream>
#include <stdexcept>

namespace metalweight {
namespace {

using nlohmann::json;

// A command that cannot be carried out; the message says what is wrong.
class CommandError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Words separated by single spaces; an empty word marks a doubled or trailing space.
std::vector<std::string_view> splitWords(std::string_view text, std::size_t maxWords) {
    std::vector<std::string_view> words;
    while (words.size() + 1 < maxWords) {
        const std::size_t space = text.find(' ');
        if (space == std::string_view::npos) {
            break;
        }
        words.push_back(text.substr(0, space));
        text.remove_prefix(space + 1);
    }
    words.push_back(text);
    return words;
}

int parsePosition(std::string_view word) {
    int value = 0;
    const auto [ptr, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || word.front() == '-' || word.front() == '+' ||
        ptr != word.data() + word.size() ||
        (ec != std::errc() && ec != std::errc::result_out_of_range)) {
        throw CommandError("not an entry position: " + std::string(word));
    }
    if (ec == std::errc::result_out_of_range) {
        return std::numeric_limits<int>::max();  // past the end of any list
    }
    return value;
}

std::string parseText(std::string_view literal) {
    json value;
    try {
        value = json::parse(literal);
    } catch (const json::exception&) {
        throw CommandError("not a JSON string literal: " + std::string(literal));
    }
    if (!value.is_string()) {
        throw CommandError("not a JSON string literal: " + std::string(literal));
    }
    return value.get<std::string>();
}

Control parseControl(std::string_view word, std::initializer_list<Control> allowed,
                     std::string_view command) {
    const std::optional<Control> control = controlByName(word);
    if (control) {
        for (const Control candidate : allowed) {
            if (candidate == *control) {
                return candidate;
            }
        }
    }
    throw CommandError(std::string(command) + " does not take the control " + std::string(word));
}

void expectWordCount(const std::vector<std::string_view>& words, std::size_t count) {
    if (words.size() != count) {
        throw CommandError("expected " + std::to_string(count - 1) + " argument(s) after " +
                           std::string(words.front()));
    }
}

// Shortest round-trip form: whole numbers as JSON integers, others as doubles, values
// that are not finite as the strings "inf", "-inf" and "nan".
json number(double value) {
    if (std::isnan(value)) {
        return "nan";
    }
    if (std::isinf(value)) {
        return value > 0 ? "inf" : "-inf";
    }
    constexpr double kExactIntegerLimit = 9007199254740992.0;  // 2^53
    if (value == std::floor(value) && std::fabs(value) < kExactIntegerLimit) {
        return static_cast<long long>(value);
    }
    return value;
}

json numbers(const PresetList& list) {
    json array = json::array();
    for (const double value : list) {
        array.push_back(number(value));
    }
    return array;
}

}  // namespace

ScenarioRunner::ScenarioRunner() : form_(std::make_unique<Frmmetal>(window_)) {
    form_->Form_Load();
}

std::vector<json> ScenarioRunner::runLine(std::string_view line, int lineNumber) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    // Blank lines (white space alone counts as blank) and comments print nothing.
    if (line.find_first_not_of(" \t") == std::string_view::npos || line.front() == '#') {
        return {};
    }
    try {
        return execute(line);
    } catch (const CommandError& error) {
        hadError_ = true;
        return {json{{"error", error.what()}, {"line", lineNumber}}};
    } catch (const WindowLayerError& error) {
        hadError_ = true;
        return {
            json{{"error", std::string("window layer: ") + error.what()}, {"line", lineNumber}}};
    }
}

std::vector<json> ScenarioRunner::execute(std::string_view line) {
    const std::string_view command = line.substr(0, line.find(' '));
    const auto requireVisible = [this](Control control) {
        if (!window_.control(control).visible) {
            throw CommandError(std::string(controlName(control)) + " is hidden");
        }
    };
    const auto requireEntry = [this](Control control, int position) {
        if (static_cast<std::size_t>(position) >= window_.control(control).items.size()) {
            throw CommandError("no entry " + std::to_string(position) + " in " +
                               std::string(controlName(control)));
        }
    };

    if (command == "select") {
        const auto words = splitWords(line, 3);
        expectWordCount(words, 3);
        const Control control =
            parseControl(words[1], {Control::lItem, Control::Comchoice}, command);
        const int position = parsePosition(words[2]);
        requireVisible(control);
        requireEntry(control, position);
        window_.userSelect(control, position);
        return {};
    }
    if (command == "type" || command == "settext") {
        const auto words = splitWords(line, 3);
        expectWordCount(words, 3);
        const Control control = parseControl(
            words[1],
            {Control::comvalue1, Control::Comvalue2, Control::Comvalue3, Control::Tretunval},
            command);
        const std::string text = parseText(words[2]);
        requireVisible(control);
        if (command == "type") {
            window_.userType(control, text);
        } else {
            window_.userSetText(control, text);
        }
        return {};
    }
    if (command == "pick") {
        const auto words = splitWords(line, 3);
        expectWordCount(words, 3);
        const Control control = parseControl(
            words[1], {Control::comvalue1, Control::Comvalue2, Control::Comvalue3}, command);
        const int position = parsePosition(words[2]);
        requireVisible(control);
        requireEntry(control, position);
        window_.userPick(control, position);
        return {};
    }
    if (command == "focus") {
        const auto words = splitWords(line, 2);
        expectWordCount(words, 2);
        const Control control = parseControl(words[1], {Control::Tretunval}, command);
        window_.userFocus(control);
        return {};
    }
    if (command == "press") {
        const auto words = splitWords(line, 2);
        expectWordCount(words, 2);
        const Control control =
            parseControl(words[1], {Control::Command1, Control::Command2}, command);
        window_.userPress(control);
        std::vector<json> printed;
        for (const MemoryWindow::Message& message : window_.takeMessages()) {
            printed.push_back({{"messagebox",
                                {{"title", message.title},
                                 {"text", message.text},
                                 {"icon", "information"},
                                 {"buttons", json::array({"OK"})}}}});
        }
        if (window_.ended()) {
            printed.push_back({{"ended", true}});
        }
        return printed;
    }
    if (command == "close" || command == "dump") {
        expectWordCount(splitWords(line, 2), 1);
        if (command == "dump") {
            return {dump()};
        }
        window_.userClose();
        return {json{{"ended", true}}};
    }
    throw CommandError("no such command: " + std::string(command));
}

int ScenarioRunner::run(std::istream& in, std::ostream& out) {
    std::string line;
    int lineNumber = 0;
    while (!ended() && std::getline(in, line)) {
        ++lineNumber;
        for (const json& printed : runLine(line, lineNumber)) {
            // Texts come from parsed JSON strings and are UTF-8; an error message may
            // quote a malformed word of the line, whose bytes show as U+FFFD.
            out << printed.dump(-1, ' ', false, json::error_handler_t::replace) << '\n';
        }
    }
    out.flush();
    return hadError_ ? 1 : 0;
}

json ScenarioRunner::dump() const {
    json controls = json::object();
    for (const Control control : kAllControls) {
        const MemoryWindow::ControlData& d = window_.control(control);
        json entry = {{"visible", d.visible}};
        switch (control) {
            case Control::lItem:
            case Control::Comchoice:
                entry["items"] = d.items;
                entry["selected"] = d.selected;
                break;
            case Control::comvalue1:
            case Control::Comvalue2:
            case Control::Comvalue3:
                entry["text"] = d.text;
                entry["items"] = d.items;
                break;
            case Control::Tretunval:
                entry["text"] = d.text;
                entry["selectedText"] = window_.selectedText(control);
                break;
            default:
                entry["caption"] = d.caption;
                break;
        }
        controls[std::string(controlName(control))] = std::move(entry);
    }
    const CalculatorState& state = form_->state();
    json stateJson = {
        {"densityFactor", number(state.densityFactor)},
        {"valueCount", state.valueCount},
        {"category", state.category},
        {"choice", state.choice},
        {"hasChoice", state.hasChoice},
        {"valueList1", numbers(state.valueList1)},
        {"valueList2", numbers(state.valueList2)},
        {"valueList3", numbers(state.valueList3)},
        {"dimension1", number(state.dimension1)},
        {"dimension2", number(state.dimension2)},
        {"dimension3", number(state.dimension3)},
    };
    return {{"window", {{"caption", window_.caption()}}},
            {"controls", std::move(controls)},
            {"state", std::move(stateJson)}};
}

}  // namespace metalweight
