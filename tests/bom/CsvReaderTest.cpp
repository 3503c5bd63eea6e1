#include "tools/bom/CsvReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "tests/bom/StringSource.h"

namespace metalweight::bom {
namespace {

struct Read {
    long long line;
    std::vector<std::string> cells;
    std::string error;
    bool operator==(const Read&) const = default;
};

void PrintTo(const Read& read, std::ostream* out) {
    *out << "line " << read.line << " [";
    for (const std::string& cell : read.cells) {
        *out << "<" << cell << ">";
    }
    *out << "] " << read.error;
}

// Every record of `text`, read from blocks of `blockLines` lines.
std::vector<Read> readAll(std::string_view text, std::size_t blockLines = 4096) {
    StringSource source(text, blockLines);
    CsvReader reader(source);
    std::vector<Read> records;
    Record record;
    while (reader.next(record)) {
        records.push_back({record.line, record.cells, record.error});
    }
    return records;
}

TEST(CsvReaderTest, ReadsPlainAndQuotedCells) {
    const std::vector<Read> expected = {
        {1, {"a", "b", "c"}, ""},     {2, {"1", "", "x y"}, ""}, {3, {"q,1", "say \"hi\"", ""}, ""},
        {4, {"two\nlines", "z"}, ""}, {6, {"last", ""}, ""},
    };
    const std::string text =
        "a,b,c\n1,,x y\n\"q,1\",\"say \"\"hi\"\"\",\"\"\n\"two\nlines\",z\nlast,";
    EXPECT_EQ(readAll(text), expected);
    // A block of one line at a time splits the quoted line end between two blocks.
    EXPECT_EQ(readAll(text, 1), expected);
}

TEST(CsvReaderTest, DropsTheCrOfCrLfOutsideQuotesOnly) {
    const std::vector<Read> expected = {
        {1, {"a", "b"}, ""},
        {2, {"x\r\ny", "2"}, ""},
        {4, {"3", "4"}, ""},
    };
    EXPECT_EQ(readAll("a,b\r\n\"x\r\ny\",2\r\n3,4\r\n"), expected);
}

TEST(CsvReaderTest, TakesTheDelimiterFromTheHeaderLine) {
    StringSource tabs("类别\t规格\t备注\n工字钢\tI20a\t1,5\n");
    CsvReader tabReader(tabs);
    Record record;
    ASSERT_TRUE(tabReader.next(record));
    EXPECT_EQ(tabReader.delimiter(), '\t');
    ASSERT_TRUE(tabReader.next(record));
    EXPECT_EQ(record.cells, (std::vector<std::string>{"工字钢", "I20a", "1,5"}));

    // Commas inside a quoted header cell do not count.
    StringSource quoted("\"a,b,c\"\tx\n");
    CsvReader quotedReader(quoted);
    ASSERT_TRUE(quotedReader.next(record));
    EXPECT_EQ(quotedReader.delimiter(), '\t');
}

TEST(CsvReaderTest, ReportsBrokenQuotingAndReadsOnAtTheNextLine) {
    const std::vector<Read> records = readAll("h\n\"a\"b\nx\"y\nok\n\"open\nmore");
    ASSERT_EQ(records.size(), 6U);
    EXPECT_EQ(records[1].line, 2);
    EXPECT_FALSE(records[1].error.empty());  // text after the closing quote
    EXPECT_EQ(records[2].line, 3);
    EXPECT_FALSE(records[2].error.empty());  // a quote inside a plain cell
    EXPECT_EQ(records[3], (Read{4, {"ok"}, ""}));
    EXPECT_EQ(records[4].line, 5);
    EXPECT_FALSE(records[4].error.empty());          // the input ends inside quotes
    EXPECT_EQ(records[5], (Read{6, {"more"}, ""}));  // read on after the opening line
}

TEST(CsvReaderTest, ReadsRandomRecordsWholeOrOneLineABlock) {
    // Cells of every length, some quoted, some with a CR that is not before a line end
    // (which stays in the cell), with either line end, read from one block or from a
    // block a line.
    std::mt19937 random(5);
    for (const char* lineEnd : {"\n", "\r\n"}) {
        for (const bool odd : {false, true}) {
            std::string text;
            std::vector<Read> expected;
            long long line = 1;
            for (int record = 0; record < 300; ++record) {
                Read read{line, {}, ""};
                const int cells = static_cast<int>(random() % 4) + 1;
                for (int cell = 0; cell < cells; ++cell) {
                    std::string value(random() % 18, 'x');
                    for (char& c : value) {
                        c = static_cast<char>('a' + random() % 26);
                    }
                    const bool quoted = odd && random() % 7 == 0;
                    if (odd && !value.empty() && cell + 1 < cells && random() % 7 == 0) {
                        value[random() % value.size()] = '\r';  // kept: not before a line end
                    }
                    text += cell == 0 ? "" : ",";
                    text += quoted ? "\"" + value + "\"" : value;
                    read.cells.push_back(value);
                }
                text += lineEnd;
                expected.push_back(read);
                ++line;
            }
            for (const std::size_t blockLines : {std::size_t{4096}, std::size_t{1}}) {
                StringSource source(text, blockLines);
                CsvReader reader(source);
                Record record;
                for (std::size_t i = 0; i < expected.size(); ++i) {
                    ASSERT_TRUE(reader.next(record));
                    const Read read{record.line, record.cells, record.error};
                    ASSERT_EQ(read, expected[i]) << testing::PrintToString(lineEnd);
                }
                EXPECT_FALSE(reader.next(record));
            }
        }
    }
}

}  // namespace
}  // namespace metalweight::bom
