#include <algorithm>

#include "tools/bom/Report.h"

namespace metalweight::bom {
namespace {

// The list's own rows with four columns added, then the totals, in UTF-8 with a
// byte-order mark and CR LF line ends, as a spreadsheet on a Chinese Windows opens
// them with the Chinese intact.
class CsvReport final : public Report {
  public:
    CsvReport(Output& output, std::size_t columns) : out_(output), width_(columns) {}

    void begin(std::span<const std::string_view> header) override {
        out_ << "\xEF\xBB\xBF";
        for (const std::string_view cell : header) {
            writeCell(out_, cell);
            out_ << ',';
        }
        out_ << "单重,单位,单件重量(kg),总重量(kg)\r\n";
    }

    void row(Output& out, const Record& record, const LineItem& item) const override {
        const std::span<const std::string_view> cells = record.cells;
        if (record.verbatim && cells.size() == width_) {
            // The cells as the list writes them need no quotes: copied in one piece.
            out << std::string_view(
                       cells.front().data(),
                       static_cast<std::size_t>(cells.back().data() - cells.front().data()) +
                           cells.back().size())
                << ',';
        } else {
            for (std::size_t i = 0; i < width_; ++i) {
                if (i < cells.size()) {
                    writeCell(out, cells[i]);
                }
                out << ',';
            }
        }
        const Section& section = *item.section;
        out << section.unitWeightText << ',' << unitOf(section.category) << ',';
        out.number(item.pieceWeight) << ',';
        out.number(item.totalWeight) << "\r\n";
    }

    void end(const Totals& totals, std::span<const RowError> /*errors*/) override {
        out_ << "\r\n合计,选择,数量,重量(kg)\r\n";
        for (const Totals::Group& group : totals.groups()) {
            Section section;
            section.category = group.category;
            section.choice = group.choice;
            out_ << catalogueRow(group.category).name << ',';
            writeCell(out_, choiceText(section).value_or(""));
            out_ << ',' << std::to_string(group.quantity) << ',' << numberText(group.weight)
                 << "\r\n";
        }
        out_ << "总计,," << std::to_string(totals.quantity()) << ',' << numberText(totals.weight())
             << "\r\n";
    }

  private:
    // A cell quoted when it holds a comma, a quote or a line end, quotes doubled.
    static void writeCell(Output& out, std::string_view cell) {
        const bool plain = std::none_of(cell.begin(), cell.end(), [](char c) {
            return c == ',' || c == '"' || c == '\r' || c == '\n';
        });
        if (plain) {
            out << cell;
            return;
        }
        out << '"';
        for (const char c : cell) {
            if (c == '"') {
                out << '"';
            }
            out << c;
        }
        out << '"';
    }

    Output& out_;
    std::size_t width_;
};

}  // namespace

std::unique_ptr<Report> makeCsvReport(Output& output, std::size_t columns) {
    return std::make_unique<CsvReport>(output, columns);
}

}  // namespace metalweight::bom
