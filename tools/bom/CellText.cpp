#include "tools/bom/CellText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>

#include "core/Choices.h"

namespace metalweight::bom {
namespace {

// Keys in category order (Category − 1).
constexpr std::array<std::string_view, kCategoryCount> kCategoryKeys = {
    "pipe",  "i-beam", "channel", "equal-angle",    "unequal-angle", "flat",
    "round", "square", "hexagon", "hollow-hexagon", "plate",         "wire",
};

// Keys in material order (PipeMaterial − 1).
constexpr std::array<std::string_view, std::size(kMaterials)> kMaterialKeys = {
    "carbon-steel", "stainless-steel", "copper", "brass", "lead", "aluminium",
};

}  // namespace

bool equalIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        return lower(x) == lower(y);
    });
}

std::optional<Category> categoryByName(std::string_view name) {
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        if (name == kCatalogue[i].name || equalIgnoringAsciiCase(name, kCategoryKeys[i])) {
            return kCatalogue[i].key;
        }
    }
    return std::nullopt;
}

std::optional<int> materialByName(std::string_view name) {
    for (std::size_t i = 0; i < std::size(kMaterials); ++i) {
        if (name == kMaterials[i].name || equalIgnoringAsciiCase(name, kMaterialKeys[i])) {
            return static_cast<int>(i) + 1;
        }
    }
    return std::nullopt;
}

std::optional<int> modelTypeByLetter(std::string_view letter) {
    for (std::size_t i = 0; i < std::size(kModelTypes); ++i) {
        if (equalIgnoringAsciiCase(letter, kModelTypes[i])) {
            return static_cast<int>(i) + 1;
        }
    }
    return std::nullopt;
}

bool isPlainDecimal(std::string_view text) {
    const auto digits =
        std::count_if(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    const auto points = std::count(text.begin(), text.end(), '.');
    return digits > 0 && points <= 1 && static_cast<std::size_t>(digits + points) == text.size();
}

std::optional<double> readPlainDecimal(std::string_view text) {
    if (!isPlainDecimal(text)) {
        return std::nullopt;
    }
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace metalweight::bom
