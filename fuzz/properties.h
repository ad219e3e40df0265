#pragma once

#include <stdexcept>
#include <string_view>

namespace ajuste::fuzz {

// A property of the numeric core that an input broke.
struct PropertyFailure : std::logic_error {
    using std::logic_error::logic_error;
};

// Checks one input against the properties of a fuzz target: text_to_number,
// number_to_text, data_file, count_line or table_text. Throws PropertyFailure, or lets
// through whatever unexpected exception the core throws.
using Check = void (*)(std::string_view input);

// The check of the target so named; nullptr for an unknown name.
Check checkFor(std::string_view target);

} // namespace ajuste::fuzz
