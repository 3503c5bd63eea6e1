#include <algorithm>
#include <array>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "core/Choices.h"
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
    explicit JsonReport(Output& output) : out_(output) {
        // A row's section text is mostly the same for every section of a category and
        // choice: those parts are made once, so that a row writes few pieces.
        constexpr std::string_view kFields = R"(, "fields": [")";
        for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
            const Category category = kCatalogue[i].key;
            std::string start = R"(, "category": ")";
            start += kCatalogue[i].name;
            start += R"(", "choice": )";
            openings_[i].push_back(start + "null");
            for (const std::string_view entry : choiceEntries(category)) {
                openings_[i].push_back(start + '"');
                openings_[i].back() += entry;
                openings_[i].back() += '"';
            }
            for (std::string& opening : openings_[i]) {
                opening += kFields;
            }
            closings_[i] = R"("], "unit": ")";
            closings_[i] += unitOf(category);
            closings_[i] += R"(", "unitWeight": ")";
        }
    }

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
        if (item.width) {
            out << ", \"width\": ";
            writeNumber(out, item.widthText, *item.width);
            out << ", \"quantity\": ";
        } else {
            out << R"(, "width": null, "quantity": )";
        }
        out.number(item.quantity) << ", \"pieceWeight\": ";
        out.number(item.pieceWeight) << ", \"totalWeight\": ";
        out.number(item.totalWeight);
        if (isPlain(item.note)) {
            out << R"(, "note": ")" << item.note << R"("})";
        } else {
            out << ", \"note\": " << jsonString(item.note) << '}';
        }
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
    // What a row writes of its section, from the category to the unit weight. Field and
    // weight texts are plain decimals, which have nothing to escape.
    void writeSection(Output& out, const Section& section) const {
        const auto category = static_cast<std::size_t>(section.category - 1);
        out << openings_[category][static_cast<std::size_t>(section.choice)] << section.fields[0]
            << "\", \"" << section.fields[1] << "\", \"" << section.fields[2] << closings_[category]
            << section.unitWeightText << '"';
    }

    // A number, by the text that is already its shortest when there is one.
    static void writeNumber(Output& out, std::string_view shortest, double value) {
        if (shortest.empty()) {
            out.number(value);
        } else {
            out << shortest;
        }
    }

    // Whether a text has nothing to escape in a string literal, as notes mostly have.
    static bool isPlain(std::string_view text) {
        return std::none_of(text.begin(), text.end(), [](char c) {
            return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
        });
    }

    // By category (Category − 1): the opening of a section's text by choice, and what
    // follows its fields.
    std::array<std::vector<std::string>, kCatalogue.size()> openings_;
    std::array<std::string, kCatalogue.size()> closings_;
    Output& out_;
};

}  // namespace

std::unique_ptr<Report> makeJsonReport(Output& output) {
    return std::make_unique<JsonReport>(output);
}

}  // namespace metalweight::bom
