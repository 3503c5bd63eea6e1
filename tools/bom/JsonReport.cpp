#include <algorithm>
#include <nlohmann/json.hpp>
#include <string>

#include "tools/bom/Report.h"

namespace metalweight::bom {
namespace {

// A JSON string literal; the input is valid UTF-8 once read, but nothing is assumed. A
// text with nothing to escape, as most notes and headers are, stands between quotes as it
// is.
void writeString(Output& out, std::string_view text) {
    const bool plain = std::none_of(text.begin(), text.end(), [](char c) {
        return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
    });
    if (plain) {
        out << '"' << text << '"';
    } else {
        out << nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    }
}

// A section kind's category and choice. The window's own names and type letters have
// nothing to escape.
void writeKind(Output& out, Category category, int choice) {
    out << R"("category": ")" << catalogueRow(category).name << R"(", "choice": )";
    const std::optional<std::string_view> text = choiceText(category, choice);
    if (text) {
        out << '"' << *text << '"';
    } else {
        out << "null";
    }
}

// Arrays hold one element a line.
std::string_view before(std::size_t index) {
    return index == 0 ? "\n" : ",\n";
}
std::string_view arrayEnd(std::size_t count) {
    return count == 0 ? "]" : "\n]";
}

// One object; rows, one a line, are written as they come, the totals and errors at the
// end.
class JsonReport final : public Report {
  public:
    explicit JsonReport(Output& output) : out_(output) {}

    void begin(std::span<const std::string> /*header*/) override { out_ << "{\"rows\": ["; }

    void row(const Record& record, const LineItem& item) override {
        const Section& section = *item.section;
        // Field and weight texts are plain decimals, which have nothing to escape.
        out_ << before(rowsWritten_++) << "{\"line\": " << std::to_string(record.line) << ", ";
        writeKind(out_, section.category, section.choice);
        out_ << R"(, "fields": [")" << section.fields[0] << R"(", ")" << section.fields[1]
             << R"(", ")" << section.fields[2] << R"("], "unit": ")" << unitOf(section.category)
             << R"(", "unitWeight": ")" << section.unitWeightText << R"(", "length": )";
        out_.number(item.length) << ", \"width\": ";
        if (item.width) {
            out_.number(*item.width);
        } else {
            out_ << "null";
        }
        out_ << ", \"quantity\": " << std::to_string(item.quantity) << ", \"pieceWeight\": ";
        out_.number(item.pieceWeight) << ", \"totalWeight\": ";
        out_.number(item.totalWeight) << ", \"note\": ";
        writeString(out_, item.note);
        out_ << '}';
    }

    void error(const RowError& error) override { errors_.push_back(error); }

    void end(const Totals& totals, std::size_t /*badRows*/) override {
        out_ << arrayEnd(rowsWritten_) << ",\n\"totals\": [";
        for (std::size_t i = 0; i < totals.groups.size(); ++i) {
            const Totals::Group& group = totals.groups[i];
            out_ << before(i) << '{';
            writeKind(out_, group.category, group.choice);
            out_ << ", \"quantity\": " << std::to_string(group.quantity)
                 << ", \"weight\": " << numberText(group.weight) << "}";
        }
        out_ << arrayEnd(totals.groups.size()) << ",\n\"weight\": " << numberText(totals.weight)
             << ",\n\"errors\": [";
        for (std::size_t i = 0; i < errors_.size(); ++i) {
            out_ << before(i) << "{\"line\":" << std::to_string(errors_[i].line) << ",\"column\":";
            writeString(out_, errors_[i].column);
            out_ << ",\"text\":";
            writeString(out_, errors_[i].text);
            out_ << ",\"message\":";
            writeString(out_, errors_[i].message);
            out_ << '}';
        }
        out_ << arrayEnd(errors_.size()) << "}\n";
    }

  private:
    Output& out_;
    std::size_t rowsWritten_ = 0;
    std::vector<RowError> errors_;  // listed after the totals
};

}  // namespace

std::unique_ptr<Report> makeJsonReport(Output& output) {
    return std::make_unique<JsonReport>(output);
}

}  // namespace metalweight::bom
