// Largest identifiers and the decimal limit each layout puts on typed values.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "filter/layouts.h"

namespace ids {

constexpr std::int64_t StandardIdMax = 2047;       // 0x7FF, 11 bits
constexpr std::int64_t ExtendedIdMax = 536870911;  // 0x1FFFFFFF, 29 bits

namespace detail {
constexpr std::array<std::optional<std::int64_t>, filter::kFilterLayoutCount> kDecimalIdLimits{
    StandardIdMax, std::nullopt, StandardIdMax, std::nullopt,
    ExtendedIdMax, std::nullopt, std::nullopt};
}  // namespace detail

// Only the layouts that take identifiers have a limit; the others never edit the fields.
constexpr std::optional<std::int64_t> DecimalIdLimit(filter::FilterLayout layout) {
    return detail::kDecimalIdLimits[static_cast<int>(layout)];
}

}  // namespace ids
