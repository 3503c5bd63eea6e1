// A category cell is found by its window name or English key, and nothing else is
// taken for one: the lookup by hash must not let a near miss through.
#include "tools/bom/CellText.h"

#include <gtest/gtest.h>

#include <string>

#include "core/Choices.h"

namespace metalweight::bom {
namespace {

TEST(CategoryName, EveryWindowNameAndKeyFindsItsCategory) {
    const char* keys[] = {"pipe",  "i-beam", "channel", "equal-angle",    "unequal-angle", "flat",
                          "round", "square", "hexagon", "hollow-hexagon", "plate",         "wire"};
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        EXPECT_EQ(categoryByName(kCatalogue[i].name), kCatalogue[i].key) << kCatalogue[i].name;
        EXPECT_EQ(categoryByName(keys[i]), kCatalogue[i].key) << keys[i];
        std::string upper = keys[i];
        for (char& c : upper) {
            c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
        }
        EXPECT_EQ(categoryByName(upper), kCatalogue[i].key) << upper;
    }
}

TEST(CategoryName, NearMissesAreNoCategory) {
    for (const CategoryInfo& row : kCatalogue) {
        const std::string name(row.name);
        // A byte changed at each place, one missing at either end, one more at either end.
        for (std::size_t at = 0; at < name.size(); ++at) {
            std::string changed = name;
            changed[at] = static_cast<char>(changed[at] ^ 0x01);
            EXPECT_FALSE(categoryByName(changed).has_value()) << changed;
        }
        EXPECT_FALSE(categoryByName(name.substr(1)).has_value());
        EXPECT_FALSE(categoryByName(name.substr(0, name.size() - 1)).has_value());
        EXPECT_FALSE(categoryByName(name + " ").has_value());
        EXPECT_FALSE(categoryByName("x" + name).has_value());
    }
    // Names that share their first or last character with a category's.
    for (const char* cell :
         {"", "钢", "六角", "六角空心钢", "钢管", "角钢", "圆管", "pipes", "i beam"}) {
        EXPECT_FALSE(categoryByName(cell).has_value()) << cell;
    }
}

TEST(ChoiceName, MaterialsAndTypeLetters) {
    EXPECT_EQ(materialByName("紫铜"), kCopper);
    EXPECT_EQ(materialByName("Copper"), kCopper);
    EXPECT_FALSE(materialByName("铜").has_value());
    EXPECT_EQ(modelTypeByLetter(""), kNoLetter);
    EXPECT_EQ(modelTypeByLetter("B"), kTypeB);
    EXPECT_FALSE(modelTypeByLetter("d").has_value());
}

}  // namespace
}  // namespace metalweight::bom
