// Acceptance code/mask registers and how the calculator shows them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "filter/cell.h"

namespace filter {

// ACR0..ACR3 and AMR0..AMR3 (mask bit 1 = don't care). MOD.3 belongs to the layout.
struct RegisterSet {
    std::array<std::uint8_t, 4> acr{};
    std::array<std::uint8_t, 4> amr{};

    friend bool operator==(const RegisterSet &, const RegisterSet &) = default;
};

// The eight register fields: 0..3 show ACR0..ACR3, 4..7 show AMR0..AMR3.
constexpr int kRegisterFieldCount = 8;
using FieldOrder = std::array<int, kRegisterFieldCount>;

constexpr std::uint8_t RegisterField(const RegisterSet &registers, int field) {
    return field < 4 ? registers.acr[field] : registers.amr[field - 4];
}

// Code and mask of one register side by side, register 0 first.
constexpr FieldOrder kInterleavedFieldOrder{0, 4, 1, 5, 2, 6, 3, 7};
constexpr FieldOrder kIndexFieldOrder{0, 1, 2, 3, 4, 5, 6, 7};
constexpr std::array<int, 4> kCodeFields{0, 1, 2, 3};
constexpr std::array<int, 4> kMaskFields{4, 5, 6, 7};

// Accept every frame: all mask bits don't care, code shown as zeros.
constexpr RegisterSet kReceiveAllRegisters{{0x00, 0x00, 0x00, 0x00}, {0xFF, 0xFF, 0xFF, 0xFF}};

// Cell states of cells 1..32 (index 0 is cell 1).
using CellStates = std::array<CellState, kCellCount>;

// "1" sets the code bit, "X" sets the mask bit, "0" sets neither.
constexpr RegisterSet ComputeCustomBits(const CellStates &cells) {
    RegisterSet registers;
    for (int cell = 1; cell <= kCellCount; ++cell) {
        const CellBit position = CellBitPosition(cell);
        const auto bit = static_cast<std::uint8_t>(1u << position.bit);
        switch (cells[cell - 1]) {
            case CellState::One:
                registers.acr[position.registerIndex] |= bit;
                break;
            case CellState::DontCare:
                registers.amr[position.registerIndex] |= bit;
                break;
            case CellState::Zero:
                break;
        }
    }
    return registers;
}

// Two upper-case hexadecimal digits: 7 -> "07", 31 -> "1F".
std::string FormatRegisterByte(std::uint8_t value);

// The four register texts joined, register 0 first: the 32-bit word as eight digits.
std::string FormatRegisterWord(const std::array<std::string_view, 4> &registerTexts);

}  // namespace filter
