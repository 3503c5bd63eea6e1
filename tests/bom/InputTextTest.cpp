#include "tools/bom/InputText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace metalweight::bom {
namespace {

namespace fs = std::filesystem;

// "类别" and "工字钢" as GB18030 writes them.
constexpr std::string_view kCategoryGb = "\xC0\xE0\xB1\xF0";
constexpr std::string_view kIBeamGb = "\xB9\xA4\xD7\xD6\xB8\xD6";

class InputTextTest : public ::testing::Test {
  protected:
    void TearDown() override { fs::remove(path_); }

    // Writes `bytes` to a file and reads it back as the program reads a list.
    std::string readFile(std::string_view bytes) {
        std::ofstream(path_, std::ios::binary) << bytes;
        std::FILE* file = std::fopen(path_.string().c_str(), "rb");
        std::string text;
        try {
            InputText input(file, "list");
            while (input.readBlock(text)) {
            }
        } catch (...) {
            std::fclose(file);
            throw;
        }
        std::fclose(file);
        return text;
    }

    // A name of this test program's own: another run of the tests may be at work in the
    // same folder.
    fs::path path_ = fs::temp_directory_path() /
                     ("metalweight-input-" + std::to_string(std::random_device{}()) +
                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
};

TEST_F(InputTextTest, ReadsUtf8AndDropsItsByteOrderMark) {
    EXPECT_EQ(readFile("\xEF\xBB\xBF类别,规格\n工字钢,I20a\n"), "类别,规格\n工字钢,I20a\n");
    EXPECT_EQ(readFile("类别\r\n管道"), "类别\r\n管道");
}

TEST_F(InputTextTest, ReadsWhatIsNotUtf8AsGb18030) {
    EXPECT_EQ(readFile(std::string(kCategoryGb) + "\n" + std::string(kIBeamGb) + "\n"),
              "类别\n工字钢\n");
    // GB18030's own byte-order mark is dropped too.
    EXPECT_EQ(readFile("\x84\x31\x95\x33" + std::string(kIBeamGb)), "工字钢");
}

TEST_F(InputTextTest, ReadsALongGb18030ListPartByPart) {
    // Several 64 KiB reads, whose ends fall inside lines and characters.
    std::string bytes;
    std::string expected;
    for (int i = 0; i < 20000; ++i) {
        bytes += std::string(kCategoryGb) + std::to_string(i) + "," + std::string(kIBeamGb) + "\n";
        expected += "类别" + std::to_string(i) + ",工字钢\n";
    }
    EXPECT_EQ(readFile(bytes), expected);
    // A byte no encoding reads, far into the list, is named by its own line.
    try {
        readFile(bytes + "\xFF\n");
        FAIL() << "no error";
    } catch (const InputError& error) {
        EXPECT_NE(std::string(error.what()).find("第 20001 行"), std::string::npos) << error.what();
    }
}

TEST_F(InputTextTest, DecidesFromTheWholeFileNotItsFirstLines) {
    // The first line's bytes C3 97 are UTF-8 "×" and GB18030 "脳"; the third line is
    // GB18030 only, so the whole file is GB18030.
    const std::string bytes = "a\xC3\x97\nplain\n" + std::string(kIBeamGb) + "\n";
    EXPECT_EQ(readFile(bytes), "a脳\nplain\n工字钢\n");
}

TEST_F(InputTextTest, NamesTheLineOfABytesNeitherEncodingReads) {
    // 0xFF begins no character in either encoding.
    try {
        readFile("a,b\nc\n\xFF\n");
        FAIL() << "no error";
    } catch (const InputError& error) {
        EXPECT_TRUE(std::string(error.what()).starts_with("list:3: ")) << error.what();
    }
}

#ifndef _WIN32
TEST(InputTextPipeTest, SwitchesToGb18030AfterAsciiAndRefusesMixedInput) {
    auto readPipe = [](const std::string& bytes) {
        const fs::path path = fs::temp_directory_path() /
                              ("metalweight-pipe-input-" + std::to_string(std::random_device{}()));
        std::ofstream(path, std::ios::binary) << bytes;
        std::FILE* pipe = popen(("cat '" + path.string() + "'").c_str(), "r");
        std::string text;
        try {
            InputText input(pipe, "-");
            while (input.readBlock(text)) {
            }
        } catch (const InputError& error) {
            text = std::string("error ") + error.what();
        }
        pclose(pipe);
        fs::remove(path);
        return text;
    };
    EXPECT_EQ(readPipe("category,size\n" + std::string(kIBeamGb) + ",I20a\n"),
              "category,size\n工字钢,I20a\n");
    // UTF-8 Chinese, then a byte that is not UTF-8: no encoding reads all of it alike.
    EXPECT_TRUE(readPipe("类别\n" + std::string(kIBeamGb) + "\n").starts_with("error -:2: "));
}
#endif

}  // namespace
}  // namespace metalweight::bom
