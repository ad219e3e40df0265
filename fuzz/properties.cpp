#include "properties.h"

#include "data/data_file.h"
#include "data/number_text.h"
#include "data/table_text.h"
#include "data/text_lines.h"
#include "common/numeric_error.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace ajuste::fuzz {

namespace {

const NumberFormat decimalComma{",", "."};
const NumberFormat decimalPeriod{".", ","};

void expect(bool holds, const std::string& what)
{
    if (!holds)
        throw PropertyFailure(what);
}

bool allDigits(std::string_view s)
{
    return std::all_of(s.begin(), s.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

// Half a unit in the 15th significant digit, plus the spacing of doubles
// there: a subnormal holds fewer digits than its text shows.
double within15Digits(double x)
{
    const double m = std::fabs(x);
    return 5e-15 * m + (m - std::nextafter(m, 0.0));
}

// The window's notation: a minus only for negative values, no needless
// leading zero, the decimal separator only before fractional digits ending
// in a nonzero one, at most 15 significant digits, and an exponent (E, sign,
// two digits or more) exactly when the value lies outside 1E-04 ... 1E+15.
void expectNotation(std::string_view text, double shown, const NumberFormat& format)
{
    const std::string context = "'" + std::string(text) + "': ";
    expect(text.starts_with('-') == (shown < 0), context + "sign");
    if (text.starts_with('-'))
        text.remove_prefix(1);
    const auto e = text.find('E');
    const std::string_view mantissa = text.substr(0, e);
    const auto point = mantissa.find(format.decimal);
    const std::string_view whole = mantissa.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? "" : mantissa.substr(point + format.decimal.size());
    expect(!whole.empty() && allDigits(whole) && (whole.size() == 1 || whole[0] != '0'), context + "integer part");
    expect(point == std::string_view::npos || (!fraction.empty() && allDigits(fraction) && fraction.back() != '0'),
           context + "fraction");
    std::string digits = std::string(whole) + std::string(fraction);
    digits.erase(0, digits.find_first_not_of('0'));
    expect(digits.size() <= 15, context + "more than 15 significant digits");

    const double m = std::fabs(shown);
    const bool plain = m == 0 || (m >= 1e-4 && m < 1e15);
    expect(plain == (e == std::string_view::npos), context + "exponent form");
    if (e == std::string_view::npos)
        return;
    const std::string_view exponent = text.substr(e + 1);
    expect(whole.size() == 1 && whole != "0" && exponent.size() >= 3 && (exponent[0] == '+' || exponent[0] == '-') &&
               allDigits(exponent.substr(1)),
           context + "exponent");
}

// The text of a finite x reads back to x within 15 significant digits, gives
// the same text again and follows the window's notation.
void expectWritten(double x, const NumberFormat& format)
{
    const std::string text = toText(x, format);
    double back = 0.0;
    try {
        back = toNumber(text, format);
    } catch (const NumericError&) {
        expect(false, "'" + text + "' does not read back");
    }
    expect(std::fabs(back - x) <= within15Digits(x), "'" + text + "' reads back to another value");
    expect(toText(back, format) == text, "'" + text + "' reads back to '" + toText(back, format) + "'");
    expectNotation(text, back, format);
}

void checkTextToNumber(std::string_view input)
{
    for (const NumberFormat* format : {&decimalComma, &decimalPeriod}) {
        double x = 0.0;
        try {
            x = toNumber(input, *format);
        } catch (const NumericError&) {
            continue;
        }
        expect(std::isfinite(x), "a text read as a non-finite value");
        expectWritten(x, *format);
    }
}

void checkNumberToText(std::string_view input)
{
    char bytes[sizeof(double)] = {};
    std::memcpy(bytes, input.data(), std::min(input.size(), sizeof bytes));
    double x = 0.0;
    std::memcpy(&x, bytes, sizeof x);
    if (!std::isfinite(x))
        return;
    expectWritten(x, decimalComma);
    expectWritten(x, decimalPeriod);
}

// The reference reading of the count line: blanks dropped, cut before the
// first character no decimal number has, then the longest number strtod
// finds there, rounded half to even; nothing beyond 16 bits.
std::optional<int> referenceCount(std::string_view line)
{
    std::string number;
    for (char ch : line)
        if (ch != ' ' && ch != '\t')
            number += ch;
    number.resize(std::min(number.size(), number.find_first_not_of("0123456789+-.eE")));
    errno = 0;
    const double value = std::strtod(number.c_str(), nullptr);
    if (errno == ERANGE && std::fabs(value) > 1)
        return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (rounded < -32768 || rounded > 32767)
        return std::nullopt;
    return static_cast<int>(rounded);
}

void checkCountLine(std::string_view input)
{
    const std::optional<int> expected = referenceCount(input);
    const std::string context = "count line '" + std::string(input) + "': ";
    try {
        const int count = readCount(input);
        expect(expected == count, context + "read as " + std::to_string(count));
    } catch (const NumericError&) {
        expect(!expected, context + "refused");
    }
}

// Lines ending in CR LF, CR or LF; a last line without an ending counts.
std::vector<std::string_view> linesOf(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        if (bytes[k] != '\r' && bytes[k] != '\n')
            continue;
        lines.push_back(bytes.substr(start, k - start));
        if (bytes[k] == '\r' && k + 1 < bytes.size() && bytes[k + 1] == '\n')
            ++k;
        start = k + 1;
    }
    if (start < bytes.size())
        lines.push_back(bytes.substr(start));
    return lines;
}

std::vector<DataFileFault> faultsOf(std::string_view bytes, const std::vector<std::string_view>& lines)
{
    std::vector<DataFileFault> faults;
    if (bytes.size() > kMaxTextBytes || bytes.find('\0') != std::string_view::npos)
        faults.push_back(DataFileFault::NotText);
    const auto count = lines.empty() ? std::optional<int>(0) : referenceCount(lines[0]);
    if (!count || *count < 0 || *count > kRows)
        faults.push_back(DataFileFault::CountOutOfRange);
    else if (lines.size() < 1 + 2 * static_cast<std::size_t>(*count))
        faults.push_back(DataFileFault::Truncated);
    return faults;
}

bool sameRows(const std::vector<DataRow>& a, const std::vector<DataRow>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const DataRow& p, const DataRow& q) { return p.t == q.t && p.y == q.y; });
}

void checkDataFile(std::string_view input)
{
    const auto lines = linesOf(input);
    const auto faults = faultsOf(input, lines);
    std::vector<DataRow> rows;
    try {
        rows = parseDataFile(input);
    } catch (const DataFileError& error) {
        expect(std::find(faults.begin(), faults.end(), error.fault) != faults.end(),
               "refused for a fault the file does not have");
        return;
    }
    expect(faults.empty(), "a faulty file loaded");
    const auto count = static_cast<std::size_t>(*referenceCount(lines[0]));
    expect(rows.size() == count, std::to_string(rows.size()) + " rows loaded of " + std::to_string(count));
    for (std::size_t k = 0; k < count; ++k)
        expect(rows[k].t == lines[2 * k + 1] && rows[k].y == lines[2 * k + 2], "a row other than its lines");
    expect(sameRows(parseDataFile(formatDataFile(rows)), rows), "rows changed by writing and reading them back");
}

// The number the table holds once it shows x.
double shown(double x, const NumberFormat& user)
{
    return toNumber(toText(x, user), user);
}

// Calls read(user, columns) under both notations, for a paste and for a file.
template <class Read>
void eachReading(Read read)
{
    for (const NumberFormat* user : {&decimalComma, &decimalPeriod})
        for (int columns : {1, 2})
            read(*user, columns);
}

// The text read as the user answers a question on a block that reads two
// ways: with the writer's decimal marks, which are the reader's other mark.
TableBlock readAnswered(const std::string& text, const NumberFormat& reader, int columns)
{
    try {
        return readTableText(text, reader, columns);
    } catch (const TableTextError& error) {
        if (error.fault != TableTextFault::TwoWays)
            throw;
        return readTableText(text, reader, columns, Grouping::Decimals);
    }
}

// A writer's text reads back to the numbers the table would show its user,
// the digits written, under either notation and for a paste or a file.
void expectReadBack(const std::string& text, const TableBlock& block, const NumberFormat& writer)
{
    eachReading([&](const NumberFormat& reader, int columns) {
        TableBlock back;
        try {
            back = readAnswered(text, reader, columns);
        } catch (const TableTextError& error) {
            expect(false, "'" + text + "' refused at line " + std::to_string(error.line));
        }
        expect(back.rows.size() == block.rows.size(), "'" + text + "' reads back to another number of rows");
        for (std::size_t k = 0; k < block.rows.size(); ++k)
            for (std::size_t column = 0; column < 2; ++column)
                expect(back.rows[k][column] == shown(block.rows[k][column], writer),
                       "'" + text + "' reads back to other numbers");
    });
}

// Plain-text columns as a plotting program or a logger writes them: comment
// lines, whose tabs, semicolons and commas separate nothing, a header, then
// numbers apart by blanks.
std::string blankSeparated(const TableBlock& block, const NumberFormat& user)
{
    std::string text = "# t\tf(t); 1,5 2.5\n% x y\nt  f(t)\n";
    for (char ch : formatTableText(block.rows, user))
        text += ch == '\t' ? std::string("   ") : std::string(1, ch);
    return text;
}

// Where the line of a fault is one of the text, and a block that reads two
// ways reads either way.
void expectRefusedRightly(std::string_view input, const TableTextError& error, const NumberFormat& user, int columns)
{
    const bool named = error.fault == TableTextFault::TooLong
                           ? input.size() > kMaxTextBytes
                           : error.line >= 1 && static_cast<std::size_t>(error.line) <= linesOf(input).size();
    expect(named, "refused at line " + std::to_string(error.line) + ", not one of the text");
    if (error.fault == TableTextFault::TwoWays)
        expect(readTableText(input, user, columns, Grouping::Thousands).rows.size() ==
                   readTableText(input, user, columns, Grouping::Decimals).rows.size(),
               "a block that reads two ways reads one of them only");
}

void checkTableText(std::string_view input)
{
    isTableText(input);
    eachReading([&](const NumberFormat& user, int columns) {
        TableBlock block;
        try {
            block = readTableText(input, user, columns);
        } catch (const TableTextError& error) {
            return expectRefusedRightly(input, error, user, columns);
        }
        for (const std::string& text : {formatTableText(block.rows, user), formatTsv(block.rows, user),
                                        formatCsv(block.rows, user), blankSeparated(block, user)})
            expectReadBack(text, block, user);
    });
}

} // namespace

Check checkFor(std::string_view target)
{
    if (target == "text_to_number")
        return checkTextToNumber;
    if (target == "number_to_text")
        return checkNumberToText;
    if (target == "data_file")
        return checkDataFile;
    if (target == "count_line")
        return checkCountLine;
    if (target == "table_text")
        return checkTableText;
    return nullptr;
}

} // namespace ajuste::fuzz
