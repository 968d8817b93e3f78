// Registers that pass exactly one or two given identifiers.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "filter/layouts.h"
#include "filter/registers.h"

namespace filter {

// b0..b3 of an identifier value, b0 the least significant byte.
constexpr std::array<std::uint8_t, 4> SplitIdBytes(std::uint32_t id) {
    return {static_cast<std::uint8_t>(id), static_cast<std::uint8_t>(id >> 8),
            static_cast<std::uint8_t>(id >> 16), static_cast<std::uint8_t>(id >> 24)};
}

// Standard frame: H holds identifier bits 10..3 (ID.28..ID.21), L bits 2..0 in its top three
// bits (ID.20..ID.18). Identifier bits above 10 are ignored.
constexpr std::uint8_t StandardIdHigh(std::uint32_t id) {
    const auto b = SplitIdBytes(id);
    return static_cast<std::uint8_t>((b[1] & 7) * 32 + (b[0] & 248) / 8);
}
constexpr std::uint8_t StandardIdLow(std::uint32_t id) {
    const auto b = SplitIdBytes(id);
    return static_cast<std::uint8_t>((b[0] & 7) * 32);
}

// Extended frame: E0..E3 hold identifier bits 28..21, 20..13, 12..5 and 4..0 (shifted up by
// three). Identifier bits above 28 are ignored.
constexpr std::array<std::uint8_t, 4> ExtendedIdBytes(std::uint32_t id) {
    const auto b = SplitIdBytes(id);
    return {static_cast<std::uint8_t>((b[3] & 31) * 8 + (b[2] & 224) / 32),
            static_cast<std::uint8_t>((b[2] & 31) * 8 + (b[1] & 224) / 32),
            static_cast<std::uint8_t>((b[1] & 31) * 8 + (b[0] & 224) / 32),
            static_cast<std::uint8_t>((b[0] & 31) * 8)};
}

// Registers for the three layouts that take identifiers; none for the others. ID2 is used by
// the standard dual-filter layout only. The masks leave RTR, data and the bits the chip does
// not compare as don't care.
constexpr std::optional<RegisterSet> ComputeIdList(FilterLayout layout, std::uint32_t id1,
                                                   std::uint32_t id2) {
    switch (layout) {
        case FilterLayout::StdSingleId:
            return RegisterSet{{StandardIdHigh(id1), StandardIdLow(id1), 0x00, 0x00},
                               {0x00, 0x1F, 0xFF, 0xFF}};
        case FilterLayout::StdDualId:
            return RegisterSet{
                {StandardIdHigh(id1), StandardIdLow(id1), StandardIdHigh(id2), StandardIdLow(id2)},
                {0x00, 0x1F, 0x00, 0x1F}};
        case FilterLayout::ExtSingleId:
            return RegisterSet{ExtendedIdBytes(id1), {0x00, 0x00, 0x00, 0x07}};
        default:
            return std::nullopt;
    }
}

// The dual filter is written filter by filter: filter 1 (fields 0, 1, 4, 5), then filter 2.
constexpr FieldOrder IdListFieldOrder(FilterLayout layout) {
    return layout == FilterLayout::StdDualId ? FieldOrder{0, 1, 4, 5, 2, 3, 6, 7}
                                             : kIndexFieldOrder;
}

}  // namespace filter
