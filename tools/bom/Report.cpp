#include "tools/bom/Report.h"

namespace metalweight::bom {

std::unique_ptr<Report> makeReport(Format format, Output& output, std::size_t columns) {
    switch (format) {
        case Format::kTable:
            return makeTableReport(output);
        case Format::kCsv:
            return makeCsvReport(output, columns);
        case Format::kJson:
            return makeJsonReport(output);
    }
    return nullptr;
}

std::string_view unitOf(Category category) {
    return category == kPlate ? "kg/m^2" : "kg/m";
}

}  // namespace metalweight::bom
