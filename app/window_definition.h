// The calculator window as data: every control with its kind, box, text, font and tab index.
#pragma once

#include <QString>
#include <vector>

enum class ControlKind {
    Frame,            // group frame without a title
    Label,            // word-wrapping caption
    BitLabel,         // two-line name of the frame bit over a bit cell
    Line,             // straight rule in the shadow colour; its box holds the two end points
    Picture,          // image scaled to its box
    OptionButton,     // one of the three strategies, one exclusive group
    DropDownList,     // list of entries that cannot be typed into
    PushButton,       // bit cells and Calculate
    TextBox,          // editable identifier field
    ReadOnlyTextBox,  // result field: focusable, selectable, copyable
};

enum class ControlFont { Default, Bold, Title };
enum class TextColor { Default, Navy, Workspace };

// In twips (1/1440 inch): 15 twips make one pixel at 96 dots per inch. A line's box is
// (x1, y1, x2 - x1, y2 - y1).
struct TwipsBox {
    int left;
    int top;
    int width;
    int height;
};

constexpr int kTwipsPerPixel = 15;

struct ControlDef {
    QString name;
    ControlKind kind;
    TwipsBox box;
    QString text = {};
    ControlFont font = ControlFont::Default;
    TextColor color = TextColor::Default;
    int tabIndex = -1;      // -1: takes no focus
    bool inBanner = false;  // placed inside Frame2, relative to it
    int maxLength = 0;      // 0: no limit
    QString toolTip = {};
    // For screen readers, where the control's own text does not name it.
    QString accessibleName = {};
    QString accessibleDescription = {};
};

// Left edge of bit cell N (1..32) and the label above it: four groups of eight, cell 32
// leftmost, 240 twips apart with 120 more between groups.
constexpr int CellLeft(int cell) { return 360 + 240 * (32 - cell) + 120 * ((32 - cell) / 8); }

constexpr int kClientWidth = 8775;
constexpr int kClientHeight = 7815;

const std::vector<ControlDef> &WindowDefinition();
