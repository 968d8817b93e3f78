// Register bytes as the window shows them, for comparing with the texts tests expect.
#pragma once

#include <QStringList>

#include "filter/registers.h"

// ACR0..ACR3 then AMR0..AMR3, two hexadecimal digits each.
inline QStringList RegisterTexts(const filter::RegisterSet &registers) {
    QStringList texts;
    for (int field = 0; field < filter::kRegisterFieldCount; ++field)
        texts << QString::fromStdString(
            filter::FormatRegisterByte(filter::RegisterField(registers, field)));
    return texts;
}
