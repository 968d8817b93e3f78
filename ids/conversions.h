// Reading and writing identifier values as decimal and hexadecimal texts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ids {

// The number a decimal field holds. An optional sign and the leading digits, with a fraction
// rounded half to even; the first other character ends the number, and a text that does not
// start with a number gives 0 (so does the empty text). Digit strings of any length saturate
// instead of overflowing.
std::int64_t DecimalIdValue(std::string_view text);

// 1 to 8 hexadecimal digits of either case, read as an unsigned 32-bit number and taken as two's
// complement (80000000 gives -2^31). Anything else has no value.
std::optional<std::int32_t> HexIdValue(std::string_view text);

// Canonical texts: no leading zeros, upper-case hexadecimal, "0" for zero. Values outside
// 0..ExtendedIdMax are clamped into it, so a field never receives a text it could not hold.
std::string HexIdText(std::int64_t value);
std::string DecimalIdText(std::int64_t value);

}  // namespace ids
