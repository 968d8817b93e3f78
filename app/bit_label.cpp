#include "app/bit_label.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>

namespace {

// Draws one line with its baseline at `baseline`, squeezed horizontally if it would not fit.
void DrawLine(QPainter &painter, const QFont &base, const QString &line, qreal baseline,
              qreal width) {
    if (line.isEmpty()) return;
    QFont font = base;
    const qreal natural = QFontMetricsF(base).horizontalAdvance(line);
    if (natural > width) font.setStretch(qMax(50, int(100 * width / natural)));
    painter.setFont(font);
    painter.drawText(QPointF(0, baseline), line);
}

}  // namespace

void BitLabel::paintEvent(QPaintEvent *) {
    const QString caption = text();
    const qsizetype blank = caption.indexOf(QLatin1Char(' '));
    const QString upper = blank < 0 ? caption : caption.left(blank);
    const QString lower = blank < 0 ? QString() : caption.mid(blank + 1).trimmed();
    if (upper.isEmpty() && lower.isEmpty()) return;

    // Lines are one em apart, as in a Song face, so both fit above the cell that covers the
    // label's lower edge.
    QPainter painter(this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const qreal pitch = QFontInfo(font()).pixelSize();
    const qreal ascent = pitch * 0.86;
    DrawLine(painter, font(), upper, ascent, width());
    DrawLine(painter, font(), lower, pitch + ascent, width());
}
