// The Win32 window driven through its controls with real input: start-up, categories,
// typing, presets, choices, tab order, Esc, the About box, ending the program.
#include <gtest/gtest.h>

#include <oleacc.h>

#include <array>

#include "core/Catalogue.h"
#include "tests/win32/RunningWindow.h"
#include "ui/FormDescription.h"
#include "ui/win32/Text.h"

namespace metalweight::win32 {
namespace {

int count(HWND list, UINT message) {
    return static_cast<int>(SendMessageW(list, message, 0, 0));
}

// The control whose window has the focus (a value field's editor stands for its field).
std::string focusedControl(RunningWindow& w) {
    HWND focus = w.focused();
    for (const Control control : kAllControls) {
        if (w.hwnd(control) == focus || (isValueField(control) && w.editOf(control) == focus)) {
            return std::string(controlName(control));
        }
    }
    return "(none)";
}

TEST(Win32Window, StartsOnAnEmptyCarbonSteelPipe) {
    RunningWindow w;
    EXPECT_EQ(w.layer.windowCaption(), "金属材料单重计算");
    EXPECT_EQ(focusedControl(w), "Comchoice");
    EXPECT_EQ(count(w.hwnd(Control::lItem), LB_GETCOUNT), kCategoryCount);
    EXPECT_EQ(w.layer.selectedPosition(Control::lItem), 0);
    EXPECT_EQ(w.text(Control::Frame1), "管道");
    EXPECT_EQ(count(w.hwnd(Control::Comchoice), CB_GETCOUNT), 6);
    EXPECT_EQ(w.text(Control::Comchoice), "碳钢");
    EXPECT_EQ(w.text(Control::Lbchoice), "管道材质:");
    EXPECT_EQ(w.text(Control::lName1), "外径(mm):");
    EXPECT_EQ(w.text(Control::lreturn), "计算单重(kg/m):");
    EXPECT_EQ(w.text(Control::Label5), "计算类别:");
    EXPECT_EQ(w.text(Control::Command1), "关闭");
    EXPECT_EQ(w.text(Control::Command2), "关于(&A)");
    EXPECT_TRUE(w.visible(Control::comvalue1));
    EXPECT_TRUE(w.visible(Control::Comvalue2));
    EXPECT_FALSE(w.visible(Control::Comvalue3));
    EXPECT_FALSE(w.visible(Control::lName3));
    for (const Control field :
         {Control::comvalue1, Control::Comvalue2, Control::Comvalue3, Control::Tretunval}) {
        EXPECT_EQ(w.text(field), "") << controlName(field);
    }
    EXPECT_EQ(count(w.hwnd(Control::comvalue1), CB_GETCOUNT), 15);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(w.program.window.window(), GWL_STYLE));
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    // The program's icon, large and small, from its resources.
    HWND window = w.program.window.window();
    EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_SMALL, 0), 0);
}

class EveryCategory : public testing::TestWithParam<int> {};

TEST_P(EveryCategory, ShowsItsNameChoiceFieldsAndUnit) {
    const int row = GetParam();
    const std::array<int, kCategoryCount> fields = {2, 3, 3, 3, 3, 2, 1, 1, 1, 2, 1, 1};
    RunningWindow w;
    w.clickCategory(row == 0 ? 11 : 0);
    w.clickCategory(row);
    ASSERT_TRUE(w.waitFor([&] { return w.layer.selectedPosition(Control::lItem) == row; }));
    EXPECT_EQ(w.text(Control::Frame1), kCatalogue[static_cast<std::size_t>(row)].name);
    EXPECT_EQ(w.visible(Control::Comchoice), row < 3);
    EXPECT_EQ(w.visible(Control::Lbchoice), row < 3);
    const int n = fields.at(static_cast<std::size_t>(row));
    EXPECT_TRUE(w.visible(Control::comvalue1));
    EXPECT_EQ(w.visible(Control::Comvalue2), n >= 2);
    EXPECT_EQ(w.visible(Control::lName2), n >= 2);
    EXPECT_EQ(w.visible(Control::Comvalue3), n >= 3);
    EXPECT_EQ(w.visible(Control::lName3), n >= 3);
    EXPECT_EQ(w.text(Control::lreturn), row == 10 ? "计算单重(kg/m^2):" : "计算单重(kg/m):");
    EXPECT_EQ(w.trace.back().empty(), false);
}

INSTANTIATE_TEST_SUITE_P(Win32Window, EveryCategory, testing::Range(0, kCategoryCount));

TEST(Win32Window, EveryKeystrokeRecalculates) {
    RunningWindow w;
    w.focus(w.editOf(Control::Comvalue2));
    w.typeText(L"4");
    EXPECT_EQ(w.text(Control::Tretunval), "");
    w.focus(w.editOf(Control::comvalue1));
    w.typeText(L"8");
    EXPECT_TRUE(w.waitFor([&] { return w.text(Control::Tretunval) == "0.3946"; }));
    w.typeText(L"9");
    EXPECT_TRUE(w.waitFor([&] { return w.text(Control::Tretunval) == "8.3849"; }));
    w.typeText(L"x");
    EXPECT_EQ(w.text(Control::comvalue1), "89x");
    EXPECT_EQ(w.text(Control::Tretunval), "8.3849");
    w.focus(w.editOf(Control::Comvalue2));
    w.key(VK_END);
    w.key(VK_BACK);
    EXPECT_TRUE(w.waitFor([&] { return w.text(Control::Tretunval).empty(); }));
    EXPECT_EQ(w.text(Control::Comvalue2), "");
}

TEST(Win32Window, HomeAndEndInTheListsSelectAndRunTheHandlers) {
    RunningWindow w;
    w.focus(w.hwnd(Control::lItem));
    w.key(VK_END);
    EXPECT_TRUE(w.waitFor([&] { return w.text(Control::Frame1) == "钢丝"; }));
    EXPECT_FALSE(w.visible(Control::Comchoice));
    w.key(VK_HOME);
    EXPECT_TRUE(w.waitFor([&] { return w.text(Control::Frame1) == "管道"; }));
    w.focus(w.hwnd(Control::Comchoice));
    w.key(VK_END);
    EXPECT_TRUE(w.waitFor([&] { return w.form.state().choice == 6; }));
    EXPECT_EQ(w.text(Control::Comchoice), "铝和铝合金");
}

TEST(Win32Window, PresetPickedByMouseFillsThePairedFields) {
    RunningWindow w;
    w.clickCategory(1);  // I-beam
    ASSERT_TRUE(w.waitFor([&] { return w.text(Control::Frame1) == "工字钢"; }));
    w.trace.clear();
    w.pickFromList(Control::comvalue1, 5);
    EXPECT_TRUE(w.waitFor([&] { return w.text(Control::Tretunval) == "24.0966"; }));
    EXPECT_EQ(w.text(Control::comvalue1), "180");
    EXPECT_EQ(w.text(Control::Comvalue2), "94");
    EXPECT_EQ(w.text(Control::Comvalue3), "6.5");
    ASSERT_FALSE(w.trace.empty());
    EXPECT_EQ(w.trace.front(), "comvalue1_Click");
}

TEST(Win32Window, CopperPipesLastPresetTakesItsLastWall) {
    RunningWindow w;
    w.pickFromList(Control::Comchoice, 2);  // copper
    ASSERT_TRUE(w.waitFor([&] { return w.form.state().choice == 3; }));
    w.pickFromList(Control::comvalue1, 14);
    EXPECT_TRUE(w.waitFor([&] { return w.text(Control::Comvalue2) == "3.5"; }));
    EXPECT_EQ(w.text(Control::comvalue1), "100");
    EXPECT_EQ(w.form.state().densityFactor, 0.89);
}

TEST(Win32Window, PresetPickedByKeyboardFillsThePairedFields) {
    RunningWindow w;
    w.clickCategory(1);  // I-beam
    ASSERT_TRUE(w.waitFor([&] { return w.text(Control::Frame1) == "工字钢"; }));
    w.focus(w.editOf(Control::comvalue1));
    for (int i = 0; i < 6; ++i) {
        w.key(VK_DOWN);  // each entry shown in the field is picked
    }
    EXPECT_TRUE(w.waitFor([&] { return w.text(Control::Tretunval) == "24.0966"; }));
    EXPECT_EQ(w.text(Control::comvalue1), "180");
    EXPECT_EQ(w.text(Control::Comvalue2), "94");
    EXPECT_EQ(w.text(Control::Comvalue3), "6.5");
}

TEST(Win32Window, ChoiceChangeEmptiesTheFields) {
    RunningWindow w;
    w.focus(w.editOf(Control::comvalue1));
    w.typeText(L"20");
    ASSERT_TRUE(w.waitFor([&] { return w.text(Control::comvalue1) == "20"; }));
    w.pickFromList(Control::Comchoice, 4);  // lead
    EXPECT_TRUE(w.waitFor([&] { return w.text(Control::lName1) == "内径(mm):"; }));
    EXPECT_EQ(w.text(Control::comvalue1), "");
    EXPECT_EQ(w.form.state().densityFactor, 1.134);
    w.focus(w.hwnd(Control::Comchoice));
    w.key(VK_DOWN);  // aluminium, by keyboard on the closed list
    EXPECT_TRUE(w.waitFor([&] { return w.form.state().choice == 6; }));
    EXPECT_EQ(w.form.state().densityFactor, 0.28);
    w.trace.clear();
    w.pickFromList(Control::Comchoice, 5);  // the same entry again
    ASSERT_TRUE(w.waitFor([&] { return !w.trace.empty(); }));
    EXPECT_EQ(w.trace.front(), "Comchoice_Click");
}

TEST(Win32Window, SameCategoryClickedAgainRunsItsHandler) {
    RunningWindow w;
    w.focus(w.editOf(Control::comvalue1));
    w.typeText(L"89");
    w.trace.clear();
    w.clickCategory(0);
    ASSERT_TRUE(w.waitFor([&] { return !w.trace.empty(); }));
    EXPECT_EQ(w.trace.front(), "lItem_Click");
    EXPECT_EQ(w.text(Control::comvalue1), "");
}

struct TabCase {
    const char* name;
    int category;
    std::vector<std::string> order;
};

class TabOrder : public testing::TestWithParam<TabCase> {};

TEST_P(TabOrder, BothWays) {
    const TabCase& c = GetParam();
    RunningWindow w;
    w.clickCategory(c.category);
    w.focus(w.hwnd(Control::Comchoice));
    for (std::size_t i = 1; i < c.order.size(); ++i) {
        w.key(VK_TAB);
        EXPECT_TRUE(w.waitFor([&] { return focusedControl(w) == c.order[i]; }))
            << "Tab " << i << " reached " << focusedControl(w);
    }
    for (std::size_t i = c.order.size() - 1; i-- > 0;) {
        w.key(VK_TAB, {VK_SHIFT});
        EXPECT_TRUE(w.waitFor([&] { return focusedControl(w) == c.order[i]; }))
            << "Shift+Tab to " << c.order[i] << " reached " << focusedControl(w);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Win32Window, TabOrder,
    testing::Values(TabCase{"PipeTwoFields",
                            0,
                            {"Comchoice", "comvalue1", "Comvalue2", "Tretunval", "lItem",
                             "Command1", "Command2", "Comchoice"}},
                    TabCase{"IBeamThreeFields",
                            1,
                            {"Comchoice", "comvalue1", "Comvalue2", "Tretunval", "lItem",
                             "Comvalue3", "Command1", "Command2", "Comchoice"}}),
    [](const testing::TestParamInfo<TabCase>& tab) { return std::string(tab.param.name); });

TEST(Win32Window, TabIntoTheResultSelectsIt) {
    RunningWindow w;
    w.focus(w.editOf(Control::comvalue1));
    w.typeText(L"89");
    w.focus(w.editOf(Control::Comvalue2));
    w.typeText(L"4");
    ASSERT_TRUE(w.waitFor([&] { return w.text(Control::Tretunval) == "8.3849"; }));
    w.key(VK_TAB);
    ASSERT_TRUE(w.waitFor([&] { return focusedControl(w) == "Tretunval"; }));
    DWORD from = 0;
    DWORD to = 0;
    SendMessageW(w.hwnd(Control::Tretunval), EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                 reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 0U);
    EXPECT_EQ(to, 6U);
    EXPECT_EQ(w.trace.back(), "Tretunval_GotFocus");
}

TEST(Win32Window, EscClosesAnOpenDropDownAndKeepsEveryInput) {
    RunningWindow w;
    w.clickCategory(1);
    w.pickFromList(Control::comvalue1, 5);
    ASSERT_TRUE(w.waitFor([&] { return w.text(Control::Tretunval) == "24.0966"; }));
    for (const Control combo : {Control::Comvalue2, Control::Comchoice}) {
        w.focus(combo == Control::Comchoice ? w.hwnd(combo) : w.editOf(combo));
        w.key(VK_F4);
        ASSERT_TRUE(w.waitFor([&] { return IsWindowVisible(w.droppedList(combo)) != FALSE; }))
            << controlName(combo);
        w.key(VK_ESCAPE);
        EXPECT_TRUE(w.waitFor([&] { return IsWindowVisible(w.droppedList(combo)) == FALSE; }));
        w.settle();
        EXPECT_FALSE(w.ended) << controlName(combo);
        EXPECT_EQ(w.text(Control::comvalue1), "180");
        EXPECT_EQ(w.text(Control::Comvalue2), "94");
        EXPECT_EQ(w.text(Control::Comvalue3), "6.5");
        EXPECT_EQ(w.text(Control::Tretunval), "24.0966");
        EXPECT_EQ(w.text(Control::Comchoice), "");  // the type without letter
    }
    w.key(VK_ESCAPE);  // nothing open: 关闭
    EXPECT_TRUE(w.waitFor([&] { return w.ended; }));
    EXPECT_EQ(w.trace.back(), "Command1_Click");
}

TEST(Win32Window, EnterInAFieldPressesNothing) {
    RunningWindow w;
    w.clickCategory(1);
    w.focus(w.editOf(Control::comvalue1));
    w.typeText(L"180");
    w.trace.clear();
    w.key(VK_RETURN);
    w.settle();
    EXPECT_FALSE(w.ended);
    EXPECT_TRUE(w.trace.empty());
    EXPECT_EQ(count(w.hwnd(Control::comvalue1), CB_GETCOUNT), 6);
}

TEST(Win32Window, AltAShowsTheAboutBoxAndChangesNothing) {
    RunningWindow w;
    w.focus(w.editOf(Control::comvalue1));
    w.typeText(L"89");
    w.focus(w.editOf(Control::Comvalue2));
    w.typeText(L"4");
    ASSERT_TRUE(w.waitFor([&] { return w.text(Control::Tretunval) == "8.3849"; }));
    MessageBoxWatcher watcher(w.program.window.window());
    w.key('A', {VK_MENU});
    ASSERT_TRUE(w.waitFor([&] { return watcher.seen(); }));
    w.settle();
    const MessageBoxSeen& box = watcher.box();
    EXPECT_EQ(narrow(box.title), "金属材料单重计算");
    EXPECT_TRUE(box.informationIcon);
    EXPECT_TRUE(box.onlyOk);
    EXPECT_TRUE(box.ownerDisabled);  // modal: the window takes no input meanwhile
    const std::string text = narrow(box.text);
    EXPECT_EQ(text.find('\n') == std::string::npos, false);  // the lines are broken
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    ASSERT_EQ(lines.size(), 7U) << text;
    EXPECT_EQ(lines[0], "有关常用金属材料理论单重计算程序。");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "选择类别并给出显示变量，即可计算出对应单重。");
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6], "版本 1.0.5 (1999)");
    EXPECT_EQ(w.trace.back(), "Command2_Click");
    EXPECT_TRUE(w.waitFor([] { return true; }));
    EXPECT_EQ(w.text(Control::Tretunval), "8.3849");
    EXPECT_EQ(w.text(Control::comvalue1), "89");
    EXPECT_FALSE(w.ended);
    EXPECT_TRUE(IsWindowEnabled(w.program.window.window()));
    // The access key moved the focus to its button; it is there again after the box.
    EXPECT_TRUE(w.waitFor([&] { return focusedControl(w) == "Command2"; })) << focusedControl(w);
}

TEST(Win32Window, FocusComesBackWhenTheWindowIsActiveAgain) {
    RunningWindow w;
    w.focus(w.editOf(Control::Comvalue2));
    HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 200, 100, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    ASSERT_TRUE(w.waitFor([&] { return GetForegroundWindow() == other; }));
    DestroyWindow(other);
    SetForegroundWindow(w.program.window.window());
    EXPECT_TRUE(w.waitFor([&] { return focusedControl(w) == "Comvalue2"; })) << focusedControl(w);
}

TEST(Win32Window, AltF4EndsTheProgramWithoutAHandler) {
    RunningWindow w;
    HWND window = w.program.window.window();
    w.trace.clear();
    w.key(VK_F4, {VK_MENU});
    EXPECT_TRUE(w.waitFor([&] { return IsWindow(window) == FALSE; }));
    MSG quit{};
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));  // the loop ends
    EXPECT_TRUE(w.trace.empty());
}

TEST(Win32Window, Command1EndsTheProgram) {
    RunningWindow w;
    w.click(w.hwnd(Control::Command1), {10, 10});
    EXPECT_TRUE(w.waitFor([&] { return w.ended; }));
    EXPECT_EQ(w.trace.back(), "Command1_Click");
}

}  // namespace
}  // namespace metalweight::win32

namespace metalweight::win32 {
namespace {

// What a screen reader hears for a control: its accessible name.
std::string accessibleName(HWND control) {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&accessible)))) {
        return {};
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::string text;
    if (accessible->get_accName(self, &name) == S_OK && name != nullptr) {
        text = narrow(name);
        SysFreeString(name);
    }
    accessible->Release();
    return text;
}

TEST(Win32Window, EveryFieldIsNamedAfterItsCaptionAndRenamedWithIt) {
    RunningWindow w;
    const ScreenReaderNames& names = w.layer.screenReaderNames();
    const auto nameOf = [&](HWND control) { return narrow(names.nameGiven(control)); };
    EXPECT_EQ(nameOf(w.hwnd(Control::lItem)), "计算类别:");
    EXPECT_EQ(nameOf(w.hwnd(Control::Comchoice)), "管道材质:");
    EXPECT_EQ(nameOf(w.hwnd(Control::comvalue1)), "外径(mm):");
    EXPECT_EQ(nameOf(w.editOf(Control::comvalue1)), "外径(mm):");
    EXPECT_EQ(nameOf(w.hwnd(Control::Comvalue2)), "壁厚(mm):");
    EXPECT_EQ(nameOf(w.hwnd(Control::Tretunval)), "计算单重(kg/m):");
    w.pickFromList(Control::Comchoice, 4);  // lead: the outer diameter becomes the inner
    ASSERT_TRUE(w.waitFor([&] { return w.text(Control::lName1) == "内径(mm):"; }));
    EXPECT_EQ(nameOf(w.hwnd(Control::comvalue1)), "内径(mm):");
    EXPECT_EQ(nameOf(w.editOf(Control::comvalue1)), "内径(mm):");

    // Where the system took the names (Windows; Wine has no annotation service), a
    // screen reader hears them.
    ScreenReaderNames probe;
    if (!probe.name(w.hwnd(Control::Tretunval), L"计算单重(kg/m):")) {
        GTEST_SKIP() << "this system keeps no names for screen readers";
    }
    EXPECT_EQ(accessibleName(w.hwnd(Control::Tretunval)), "计算单重(kg/m):");
    EXPECT_EQ(accessibleName(w.editOf(Control::comvalue1)), "内径(mm):");
}

}  // namespace
}  // namespace metalweight::win32
