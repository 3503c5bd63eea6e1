// Field captions, preset lists and the filling of the value lists.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "core/Choices.h"
#include "presets/DimensionPresets.h"
#include "presets/PresetBuild.h"

namespace metalweight {
namespace {

using Items = std::vector<std::string>;

// The three value fields with their captions, held in memory.
class RecordingFields final : public ValueFields {
  public:
    std::array<std::string, 3> captions{"label1", "Label3", "Label6"};
    std::array<std::string, 3> texts{"comvalue1", "", "Combo4"};
    std::array<Items, 3> items;

    void setFieldCaption(ValueField field, std::string_view caption) override {
        captions[index(field)] = caption;
    }
    void clearField(ValueField field) override {
        items[index(field)].clear();
        texts[index(field)].clear();
    }
    std::string fieldItemText(ValueField field, int position) override {
        const Items& list = items[index(field)];
        return static_cast<std::size_t>(position) < list.size()
                   ? list[static_cast<std::size_t>(position)]
                   : std::string();
    }
    void addFieldItem(ValueField field, std::string_view text) override {
        items[index(field)].emplace_back(text);
    }

  private:
    static std::size_t index(ValueField field) { return static_cast<std::size_t>(field); }
};

CalculatorState stateFor(Category category, int choice = 1) {
    CalculatorState state;
    selectCategory(state, category, choice);
    return state;
}

Items fill(const PresetList& values) {
    RecordingFields fields;
    ComboxAdd_Fornext(fields, ValueField::First, values);
    return fields.items[0];
}

TEST(ComboxAddFornext, DistinctValuesInArrayOrder) {
    EXPECT_EQ(fill({38, 45, 57, 630}), (Items{"38", "45", "57", "630"}));
    EXPECT_EQ(fill({2, 3, 4, 5, 6, 6, 7, 8, 8, 8, 7, 8, 9, 10, 12}),
              (Items{"2", "3", "4", "5", "6", "7", "8", "9", "10", "12"}));
    EXPECT_EQ(fill({0.5, 0.75, 1, 1.5, 2, 2.5, 2.5, 3, 3.5, 4, 4.5, 6, 5, 3.5}),
              (Items{"0.5", "0.75", "1", "1.5", "2", "2.5", "3", "3.5", "4", "4.5", "6", "5"}));
    EXPECT_EQ(fill({0.16, 0.3, 0.45}), (Items{"0.16", "0.3", "0.45"}));
    EXPECT_EQ(fill({7}), (Items{"7"}));
    EXPECT_EQ(fill({}), Items{});
}

TEST(ComboxAddFornext, AppendsWithoutClearingOrTouchingText) {
    RecordingFields fields;
    fields.items[1] = {"x"};
    fields.texts[1] = "typed";
    ComboxAdd_Fornext(fields, ValueField::Second, {1, 2});
    EXPECT_EQ(fields.items[1], (Items{"x", "1", "2"}));
    EXPECT_EQ(fields.texts[1], "typed");
}

struct ListCase {
    const char* name;
    Category category;
    int choice;
    std::array<const char*, 3> captions;
    std::array<Items, 3> items;
};

class PresetBuild : public testing::TestWithParam<ListCase> {};

TEST_P(PresetBuild, CaptionsAndLists) {
    const ListCase& c = GetParam();
    CalculatorState state = stateFor(c.category, c.choice);
    RecordingFields fields;
    writevalues(state, fields);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(fields.captions[i], c.captions[i]) << "field " << i + 1;
        EXPECT_EQ(fields.items[i], c.items[i]) << "field " << i + 1;
        EXPECT_EQ(fields.texts[i], "") << "field " << i + 1;
    }
}

const Items kBarSizes = {"3",  "7",  "10", "15",  "20",  "30",  "40", "50",
                         "60", "70", "95", "100", "105", "110", "115"};

INSTANTIATE_TEST_SUITE_P(
    Presets, PresetBuild,
    testing::Values(
        ListCase{"PipeCopper",
                 kPipe,
                 3,
                 {"外径(mm):", "壁厚(mm):", ""},
                 {Items{"5", "10", "15", "20", "25", "30", "35", "40", "45", "50", "60", "70", "80",
                        "90", "100"},
                  Items{"0.5", "0.75", "1", "1.5", "2", "2.5", "3", "3.5", "4", "4.5", "6", "5"},
                  Items{}}},
        ListCase{"PipeLead",
                 kPipe,
                 5,
                 {"内径(mm):", "壁厚(mm):", ""},
                 {Items{"5", "10", "20", "30", "40", "50", "60", "70", "80", "90", "125", "150",
                        "180", "200", "230"},
                  Items{"2", "3", "4", "5", "6", "7", "8", "9", "10", "12"}, Items{}}},
        ListCase{"IBeamPlain",
                 kIBeam,
                 1,
                 {"高度(mm):", "腿宽(mm):", "腰厚(mm):"},
                 {Items{"100", "120", "126", "140", "160", "180"},
                  Items{"68", "74", "80", "88", "94"}, Items{"4.5", "5", "5.5", "6", "6.5"}}},
        ListCase{
            "ChannelTypeC",
            kChannel,
            4,
            {"高度(mm):", "腿宽(mm):", "腰厚(mm):"},
            {Items{"240", "250", "270", "280", "300", "320", "360", "400"},
             Items{"82", "86", "89", "92", "100", "104"}, Items{"11", "11.5", "12", "13", "14.5"}}},
        ListCase{"EqualAngle",
                 kEqualAngle,
                 1,
                 {"型号:", "边宽(mm):", "边厚(mm):"},
                 {Items{"2", "2.2", "2.5", "3", "3.2", "4", "5", "6.3", "7.5", "9", "10", "12.5",
                        "16", "20", "25"},
                  Items{"20", "22", "25", "30", "32", "40", "50", "63", "75", "90", "100", "125",
                        "160", "200", "250"},
                  Items{"3", "4", "5", "3.5", "6", "4.5", "7", "8", "9", "5.5", "10", "18", "22",
                        "25", "30"}}},
        ListCase{"UnequalAngle",
                 kUnequalAngle,
                 1,
                 {"长边宽度(mm):", "短边宽度(mm):", "边厚(mm):"},
                 {Items{"25", "32", "45", "56", "70", "80", "90", "100", "110", "125", "140", "160",
                        "180", "200", "250"},
                  Items{"16", "20", "28", "36", "45", "50", "56", "63", "70", "80", "90", "100",
                        "110", "125", "160"},
                  Items{"3", "4", "3.5", "6", "8", "4.5", "5.5", "10", "12", "6.5", "14", "18",
                        "20", "16", "9"}}},
        ListCase{"FlatBar",
                 kFlatBar,
                 1,
                 {"宽度(mm):", "厚度(mm):", ""},
                 {Items{"25", "30", "36", "45", "50", "56", "63", "65", "70", "75", "80", "100",
                        "110", "120", "130"},
                  Items{"4", "5", "6", "7", "8", "9", "10", "12", "14", "16", "18", "20", "22",
                        "25", "30"},
                  Items{}}},
        ListCase{"RoundBar", kRoundBar, 1, {"直径(mm):", "", ""}, {kBarSizes, Items{}, Items{}}},
        ListCase{"SquareBar", kSquareBar, 1, {"边长(mm):", "", ""}, {kBarSizes, Items{}, Items{}}},
        ListCase{
            "HexagonBar", kHexagonBar, 1, {"对边距离(mm):", "", ""}, {kBarSizes, Items{}, Items{}}},
        ListCase{"HollowHexagonBar",
                 kHollowHexagonBar,
                 1,
                 {"内切圆直径(mm):", "芯孔直径(mm):", ""},
                 {kBarSizes,
                  Items{"1", "1.5", "2", "2.5", "3", "4", "5", "6", "8", "10", "12", "14", "16",
                        "20", "25"},
                  Items{}}},
        ListCase{"Plate",
                 kPlate,
                 1,
                 {"厚度(mm):", "", ""},
                 {Items{"0.2", "0.7", "1", "1.5", "2.5", "3", "3.5", "4", "4.5", "5", "32", "48",
                        "70", "110", "130"},
                  Items{}, Items{}}},
        ListCase{"Wire",
                 kWire,
                 1,
                 {"直径(mm):", "", ""},
                 {Items{"0.16", "0.3", "0.45", "0.55", "0.7", "0.9", "1", "2.8", "3.5", "4.5",
                        "5.5", "7", "8", "9", "10"},
                  Items{}, Items{}}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(PresetLists, LengthsAndPairing) {
    struct Expected {
        Category category;
        int choice;
        std::size_t l1, l2, l3;
    };
    const Expected rows[] = {
        {kPipe, 1, 15, 15, 0},   {kPipe, 3, 15, 14, 0},     {kPipe, 4, 15, 15, 0},
        {kPipe, 5, 15, 15, 0},   {kPipe, 6, 13, 13, 0},     {kIBeam, 1, 6, 6, 6},
        {kIBeam, 2, 15, 15, 15}, {kIBeam, 3, 15, 15, 15},   {kIBeam, 4, 9, 9, 9},
        {kChannel, 1, 7, 7, 7},  {kChannel, 2, 13, 13, 13}, {kChannel, 3, 13, 13, 13},
        {kChannel, 4, 8, 8, 8},
    };
    for (const Expected& e : rows) {
        const DimensionPresets presets = dimensionPresets(e.category, e.choice);
        ASSERT_NE(presets.row, nullptr);
        EXPECT_EQ(presets.row->list1.size(), e.l1) << e.category << "/" << e.choice;
        EXPECT_EQ(presets.row->list2.size(), e.l2) << e.category << "/" << e.choice;
        EXPECT_EQ(presets.row->list3.size(), e.l3) << e.category << "/" << e.choice;
    }
    // The model number of an equal-leg angle is its leg width in cm.
    const DimensionPresets angle = dimensionPresets(kEqualAngle, 1);
    for (std::size_t k = 0; k < angle.row->list1.size(); ++k) {
        EXPECT_DOUBLE_EQ(angle.row->list1[k] * 10, angle.row->list2[k]);
    }
}

TEST(PresetLists, ItemCountsWithRepeatsSkipped) {
    struct Expected {
        Category category;
        int choice;
        std::size_t n1, n2, n3;
    };
    const Expected rows[] = {
        {kPipe, 4, 15, 14, 0},
        {kPipe, 6, 13, 13, 0},
        {kIBeam, 2, 15, 12, 12},
        {kChannel, 2, 13, 11, 7},
    };
    for (const Expected& e : rows) {
        CalculatorState state = stateFor(e.category, e.choice);
        RecordingFields fields;
        writevalues(state, fields);
        EXPECT_EQ(fields.items[0].size(), e.n1) << e.category << "/" << e.choice;
        EXPECT_EQ(fields.items[1].size(), e.n2) << e.category << "/" << e.choice;
        EXPECT_EQ(fields.items[2].size(), e.n3) << e.category << "/" << e.choice;
    }
}

TEST(PresetLists, SteelAndStainlessPipesShareRows) {
    const DimensionPresets carbon = dimensionPresets(kPipe, 1);
    const DimensionPresets stainless = dimensionPresets(kPipe, 2);
    EXPECT_EQ(carbon.row->list1.data(), stainless.row->list1.data());
    EXPECT_EQ(carbon.row->list2.data(), stainless.row->list2.data());
    EXPECT_EQ(carbon.captions, stainless.captions);
}

TEST(WriteValues, KeepsListsTheCategoryDoesNotBuild) {
    CalculatorState state = stateFor(kIBeam, 1);
    RecordingFields fields;
    writevalues(state, fields);
    const PresetList beamWebs = state.valueList3;
    applyCategoryStep(state, kRoundBar - 1);
    writevalues(state, fields);
    EXPECT_EQ(state.valueList3, beamWebs);
    EXPECT_EQ(state.valueList2, (PresetList{68, 74, 74, 80, 88, 94}));
    EXPECT_TRUE(fields.items[1].empty());
    EXPECT_TRUE(fields.items[2].empty());
}

TEST(WriteValues, SameSelectionTwiceListsEachItemOnce) {
    CalculatorState state = stateFor(kChannel, 2);
    RecordingFields fields;
    writevalues(state, fields);
    const auto first = fields.items;
    writevalues(state, fields);
    EXPECT_EQ(fields.items, first);
}

TEST(WriteValues, ChoiceWithoutRowKeepsListsAndWritesCaptions) {
    CalculatorState state = stateFor(kPipe, 3);
    RecordingFields fields;
    writevalues(state, fields);
    const PresetList copperWalls = state.valueList2;
    state.choice = 9;
    writevalues(state, fields);
    EXPECT_EQ(state.valueList2, copperWalls);
    EXPECT_EQ(fields.captions[0], "外径(mm):");
    EXPECT_EQ(fields.items[1].size(), 12U);  // refilled from the kept lists
}

TEST(WriteValues, CategoryOutOfRangeWritesEmptyCaptions) {
    CalculatorState state = stateFor(kPipe, 1);
    RecordingFields fields;
    writevalues(state, fields);
    state.category = kCategoryCount + 1;
    writevalues(state, fields);
    EXPECT_EQ(fields.captions, (std::array<std::string, 3>{"", "", ""}));
    EXPECT_EQ(fields.items[0].size(), 15U);
}

}  // namespace
}  // namespace metalweight
