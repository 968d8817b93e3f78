// Creates the window's controls from their definition.
#pragma once

#include <QHash>
#include <QString>
#include <vector>

#include "app/window_definition.h"

class QWidget;

// Creates every control as a child of `form` (or of Frame2 for the banner), named, placed,
// captioned and in tab order, and returns them by name. Labels, lines and the picture stay
// beneath the other controls, so a bit cell covers the lower edge of its label.
QHash<QString, QWidget *> BuildControls(QWidget *form, const std::vector<ControlDef> &definition);
