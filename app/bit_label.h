// The name of the frame bit over a bit cell, on two lines broken at the caption's first blank.
#pragma once

#include <QLabel>

// text() keeps the caption exactly, blanks included; painting shows the part before the first
// blank on the upper line and the rest, trimmed, on the lower line ("ID. 28" reads "ID." over
// "28", " 27" leaves the upper line empty). A part wider than the label is drawn condensed so
// that field names such as "DB1" stay whole whatever face the fallback chain picked.
class BitLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
};
