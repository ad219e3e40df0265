#include "data/table_text.h"

#include "common/numeric_error.h"
#include "data/text_lines.h"

#include <algorithm>
#include <cctype>

namespace ajuste {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
const NumberFormat kDecimalComma{",", ""};

// A non-blank line split into fields, with its 1-based number in the text.
struct Line {
    int number;
    std::vector<std::string_view> fields;
};

bool isDigit(std::string_view text, std::size_t k)
{
    return k < text.size() && std::isdigit(static_cast<unsigned char>(text[k]));
}

// A line of the text with its 1-based number.
using NumberedLine = std::pair<int, std::string_view>;

std::vector<NumberedLine> nonBlankLines(std::string_view text)
{
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    std::vector<NumberedLine> lines;
    for (int number = 1; !text.empty(); ++number) {
        const std::string_view line = nextLine(text);
        if (!trimmed(line).empty())
            lines.emplace_back(number, line);
    }
    return lines;
}

bool hasTabOrSemicolon(std::string_view text)
{
    return text.find_first_of("\t;") != std::string_view::npos;
}

// A period beside a digit, as in "1.5", ".5" or "5.", not in "t (s.)".
bool hasDecimalPeriod(std::string_view text)
{
    for (auto k = text.find('.'); k != std::string_view::npos; k = text.find('.', k + 1))
        if ((k > 0 && isDigit(text, k - 1)) || isDigit(text, k + 1))
            return true;
    return false;
}

// The lines with every quoted stretch emptied, each ended by LF: what may
// separate fields. A quote does not run past its line.
std::string outsideQuotes(const std::vector<NumberedLine>& lines)
{
    std::string outside;
    for (const auto& [number, line] : lines) {
        bool quoted = false;
        for (char ch : line) {
            if (ch == '"')
                quoted = !quoted;
            if (ch == '"' || !quoted)
                outside += ch;
        }
        outside += '\n';
    }
    return outside;
}

// A comma with no digit after it is no decimal comma: t,f(t), 1,2, and
// 15,"16,1" (its quoted stretch emptied) are comma-separated.
bool hasSeparatingComma(std::string_view text)
{
    for (auto k = text.find(','); k != std::string_view::npos; k = text.find(',', k + 1))
        if (!isDigit(text, k + 1))
            return true;
    return false;
}

bool hasFieldsApartByBlanks(std::string_view text)
{
    while (!text.empty())
        if (trimmed(nextLine(text)).find_first_of(" \t") != std::string_view::npos)
            return true;
    return false;
}

bool isComment(std::string_view line)
{
    line = trimmed(line);
    return line.starts_with('#') || line.starts_with('%');
}

// ' ' stands for runs of blanks.
char separatorOf(const std::vector<NumberedLine>& lines, const NumberFormat& user, int columns)
{
    const std::string outside = outsideQuotes(lines);
    if (outside.find('\t') != std::string::npos)
        return '\t';
    if (outside.find(';') != std::string::npos)
        return ';';
    if (hasSeparatingComma(outside))
        return ',';
    if (hasFieldsApartByBlanks(outside))
        return ' ';
    const bool decimalCommas = user.decimalComma() && !hasDecimalPeriod(outside) && columns < 2;
    return decimalCommas ? ' ' : ',';
}

// Where the field at the start of `rest` ends: at the separator outside
// double quotes, or at the end of the line.
std::size_t fieldEnd(std::string_view rest, char separator)
{
    bool quoted = false;
    for (std::size_t k = 0; k < rest.size(); ++k) {
        if (rest[k] == '"')
            quoted = !quoted;
        else if (!quoted && (separator == ' ' ? isBlank(rest[k]) : rest[k] == separator))
            return k;
    }
    return rest.size();
}

// A field wholly in double quotes loses them; any quote left keeps the
// field from reading as a number, as a stray or a doubled one should.
std::string_view unquoted(std::string_view field)
{
    field = trimmed(field);
    if (field.size() >= 2 && field.starts_with('"') && field.ends_with('"'))
        return field.substr(1, field.size() - 2);
    return field;
}

std::vector<std::string_view> fieldsOf(std::string_view line, char separator)
{
    if (separator == ' ')
        line = trimmed(line);
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t end = fieldEnd(line, separator);
        fields.push_back(unquoted(line.substr(0, end)));
        if (end == line.size())
            return fields;
        line.remove_prefix(end + 1);
        if (separator == ' ')
            line = trimmed(line);
    }
}

// Anything but digits, signs, marks and exponents is refused before
// toNumber: a megabyte of fields each throwing would stall.
bool readsAsNumber(std::string_view field)
{
    const std::string_view text = trimmed(field);
    if (text.empty() || text.find_first_not_of("0123456789+-.,eE") != std::string_view::npos)
        return false;
    return isNumber(text, text.find(',') == std::string_view::npos ? kDecimalPeriod : kDecimalComma);
}

// The lines that hold data, split into fields: comments are dropped, and
// a first line without any number is a header.
std::vector<Line> dataLines(std::string_view text, const NumberFormat& user, int columns)
{
    std::vector<NumberedLine> textLines = nonBlankLines(text);
    std::erase_if(textLines, [](const NumberedLine& line) { return isComment(line.second); });
    const char separator = separatorOf(textLines, user, columns);
    std::vector<Line> lines;
    for (const auto& [number, line] : textLines)
        lines.push_back({number, fieldsOf(line, separator)});
    if (!lines.empty() && std::none_of(lines[0].fields.begin(), lines[0].fields.end(), readsAsNumber))
        lines.erase(lines.begin());
    return lines;
}

// The fields of the columns read, from the lines with as many fields as the first.
std::vector<Field> numberFields(const std::vector<Line>& lines, int columns)
{
    std::vector<Field> fields;
    for (const Line& line : lines)
        if (line.fields.size() == lines[0].fields.size())
            for (int k = 0; k < columns; ++k)
                fields.push_back({line.number, line.fields[k]});
    return fields;
}

// Columns past the second that hold anything on some line.
int columnsLeftOut(const std::vector<Line>& lines)
{
    std::size_t used = 2;
    for (const Line& line : lines)
        for (std::size_t k = used; k < line.fields.size(); ++k)
            if (!line.fields[k].empty())
                used = k + 1;
    return int(used) - 2;
}

std::array<double, 2> numbersOf(const Line& line, int columns, const NumberFormat& notation)
{
    std::array<double, 2> row{};
    try {
        for (int k = 0; k < columns; ++k)
            row[k] = blockNumber(line.fields[k], notation);
    } catch (const NumericError&) {
        throw TableTextError(TableTextFault::NotANumber, line.number);
    }
    return row;
}

std::string formatRows(std::span<const std::array<double, 2>> rows, const NumberFormat& format,
                       std::string_view separator, std::string_view ending)
{
    std::string text;
    for (const auto& [t, y] : rows)
        text.append(toText(t, format)).append(separator).append(toText(y, format)).append(ending);
    return text;
}

// The last four characters, ASCII letters in lower case: ".csv" of "a.CSV".
std::string lowerEnding(std::string_view name)
{
    std::string ending(name.substr(name.size() - std::min<std::size_t>(name.size(), 4)));
    for (char& ch : ending)
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
    return ending;
}

} // namespace

bool isTableText(std::string_view text)
{
    return hasTabOrSemicolon(text) || nonBlankLines(text).size() > 1;
}

TableBlock readTableText(std::string_view text, const NumberFormat& user, int columns, Grouping grouping)
{
    if (text.size() > kMaxTextBytes)
        throw TableTextError(TableTextFault::TooLong, 0);
    const std::vector<Line> lines = dataLines(text, user, columns);
    if (lines.empty())
        return {};
    const std::size_t fieldCount = lines[0].fields.size();
    TableBlock block{fieldCount == 1 ? 1 : 2, {}, 0};
    const BlockNotation notation = notationOf(numberFields(lines, block.columns), user, grouping);
    for (const Line& line : lines) {
        if (line.fields.size() != fieldCount)
            throw TableTextError(TableTextFault::FieldCount, line.number);
        block.rows.push_back(numbersOf(line, block.columns, notation.format));
    }
    if (notation.twoWays)
        throw TableTextError(TableTextFault::TwoWays, notation.twoWays->line, notation.twoWays->text);
    block.columnsLeftOut = columnsLeftOut(lines);
    return block;
}

std::string formatTableText(std::span<const std::array<double, 2>> rows, const NumberFormat& user)
{
    // LF only: Qt's clipboard turns it into CR LF on Windows.
    return formatRows(rows, user, "\t", "\n");
}

std::string formatTsv(std::span<const std::array<double, 2>> rows, const NumberFormat& user)
{
    return "t\tf(t)\n" + formatTableText(rows, user);
}

std::string formatCsv(std::span<const std::array<double, 2>> rows, const NumberFormat& user)
{
    const bool comma = user.decimalComma();
    const std::string_view separator = comma ? ";" : ",";
    return "t" + std::string(separator) + "f(t)\r\n" +
           formatRows(rows, comma ? kDecimalComma : kDecimalPeriod, separator, "\r\n");
}

TableFileFormat tableFormatFor(std::string_view fileName)
{
    const std::string ending = lowerEnding(fileName);
    return ending == ".csv"   ? TableFileFormat::Csv
           : ending == ".tsv" ? TableFileFormat::Tabs
                              : TableFileFormat::DataFile;
}

} // namespace ajuste
