#include "ids/conversions.h"

#include <algorithm>
#include <limits>

#include "ids/limits.h"

namespace ids {
namespace {

constexpr std::int64_t kSaturated = std::numeric_limits<std::int64_t>::max();

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigitValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Whether a fraction's digits round the integer part up, halves going to the even neighbour.
bool FractionRoundsUp(std::string_view fraction, std::int64_t integerPart) {
    if (fraction.empty() || fraction.front() < '5') return false;
    if (fraction.front() > '5') return true;
    const bool exactHalf = fraction.find_first_not_of('0', 1) == std::string_view::npos;
    return !exactHalf || integerPart % 2 != 0;
}

std::string FormatInBase(std::int64_t value, int base) {
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    value = std::clamp<std::int64_t>(value, 0, ExtendedIdMax);
    if (value == 0) return "0";
    std::string text;
    for (; value > 0; value /= base) text.insert(text.begin(), kDigits[value % base]);
    return text;
}

}  // namespace

std::int64_t DecimalIdValue(std::string_view text) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    std::int64_t magnitude = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        const int digit = text[pos] - '0';
        magnitude = magnitude > (kSaturated - digit) / 10 ? kSaturated : magnitude * 10 + digit;
    }
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t start = pos + 1;
        std::size_t end = start;
        while (end < text.size() && IsDigit(text[end])) ++end;
        if (FractionRoundsUp(text.substr(start, end - start), magnitude) && magnitude < kSaturated)
            ++magnitude;
    }
    return negative ? -magnitude : magnitude;
}

std::optional<std::int32_t> HexIdValue(std::string_view text) {
    if (text.empty() || text.size() > 8) return std::nullopt;
    std::uint32_t value = 0;
    for (char c : text) {
        const int digit = HexDigitValue(c);
        if (digit < 0) return std::nullopt;
        value = value << 4 | static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(value);
}

std::string HexIdText(std::int64_t value) { return FormatInBase(value, 16); }

std::string DecimalIdText(std::int64_t value) { return FormatInBase(value, 10); }

}  // namespace ids
