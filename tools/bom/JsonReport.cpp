#include <nlohmann/json.hpp>

#include "tools/bom/Report.h"

namespace metalweight::bom {
namespace {

// A JSON string literal; the input is valid UTF-8 once read, but nothing is assumed.
std::string jsonString(std::string_view text) {
    return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string jsonChoice(const Section& section) {
    const std::optional<std::string_view> choice = choiceText(section);
    return choice ? jsonString(*choice) : "null";
}

// One object; rows, one a line, are written as they come, the totals and errors at the
// end.
class JsonReport final : public Report {
  public:
    explicit JsonReport(Output& output) : out_(output) {}

    void begin(std::span<const std::string> /*header*/) override { out_ << "{\"rows\": ["; }

    void row(long long line, std::span<const std::string> /*record*/,
             const LineItem& item) override {
        const Section& section = *item.section;
        out_ << (first_ ? "\n" : ",\n") << "{\"line\": " << std::to_string(line)
             << ", \"category\": " << jsonString(catalogueRow(section.category).name)
             << ", \"choice\": " << jsonChoice(section) << ", \"fields\": ["
             << jsonString(section.fields[0]) << ", " << jsonString(section.fields[1]) << ", "
             << jsonString(section.fields[2]) << "], \"unit\": \"" << unitOf(section.category)
             << "\", \"unitWeight\": \"" << section.unitWeightText
             << "\", \"length\": " << numberText(item.length)
             << ", \"width\": " << (item.width ? numberText(*item.width) : "null")
             << ", \"quantity\": " << std::to_string(item.quantity)
             << ", \"pieceWeight\": " << numberText(item.pieceWeight)
             << ", \"totalWeight\": " << numberText(item.totalWeight)
             << ", \"note\": " << jsonString(item.note) << "}";
        first_ = false;
    }

    void end(const Totals& totals, std::span<const RowError> errors) override {
        out_ << (first_ ? "],\n" : "\n],\n") << "\"totals\": [";
        bool first = true;
        for (const Totals::Group& group : totals.groups()) {
            Section section;
            section.category = group.category;
            section.choice = group.choice;
            out_ << (first ? "\n" : ",\n")
                 << "{\"category\": " << jsonString(catalogueRow(group.category).name)
                 << ", \"choice\": " << jsonChoice(section)
                 << ", \"quantity\": " << std::to_string(group.quantity)
                 << ", \"weight\": " << numberText(group.weight) << "}";
            first = false;
        }
        out_ << (first ? "],\n" : "\n],\n") << "\"weight\": " << numberText(totals.weight())
             << ",\n\"errors\": [";
        first = true;
        for (const RowError& error : errors) {
            const nlohmann::ordered_json object = {{"line", error.line},
                                                   {"column", error.cell.column},
                                                   {"text", error.cell.text},
                                                   {"message", error.cell.message}};
            out_ << (first ? "\n" : ",\n")
                 << object.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
            first = false;
        }
        out_ << (first ? "]}\n" : "\n]}\n");
    }

  private:
    Output& out_;
    bool first_ = true;
};

}  // namespace

std::unique_ptr<Report> makeJsonReport(Output& output) {
    return std::make_unique<JsonReport>(output);
}

}  // namespace metalweight::bom
