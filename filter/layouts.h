// The seven acceptance-filter layouts of the SJA1000 (PeliCAN mode) the calculator offers:
// what each of the 32 bit cells compares, shown as the caption of the label above it.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "filter/cell.h"

namespace filter {

// The list index of the layout drop-down.
enum class FilterLayout {
    StdSingleId = 0,
    StdSingleIdRtrData = 1,
    StdDualId = 2,
    StdDualIdRtrData = 3,
    ExtSingleId = 4,
    ExtSingleIdRtr = 5,
    ExtDualPartialId = 6,
};
constexpr int kFilterLayoutCount = 7;

enum class FrameFormat { Standard, Extended };
enum class FilterMode { Single, Dual };

// A caption names a compared bit exactly when it holds something other than blanks.
constexpr bool IsUsableCaption(std::string_view caption) {
    return caption.find_first_not_of(' ') != std::string_view::npos;
}

struct FilterLayoutInfo {
    std::string_view entryText;
    FrameFormat frameFormat;
    FilterMode filterMode;
    int mod3;  // MOD.3: 1 = single filter, 0 = dual filter
    std::string_view meaningText;
    // Label captions in screen order, left to right: cell 32 first, cell 1 last, so that
    // each row of eight reads as one register from bit 7 to bit 0. Blanks are significant.
    std::array<std::string_view, kCellCount> captionsLeftToRight;
    int idsUnderIdList;  // 0 = the one-or-two-IDs strategy is not offered

    constexpr std::string_view Caption(int cell) const {
        return captionsLeftToRight[kCellCount - cell];
    }
    constexpr bool IsUsable(int cell) const { return IsUsableCaption(Caption(cell)); }
};

namespace detail {
constexpr std::string_view kSingle = "含义：单滤波";
constexpr std::string_view kDual = "含义：双滤波";
}  // namespace detail

// One row of eight captions per register, as the cells stand on screen.
// clang-format off
constexpr std::array<FilterLayoutInfo, kFilterLayoutCount> kFilterLayouts{{
    {"标准帧 单滤波 (仅 ID)", FrameFormat::Standard, FilterMode::Single, 1, detail::kSingle,
     {"ID. 28", " 27", " 26", " 25", " 24", " 23", " 22", " 21",  //
      " 20", " 19", " 18", "", "", "", "", "",                     //
      "", "", "", "", "", "", "", "",                              //
      "", "", "", "", "", "", "", ""},
     1},
    {"标准帧 单滤波 (含 ID，RTR 和部分数据)", FrameFormat::Standard, FilterMode::Single, 1,
     detail::kSingle,
     {"ID. 28", " 27", " 26", " 25", " 24", " 23", " 22", " 21",  //
      " 20", " 19", " 18", "RT R", "", "", "", "",                 //
      "DB1 .7", "  6", "  5", "  4", "  3", "  2", "  1", "  0",   //
      "DB2 .7", "  6", "  5", "  4", "  3", "  2", "  1", "  0"},
     0},
    {"标准帧 双滤波 (仅 ID)", FrameFormat::Standard, FilterMode::Dual, 0, detail::kDual,
     {"ID. 28", " 27", " 26", " 25", " 24", " 23", " 22", " 21",  //
      " 20", " 19", " 18", " ", "", "", "", "",                    //
      "ID. 28", " 27", " 26", " 25", " 24", " 23", " 22", " 21",  //
      " 20", " 19", " 18", " ", " ", " ", " ", " "},
     2},
    {"标准帧 双滤波 (含 ID，RTR 和部分数据)", FrameFormat::Standard, FilterMode::Dual, 0,
     detail::kDual,
     {"ID. 28", " 27", " 26", " 25", " 24", " 23", " 22", " 21",   //
      " 20", " 19", " 18", "RT R ", "DB1 .7", "  6", "  5", "  4",  //
      "ID. 28", " 27", " 26", " 25", " 24", " 23", " 22", " 21",   //
      " 20", " 19", " 18", "RT R ", "DB1 .3 ", "  2", "  1", "  0"},
     0},
    {"扩展帧 单滤波 (仅 ID)", FrameFormat::Extended, FilterMode::Single, 1, detail::kSingle,
     {"ID. 28", " 27", " 26", " 25", " 24", " 23", " 22", " 21",  //
      " 20", " 19", " 18", " 17", " 16", " 15", " 14", " 13",     //
      " 12", " 11", " 10", "  9", "  8", "  7", "  6", "  5",     //
      "  4", "  3", "  2", "  1", "  0 ", " ", " ", " "},
     1},
    {"扩展帧 单滤波 (含 ID 和 RTR)", FrameFormat::Extended, FilterMode::Single, 1,
     detail::kSingle,
     {"ID. 28", " 27", " 26", " 25", " 24", " 23", " 22", " 21",  //
      " 20", " 19", " 18", " 17", " 16", " 15", " 14", " 13",     //
      " 12", " 11", " 10", "  9", "  8", "  7", "  6", "  5",     //
      "  4", "  3", "  2", "  1", "  0 ", "RT R", " ", " "},
     0},
    {"扩展帧 双滤波 (仅含部分 ID)", FrameFormat::Extended, FilterMode::Dual, 0, detail::kDual,
     {"ID. 28", " 27", " 26", " 25", " 24", " 23", " 22", " 21",  //
      " 20", " 19", " 18", " 17", " 16", " 15", " 14", " 13",     //
      "ID. 28", " 27", " 26", " 25", " 24", " 23", " 22", " 21",  //
      " 20", " 19", " 18", " 17", " 16", " 15", " 14", " 13"},
     0},
}};
// clang-format on

// The layout at a drop-down list index; none outside 0..6 (nothing selected).
constexpr std::optional<FilterLayout> LayoutAt(int listIndex) {
    if (listIndex < 0 || listIndex >= kFilterLayoutCount) return std::nullopt;
    return static_cast<FilterLayout>(listIndex);
}

constexpr const FilterLayoutInfo &LayoutInfo(FilterLayout layout) {
    return kFilterLayouts[static_cast<int>(layout)];
}

// What the strategies without bit cells write into the labels: nothing visible, though the
// labels of the standard identifier bits keep their blanks (two, and one over cell 32).
constexpr std::string_view BlankCaption(int cell) {
    if (cell == kCellCount) return " ";
    return cell >= 22 ? "  " : "";
}

}  // namespace filter
