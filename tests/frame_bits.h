// Which frame bit each cell compares under each layout, and for the dual-filter layouts to
// which filter it belongs, as the controller's documentation tabulates it.
#pragma once

#include <array>
#include <string>

#include "filter/layouts.h"
#include "sja1000_model.h"

struct ComparedBit {
    std::string name;  // "ID.28", "RTR", "DB1.7", ... ; empty: not compared
    int filter = 0;    // 0 single filter, 1 or 2 in a dual filter
};

// Index = cell number; index 0 unused.
using LayoutBits = std::array<ComparedBit, 33>;

inline void PutIds(LayoutBits &bits, int topCell, int highId, int lowId, int filter = 0) {
    for (int id = highId; id >= lowId; --id) bits[topCell--] = {"ID." + std::to_string(id), filter};
}
inline void PutData(LayoutBits &bits, int topCell, const std::string &byte, int highBit, int lowBit,
                    int filter = 0) {
    for (int bit = highBit; bit >= lowBit; --bit)
        bits[topCell--] = {byte + "." + std::to_string(bit), filter};
}

inline LayoutBits ComparedBits(filter::FilterLayout layout) {
    using L = filter::FilterLayout;
    LayoutBits bits;
    switch (layout) {
        case L::StdSingleId:
            PutIds(bits, 32, 28, 18);
            break;
        case L::StdSingleIdRtrData:
            PutIds(bits, 32, 28, 18);
            bits[21] = {"RTR", 0};
            PutData(bits, 16, "DB1", 7, 0);
            PutData(bits, 8, "DB2", 7, 0);
            break;
        case L::StdDualId:
            PutIds(bits, 32, 28, 18, 1);
            PutIds(bits, 16, 28, 18, 2);
            break;
        case L::StdDualIdRtrData:
            PutIds(bits, 32, 28, 18, 1);
            bits[21] = {"RTR", 1};
            PutData(bits, 20, "DB1", 7, 4, 1);
            PutIds(bits, 16, 28, 18, 2);
            bits[5] = {"RTR", 2};
            PutData(bits, 4, "DB1", 3, 0, 1);
            break;
        case L::ExtSingleId:
            PutIds(bits, 32, 28, 0);
            break;
        case L::ExtSingleIdRtr:
            PutIds(bits, 32, 28, 0);
            bits[3] = {"RTR", 0};
            break;
        case L::ExtDualPartialId:
            PutIds(bits, 32, 28, 13, 1);
            PutIds(bits, 16, 28, 13, 2);
            break;
    }
    return bits;
}

// The value of a named frame bit. Identifier bits use the chip's numbering: a standard
// identifier occupies ID.28 (its bit 10) down to ID.18 (its bit 0).
inline bool FrameBit(const model::Frame &frame, const std::string &name) {
    if (name == "RTR") return frame.rtr;
    const int number = std::stoi(name.substr(name.find('.') + 1));
    if (name.rfind("ID.", 0) == 0) return frame.id >> (frame.extended ? number : number - 18) & 1;
    return frame.data[name[2] == '1' ? 0 : 1] >> number & 1;
}
