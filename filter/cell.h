// The 32 tri-state bit cells and their fixed place in the acceptance registers.
#pragma once

#include <optional>
#include <string_view>

namespace filter {

constexpr int kCellCount = 32;

enum class CellState { Zero, One, DontCare };

// A click advances 0 -> 1 -> X -> 0.
constexpr CellState NextCellState(CellState state) {
    switch (state) {
        case CellState::Zero:
            return CellState::One;
        case CellState::One:
            return CellState::DontCare;
        case CellState::DontCare:
            break;
    }
    return CellState::Zero;
}

// Where a cell sits: register index 0..3 (ACRn/AMRn) and bit 0..7 within it.
struct CellBit {
    int registerIndex;
    int bit;
};

// Cell N (1..32) is bit N-1 of the 32-bit word whose most significant byte is register 0.
constexpr CellBit CellBitPosition(int cell) { return {3 - (cell - 1) / 8, (cell - 1) % 8}; }

constexpr std::string_view CellCaption(CellState state) {
    switch (state) {
        case CellState::Zero:
            return "0";
        case CellState::One:
            return "1";
        case CellState::DontCare:
            break;
    }
    return "X";
}

// Exact, case-sensitive match on the whole caption.
constexpr std::optional<CellState> CellStateFromCaption(std::string_view caption) {
    if (caption == "0") return CellState::Zero;
    if (caption == "1") return CellState::One;
    if (caption == "X") return CellState::DontCare;
    return std::nullopt;
}

}  // namespace filter
