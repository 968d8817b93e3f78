#include "filter/registers.h"

namespace filter {

std::string FormatRegisterByte(std::uint8_t value) {
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    return {kDigits[value >> 4], kDigits[value & 0x0F]};
}

std::string FormatRegisterWord(const std::array<std::string_view, 4> &registerTexts) {
    std::string word;
    for (std::string_view text : registerTexts) word += text;
    return word;
}

}  // namespace filter
