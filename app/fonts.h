// The window's fonts, each with a chain of installed faces of the same role.
#pragma once

#include <QFont>

// 宋体 9 pt, falling back to other Song/Ming serif faces with Simplified Chinese, then to any
// CJK face, so that every caption renders wherever the program runs.
QFont SongFont(bool bold = false);

// Times New Roman 15 pt bold for the banner title, or a metric-compatible serif.
QFont TitleFont();
