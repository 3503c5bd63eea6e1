#include "tools/bom/Names.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

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

// Whether a cell is a name, compared by hand: names are a few bytes, several of the same
// length, and a call to memcmp for each would cost more than the compare.
bool isName(std::string_view cell, std::string_view name) {
    if (cell.size() != name.size()) {
        return false;
    }
    for (std::size_t i = 0; i < cell.size(); ++i) {
        if (cell[i] != name[i]) {
            return false;
        }
    }
    return true;
}

// Four bytes of a text from `at`, as a little-endian word.
constexpr std::uint32_t wordAt(std::string_view text, std::size_t at) {
    std::uint32_t word = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        word |= static_cast<std::uint32_t>(static_cast<unsigned char>(text[at + i])) << (8 * i);
    }
    return word;
}

// The category names by a hash of their length and first and last four bytes. A cell's
// category is then one compare: a search would branch on every name it is not, and in a
// list of mixed categories most of those branches go the unforeseen way.
constexpr std::size_t kNameSlotCount = 64;

constexpr std::size_t nameSlot(std::string_view name) {
    const std::uint64_t word =
        ((std::uint64_t{wordAt(name, 0)} << 32) | wordAt(name, name.size() - 4)) ^ name.size();
    return static_cast<std::size_t>((word * 0xC4CEB9FE1A85EC53ULL) >> 58);
}

struct NameSlots {
    std::array<std::uint8_t, kNameSlotCount> row{};  // catalogue position + 1, or 0
    bool apart = true;                               // no two names share a slot
};

constexpr NameSlots makeNameSlots() {
    NameSlots slots;
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        std::uint8_t& slot = slots.row[nameSlot(kCatalogue[i].name)];
        slots.apart = slots.apart && slot == 0;
        slot = static_cast<std::uint8_t>(i + 1);
    }
    return slots;
}

constexpr NameSlots kNameSlots = makeNameSlots();
static_assert(kNameSlots.apart, "two category names share a slot: change the hash");

}  // namespace

bool equalIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        return lower(x) == lower(y);
    });
}

std::size_t categoryRow(std::string_view name) {
    if (name.size() >= 4) {
        const std::size_t slot = kNameSlots.row[nameSlot(name)];
        if (slot > 0 && isName(name, kCatalogue[slot - 1].name)) {
            return slot;
        }
    }
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        if (equalIgnoringAsciiCase(name, kCategoryKeys[i])) {
            return i + 1;
        }
    }
    return 0;
}

std::optional<int> materialByName(std::string_view name) {
    for (std::size_t i = 0; i < std::size(kMaterials); ++i) {
        if (isName(name, kMaterials[i].name) || equalIgnoringAsciiCase(name, kMaterialKeys[i])) {
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

}  // namespace metalweight::bom
