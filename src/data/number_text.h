#pragma once

#include <string>
#include <string_view>

namespace ajuste {

// The separators of the user's locale, as UTF-8 text.
struct NumberFormat {
    std::string decimal = ",";
    std::string group = ".";

    bool decimalComma() const { return decimal == ","; }
};

// Decimal periods and no grouping, whatever the user's locale.
inline const NumberFormat kDecimalPeriod{".", ""};

// Text to number: blanks around allowed, the locale's decimal separator,
// its grouping character skipped in the integer part ("1.5" is fifteen in
// Spanish), an optional exponent. Throws NumericError for empty, blank or
// non-numeric text and for a value beyond the range of a double.
double toNumber(std::string_view text, const NumberFormat& format);

// Whether toNumber reads the text.
bool isNumber(std::string_view text, const NumberFormat& format);

// Number to text: at most 15 significant digits, no trailing zeros, no
// separator for integers, a minus only for negative values; very large and
// small magnitudes as 1,5E+20.
std::string toText(double x, const NumberFormat& format);

// x to the given number of significant digits, for figures whose further
// digits mean nothing (an uncertainty and what it qualifies).
double roundedTo(double x, int digits);

} // namespace ajuste
