// The window's controls as data: what every window layer builds its window from.
#include <gtest/gtest.h>

#include <set>

#include "ui/FormDescription.h"

namespace metalweight {
namespace {

TEST(FormDescription, TabOrderSkipsLabelsAndPutsComvalue3AfterTheList) {
    const std::array<Control, 8> expected = {
        Control::Comchoice, Control::comvalue1, Control::Comvalue2, Control::Tretunval,
        Control::lItem,     Control::Comvalue3, Control::Command1,  Control::Command2};
    EXPECT_EQ(tabOrder(), expected);
}

TEST(FormDescription, HeldControlsAreInsideTheFrameAndTheFrameInsideTheWindow) {
    struct Expected {
        Control control;
        int x, y;
    };
    const Expected places[] = {
        {Control::Comvalue3, 2640, 2160}, {Control::Tretunval, 2640, 3120},
        {Control::Comvalue2, 2640, 1440}, {Control::comvalue1, 2640, 705},
        {Control::lName3, 2640, 1920},    {Control::lreturn, 2640, 2880},
        {Control::lName2, 2640, 1200},    {Control::lName1, 2640, 480},
        {Control::Comchoice, 105, 3375},  {Control::Command2, 4560, 840},
    };
    for (const Expected& e : places) {
        const TwipsRect place = placeInClientArea(e.control);
        EXPECT_EQ(place.left, e.x) << controlName(e.control);
        EXPECT_EQ(place.top, e.y) << controlName(e.control);
    }
    const TwipsRect frame = describe(Control::Frame1).place;
    for (const ControlDescription& d : kFormControls) {
        const TwipsRect p = placeInClientArea(d.control);
        EXPECT_LE(p.left + p.width, kClientWidthTwips) << controlName(d.control);
        EXPECT_LE(p.top + p.height, kClientHeightTwips) << controlName(d.control);
        if (d.parent) {
            EXPECT_LE(d.place.left + d.place.width, frame.width) << controlName(d.control);
            EXPECT_LE(d.place.top + d.place.height, frame.height) << controlName(d.control);
        }
    }
}

TEST(FormDescription, EveryStoredPlaceIsWholePixelsAt96Dpi) {
    std::set<int> tabIndexes;
    for (const ControlDescription& d : kFormControls) {
        EXPECT_TRUE(tabIndexes.insert(d.tabIndex).second) << controlName(d.control);
        for (const int twips : {d.place.left, d.place.top, d.place.width, d.place.height}) {
            EXPECT_EQ(twips % kTwipsPerPixelAt96Dpi, 0) << controlName(d.control);
        }
    }
}

TEST(FormDescription, TwipsScaleWithTheDpi) {
    EXPECT_EQ(twipsToPixels(kClientWidthTwips, 96), 397);
    EXPECT_EQ(twipsToPixels(kClientHeightTwips, 96), 258);
    EXPECT_EQ(twipsToPixels(kClientWidthTwips, 192), 794);
    EXPECT_EQ(twipsToPixels(585, 144), 59);  // 58.5 rounds away from zero
    EXPECT_EQ(twipsToPixels(300, 120), 25);
}

TEST(FormDescription, EveryFieldHasItsCaption) {
    EXPECT_EQ(captionOf(Control::comvalue1), Control::lName1);
    EXPECT_EQ(captionOf(Control::Comvalue3), Control::lName3);
    EXPECT_EQ(captionOf(Control::Tretunval), Control::lreturn);
    EXPECT_EQ(captionOf(Control::lItem), Control::Label5);
    EXPECT_EQ(captionOf(Control::Comchoice), Control::Lbchoice);
    EXPECT_EQ(captionOf(Control::Command1), std::nullopt);
}

}  // namespace
}  // namespace metalweight
