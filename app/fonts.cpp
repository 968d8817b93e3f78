#include "app/fonts.h"

#include <QStringList>

QFont SongFont(bool bold) {
    QFont font;
    // AR PL UMing is a Ming face with 宋体's metrics (one-em lines, half-width Latin), so the
    // boxes sized for 宋体 hold the same text; the later faces have wider Latin letters.
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("NSimSun"),
                      QStringLiteral("AR PL UMing CN"), QStringLiteral("Songti SC"),
                      QStringLiteral("STSong"), QStringLiteral("Noto Serif CJK SC"),
                      QStringLiteral("Source Han Serif SC"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("Microsoft YaHei"), QStringLiteral("PingFang SC")});
    font.setPointSize(9);
    font.setBold(bold);
    return font;
}

QFont TitleFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("Tinos"), QStringLiteral("Times")});
    font.setPointSize(15);
    font.setBold(true);
    return font;
}
