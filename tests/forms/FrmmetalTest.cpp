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

// A window layer over the in-memory window that refuses one chosen call: the first
// call of operation `failOn` on control `failAt` once armed.
class FailingWindow final : public WindowLayer {
  public:
    explicit FailingWindow(MemoryWindow& inner) : inner_(inner) {}

    void arm(std::string_view operation, Control control) {
        failOn_ = operation;
        failAt_ = control;
    }
    [[nodiscard]] bool failed() const { return failed_; }

    void setEventSink(FormEvents* events) override { inner_.setEventSink(events); }
    std::string windowCaption() override { return inner_.windowCaption(); }
    void setWindowCaption(std::string_view caption) override { inner_.setWindowCaption(caption); }
    void setCaption(Control c, std::string_view caption) override {
        check("setCaption", c);
        inner_.setCaption(c, caption);
    }
    void setVisible(Control c, bool visible) override {
        check("setVisible", c);
        inner_.setVisible(c, visible);
    }
    void addItem(Control c, std::string_view text) override {
        check("addItem", c);
        inner_.addItem(c, text);
    }
    std::string itemText(Control c, int position) override { return inner_.itemText(c, position); }
    int selectedPosition(Control c) override { return inner_.selectedPosition(c); }
    void setSelectedPosition(Control c, int position) override {
        check("setSelectedPosition", c);
        inner_.setSelectedPosition(c, position);
    }
    void clear(Control c) override {
        check("clear", c);
        inner_.clear(c);
    }
    std::string text(Control c) override { return inner_.text(c); }
    void setText(Control c, std::string_view text) override {
        check("setText", c);
        inner_.setText(c, text);
    }
    void setTextSelection(Control c, int start, int length) override {
        inner_.setTextSelection(c, start, length);
    }
    void showMessage(std::string_view text, std::string_view title) override {
        inner_.showMessage(text, title);
    }
    void endProgram() override { inner_.endProgram(); }

  private:
    void check(std::string_view operation, Control control) {
        if (!failed_ && operation == failOn_ && control == failAt_) {
            failed_ = true;
            throw WindowLayerError(std::string(operation) + " refused");
        }
    }

    MemoryWindow& inner_;
    std::string failOn_;
    Control failAt_ = Control::Frame1;
    bool failed_ = false;
};

class FailingCallTest : public testing::Test {
  protected:
    FailingCallTest() : failing(window), form(failing) {
        form.Form_Load();
        window.userSetText(Control::comvalue1, "89");
        window.userSetText(Control::Comvalue2, "4");
        form.setHandlerTrace([this](std::string_view handler) { trace.emplace_back(handler); });
    }

    MemoryWindow window;
    FailingWindow failing;
    Frmmetal form;
    Trace trace;
};

TEST_F(FailingCallTest, CategorySelectionStopsAtTheRefusedCall) {
    // Round bar: hiding the second field is refused in the middle of the visibility step.
    failing.arm("setVisible", Control::Comvalue2);
    EXPECT_THROW(window.userSelect(Control::lItem, 6), WindowLayerError);
    ASSERT_TRUE(failing.failed());
    EXPECT_EQ(trace, Trace{"lItem_Click"});
    // What came before the refused call was done ...
    EXPECT_EQ(window.control(Control::Frame1).caption, "圆钢");
    EXPECT_FALSE(window.control(Control::Comchoice).visible);
    // ... and nothing after it: the second caption stays shown, no preset build wrote
    // the captions, and the fields were not emptied.
    EXPECT_TRUE(window.control(Control::Comvalue2).visible);
    EXPECT_TRUE(window.control(Control::lName2).visible);
    EXPECT_EQ(window.control(Control::lName1).caption, "外径(mm):");
    EXPECT_EQ(window.control(Control::comvalue1).text, "89");
    EXPECT_EQ(window.control(Control::Tretunval).text, "8.3849");
}

TEST_F(FailingCallTest, NestedFailureEndsTheOuterHandlerToo) {
    // Copper: emptying the first field inside the material step is refused, so the step
    // never takes copper's density factor and the handler shows nothing further.
    failing.arm("setText", Control::comvalue1);
    EXPECT_THROW(window.userSelect(Control::Comchoice, 2), WindowLayerError);
    ASSERT_TRUE(failing.failed());
    EXPECT_EQ(trace, Trace{"Comchoice_Click"});
    EXPECT_EQ(form.state().choice, 3);
    EXPECT_EQ(form.state().densityFactor, 0.785);
    EXPECT_EQ(window.control(Control::Tretunval).text, "8.3849");
    // The window goes on taking events afterwards.
    window.userSelect(Control::Comchoice, 2);
    EXPECT_EQ(form.state().densityFactor, 0.89);
    EXPECT_EQ(window.control(Control::Tretunval).text, "");
}

}  // namespace
}  // namespace metalweight
