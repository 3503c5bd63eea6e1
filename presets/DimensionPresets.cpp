#include "presets/DimensionPresets.h"

#include <iterator>

#include "core/Choices.h"

namespace metalweight {
namespace {

// Every array is data as listed: order and repeats matter, because a pick in the
// first field copies the entries at the same position of the other lists.

// Pipes by material. Carbon steel and austenitic stainless steel share one row.
constexpr double kPipeSteelOuter[] = {38,  45,  57,  63,  76,  89,  133, 159,
                                      219, 273, 325, 377, 426, 530, 630};
constexpr double kPipeSteelWall[] = {3, 3.5, 4, 4.5, 5, 5.5, 6, 6.5, 7, 7.5, 8, 8.5, 9, 10, 13};
constexpr double kPipeCopperOuter[] = {5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 60, 70, 80, 90, 100};
// One entry shorter than the diameters: a pick of 100 takes the last wall, 3.5.
constexpr double kPipeCopperWall[] = {0.5, 0.75, 1, 1.5, 2, 2.5, 2.5, 3, 3.5, 4, 4.5, 6, 5, 3.5};
constexpr double kPipeBrassOuter[] = {5, 9, 15, 20, 25, 30, 35, 40, 45, 52, 54, 60, 65, 75, 100};
constexpr double kPipeBrassWall[] = {0.5, 0.75, 1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5, 5, 6, 7, 10, 4};
// Lead pipes are listed by inner diameter.
constexpr double kPipeLeadInner[] = {5,  10, 20,  30,  40,  50,  60, 70,
                                     80, 90, 125, 150, 180, 200, 230};
constexpr double kPipeLeadWall[] = {2, 3, 4, 5, 6, 6, 7, 8, 8, 8, 7, 8, 9, 10, 12};
constexpr double kPipeAluminiumOuter[] = {18, 25, 32, 38, 45, 60, 75, 90, 110, 120, 130, 150, 180};
constexpr double kPipeAluminiumWall[] = {1, 2, 3, 4, 6, 7.5, 9, 12.5, 17.5, 22.5, 25, 30, 32.5};

constexpr PresetRow kPipeRows[] = {
    {kPipeSteelOuter, kPipeSteelWall, {}},          // carbon steel
    {kPipeSteelOuter, kPipeSteelWall, {}},          // austenitic stainless steel
    {kPipeCopperOuter, kPipeCopperWall, {}},        // copper
    {kPipeBrassOuter, kPipeBrassWall, {}},          // brass
    {kPipeLeadInner, kPipeLeadWall, {}},            // lead and lead alloys
    {kPipeAluminiumOuter, kPipeAluminiumWall, {}},  // aluminium and aluminium alloys
};
static_assert(std::size(kPipeRows) == kAluminium, "one row per pipe material");

// I-beams by model type: heights, leg widths, web thicknesses.
constexpr double kIBeamPlainHeight[] = {100, 120, 126, 140, 160, 180};
constexpr double kIBeamPlainLeg[] = {68, 74, 74, 80, 88, 94};
constexpr double kIBeamPlainWeb[] = {4.5, 5, 5, 5.5, 6, 6.5};
// Types a and b share their heights.
constexpr double kIBeamABHeight[] = {200, 220, 240, 250, 270, 280, 300, 320,
                                     360, 400, 450, 500, 550, 560, 630};
constexpr double kIBeamALeg[] = {100, 110, 116, 116, 122, 122, 126, 130,
                                 136, 142, 150, 158, 166, 166, 176};
constexpr double kIBeamAWeb[] = {7,  7.5,  8,    8,  8.5,  8.5,  9, 9.5,
                                 10, 10.5, 11.5, 12, 12.5, 12.5, 13};
constexpr double kIBeamBLeg[] = {102, 112, 118, 118, 124, 124, 128, 132,
                                 138, 144, 152, 160, 168, 168, 178};
constexpr double kIBeamBWeb[] = {9,  9.5,  10,   10, 10.5, 10.5, 11, 11.5,
                                 12, 12.5, 13.5, 14, 14.5, 14.5, 15};
constexpr double kIBeamCHeight[] = {300, 320, 360, 400, 450, 500, 550, 560, 630};
constexpr double kIBeamCLeg[] = {130, 134, 140, 146, 154, 162, 170, 170, 180};
constexpr double kIBeamCWeb[] = {13, 13.5, 14, 14.5, 15.5, 16, 16.5, 16.5, 17};

constexpr PresetRow kIBeamRows[] = {
    {kIBeamPlainHeight, kIBeamPlainLeg, kIBeamPlainWeb},
    {kIBeamABHeight, kIBeamALeg, kIBeamAWeb},
    {kIBeamABHeight, kIBeamBLeg, kIBeamBWeb},
    {kIBeamCHeight, kIBeamCLeg, kIBeamCWeb},
};
static_assert(std::size(kIBeamRows) == kTypeC, "one row per model type");

// Channels by model type: heights, leg widths, web thicknesses.
constexpr double kChannelPlainHeight[] = {50, 63, 65, 80, 100, 120, 126};
constexpr double kChannelPlainLeg[] = {37, 40, 40, 43, 48, 53, 53};
constexpr double kChannelPlainWeb[] = {4.5, 4.8, 4.8, 5, 5.3, 5.5, 5.5};
// Types a and b share their heights.
constexpr double kChannelABHeight[] = {140, 160, 180, 200, 220, 240, 250,
                                       270, 280, 300, 320, 360, 400};
constexpr double kChannelALeg[] = {58, 63, 68, 73, 77, 78, 78, 82, 82, 85, 88, 96, 100};
constexpr double kChannelAWeb[] = {6, 6.5, 7, 7, 7, 7, 7, 7.5, 7.5, 7.5, 8, 9, 10.5};
constexpr double kChannelBLeg[] = {60, 65, 70, 75, 79, 80, 80, 84, 84, 87, 90, 98, 102};
constexpr double kChannelBWeb[] = {8, 8.5, 9, 9, 9, 9, 9, 9.5, 9.5, 9.5, 10, 11, 12.5};
constexpr double kChannelCHeight[] = {240, 250, 270, 280, 300, 320, 360, 400};
constexpr double kChannelCLeg[] = {82, 82, 86, 86, 89, 92, 100, 104};
constexpr double kChannelCWeb[] = {11, 11, 11.5, 11.5, 11.5, 12, 13, 14.5};

constexpr PresetRow kChannelRows[] = {
    {kChannelPlainHeight, kChannelPlainLeg, kChannelPlainWeb},
    {kChannelABHeight, kChannelALeg, kChannelAWeb},
    {kChannelABHeight, kChannelBLeg, kChannelBWeb},
    {kChannelCHeight, kChannelCLeg, kChannelCWeb},
};
static_assert(std::size(kChannelRows) == kTypeC, "one row per model type");

// Equal-leg angles: the model number is the leg width in cm.
constexpr double kEqualAngleModel[] = {2,   2.2, 2.5, 3,    3.2, 4,  5, 6.3,
                                       7.5, 9,   10,  12.5, 16,  20, 25};
constexpr double kEqualAngleLeg[] = {20, 22, 25,  30,  32,  40,  50, 63,
                                     75, 90, 100, 125, 160, 200, 250};
constexpr double kEqualAngleThickness[] = {3, 4, 5, 3.5, 6, 4.5, 7, 8, 9, 5.5, 10, 18, 22, 25, 30};

constexpr double kUnequalAngleLong[] = {25,  32,  45,  56,  70,  80,  90, 100,
                                        110, 125, 140, 160, 180, 200, 250};
constexpr double kUnequalAngleShort[] = {16, 20, 28, 36,  45,  50,  56, 63,
                                         70, 80, 90, 100, 110, 125, 160};
constexpr double kUnequalAngleThickness[] = {3,  4,   3.5, 6,  8,  4.5, 5.5, 10,
                                             12, 6.5, 14,  18, 20, 16,  9};

constexpr double kFlatBarWidth[] = {25, 30, 36, 45, 50, 56, 63, 65, 70, 75, 80, 100, 110, 120, 130};
constexpr double kFlatBarThickness[] = {4, 5, 6, 7, 8, 9, 10, 12, 14, 16, 18, 20, 22, 25, 30};

// Shared by round, square, hexagon and hollow hexagon bars.
constexpr double kBarSize[] = {3, 7, 10, 15, 20, 30, 40, 50, 60, 70, 95, 100, 105, 110, 115};
constexpr double kHollowHexagonHole[] = {1, 1.5, 2, 2.5, 3, 4, 5, 6, 8, 10, 12, 14, 16, 20, 25};

constexpr double kPlateThickness[] = {0.2, 0.7, 1,  1.5, 2.5, 3,   3.5, 4,
                                      4.5, 5,   32, 48,  70,  110, 130};
constexpr double kWireDiameter[] = {0.16, 0.3, 0.45, 0.55, 0.7, 0.9, 1, 2.8,
                                    3.5,  4.5, 5.5,  7,    8,   9,   10};

constexpr PresetRow kEqualAngleRow = {kEqualAngleModel, kEqualAngleLeg, kEqualAngleThickness};
constexpr PresetRow kUnequalAngleRow = {kUnequalAngleLong, kUnequalAngleShort,
                                        kUnequalAngleThickness};
constexpr PresetRow kFlatBarRow = {kFlatBarWidth, kFlatBarThickness, {}};
constexpr PresetRow kBarRow = {kBarSize, {}, {}};
constexpr PresetRow kHollowHexagonRow = {kBarSize, kHollowHexagonHole, {}};
constexpr PresetRow kPlateRow = {kPlateThickness, {}, {}};
constexpr PresetRow kWireRow = {kWireDiameter, {}, {}};

template <std::size_t N>
const PresetRow* rowByChoice(const PresetRow (&rows)[N], int choice) {
    if (choice < 1 || choice > static_cast<int>(N)) {
        return nullptr;
    }
    return &rows[choice - 1];
}

constexpr std::string_view kBeamCaptions[] = {"高度(mm):", "腿宽(mm):", "腰厚(mm):"};

}  // namespace

DimensionPresets dimensionPresets(Category category, int choice) {
    switch (category) {
        case kPipe:
            return {{choice == kLead ? "内径(mm):" : "外径(mm):", "壁厚(mm):", ""},
                    rowByChoice(kPipeRows, choice),
                    2};
        case kIBeam:
            return {{kBeamCaptions[0], kBeamCaptions[1], kBeamCaptions[2]},
                    rowByChoice(kIBeamRows, choice),
                    3};
        case kChannel:
            return {{kBeamCaptions[0], kBeamCaptions[1], kBeamCaptions[2]},
                    rowByChoice(kChannelRows, choice),
                    3};
        case kEqualAngle:
            return {{"型号:", "边宽(mm):", "边厚(mm):"}, &kEqualAngleRow, 3};
        case kUnequalAngle:
            return {{"长边宽度(mm):", "短边宽度(mm):", "边厚(mm):"}, &kUnequalAngleRow, 3};
        case kFlatBar:
            return {{"宽度(mm):", "厚度(mm):", ""}, &kFlatBarRow, 2};
        case kRoundBar:
            return {{"直径(mm):", "", ""}, &kBarRow, 1};
        case kSquareBar:
            return {{"边长(mm):", "", ""}, &kBarRow, 1};
        case kHexagonBar:
            return {{"对边距离(mm):", "", ""}, &kBarRow, 1};
        case kHollowHexagonBar:
            return {{"内切圆直径(mm):", "芯孔直径(mm):", ""}, &kHollowHexagonRow, 2};
        case kPlate:
            return {{"厚度(mm):", "", ""}, &kPlateRow, 1};
        case kWire:
            return {{"直径(mm):", "", ""}, &kWireRow, 1};
    }
    return {{"", "", ""}, nullptr, 0};
}

}  // namespace metalweight
