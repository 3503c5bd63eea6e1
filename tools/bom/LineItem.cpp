#include "tools/bom/LineItem.h"

#include <charconv>
#include <cmath>
#include <cstddef>

#include "core/Choices.h"
#include "core/NumberText.h"
#include "core/Recalculation.h"
#include "presets/DimensionPresets.h"
#include "tools/bom/CellText.h"
#include "tools/bom/Designation.h"

namespace metalweight::bom {
namespace {

constexpr std::array<Column, 3> kDimensionColumns = {Column::kDimension1, Column::kDimension2,
                                                     Column::kDimension3};
constexpr std::array<Column, 7> kSectionColumns = {
    Column::kCategory,   Column::kMaterial,   Column::kType,      Column::kSize,
    Column::kDimension1, Column::kDimension2, Column::kDimension3};
constexpr std::size_t kSectionsKept = 1024;

// A dimension cell without an "mm" after it and the blanks before that.
std::string_view withoutMillimetres(std::string_view cell) {
    if (cell.ends_with("mm") || cell.ends_with("MM")) {
        cell.remove_suffix(2);
    }
    return trimBlanks(cell);
}

// Whether the k-th field (0-based) is one the category's formula uses.
bool fieldUsed(Category category, std::size_t k) {
    if (category == kEqualAngle && k == 0) {
        return false;  // the model number
    }
    return static_cast<int>(k) < catalogueRow(category).valueCount;
}

// The texts `text` gives for a range's elements, joined with "、" as a message lists them.
template <typename Range, typename Text>
std::string listOf(const Range& range, Text text) {
    std::string list;
    for (const auto& element : range) {
        list += list.empty() ? "" : "、";
        list += text(element);
    }
    return list;
}

// One record's cells read against the list's columns: the section they name, and the
// line item's length, width and quantity. A bad cell comes back as a RowError.
class Row {
  public:
    Row(const ColumnMap& columns, std::span<const std::string> record) : columns_(columns) {
        for (std::size_t i = 0; i < kColumnCount; ++i) {
            cells_[i] = columns.cell(record, static_cast<Column>(i));
        }
    }

    // The cells a section is worked out from, each ended by a byte UTF-8 text never holds.
    void sectionKey(std::string& key) const {
        key.clear();
        for (const Column column : kSectionColumns) {
            key += cell(column);
            key += '\xFF';
        }
    }
    std::optional<RowError> readSection(Section& section) const;
    std::optional<RowError> readItem(LineItem& item) const;

  private:
    [[nodiscard]] std::string_view cell(Column column) const {
        return cells_[static_cast<std::size_t>(column)];
    }
    [[nodiscard]] RowError errorAt(Column column, std::string message) const {
        return {columns_.header(column), std::string(cell(column)), std::move(message)};
    }
    std::optional<RowError> readChoice(Section& section, std::optional<int>& typeColumn) const;
    std::optional<RowError> fromDesignation(Section& section, std::optional<int> typeColumn) const;
    std::optional<RowError> fromDimensionColumns(Section& section) const;
    // A length or width in m: a positive plain decimal, or `value` kept when the cell is
    // empty; false when it is neither.
    bool readMetres(Column column, double& value) const;

    const ColumnMap& columns_;
    std::array<std::string_view, kColumnCount> cells_;
};

std::optional<RowError> Row::readSection(Section& section) const {
    const std::string_view name = cell(Column::kCategory);
    if (name.empty()) {
        return errorAt(Column::kCategory, "类别不能为空");
    }
    const std::optional<Category> category = categoryByName(name);
    if (!category) {
        return errorAt(Column::kCategory,
                       "不是已知的类别；类别是 " + listOf(kCatalogue, [](const CategoryInfo& row) {
                           return row.name;
                       }) + "，或 pipe、i-beam、channel 等英文名");
    }
    section.category = *category;
    std::optional<int> typeColumn;
    if (auto error = readChoice(section, typeColumn)) {
        return error;
    }
    const bool bySize = !cell(Column::kSize).empty();
    if (auto error =
            bySize ? fromDesignation(section, typeColumn) : fromDimensionColumns(section)) {
        return error;
    }
    CalculatorState state;
    selectCategory(state, section.category, section.choice == 0 ? 1 : section.choice);
    section.unitWeightText =
        recalculate(state, {section.fields[0], section.fields[1], section.fields[2]});
    if (section.unitWeightText.empty()) {
        // Why the window leaves the result empty: a used dimension that is not positive
        // or not finite (the recalculation has read them into the state), or no section.
        const std::array<double, 3> read = {state.dimension1, state.dimension2, state.dimension3};
        for (std::size_t k = 0; k < 3; ++k) {
            if (fieldUsed(section.category, k) && (!(read[k] > 0.0) || !std::isfinite(read[k]))) {
                const Column column = bySize ? Column::kSize : kDimensionColumns[k];
                return errorAt(column, read[k] > 0.0 ? "尺寸太大" : "尺寸必须大于 0");
            }
        }
        if (bySize) {
            return errorAt(Column::kSize, "这组尺寸没有截面，窗口不给出单重");
        }
        RowError error{"", "", "这组尺寸没有截面，窗口不给出单重"};
        for (std::size_t k = 0; k < 3; ++k) {
            if (fieldUsed(section.category, k)) {
                error.column += error.column.empty() ? "" : "、";
                error.column += columns_.header(kDimensionColumns[k]);
                error.text += error.text.empty() ? "" : "、";
                error.text += section.fields[k];
            }
        }
        return error;
    }
    section.unitWeight = state.unitWeight;
    return std::nullopt;
}

std::optional<RowError> Row::readChoice(Section& section, std::optional<int>& typeColumn) const {
    const std::string_view material = cell(Column::kMaterial);
    const std::string_view type = cell(Column::kType);
    const Category category = section.category;
    if (category == kPipe) {
        section.choice = kCarbonSteel;
        if (!material.empty()) {
            const std::optional<int> choice = materialByName(material);
            if (!choice) {
                return errorAt(Column::kMaterial, "不是管道的材质；材质是 " +
                                                      listOf(kMaterials, [](const Material& entry) {
                                                          return entry.name;
                                                      }));
            }
            section.choice = *choice;
        }
    } else if (!material.empty() && materialByName(material) != kCarbonSteel) {
        return errorAt(Column::kMaterial, "只有管道按材质计算，其他类别都按碳钢");
    }
    if (category == kIBeam || category == kChannel) {
        section.choice = kNoLetter;
        if (!type.empty()) {
            typeColumn = modelTypeByLetter(type);
            if (!typeColumn) {
                return errorAt(Column::kType, "型号是空、a、b 或 c");
            }
            section.choice = *typeColumn;
        }
    } else if (!type.empty()) {
        return errorAt(Column::kType, "只有工字钢和槽钢有型号");
    }
    return std::nullopt;
}

std::optional<RowError> Row::fromDesignation(Section& section,
                                             std::optional<int> typeColumn) const {
    for (const Column column : kDimensionColumns) {
        if (!cell(column).empty()) {
            return errorAt(column, "已有规格，尺寸列要空着");
        }
    }
    const Category category = section.category;
    const Designation designation = parseDesignation(category, cell(Column::kSize));
    if (!designation.error.empty()) {
        return errorAt(Column::kSize, designation.error);
    }
    if (!designation.byModel) {
        const std::size_t first = category == kEqualAngle ? 1 : 0;
        for (std::size_t k = 0; k < designation.count; ++k) {
            section.fields[first + k] = designation.dimensions[k];
        }
        return std::nullopt;
    }
    if (!designation.typeLetter.empty()) {
        const int letter = *modelTypeByLetter(designation.typeLetter);
        if (typeColumn && *typeColumn != letter) {
            return errorAt(Column::kSize, "规格的型号字母和 \"" + columns_.header(Column::kType) +
                                              "\" 列的 \"" + std::string(cell(Column::kType)) +
                                              "\" 不同");
        }
        section.choice = letter;
    }
    const PresetRow* row = dimensionPresets(category, section.choice).row;
    for (std::size_t i = 0; i < row->list1.size(); ++i) {
        if (row->list1[i] == designation.modelHeight) {
            // What picking that height in the window puts into the three fields.
            section.fields = {presetText(row->list1[i]), presetText(row->list2[i]),
                              presetText(row->list3[i])};
            return std::nullopt;
        }
    }
    const std::string_view typeName = kModelTypes[section.choice - 1];
    return errorAt(Column::kSize,
                   std::string(catalogueRow(category).name) +
                       (typeName.empty() ? "（无型号字母）" : " " + std::string(typeName) + " 型") +
                       "没有 " + std::string(designation.modelText) + " 号；有 " +
                       // Model numbers as a drawing writes them: "10、12、12.6".
                       listOf(row->list1, [](double height) { return presetText(height / 10); }));
}

std::optional<RowError> Row::fromDimensionColumns(Section& section) const {
    const Category category = section.category;
    const int count = catalogueRow(category).valueCount;
    for (std::size_t k = 0; k < 3; ++k) {
        const Column column = kDimensionColumns[k];
        const std::string_view text = withoutMillimetres(cell(column));
        const bool modelNumber = category == kEqualAngle && k == 0;
        if (text.empty()) {
            if (fieldUsed(category, k)) {
                return errorAt(column,
                               columns_.position(Column::kSize) < 0 && columns_.position(column) < 0
                                   ? "没有这一列，也没有规格"
                                   : "尺寸不能为空（或填写规格）");
            }
            continue;
        }
        if (!fieldUsed(category, k) && !modelNumber) {
            return errorAt(column, std::string(catalogueRow(category).name) + "只有 " +
                                       std::to_string(count) + " 个尺寸");
        }
        if (!isPlainDecimal(text)) {
            return errorAt(column, "尺寸要写成只用 \".\" 作小数点的数，单位 mm");
        }
        section.fields[k] = text;
    }
    return std::nullopt;
}

std::optional<RowError> Row::readItem(LineItem& item) const {
    item.length = 1.0;
    if (!readMetres(Column::kLength, item.length)) {
        return errorAt(Column::kLength, "长度要写成大于 0、只用 \".\" 作小数点的数，单位 m");
    }
    item.width.reset();
    if (item.section->category == kPlate) {
        item.width = 1.0;
        if (!readMetres(Column::kWidth, *item.width)) {
            return errorAt(Column::kWidth, "宽度要写成大于 0、只用 \".\" 作小数点的数，单位 m");
        }
    } else if (!cell(Column::kWidth).empty()) {
        return errorAt(Column::kWidth, "只有钢板有宽度");
    }
    item.quantity = 1;
    if (const std::string_view quantity = cell(Column::kQuantity); !quantity.empty()) {
        const char* end = quantity.data() + quantity.size();
        const auto [stop, status] = std::from_chars(quantity.data(), end, item.quantity);
        if (status == std::errc::result_out_of_range) {
            return errorAt(Column::kQuantity, "数量太大");
        }
        if (status != std::errc() || stop != end || quantity.front() == '-' || item.quantity < 1) {
            return errorAt(Column::kQuantity, "数量要写成不小于 1 的整数");
        }
    }
    item.pieceWeight = item.section->unitWeight * item.length;
    if (item.width) {
        item.pieceWeight = item.pieceWeight * *item.width;
    }
    item.totalWeight = item.pieceWeight * static_cast<double>(item.quantity);
    if (!std::isfinite(item.totalWeight)) {
        return errorAt(
            columns_.position(Column::kQuantity) >= 0 ? Column::kQuantity : Column::kLength,
            "重量超出了数的范围");
    }
    item.note = cell(Column::kNote);
    return std::nullopt;
}

bool Row::readMetres(Column column, double& value) const {
    const std::string_view text = cell(column);
    if (text.empty()) {
        return true;
    }
    const std::optional<double> read = readPlainDecimal(text);
    if (!read || !(*read > 0.0) || !std::isfinite(*read)) {
        return false;
    }
    value = *read;
    return true;
}

}  // namespace

std::optional<std::string_view> choiceText(Category category, int choice) {
    if (choice == 0) {
        return std::nullopt;
    }
    return choiceEntries(category)[static_cast<std::size_t>(choice - 1)];
}

bool LineItemReader::read(std::span<const std::string> record, LineItem& item, RowError& error) {
    for (std::size_t i = columns_.width(); i < record.size(); ++i) {
        if (!trimBlanks(record[i]).empty()) {
            error = {"第 " + std::to_string(i + 1) + " 列", record[i], "表头没有这一列"};
            return false;
        }
    }
    const Row row(columns_, record);
    row.sectionKey(key_);
    if (const auto known = sections_.find(key_); known != sections_.end()) {
        item.section = &known->second;
    } else {
        section_ = Section();
        if (auto failed = row.readSection(section_)) {
            error = std::move(*failed);
            return false;
        }
        item.section = &section_;
        if (sections_.size() < kSectionsKept) {
            item.section = &sections_.emplace(key_, section_).first->second;
        }
    }
    if (auto failed = row.readItem(item)) {
        error = std::move(*failed);
        return false;
    }
    return true;
}

}  // namespace metalweight::bom
