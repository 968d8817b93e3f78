// What a screen reader is told about a bit cell: the bit it compares as its name (set by the
// window), and its state ("0", "1" or "X", the button's caption) as its value.
#pragma once

class QWidget;

// Makes a push button report itself as a bit cell from now on.
void MarkAsBitCell(QWidget *cell);
