// The core speaks UTF-8 std::string; the widgets speak QString.
#pragma once

#include <QString>
#include <string_view>

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
