#include "filter/bit_names.h"

#include <charconv>

namespace filter {
namespace {

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

int Number(std::string_view digits) {
    if (!digits.empty() && digits.front() == '.') digits.remove_prefix(1);
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

// The standard identifier occupies ID.28 (its bit 10) down to ID.18 (its bit 0).
constexpr int kStandardIdLowestBit = 18;

}  // namespace

ComparedBit ComparedBitOf(const FilterLayoutInfo &layout, int cell) {
    if (!layout.IsUsable(cell)) return {};
    std::string_view field;
    for (int left = kCellCount; left >= cell; --left) {
        const std::string_view caption = layout.Caption(left);
        const std::string_view upper = caption.substr(0, caption.find(' '));
        if (!upper.empty()) field = upper;
    }
    const std::string_view caption = layout.Caption(cell);
    const std::size_t blank = caption.find(' ');
    const std::string_view lower =
        blank == std::string_view::npos ? std::string_view() : Trimmed(caption.substr(blank + 1));
    if (field == "RT") return {BitKind::Rtr, 0, 0};
    if (field.substr(0, 2) == "DB") return {BitKind::Data, Number(lower), Number(field.substr(2))};
    return {BitKind::Identifier, Number(lower), 0};
}

std::string ShortBitName(const ComparedBit &bit) {
    switch (bit.kind) {
        case BitKind::Identifier:
            return "ID." + std::to_string(bit.number);
        case BitKind::Rtr:
            return "RTR";
        case BitKind::Data:
            return "DB" + std::to_string(bit.dataByte) + "." + std::to_string(bit.number);
        case BitKind::None:
            break;
    }
    return {};
}

std::string FullBitName(const ComparedBit &bit, FrameFormat format) {
    const std::string name = ShortBitName(bit);
    switch (bit.kind) {
        case BitKind::Identifier:
            return format == FrameFormat::Standard
                       ? name + " = 标准 ID 第 " +
                             std::to_string(bit.number - kStandardIdLowestBit) + " 位"
                       : name + " = 扩展 ID 第 " + std::to_string(bit.number) + " 位";
        case BitKind::Rtr:
            return name + " = 远程传输请求位";
        case BitKind::Data:
            return name + " = 数据字节 " + std::to_string(bit.dataByte) + " 第 " +
                   std::to_string(bit.number) + " 位";
        case BitKind::None:
            break;
    }
    return {};
}

}  // namespace filter
