#include "data/table_text.h"
#include "data/text_lines.h"

#include "near.h"

#include <gtest/gtest.h>

using namespace ajuste;

namespace {

const NumberFormat spanish{",", "."};
const NumberFormat english{".", ","};
constexpr int kReads = -1;

using Rows = std::vector<std::array<double, 2>>;

struct Block {
    const char* name;
    std::string text;
    const NumberFormat* user;
    bool paste; // isTableText
    int errorLine = kReads;
    int columns = 0;
    Rows rows = {};
    int wanted = 1; // columns: 2 for a file
    int leftOut = 0; // columns
};

class ReadsTableText : public ::testing::TestWithParam<Block> {};

// The numbers are those written in each row's text.
TEST_P(ReadsTableText, AsTheBlockIsWritten)
{
    const Block& expected = GetParam();
    EXPECT_EQ(isTableText(expected.text), expected.paste);
    try {
        const TableBlock block = readTableText(expected.text, *expected.user, expected.wanted);
        EXPECT_EQ(expected.errorLine, kReads) << "accepted";
        EXPECT_EQ(block.columns, expected.columns);
        EXPECT_EQ(block.rows, expected.rows);
        EXPECT_EQ(block.columnsLeftOut, expected.leftOut);
    } catch (const TableTextError& error) {
        EXPECT_EQ(error.line, expected.errorLine);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadsTableText,
    ::testing::Values(
        Block{"es_spreadsheet", "0\t1,5\r\n1\t2,25\r\n", &spanish, true, kReads, 2, {{0, 1.5}, {1, 2.25}}},
        Block{"en_spreadsheet", "0.5\t1.5\n1\t2\n", &english, true, kReads, 2, {{0.5, 1.5}, {1, 2}}},
        Block{"period_never_groups", "1.5\t2\n", &spanish, true, kReads, 2, {{1.5, 2}}},
        Block{"logger_csv", "t,y\n0.5,1.25\n1,2.5\n", &spanish, true, kReads, 2, {{0.5, 1.25}, {1, 2.5}}},
        Block{"es_csv", "t;y\r\n0,5;1,25\r\n", &english, true, kReads, 2, {{0.5, 1.25}}},
        Block{"quoted", "\"t (s)\",\"U (V)\"\n\"1,5\", 2 \n", &english, true, kReads, 2, {{1.5, 2}}},
        Block{"en_csv_file", "t,f(t)\r\n1,2\r\n3,4\r\n", &spanish, true, kReads, 2, {{1, 2}, {3, 4}}, 2},
        Block{"headerless_csv_file", "1,2\r\n3,4\r\n", &spanish, true, kReads, 2, {{1, 2}, {3, 4}}, 2},
        Block{"es_spreadsheet_csv", "t,f(t)\r\n15,\"16,1\"\r\n16,\"17,25\"\r\n", &spanish, true, kReads, 2,
              {{15, 16.1}, {16, 17.25}}},
        Block{"bom_quoted_header", "\xEF\xBB\xBF\"t\",\"f(t)\"\n1,\"2,5\"\n", &spanish, true, kReads, 2, {{1, 2.5}}},
        Block{"trailing_empty_fields", "1,2,\r\n3,4,\r\n", &spanish, true, kReads, 2, {{1, 2}, {3, 4}}},
        Block{"quoted_semicolon_header", "\"t; s\",\"y\"\n1,2\n", &english, true, kReads, 2, {{1, 2}}},
        Block{"quoted_commas_blank_runs", "\"t, s\"  \"y, V\"\n1,5  2,5\n", &spanish, true, kReads, 2, {{1.5, 2.5}}},
        Block{"quoted_semicolon", " \"1,5\" ;\"-2\"", &spanish, true, kReads, 2, {{1.5, -2}}},
        Block{"doubled_quote", "\"1\"\"5\";2", &spanish, true, 1},
        Block{"stray_quote", "1;2\n3\";4\n", &spanish, true, 2},
        Block{"bom_cr_blank", "\xEF\xBB\xBF" "1;2\r \r3;4\r", &spanish, true, kReads, 2, {{1, 2}, {3, 4}}},
        Block{"es_blank_runs", " 1,5   2,5\n3  4 \n", &spanish, true, kReads, 2, {{1.5, 2.5}, {3, 4}}},
        Block{"one_column", "1,5\n\n2,5\n", &spanish, true, kReads, 1, {{1.5, 0}, {2.5, 0}}},
        Block{"third_column_left_out", "1.5\t2\tnota, x\n3\t4\ty\n", &english, true, kReads, 2, {{1.5, 2}, {3, 4}}, 1, 1},
        Block{"blanks_periods", "0 17.0\n15  16.1\n", &spanish, true, kReads, 2, {{0, 17}, {15, 16.1}}, 2},
        Block{"en_blanks_commas", "0 1,5\n2 2,5\n", &english, true, kReads, 2, {{0, 1.5}, {2, 2.5}}, 2},
        Block{"comments_and_header", "# capac.dat\n % U (V)\nt   U\n0 4.58\n2 3.77\n", &spanish, true, kReads, 2,
              {{0, 4.58}, {2, 3.77}}, 2},
        Block{"es_thousands_calc_csv", "9,1.566\r\n15,\"1.300,5\"\r\n", &spanish, true, kReads, 2,
              {{9, 1566}, {15, 1300.5}}, 2},
        Block{"en_thousands", "1,566\t-2\n1,300.5\t3\n", &english, true, kReads, 2, {{1566, -2}, {1300.5, 3}}},
        Block{"es_two_ways", "9\t1.566\n12\t1.380\n", &spanish, true, 1},
        Block{"en_two_ways", "1,566\t2\n", &english, true, 1},
        Block{"not_thousands", "0.125\t1.566\n", &spanish, true, kReads, 2, {{0.125, 1.566}}},
        Block{"misplaced_thousands", "1.566,5\t2\n1.5,5\t2\n", &spanish, true, 2},
        Block{"exponents", "-1,5e-3\n2E+4", &spanish, true, kReads, 1, {{-0.0015, 0}, {20000, 0}}},
        Block{"header_only", "t;y\n", &spanish, true, kReads, 0},
        Block{"single_cell", "3,5\n", &spanish, false, kReads, 1, {{3.5, 0}}},
        Block{"single_line", "\n 1.5 2.5 \n\n", &english, false, kReads, 2, {{1.5, 2.5}}},
        Block{"number_and_word", "t\t1\n2\t3\n", &english, true, 1},
        Block{"fewer_fields", "1;2\n3\n", &spanish, true, 2},
        Block{"more_fields", "1;2\n3;4;5\n", &spanish, true, 2},
        Block{"empty_field", "1;\n", &spanish, true, 1},
        Block{"mark_per_block", "1,5;2\n2.5;3\n", &spanish, true, 2},
        Block{"garbage_line", "0 1\n2 3.5\n<html>\n", &english, true, 3},
        Block{"line_after_blanks", "t;y\n\n1;2\r\nx;3\n", &spanish, true, 4},
        Block{"too_long", std::string(kMaxTextBytes + 1, '1'), &spanish, false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TableText, WritersReadBack)
{
    const Rows rows{{0.5, 1.25}, {-3, 1e-20}, {1e20, 1.0 / 3}};
    EXPECT_EQ(formatTableText(Rows{{0.5, 1.25}}, spanish), "0,5\t1,25\n");
    EXPECT_EQ(formatTsv(Rows{{0.5, 1.25}}, english), "t\tf(t)\n0.5\t1.25\n");
    EXPECT_EQ(formatCsv(Rows{{0.5, 1.25}}, spanish), "t;f(t)\r\n0,5;1,25\r\n");
    EXPECT_EQ(formatCsv(Rows{{0.5, 1.25}}, english), "t,f(t)\r\n0.5,1.25\r\n");
    for (const NumberFormat* user : {&spanish, &english}) {
        for (const std::string& text : {formatTableText(rows, *user), formatTsv(rows, *user), formatCsv(rows, *user)}) {
            const TableBlock block = readTableText(text, *user);
            ASSERT_EQ(block.rows.size(), rows.size()) << text;
            for (std::size_t k = 0; k < rows.size(); ++k)
                EXPECT_TRUE(near12(block.rows[k][0], rows[k][0]) && near12(block.rows[k][1], rows[k][1])) << text;
        }
    }
}

TEST(TableText, FileFormatGoesByTheEnding)
{
    EXPECT_EQ(tableFormatFor("datos.txt"), TableFileFormat::DataFile);
    EXPECT_EQ(tableFormatFor("/tmp/a.CsV"), TableFileFormat::Csv);
    EXPECT_EQ(tableFormatFor("b.tsv"), TableFileFormat::Tabs);
    EXPECT_EQ(tableFormatFor("c.tsv.bak"), TableFileFormat::DataFile);
    EXPECT_EQ(tableFormatFor("csv"), TableFileFormat::DataFile);
}

} // namespace
