// Which typed characters the identifier fields take.
#pragma once

namespace ids {

constexpr char32_t kBackspace = 8;

// Backspace and the ASCII digits 0-9.
constexpr bool IsDecimalIdKey(char32_t key) {
    return key == kBackspace || (key >= U'0' && key <= U'9');
}

// Backspace, the ASCII digits and the letters A-F in either case.
constexpr bool IsHexIdKey(char32_t key) {
    return IsDecimalIdKey(key) || (key >= U'A' && key <= U'F') || (key >= U'a' && key <= U'f');
}

}  // namespace ids
