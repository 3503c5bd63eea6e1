#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ui/AboutText.h"

namespace metalweight {
namespace {

TEST(AboutText, SevenLinesJoinedByCarriageReturns) {
    const std::string text = aboutMessage(programVersion());
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 6);
    EXPECT_EQ(text.find('\n'), std::string::npos);
    EXPECT_NE(text.front(), '\r');
    EXPECT_NE(text.back(), '\r');
    EXPECT_EQ(
        text.rfind(
            "有关常用金属材料理论单重计算程序。\r\r选择类别并给出显示变量，即可计算出对应单重。\r",
            0),
        0U);
    const std::string lastLines = "\r\r版本 1.0.5 (1999)";
    EXPECT_EQ(text.substr(text.size() - lastLines.size()), lastLines);
}

TEST(AboutText, VersionNumbersWithoutPaddingOrSpaces) {
    const std::string text = aboutMessage({12, 0, 305});
    const std::string lastLine = "版本 12.0.305 (1999)";
    EXPECT_EQ(text.substr(text.size() - lastLine.size()), lastLine);
}

}  // namespace
}  // namespace metalweight
