#include "tools/bom/CsvReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "tools/bom/LineEnds.h"
#include "tools/bom/StringSource.h"

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
        records.push_back({record.line, {record.cells.begin(), record.cells.end()}, record.error});
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
    EXPECT_EQ(record.cells, (std::vector<std::string_view>{"工字钢", "I20a", "1,5"}));

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

TEST(CsvReaderTest, CellsGoWithTheirRecordWhenItIsCopiedOrMoved) {
    StringSource source("a,\"b\"\"c\",d\nsecond,row,here\n");
    CsvReader reader(source);
    Record record;
    ASSERT_TRUE(reader.next(record));
    const Record copy = record;  // short cells: their text is moved byte by byte
    std::vector<Record> kept;
    kept.push_back(std::move(record));
    Record assigned;
    assigned = copy;
    ASSERT_TRUE(reader.next(record));  // reuses the moved-from record
    const std::vector<std::string_view> first = {"a", "b\"c", "d"};
    EXPECT_EQ(copy.cells, first);
    EXPECT_EQ(kept.front().cells, first);
    EXPECT_EQ(assigned.cells, first);
    EXPECT_EQ(record.cells, (std::vector<std::string_view>{"second", "row", "here"}));
}

// A record is verbatim when its text can stand for its cells in a comma-separated report.
TEST(CsvReaderTest, SaysWhenTheCellsStandAsACommaSeparatedListWritesThem) {
    auto verbatim = [](std::string_view text) {
        StringSource source(text);
        CsvReader reader(source);
        Record record;
        EXPECT_TRUE(reader.next(record) && reader.next(record));
        return record.verbatim;
    };
    EXPECT_TRUE(verbatim("h,i\nplain,cells\r\n"));
    EXPECT_FALSE(verbatim("h,i\n\"quoted\",cell\n"));
    EXPECT_FALSE(verbatim("h\ti\ntab\tseparated\n"));
    EXPECT_FALSE(verbatim("h,i\na\rb,c\n"));  // a CR inside a cell is quoted on output
}

TEST(CsvReaderTest, FindsCellsWhereverDelimitersAndLineEndsFallInAWord) {
    // Plain lines are read a block of eight or sixteen bytes at a time: cells of every
    // length put each delimiter, CR and line end at every place in a block; a CR inside
    // a cell or a quoted cell sends the line to the general reading, and both must agree.
    std::mt19937 random(5);
    for (const char* lineEnd : {"\n", "\r\n"}) {
        for (const bool odd : {false, true}) {
            std::string text;
            std::vector<Read> expected;
            std::vector<bool> verbatim;  // no quoted cell, no CR kept in a cell
            long long line = 1;
            for (int record = 0; record < 300; ++record) {
                Read read{line, {}, ""};
                bool plain = true;
                const int cells = static_cast<int>(random() % 4) + 1;
                for (int cell = 0; cell < cells; ++cell) {
                    std::string value(random() % 18, 'x');
                    for (char& c : value) {
                        c = static_cast<char>('a' + random() % 26);
                    }
                    const bool quoted = odd && random() % 7 == 0;
                    if (odd && !value.empty() && cell + 1 < cells && random() % 7 == 0) {
                        value[random() % value.size()] = '\r';  // kept: not before a line end
                        plain = false;
                    }
                    plain = plain && !quoted;
                    text += cell == 0 ? "" : ",";
                    text += quoted ? "\"" + value + "\"" : value;
                    read.cells.push_back(value);
                }
                text += lineEnd;
                expected.push_back(read);
                verbatim.push_back(plain);
                ++line;
            }
            for (const std::size_t blockLines : {std::size_t{4096}, std::size_t{1}}) {
                StringSource source(text, blockLines);
                CsvReader reader(source);
                Record record;
                for (std::size_t i = 0; i < expected.size(); ++i) {
                    ASSERT_TRUE(reader.next(record));
                    const Read read{
                        record.line, {record.cells.begin(), record.cells.end()}, record.error};
                    ASSERT_EQ(read, expected[i]) << testing::PrintToString(lineEnd);
                    ASSERT_EQ(record.verbatim, verbatim[i]) << testing::PrintToString(read);
                }
                EXPECT_FALSE(reader.next(record));
            }
        }
    }
}

TEST(CsvReaderTest, CountsLineEndsAmongBytesThatDifferFromThemByOneBit) {
    // Eight bytes are counted at once: a line end next to 0x0B, 0x8A or 0x0A's other
    // neighbours, at every place in a word and in the bytes after the last word.
    std::mt19937 random(11);
    const std::string near = "\n\x0B\x8A\x08\x0E\x2A\x1A";
    for (int i = 0; i < 20000; ++i) {
        std::string text(random() % 40, ' ');
        for (char& c : text) {
            c = near[random() % near.size()];
        }
        ASSERT_EQ(countLineEnds(text), static_cast<std::size_t>(std::ranges::count(text, '\n')))
            << testing::PrintToString(text);
    }
    EXPECT_EQ(countLineEnds(std::string(64, '\n')), 64U);
}

}  // namespace
}  // namespace metalweight::bom
