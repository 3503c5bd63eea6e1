#include <algorithm>
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

    void begin(std::span<const std::string_view> /*header*/) override { out_ << "{\"rows\": ["; }

    void row(Output& out, const Record& record, const LineItem& item) const override {
        const Section& section = *item.section;
        out << "{\"line\": ";
        out.number(static_cast<std::uint64_t>(record.line));
        if (!section.kept) {
            writeSection(out, section);
        } else {
            if (section.reportText.empty()) {
                Output text(section.reportText);  // which holds it once this is gone
                writeSection(text, section);
            }
            out << section.reportText.view();
        }
        out << ", \"length\": ";
        writeNumber(out, item.lengthText, item.length);
        out << ", \"width\": ";
        if (item.width) {
            writeNumber(out, item.widthText, *item.width);
        } else {
            out << "null";
        }
        out << ", \"quantity\": ";
        out.number(item.quantity) << ", \"pieceWeight\": ";
        out.number(item.pieceWeight) << ", \"totalWeight\": ";
        out.number(item.totalWeight) << ", \"note\": ";
        writeString(out, item.note);
        out << '}';
    }

    [[nodiscard]] std::string_view rowSeparator(bool first) const override {
        return first ? "\n" : ",\n";
    }

    void end(const Totals& totals, std::span<const RowError> errors) override {
        out_ << (totals.groups().empty() ? "],\n" : "\n],\n") << "\"totals\": [";
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
    // What a row writes of its section, from the category to the unit weight.
    static void writeSection(Output& out, const Section& section) {
        out << ", \"category\": ";
        writePlain(out, catalogueRow(section.category).name);
        out << ", \"choice\": ";
        if (const std::optional<std::string_view> choice = choiceText(section)) {
            writePlain(out, *choice);
        } else {
            out << "null";
        }
        out << ", \"fields\": [";
        writePlain(out, section.fields[0]);
        out << ", ";
        writePlain(out, section.fields[1]);
        out << ", ";
        writePlain(out, section.fields[2]);
        out << "], \"unit\": ";
        writePlain(out, unitOf(section.category));
        out << ", \"unitWeight\": ";
        writePlain(out, section.unitWeightText);
    }

    // A number, by the text that is already its shortest when there is one.
    static void writeNumber(Output& out, std::string_view shortest, double value) {
        if (shortest.empty()) {
            out.number(value);
        } else {
            out << shortest;
        }
    }

    // A string literal of a text that has nothing to escape: the catalogue's names, the
    // choice lists' entries, units, and field and weight texts, which are plain decimals.
    static void writePlain(Output& out, std::string_view text) { out << '"' << text << '"'; }

    // A string literal; text with nothing to escape, as notes mostly are, goes as it is.
    static void writeString(Output& out, std::string_view text) {
        const bool plain = std::none_of(text.begin(), text.end(), [](char c) {
            return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
        });
        if (plain) {
            out << '"' << text << '"';
        } else {
            out << jsonString(text);
        }
    }

    Output& out_;
};

}  // namespace

std::unique_ptr<Report> makeJsonReport(Output& output) {
    return std::make_unique<JsonReport>(output);
}

}  // namespace metalweight::bom
