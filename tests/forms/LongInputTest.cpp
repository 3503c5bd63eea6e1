// Long and strange texts pasted into the fields: the right answer, no crash, and time
// linear in the length.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "tests/Linearity.h"
#include "tools/scenario/MemoryWindow.h"
#include "ui/Frmmetal.h"

namespace metalweight {
namespace {

class LongInput : public testing::Test {
  protected:
    LongInput() : form(window) {
        form.Form_Load();
        window.userSelect(Control::lItem, 10);  // plate: one field, W = t · 0.785 · 10
    }

    // Pastes `text` into the first field; returns the result box.
    std::string paste(const std::string& text) {
        window.userSetText(Control::comvalue1, text);
        return window.control(Control::Tretunval).text;
    }

    MemoryWindow window;
    Frmmetal form;
};

TEST_F(LongInput, PastedMegabytesGiveTheRightAnswer) {
    const std::size_t megabyte = 1 << 20;
    std::string mixed;
    while (mixed.size() < megabyte) {
        mixed += "钢板\x01\x1f\t\r\n厚度";
    }
    struct Case {
        const char* name;
        std::string text;
        const char* result;
    };
    const Case cases[] = {
        {"digits", std::string(megabyte, '7'), ""},  // beyond the double range
        {"letters", std::string(megabyte, 'x'), ""},
        {"Chinese and control characters", mixed, ""},
        {"a fraction with a megabyte of digits", "0." + std::string(megabyte, '3'), "2.6167"},
        {"digits after a number", "10mm" + std::string(megabyte, '9'), "78.5000"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(paste(c.text), c.result) << c.name;
        EXPECT_EQ(window.control(Control::comvalue1).text.size(), c.text.size()) << c.name;
    }
}

// How fast a megabyte goes is the benchmarks' business; here only that the time of a
// paste grows with the text's length, not with its square.
TEST_F(LongInput, PasteTimeGrowsLinearly) {
    const auto pasteDigits = [this](std::size_t length) { paste("0." + std::string(length, '3')); };
    EXPECT_LT(growthOverInput(pasteDigits, std::size_t{1} << 20), kLinearGrowthLimit);
    const auto pasteMixed = [this](std::size_t length) {
        std::string text;
        while (text.size() < length) {
            text += "钢板\x01\t厚度";
        }
        paste(text);
    };
    EXPECT_LT(growthOverInput(pasteMixed, std::size_t{1} << 20), kLinearGrowthLimit);
}

TEST_F(LongInput, StrangeNumbers) {
    EXPECT_EQ(paste("1E400"), "");
    EXPECT_EQ(paste("-0"), "");
    EXPECT_EQ(paste("+.5E-3"), "0.0039");
    EXPECT_EQ(paste("0." + std::string(3000, '0') + "1e3002"), "78.5000");
    EXPECT_EQ(paste("1" + std::string(3000, '0') + "e-3000"), "7.8500");
    EXPECT_EQ(paste(std::string(300, '9')).size(), 301U + 5U);  // 7.85e300 kg/m² is finite
    EXPECT_EQ(paste(std::string(309, '9')), "");                // 1e309 is not
    EXPECT_EQ(form.state().dimension1, std::numeric_limits<double>::infinity());
    EXPECT_EQ(paste(std::string("\0"
                                "5",
                                2)),
              "");  // a NUL before the digits
}

}  // namespace
}  // namespace metalweight
