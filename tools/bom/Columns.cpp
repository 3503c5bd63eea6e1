#include "tools/bom/Columns.h"

#include <cstddef>

#include "tools/bom/CellText.h"

namespace metalweight::bom {
namespace {

struct ColumnNames {
    std::string_view chinese;
    std::string_view english;
};

// In Column order.
constexpr std::array<ColumnNames, kColumnCount> kColumnNames = {{
    {"类别", "category"},
    {"材质", "material"},
    {"型号", "type"},
    {"规格", "size"},
    {"尺寸1", "d1"},
    {"尺寸2", "d2"},
    {"尺寸3", "d3"},
    {"长度", "length"},
    {"宽度", "width"},
    {"数量", "quantity"},
    {"备注", "note"},
}};

}  // namespace

std::optional<ColumnMap> ColumnMap::fromHeader(std::span<const std::string> header,
                                               std::string& error) {
    ColumnMap map;
    map.positions_.fill(-1);
    map.width_ = header.size();
    for (std::size_t i = 0; i < kColumnCount; ++i) {
        map.headers_[i] = kColumnNames[i].chinese;
    }
    for (std::size_t position = 0; position < header.size(); ++position) {
        const std::string_view text = trimBlanks(header[position]);
        for (std::size_t i = 0; i < kColumnCount; ++i) {
            const ColumnNames& names = kColumnNames[i];
            if (text != names.chinese && !equalIgnoringAsciiCase(text, names.english)) {
                continue;
            }
            if (map.positions_[i] >= 0) {
                error = "表头有两个 \"" + std::string(names.chinese) + "\" 列";
                return std::nullopt;
            }
            map.positions_[i] = static_cast<int>(position);
            map.headers_[i] = text;
        }
    }
    if (map.position(Column::kCategory) < 0) {
        error = "表头没有 \"类别\"（category）列";
        return std::nullopt;
    }
    return map;
}

}  // namespace metalweight::bom
