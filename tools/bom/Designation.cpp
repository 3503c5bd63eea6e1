#include "tools/bom/Designation.h"

#include <array>
#include <cstddef>
#include <initializer_list>

#include "tools/bom/CellText.h"
#include "tools/bom/Columns.h"

namespace metalweight::bom {
namespace {

struct Notation {
    std::initializer_list<std::string_view> symbols;
    std::size_t dimensions;  // how many a designation gives
    std::string_view example;
};

// In category order (Category − 1).
const std::array<Notation, kCategoryCount> kNotations = {{
    {{"φ", "Φ", "∅"}, 2, "φ57×3.5"},
    {{"I", "工"}, 3, "I20a、工20a 或 200×100×7"},
    {{"[", "槽"}, 3, "[14b、槽14b 或 140×60×8"},
    {{"∠", "L"}, 2, "∠63×6"},
    {{"∠", "L"}, 3, "∠63×40×5"},
    {{"-", "扁"}, 2, "-50×5"},
    {{"φ", "Φ", "∅"}, 1, "φ20"},
    {{"□", "方"}, 1, "□20"},
    {{"六角"}, 1, "六角20"},
    {{"六角"}, 2, "六角30×5"},
    {{"δ"}, 1, "δ10"},
    {{"φ", "Φ", "∅"}, 1, "φ2.8"},
}};

const Notation& notationOf(Category category) {
    return kNotations[static_cast<std::size_t>(category - 1)];
}

// The position and length of the first separator in `text` ("×", "x", "X" or "*"), or npos.
std::pair<std::size_t, std::size_t> findSeparator(std::string_view text) {
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (c == 'x' || c == 'X' || c == '*') {
            return {at, 1};
        }
        if (text.substr(at).starts_with("×")) {
            return {at, std::string_view("×").size()};
        }
    }
    return {std::string_view::npos, 0};
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A model number: at most three digits, then at most one decimal ("12.6"); the height
// in mm is ten times it.
bool readModel(std::string_view text, Designation& designation) {
    std::size_t at = 0;
    int height = 0;
    while (at < text.size() && isDigit(text[at]) && at < 3) {
        height = height * 10 + (text[at] - '0');
        ++at;
    }
    if (at == 0) {
        return false;
    }
    height *= 10;
    if (at < text.size() && text[at] == '.') {
        if (at + 1 >= text.size() || !isDigit(text[at + 1])) {
            return false;
        }
        height += text[at + 1] - '0';
        at += 2;
    }
    designation.modelText = text.substr(0, at);
    const std::string_view letter = text.substr(at);
    if (letter.size() > 1 || (letter.size() == 1 && std::string_view("abcABC").find(letter[0]) ==
                                                        std::string_view::npos)) {
        return false;
    }
    designation.modelHeight = height;
    designation.typeLetter = letter;
    designation.byModel = true;
    return true;
}

}  // namespace

Designation parseDesignation(Category category, std::string_view text) {
    const Notation& notation = notationOf(category);
    Designation designation;
    std::string_view rest = trimBlanks(text);
    for (const std::string_view symbol : notation.symbols) {
        if (rest.starts_with(symbol)) {
            rest = trimBlanks(rest.substr(symbol.size()));
            break;
        }
    }
    const bool beam = category == kIBeam || category == kChannel;
    if (beam && findSeparator(rest).first == std::string_view::npos &&
        readModel(rest, designation)) {
        return designation;
    }
    auto& dims = designation.dimensions;
    bool wellFormed = true;
    for (;;) {
        const auto [at, length] = findSeparator(rest);
        const std::string_view dimension = trimBlanks(rest.substr(0, at));
        wellFormed = wellFormed && designation.count < dims.size() && isPlainDecimal(dimension);
        if (wellFormed) {
            dims[designation.count++] = dimension;
        }
        if (at == std::string_view::npos) {
            break;
        }
        rest = rest.substr(at + length);
    }
    // An equal-leg angle may name its leg twice: ∠63×63×6.
    if (wellFormed && category == kEqualAngle && designation.count == 3 &&
        readPlainDecimal(dims[0]) == readPlainDecimal(dims[1])) {
        dims = {dims[1], dims[2]};
        designation.count = 2;
    }
    if (!wellFormed || designation.count != notation.dimensions) {
        designation.count = 0;
        designation.error = "不是" + std::string(catalogueRow(category).name) + "的规格写法（如 " +
                            std::string(notation.example) + "）";
    }
    return designation;
}

}  // namespace metalweight::bom
