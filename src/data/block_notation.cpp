#include "data/block_notation.h"

#include "common/numeric_error.h"
#include "data/text_lines.h"

#include <algorithm>
#include <cctype>

namespace ajuste {

namespace {

char otherMark(const NumberFormat& user)
{
    return user.decimalComma() ? '.' : ',';
}

// The user's notation, with its thousands separator when that is the other mark.
NumberFormat ownNotation(const NumberFormat& user)
{
    const bool groups = user.group == std::string(1, otherMark(user));
    return {user.decimal, groups ? user.group : ""};
}

NumberFormat otherDecimals(const NumberFormat& user)
{
    return {std::string(1, otherMark(user)), ""};
}

// An integer in groups of three, its first group without a leading zero:
// "1.566", "-12.345.678".
bool thousandsShaped(std::string_view text, char group)
{
    text = trimmed(text);
    if (text.starts_with('-') || text.starts_with('+'))
        text.remove_prefix(1);
    const std::size_t first = text.find(group);
    if (first == 0 || first > 3 || text.starts_with('0') || (text.size() - first) % 4 != 0)
        return false;
    for (std::size_t k = 0; k < text.size(); ++k) {
        const bool groupHere = k >= first && (k - first) % 4 == 0;
        if (groupHere ? text[k] != group : !std::isdigit(static_cast<unsigned char>(text[k])))
            return false;
    }
    return true;
}

bool holds(const Field& field, std::string_view mark)
{
    return field.text.find(mark) != std::string_view::npos;
}

} // namespace

BlockNotation notationOf(std::span<const Field> fields, const NumberFormat& user, Grouping grouping)
{
    const NumberFormat own = ownNotation(user);
    const std::string other(1, otherMark(user));
    auto holdsOther = [&](const Field& field) { return holds(field, other); };
    if (std::ranges::any_of(fields, [&](const Field& field) { return holds(field, user.decimal); }) ||
        std::ranges::none_of(fields, holdsOther))
        return {own, {}};
    const bool allThousands = !own.group.empty() && std::ranges::all_of(fields, [&](const Field& field) {
        return !holdsOther(field) || thousandsShaped(field.text, other[0]);
    });
    if (!allThousands || grouping == Grouping::Decimals)
        return {otherDecimals(user), {}};
    if (grouping == Grouping::Thousands)
        return {own, {}};
    return {otherDecimals(user), *std::ranges::find_if(fields, holdsOther)};
}

double blockNumber(std::string_view field, const NumberFormat& notation)
{
    const std::string_view text = trimmed(field);
    if (!notation.group.empty() && text.find(notation.group) != std::string_view::npos &&
        !thousandsShaped(text.substr(0, text.find_first_of(notation.decimal + "eE")), notation.group[0]))
        throw NumericError("separador de miles fuera de su sitio");
    return toNumber(text, notation);
}

std::array<double, 2> twoReadings(std::string_view field, const NumberFormat& user)
{
    return {blockNumber(field, ownNotation(user)), blockNumber(field, otherDecimals(user))};
}

} // namespace ajuste
