#pragma once

#include <cstddef>
#include <string_view>

namespace ajuste {

// The most a data file, a table file or a pasted block may hold.
inline constexpr std::size_t kMaxTextBytes = 1 << 20;

// Lines and blanks as the data texts have them: lines end in CR LF, CR or
// LF; blanks are spaces and tabs.

inline bool isBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

inline std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Splits off the next line; the terminator is not part of it.
inline std::string_view nextLine(std::string_view& rest)
{
    const auto end = rest.find_first_of("\r\n");
    const std::string_view line = rest.substr(0, end);
    if (end == std::string_view::npos) {
        rest = {};
    } else {
        const bool crlf = rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n';
        rest.remove_prefix(end + (crlf ? 2 : 1));
    }
    return line;
}

} // namespace ajuste
