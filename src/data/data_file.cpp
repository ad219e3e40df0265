#include "data/data_file.h"

#include "common/numeric_error.h"
#include "data/number_text.h"
#include "data/text_lines.h"

#include <algorithm>
#include <cctype>

namespace ajuste {

std::string formatDataFile(const std::vector<DataRow>& rows)
{
    std::string text = " " + std::to_string(rows.size()) + " \r\n";
    for (const DataRow& row : rows)
        text += row.t + "\r\n" + row.y + "\r\n";
    return text;
}

int readCount(std::string_view line)
{
    std::string number;
    for (char ch : line)
        if (!isBlank(ch))
            number += ch;

    std::size_t n = 0;
    auto takeDigits = [&] {
        const std::size_t start = n;
        while (n < number.size() && std::isdigit(static_cast<unsigned char>(number[n])))
            ++n;
        return n > start;
    };
    if (n < number.size() && (number[n] == '-' || number[n] == '+'))
        ++n;
    bool digits = takeDigits();
    if (n < number.size() && number[n] == '.') {
        ++n;
        digits = takeDigits() || digits;
    }
    if (!digits)
        return 0;
    std::size_t mantissaEnd = n;
    if (n < number.size() && (number[n] == 'e' || number[n] == 'E')) {
        std::size_t e = n + 1;
        if (e < number.size() && (number[e] == '-' || number[e] == '+'))
            ++e;
        n = e;
        if (takeDigits())
            mantissaEnd = n;
    }

    // A number too small for a double counts as zero, not as out of range.
    return toInt16(toNumber(std::string_view(number).substr(0, mantissaEnd), kDecimalPeriod));
}

bool isDataFile(std::string_view bytes, const NumberFormat& user)
{
    std::vector<std::string_view> lines;
    while (!bytes.empty())
        lines.push_back(nextLine(bytes));
    while (!lines.empty() && trimmed(lines.back()).empty())
        lines.pop_back();
    const std::string_view count = lines.empty() ? "" : trimmed(lines[0]);
    if (count.empty() || count.size() > 2 || count.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    const int rows = std::stoi(std::string(count));
    return rows <= kRows && lines.size() == std::size_t(1 + 2 * rows) &&
           std::all_of(lines.begin() + 1, lines.end(), [&](std::string_view line) { return isNumber(line, user); });
}

std::vector<DataRow> parseDataFile(std::string_view bytes)
{
    if (bytes.size() > kMaxTextBytes || bytes.find('\0') != std::string_view::npos)
        throw DataFileError(DataFileFault::NotText);

    if (bytes.empty())
        throw DataFileError(DataFileFault::Truncated); // not even the count line
    std::string_view rest = bytes;
    int count = 0;
    try {
        count = readCount(nextLine(rest));
    } catch (const NumericError&) {
        throw DataFileError(DataFileFault::CountOutOfRange);
    }
    if (count < 0 || count > kRows)
        throw DataFileError(DataFileFault::CountOutOfRange);

    std::vector<DataRow> rows;
    for (int k = 0; k < count; ++k) {
        if (rest.empty())
            throw DataFileError(DataFileFault::Truncated);
        DataRow row;
        row.t = nextLine(rest);
        if (rest.empty())
            throw DataFileError(DataFileFault::Truncated);
        row.y = nextLine(rest);
        rows.push_back(row);
    }
    return rows;
}

} // namespace ajuste
