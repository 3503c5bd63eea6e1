#include <array>
#include <charconv>
#include <cstdint>

#include "tools/bom/Report.h"

namespace metalweight::bom {
namespace {

// Columns a person reads on a terminal: fixed widths, Chinese characters two wide.
struct TableColumn {
    std::string_view title;
    std::size_t width;
    bool right;  // numbers align on the right
};

constexpr std::array<TableColumn, 11> kColumns = {{
    {"行", 5, true},
    {"类别", 10, false},
    {"选择", 12, false},
    {"尺寸(mm)", 14, false},
    {"单重", 9, true},
    {"单位", 6, false},
    {"长度(m)", 7, true},
    {"宽度(m)", 7, true},
    {"数量", 6, true},
    {"单件(kg)", 11, true},
    {"总重(kg)", 12, true},
}};

// Terminal columns a UTF-8 text takes: East Asian wide characters count two.
std::size_t displayWidth(std::string_view text) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        // The lead byte of a character of n bytes gives its low 7 − n bits, each byte after
        // it six.
        std::uint32_t code = length == 1 ? lead : lead & (0x7FU >> length);
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k) {
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3FU);
        }
        const bool wide =
            (code >= 0x1100 && code <= 0x115F) || (code >= 0x2E80 && code <= 0xA4CF) ||
            (code >= 0xAC00 && code <= 0xD7A3) || (code >= 0xF900 && code <= 0xFAFF) ||
            (code >= 0xFE30 && code <= 0xFE4F) || (code >= 0xFF00 && code <= 0xFF60) ||
            (code >= 0xFFE0 && code <= 0xFFE6) || (code >= 0x20000 && code <= 0x3FFFD);
        width += wide ? 2 : 1;
        i += length;
    }
    return width;
}

std::string kilograms(double weight) {
    char text[64];
    const auto result =
        std::to_chars(text, text + sizeof text, weight, std::chars_format::fixed, 3);
    return {text, result.ptr};
}

class TableReport final : public Report {
  public:
    explicit TableReport(Output& output) : out_(output) {}

    void begin(std::span<const std::string> /*header*/) override {
        for (const TableColumn& column : kColumns) {
            cell(column, column.title);
        }
        out_ << "  备注\n";
        rule();
    }

    void row(const Record& record, const LineItem& item) override {
        const Section& section = *item.section;
        std::string size;
        for (const std::string& field : section.fields) {
            if (!field.empty()) {
                size += size.empty() ? "" : "×";
                size += field;
            }
        }
        const std::array<std::string, 11> cells = {
            std::to_string(record.line),
            std::string(catalogueRow(section.category).name),
            std::string(choiceText(section.category, section.choice).value_or("")),
            size,
            section.unitWeightText,
            std::string(unitOf(section.category)),
            numberText(item.length),
            item.width ? numberText(*item.width) : "",
            std::to_string(item.quantity),
            kilograms(item.pieceWeight),
            kilograms(item.totalWeight),
        };
        for (std::size_t i = 0; i < kColumns.size(); ++i) {
            cell(kColumns[i], cells[i]);
        }
        if (!item.note.empty()) {
            out_ << "  " << item.note;
        }
        out_ << '\n';
    }

    void end(const Totals& totals, std::size_t badRows) override {
        rule();
        for (const Totals::Group& group : totals.groups) {
            totalLine(std::string("合计 ") + std::string(catalogueRow(group.category).name) + " " +
                          std::string(choiceText(group.category, group.choice).value_or("")),
                      group.quantity, group.weight);
        }
        totalLine("总计", totals.quantity, totals.weight);
        if (badRows > 0) {
            out_ << std::to_string(badRows) << " 行有错，没有计入（见标准错误）\n";
        }
    }

  private:
    void pad(std::string_view text, std::size_t width, bool right) {
        const std::size_t used = displayWidth(text);
        const std::string blanks(used < width ? width - used : 0, ' ');
        if (right) {
            out_ << blanks << text;
        } else {
            out_ << text << blanks;
        }
    }
    void totalLine(std::string_view label, std::uint64_t quantity, double weight) {
        pad(label, 48, false);
        pad(std::to_string(quantity) + " 件", 16, true);
        pad(kilograms(weight) + " kg", 24, true);
        out_ << '\n';
    }
    // A cell with the two blanks that part it from the one before.
    void cell(const TableColumn& column, std::string_view text) {
        if (&column != kColumns.data()) {
            out_ << "  ";
        }
        pad(text, column.width, column.right);
    }
    void rule() {
        std::size_t width = 4;
        for (const TableColumn& column : kColumns) {
            width += column.width + 2;
        }
        out_ << std::string(width, '-') << '\n';
    }

    Output& out_;
};

}  // namespace

std::unique_ptr<Report> makeTableReport(Output& output) {
    return std::make_unique<TableReport>(output);
}

}  // namespace metalweight::bom
