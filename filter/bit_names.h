// The frame bit a cell compares under a layout, read from the labels' captions, and its names.
#pragma once

#include <string>

#include "filter/layouts.h"

namespace filter {

enum class BitKind { None, Identifier, Rtr, Data };

struct ComparedBit {
    BitKind kind = BitKind::None;
    int number = 0;    // ID.number, or bit number within a data byte
    int dataByte = 0;  // 1 or 2 for DB1 / DB2
};

// Reads a cell's caption as the window shows it: the part before the first blank names the
// field ("ID.", "RT", "DB1"), the rest the bit; a caption without a field name continues the
// field of the nearest cell to its left that has one. Blank captions compare nothing.
ComparedBit ComparedBitOf(const FilterLayoutInfo &layout, int cell);

// "ID.28", "RTR", "DB1.7"; empty for a bit that is not compared.
std::string ShortBitName(const ComparedBit &bit);

// The short name with what it means: "ID.28 = 标准 ID 第 10 位", "ID.5 = 扩展 ID 第 5 位",
// "RTR = 远程传输请求位", "DB1.7 = 数据字节 1 第 7 位"; empty for a bit that is not compared.
std::string FullBitName(const ComparedBit &bit, FrameFormat format);

}  // namespace filter
