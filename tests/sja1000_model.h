// A model of the SJA1000 acceptance filter (PeliCAN mode) for property tests, written from the
// chip's arrangement of compared bits, independently of the calculator's layout tables.
#pragma once

#include <array>
#include <cstdint>

#include "filter/registers.h"

namespace model {

struct Frame {
    bool extended = false;
    std::uint32_t id = 0;  // 11 or 29 bits
    bool rtr = false;
    std::array<std::uint8_t, 2> data{};  // first two data bytes
};

// Whether `value` matches the code on the bits selected by `compared`, mask bit 1 = don't care.
inline bool Fits(std::uint32_t value, std::uint32_t code, std::uint32_t mask,
                 std::uint32_t compared) {
    return ((value ^ code) & ~mask & compared) == 0;
}

inline std::uint32_t Word(const std::array<std::uint8_t, 4> &bytes) {
    return std::uint32_t(bytes[0]) << 24 | std::uint32_t(bytes[1]) << 16 |
           std::uint32_t(bytes[2]) << 8 | bytes[3];
}

// Single filter: one 32-bit comparison. Dual filter: either of two shorter ones.
inline bool Accepts(const filter::RegisterSet &registers, int mod3, const Frame &frame) {
    const std::uint32_t code = Word(registers.acr);
    const std::uint32_t mask = Word(registers.amr);
    const std::uint32_t rtr = frame.rtr ? 1 : 0;
    if (mod3 == 1) {
        if (!frame.extended) {
            // ID.28..ID.18, RTR, four unused bits, data byte 1, data byte 2.
            const std::uint32_t value =
                frame.id << 21 | rtr << 20 | std::uint32_t(frame.data[0]) << 8 | frame.data[1];
            return Fits(value, code, mask, 0xFFF0FFFF);
        }
        // ID.28..ID.0, RTR, two unused bits.
        return Fits(frame.id << 3 | rtr << 2, code, mask, 0xFFFFFFFC);
    }
    if (!frame.extended) {
        // Filter 1: ACR0, ACR1 (ID.20..18, RTR, DB1.7..4) and ACR3 bits 3..0 (DB1.3..0).
        const std::uint32_t first = frame.id << 21 | rtr << 20 |
                                    std::uint32_t(frame.data[0] >> 4) << 16 |
                                    (frame.data[0] & 0x0Fu);
        // Filter 2: ACR2 and ACR3 bits 7..4 (ID.20..18, RTR).
        const std::uint32_t second = frame.id << 5 | rtr << 4;
        return Fits(first, code, mask, 0xFFFF000F) || Fits(second, code, mask, 0x0000FFF0);
    }
    // Each filter compares ID.28..ID.13.
    const std::uint32_t top = frame.id >> 13 & 0xFFFF;
    return Fits(top << 16, code, mask, 0xFFFF0000) || Fits(top, code, mask, 0x0000FFFF);
}

}  // namespace model
