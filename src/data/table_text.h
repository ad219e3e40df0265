#pragma once

#include "data/number_text.h"

#include <array>
#include <cstddef>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ajuste {

// The rows of a pasted block or CSV file: t and f(t), or only t (the second
// number 0) when the block has one column; no columns when it has no data.
struct TableBlock {
    int columns = 0;
    std::vector<std::array<double, 2>> rows;
};

enum class TableTextFault { TooLong, NotANumber, FieldCount };

struct TableTextError : std::runtime_error {
    TableTextError(TableTextFault f, int l) : std::runtime_error("texto de tabla"), fault(f), line(l) {}
    TableTextFault fault;
    int line; // 1-based in the text; 0 for TooLong
};

// True for a block to paste as rows: a tab or a semicolon, or more than one
// non-blank line. A single plain line is text for one cell.
bool isTableText(std::string_view text);

// The rows of spreadsheet or CSV text, read for a caller that wants
// `columns` of them: a table file two, a paste one. A UTF-8 byte-order mark
// is skipped. Separator, looked for outside double quotes: tab, else
// semicolon, else runs of blanks when the block reads as the user's decimal
// commas, else comma. It reads so when the user's mark is the comma, no
// period is a decimal one, every comma has a digit after it and, for two
// columns, some line holds fields apart by blanks: "1,5" then "2,5" pasted
// are 1.5 and 2.5, opened as a file 1 and 5, 2 and 5. Fields as RFC 4180 has
// them, quotes not running past a line: a quoted field may hold separators;
// one with a quote inside is no number. A first line without any number is
// a header. Decimal mark, for the whole block: the comma when a field holds
// one, else the period; never digit grouping. Every line has as many fields
// as the first; columns past the second are ignored. Throws TableTextError.
TableBlock readTableText(std::string_view text, const NumberFormat& user, int columns = 1);

// Tab-separated rows, numbers as the table shows them, no header.
std::string formatTableText(std::span<const std::array<double, 2>> rows, const NumberFormat& user);

// The header "t", tab, "f(t)" then the rows as formatTableText writes them.
std::string formatTsv(std::span<const std::array<double, 2>> rows, const NumberFormat& user);

// A header then the rows, lines ending CR LF: "t;f(t)" and decimal commas
// for a comma-decimal user, else "t,f(t)" and decimal periods.
std::string formatCsv(std::span<const std::array<double, 2>> rows, const NumberFormat& user);

enum class TableFileFormat { DataFile, Csv, Tabs };

// The format goes by the name: one ending in .csv or .tsv, in any case, is
// CSV or tab-separated; anything else is a data file like datos.txt.
TableFileFormat tableFormatFor(std::string_view fileName);

} // namespace ajuste
