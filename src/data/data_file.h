#pragma once

#include "data/number_text.h"
#include "data/text_lines.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ajuste {

inline constexpr int kRows = 20; // of the data table

// The texts of one table row, exactly as the cells hold them.
struct DataRow {
    std::string t;
    std::string y;
};

// " N " on the first line, then t and y of each row, every line ending CR LF.
std::string formatDataFile(const std::vector<DataRow>& rows);

// The number at the start of the count line, read with the period as the
// decimal point whatever the locale: blanks skipped, reading stopping at the
// first character that cannot continue a number, no digits giving 0, rounded
// half to even. Throws NumericError beyond the 16-bit range.
int readCount(std::string_view line);

enum class DataFileFault { NotText, CountOutOfRange, Truncated };

struct DataFileError : std::runtime_error {
    explicit DataFileError(DataFileFault f) : std::runtime_error("datos.txt"), fault(f) {}
    DataFileFault fault;
};

// True for a file as "Guardar" writes one, whatever its name: a count line
// holding 0 to 20 alone, then exactly that many pairs of lines, each a
// number by the user's notation; only blank lines may follow.
bool isDataFile(std::string_view bytes, const NumberFormat& user);

// The rows a whole file announces, checked before any of them is used; the
// lines after them are ignored. Lines end in CR LF, CR or LF.
std::vector<DataRow> parseDataFile(std::string_view bytes);

} // namespace ajuste
