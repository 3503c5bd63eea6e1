#include <algorithm>

#include "tools/bom/Report.h"

namespace metalweight::bom {
namespace {

// The list's own rows with four columns added, then the totals, in UTF-8 with a
// byte-order mark and CR LF line ends, as a spreadsheet on a Chinese Windows opens
// them with the Chinese intact.
class CsvReport final : public Report {
  public:
    explicit CsvReport(Output& output) : out_(output) {}

    void begin(std::span<const std::string> header) override {
        width_ = header.size();
        out_ << "\xEF\xBB\xBF";
        for (const std::string& cell : header) {
            writeCell(cell);
            out_ << ',';
        }
        out_ << "单重,单位,单件重量(kg),总重量(kg)\r\n";
    }

    void row(const Record& record, const LineItem& item) override {
        for (std::size_t i = 0; i < width_; ++i) {
            if (i < record.cells.size()) {
                writeCell(record.cells[i]);
            }
            out_ << ',';
        }
        const Section& section = *item.section;
        out_ << section.unitWeightText << ',' << unitOf(section.category) << ',';
        out_.number(item.pieceWeight) << ',';
        out_.number(item.totalWeight) << "\r\n";
    }

    void end(const Totals& totals, std::size_t /*badRows*/) override {
        out_ << "\r\n合计,选择,数量,重量(kg)\r\n";
        for (const Totals::Group& group : totals.groups) {
            out_ << catalogueRow(group.category).name << ',';
            writeCell(choiceText(group.category, group.choice).value_or(""));
            out_ << ',' << std::to_string(group.quantity) << ',' << numberText(group.weight)
                 << "\r\n";
        }
        out_ << "总计,," << std::to_string(totals.quantity) << ',' << numberText(totals.weight)
             << "\r\n";
    }

  private:
    // A cell quoted when it holds a comma, a quote or a line end, quotes doubled.
    void writeCell(std::string_view cell) {
        const bool plain = std::none_of(cell.begin(), cell.end(), [](char c) {
            return c == ',' || c == '"' || c == '\r' || c == '\n';
        });
        if (plain) {
            out_ << cell;
            return;
        }
        out_ << '"';
        for (const char c : cell) {
            if (c == '"') {
                out_ << '"';
            }
            out_ << c;
        }
        out_ << '"';
    }

    Output& out_;
    std::size_t width_ = 0;  // the header's cells: a row is written as wide
};

}  // namespace

std::unique_ptr<Report> makeCsvReport(Output& output) {
    return std::make_unique<CsvReport>(output);
}

}  // namespace metalweight::bom
