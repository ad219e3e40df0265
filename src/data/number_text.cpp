#include "data/number_text.h"

#include "common/numeric_error.h"
#include "data/text_lines.h"

#include <cctype>
#include <charconv>

namespace ajuste {

namespace {

[[noreturn]] void notANumber()
{
    throw NumericError("el texto no es un número");
}

// Reads the number from the front of `rest` into `plain` in the form
// from_chars reads ("123.45e-6"), removing what it took from `rest`.
class Scanner {
public:
    Scanner(std::string_view rest, const NumberFormat& format) : rest_(rest), format_(format) {}

    std::string plainNumber()
    {
        scanSign();
        scanMantissa();
        scanExponent();
        if (!rest_.empty())
            notANumber();
        return plain_;
    }

    // Order of magnitude, enough to tell an overflow from an underflow.
    long magnitude() const { return leadingMagnitude_ + exponent_; }

private:
    bool take(std::string_view s)
    {
        if (s.empty() || !rest_.starts_with(s))
            return false;
        rest_.remove_prefix(s.size());
        return true;
    }

    // An optional sign; true when it is a minus.
    bool scanSign()
    {
        const bool negative = take("-");
        if (negative)
            plain_ += '-';
        else
            take("+");
        return negative;
    }

    // Digits, with grouping characters skipped before the decimal separator.
    void scanMantissa()
    {
        bool fraction = false;
        bool digits = false;
        bool significant = false;
        for (;;) {
            if (!rest_.empty() && std::isdigit(static_cast<unsigned char>(rest_.front()))) {
                const char d = rest_.front();
                rest_.remove_prefix(1);
                plain_ += d;
                digits = true;
                significant = significant || d != '0';
                if (!fraction && significant)
                    ++leadingMagnitude_;
                else if (fraction && !significant)
                    --leadingMagnitude_;
            } else if (!fraction && take(format_.decimal)) {
                fraction = true;
                plain_ += '.';
            } else if (fraction || !take(format_.group)) {
                break;
            }
        }
        if (!digits)
            notANumber();
    }

    void scanExponent()
    {
        if (rest_.empty() || (rest_.front() != 'e' && rest_.front() != 'E'))
            return;
        rest_.remove_prefix(1);
        plain_ += 'e';
        const bool negative = scanSign();
        if (rest_.empty() || !std::isdigit(static_cast<unsigned char>(rest_.front())))
            notANumber();
        long value = 0;
        while (!rest_.empty() && std::isdigit(static_cast<unsigned char>(rest_.front()))) {
            plain_ += rest_.front();
            if (value < 100000)
                value = value * 10 + (rest_.front() - '0');
            rest_.remove_prefix(1);
        }
        exponent_ = negative ? -value : value;
    }

    std::string_view rest_;
    const NumberFormat& format_;
    std::string plain_;
    long leadingMagnitude_ = 0;
    long exponent_ = 0;
};

} // namespace

double toNumber(std::string_view text, const NumberFormat& format)
{
    Scanner scanner(trimmed(text), format);
    const std::string plain = scanner.plainNumber();
    double value = 0.0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (scanner.magnitude() > 0)
            throw NumericError("número fuera de rango");
        return plain.front() == '-' ? -0.0 : 0.0; // too small: reads as zero
    }
    if (ec != std::errc() || end != plain.data() + plain.size())
        notANumber();
    return value;
}

bool isNumber(std::string_view text, const NumberFormat& format)
{
    try {
        toNumber(text, format);
        return true;
    } catch (const NumericError&) {
        return false;
    }
}

std::string toText(double x, const NumberFormat& format)
{
    if (x == 0.0)
        return "0";
    char buffer[40];
    auto end = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, 15).ptr;
    double back = 0.0;
    if (std::from_chars(buffer, end, back).ec == std::errc::result_out_of_range) {
        // Near the largest double the 15th digit rounds up past it; round
        // down instead, so that the text reads back.
        end = std::to_chars(buffer, buffer + sizeof buffer, x * (1 - 1e-15),
                            std::chars_format::general, 15).ptr;
    }
    std::string text;
    for (const char* ch = buffer; ch != end; ++ch) {
        if (*ch == '.')
            text += format.decimal;
        else if (*ch == 'e')
            text += 'E';
        else
            text += *ch;
    }
    return text;
}

double roundedTo(double x, int digits)
{
    char buffer[40];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, digits - 1).ptr;
    double rounded = x;
    std::from_chars(buffer, end, rounded);
    return rounded;
}

} // namespace ajuste
