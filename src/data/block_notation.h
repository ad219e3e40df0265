#pragma once

#include "data/number_text.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace ajuste {

// How to read a block whose numbers read two ways, as 1.566 does in Spanish:
// ask first, or read its marks as thousands separators, or as decimal marks.
enum class Grouping { Ask, Thousands, Decimals };

// A field of a block, with its 1-based line in the text.
struct Field {
    int line;
    std::string_view text;
};

struct BlockNotation {
    NumberFormat format; // its decimal mark, and the user's thousands separator or none
    std::optional<Field> twoWays; // the first number that reads two ways, for Grouping::Ask
};

// The one notation of a block's numbers. A field holding the user's decimal
// mark makes it the user's, thousands and all. Else the other mark is the
// decimal one, unless every field holding it reads as thousands, as
// "1.566" and "12.345.678" do in Spanish and "0.125" and "1.5" do not:
// then the block reads two ways, and `grouping` decides.
BlockNotation notationOf(std::span<const Field> fields, const NumberFormat& user, Grouping grouping);

// A field by a block's notation: a thousands separator only between the
// integer part's groups of three digits. Throws NumericError.
double blockNumber(std::string_view field, const NumberFormat& notation);

// A two-way number read as thousands, then as decimals.
std::array<double, 2> twoReadings(std::string_view field, const NumberFormat& user);

} // namespace ajuste
