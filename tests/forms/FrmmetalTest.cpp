// The window's handlers over the in-memory window: which handlers run, in which order,
// and what they leave in the window and the state.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/scenario/MemoryWindow.h"
#include "ui/Frmmetal.h"

namespace metalweight {
namespace {

using Trace = std::vector<std::string>;

class FrmmetalTest : public testing::Test {
  protected:
    FrmmetalTest() : form(window) {
        form.setHandlerTrace([this](std::string_view handler) { trace.emplace_back(handler); });
    }

    const std::string& text(Control control) { return window.control(control).text; }

    MemoryWindow window;
    Frmmetal form;
    Trace trace;
};

TEST_F(FrmmetalTest, StartUpNestsHandlersInOrder) {
    form.Form_Load();
    const Trace emptying = {"comvalue1_Change", "Comvalue2_Change", "comvalue1_Change",
                            "Comvalue3_Change", "comvalue1_Change"};
    Trace expected = {"Form_Load", "lItem_Click", "Comchoice_Click"};
    expected.insert(expected.end(), emptying.begin(), emptying.end());  // Comchoice_Click
    expected.insert(expected.end(), emptying.begin(), emptying.end());  // lItem_Click
    expected.emplace_back("Comchoice_Click");  // the second selection of "碳钢"
    expected.insert(expected.end(), emptying.begin(), emptying.end());
    EXPECT_EQ(trace, expected);
    EXPECT_EQ(window.caption(), "金属材料单重计算");
    EXPECT_EQ(window.control(Control::Comchoice).selected, 0);
    EXPECT_EQ(form.state().densityFactor, 0.785);
}

TEST_F(FrmmetalTest, PickInFirstFieldCopiesThenRecalculatesOnce) {
    form.Form_Load();
    window.userSelect(Control::lItem, 1);  // I-beam, no letter
    trace.clear();
    window.userPick(Control::comvalue1, 5);  // 180
    const Trace expected = {"comvalue1_Click",  "Comvalue2_Change", "comvalue1_Change",
                            "Comvalue3_Change", "comvalue1_Change", "Comvalue2_Change",
                            "comvalue1_Change"};
    EXPECT_EQ(trace, expected);
    EXPECT_EQ(text(Control::Comvalue2), "94");
    EXPECT_EQ(text(Control::Comvalue3), "6.5");
    EXPECT_EQ(text(Control::Tretunval), "24.0966");
}

TEST_F(FrmmetalTest, PickPastShorterListTakesItsLastEntry) {
    form.Form_Load();
    window.userSelect(Control::Comchoice, 2);  // copper
    window.userPick(Control::comvalue1, 14);   // 100
    EXPECT_EQ(text(Control::Comvalue2), "3.5");
    EXPECT_EQ(form.state().densityFactor, 0.89);
    EXPECT_FALSE(text(Control::Tretunval).empty());
}

TEST_F(FrmmetalTest, ClickWithNothingSelectedDoesNothing) {
    form.Form_Load();
    window.userSetText(Control::comvalue1, "89");
    window.userSetText(Control::Comvalue2, "4");
    trace.clear();
    form.comvalue1_Click();  // the list selection went with the typing
    EXPECT_EQ(trace, Trace{"comvalue1_Click"});
    EXPECT_EQ(text(Control::Tretunval), "8.3849");
}

TEST_F(FrmmetalTest, OneFieldCategoryPickCopiesNothing) {
    form.Form_Load();
    window.userSelect(Control::lItem, 6);             // round bar
    window.userSetText(Control::Comvalue2, "stale");  // hidden, but a text all the same
    trace.clear();
    window.userPick(Control::comvalue1, 4);  // 20
    EXPECT_EQ(trace, (Trace{"comvalue1_Click", "Comvalue2_Change", "comvalue1_Change"}));
    EXPECT_EQ(text(Control::Comvalue2), "stale");
    EXPECT_EQ(text(Control::Tretunval), "2.4662");
}

TEST_F(FrmmetalTest, AboutBoxUsesCurrentTitleAndChangesNothing) {
    form.Form_Load();
    window.userSetText(Control::comvalue1, "89");
    window.userSetText(Control::Comvalue2, "4");
    window.setWindowCaption("另一个标题");
    window.userPress(Control::Command2);
    const auto messages = window.takeMessages();
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_EQ(messages[0].title, "另一个标题");
    EXPECT_EQ(messages[0].text.find('\n'), std::string::npos);
    EXPECT_EQ(text(Control::Tretunval), "8.3849");
    EXPECT_FALSE(window.ended());
    window.userPress(Control::Command1);
    EXPECT_TRUE(window.ended());
}

TEST_F(FrmmetalTest, FailingWindowCallEndsTheHandler) {
    form.Form_Load();
    // A selection past the end of the list is refused by the window layer; the handler
    // that asked for it does not go on.
    EXPECT_THROW(window.setSelectedPosition(Control::Comchoice, 6), WindowLayerError);
    EXPECT_EQ(window.control(Control::Comchoice).selected, 0);
}

}  // namespace
}  // namespace metalweight
