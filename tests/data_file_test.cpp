#include "data/data_file.h"
#include "data/number_text.h"
#include "common/numeric_error.h"

#include <gtest/gtest.h>

using namespace ajuste;

namespace {

TEST(DataFile, WritesCountLineAndCellsWithCrLf)
{
    EXPECT_EQ(formatDataFile({}), " 0 \r\n");
    EXPECT_EQ(formatDataFile({{"1", "2,5"}, {"3", "7,25"}}), " 2 \r\n1\r\n2,5\r\n3\r\n7,25\r\n");
}

TEST(DataFile, ReadsBackWhatItWrites)
{
    std::vector<DataRow> rows;
    for (int k = 0; k < kRows; ++k)
        rows.push_back({std::to_string(k), "-" + std::to_string(k) + ",5"});
    const std::string text = formatDataFile(rows);
    const auto back = parseDataFile(text);
    ASSERT_EQ(back.size(), rows.size());
    for (std::size_t k = 0; k < rows.size(); ++k) {
        EXPECT_EQ(back[k].t, rows[k].t);
        EXPECT_EQ(back[k].y, rows[k].y);
    }
}

struct CountLine {
    const char* name;
    const char* line;
    int count;
};

class ReadsCount : public ::testing::TestWithParam<CountLine> {};

TEST_P(ReadsCount, AsAPeriodDecimalNumber)
{
    EXPECT_EQ(readCount(GetParam().line), GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadsCount,
                         ::testing::Values(CountLine{"blanks_around", " 3 ", 3}, CountLine{"text_after", "3abc", 3},
                                           CountLine{"half_down_to_even", "2.5", 2},
                                           CountLine{"half_up_to_even", "3.5", 4}, CountLine{"no_digits", "abc", 0},
                                           CountLine{"empty", "", 0}, CountLine{"blank_inside", "1 2", 12},
                                           CountLine{"negative", "-1", -1}, CountLine{"exponent", "2e1", 20},
                                           CountLine{"comma_stops", "3,9", 3}, CountLine{"leading_point", ".5", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DataFile, CountBeyondSixteenBitsIsAnError)
{
    EXPECT_THROW(readCount("40000"), NumericError);
    EXPECT_THROW(readCount("1e400"), NumericError);
}

struct Fault {
    const char* name;
    std::string bytes;
    DataFileFault fault;
};

class RejectsFile : public ::testing::TestWithParam<Fault> {};

TEST_P(RejectsFile, WithItsFault)
{
    try {
        parseDataFile(GetParam().bytes);
        FAIL() << "accepted";
    } catch (const DataFileError& error) {
        EXPECT_EQ(error.fault, GetParam().fault);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RejectsFile,
    ::testing::Values(Fault{"count_21", " 21 \r\n", DataFileFault::CountOutOfRange},
                      Fault{"count_minus_1", " -1 \r\n", DataFileFault::CountOutOfRange},
                      Fault{"count_huge", "99999\r\n", DataFileFault::CountOutOfRange},
                      Fault{"empty", "", DataFileFault::Truncated},
                      Fault{"missing_y", " 2 \r\n1\r\n2\r\n3\r\n", DataFileFault::Truncated},
                      Fault{"missing_row", " 2 \r\n1\r\n2\r\n", DataFileFault::Truncated},
                      Fault{"nul_byte", std::string(" 1 \r\n1\r\n\0\r\n", 10), DataFileFault::NotText},
                      Fault{"over_one_mebibyte", " 0 \r\n" + std::string(kMaxTextBytes, 'x'),
                            DataFileFault::NotText}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DataFile, ExtraLinesAreIgnoredAndOtherEndingsRead)
{
    const auto rows = parseDataFile(" 1 \n4\r5\r\nsobra\r\n");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].t, "4");
    EXPECT_EQ(rows[0].y, "5");
}

TEST(DataFile, LastLineNeedsNoEnding)
{
    const auto rows = parseDataFile(" 1 \r\n4\r\n5");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].y, "5");
}

TEST(DataFile, EmptyCellsAreKept)
{
    const auto rows = parseDataFile(" 1 \r\n\r\n\r\n");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].t, "");
    EXPECT_EQ(rows[0].y, "");
}

} // namespace

// Its content, not its name, makes a file a data file for "Abrir…".
TEST(DataFile, IsOneByContentAlone)
{
    const NumberFormat spanish{",", "."};
    for (const char* file : {" 0 \r\n", " 2 \r\n1\r\n2,5\r\n3\r\n-7,25E+3\r\n\r\n", "1\n0\n1.500\n"})
        EXPECT_TRUE(isDataFile(file, spanish)) << file;
    for (const char* file : {"", "0 4.58\n2 3.77\n", " 1 \r\n1\r\n2\r\n3\r\n", " 2 \r\n1\r\n2\r\n", " 1 \r\n1\r\nx\r\n",
                             " 1 \r\n1 2\r\n3\r\n", "1.0\n1\n2\n", " 21 \r\n", "-0\n"})
        EXPECT_FALSE(isDataFile(file, spanish)) << file;
}
