#pragma once

#include "data/block_notation.h"
#include "data/number_text.h"

#include <array>
#include <cstddef>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ajuste {

// The rows of a pasted block or table file: t and f(t), or only t (the
// second number 0) when the block has one column; no columns when it has no
// data. Columns past the second that hold anything are left out, and counted.
struct TableBlock {
    int columns = 0;
    std::vector<std::array<double, 2>> rows;
    int columnsLeftOut = 0;
};

enum class TableTextFault { TooLong, NotANumber, FieldCount, TwoWays };

struct TableTextError : std::runtime_error {
    TableTextError(TableTextFault f, int l, std::string_view n = {})
        : std::runtime_error("texto de tabla"), fault(f), line(l), number(n)
    {
    }
    TableTextFault fault;
    int line; // 1-based in the text; 0 for TooLong
    std::string number; // for TwoWays, the first number that reads two ways
};

// True for a block to paste as rows: a tab or a semicolon, or more than one
// non-blank line. A single plain line is text for one cell.
bool isTableText(std::string_view text);

// The rows of spreadsheet, CSV or plain-text columns, read for a caller that
// wants `columns` of them: a table file two, a paste one. A UTF-8 byte-order
// mark, blank lines and comments (lines beginning with # or %) are skipped;
// then a first line without any number is a header. Separator, looked for
// outside double quotes: tab, else semicolon, else comma when one has no
// digit after it, else runs of blanks when a line holds fields apart by
// them; else lone fields, where "1,5" then "2,5" pasted where the comma is
// decimal are 1.5 and 2.5, opened as a file 1 and 5, 2 and 5. Fields as RFC
// 4180 has them, quotes not running past a line: a quoted field may hold
// separators; one with a quote inside is no number. The numbers of the
// columns read follow one notation (notationOf). Every line has as many
// fields as the first. Throws TableTextError; TwoWays only for Grouping::Ask,
// once every field reads both ways.
TableBlock readTableText(std::string_view text, const NumberFormat& user, int columns = 1,
                         Grouping grouping = Grouping::Ask);

// Tab-separated rows, numbers as the table shows them, no header.
std::string formatTableText(std::span<const std::array<double, 2>> rows, const NumberFormat& user);

// The header "t", tab, "f(t)" then the rows as formatTableText writes them.
std::string formatTsv(std::span<const std::array<double, 2>> rows, const NumberFormat& user);

// A header then the rows, lines ending CR LF: "t;f(t)" and decimal commas
// for a comma-decimal user, else "t,f(t)" and decimal periods.
std::string formatCsv(std::span<const std::array<double, 2>> rows, const NumberFormat& user);

enum class TableFileFormat { DataFile, Csv, Tabs };

// The format a table is saved in goes by the name: one ending in .csv or
// .tsv, in any case, is CSV or tab-separated; anything else is a data file
// like datos.txt.
TableFileFormat tableFormatFor(std::string_view fileName);

} // namespace ajuste
