#include "app/control_builder.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "app/bit_label.h"
#include "app/fonts.h"

namespace {

int Pixels(int twips) { return twips / kTwipsPerPixel; }

QRect PixelBox(const ControlDef &control) {
    const TwipsBox &box = control.box;
    if (control.kind == ControlKind::Line)  // one pixel wide, end points included
        return {Pixels(box.left), Pixels(box.top), Pixels(box.width) + 1, Pixels(box.height) + 1};
    return {Pixels(box.left), Pixels(box.top), Pixels(box.width), Pixels(box.height)};
}

QWidget *CreateControl(const ControlDef &control, QWidget *parent) {
    switch (control.kind) {
        case ControlKind::Frame:
            return new QGroupBox(parent);
        case ControlKind::Label: {
            auto *label = new QLabel(control.text, parent);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return label;
        }
        case ControlKind::BitLabel:
            return new BitLabel(control.text, parent);
        case ControlKind::Line: {
            // Button shadow is the palette's Dark role.
            auto *line = new QWidget(parent);
            line->setAutoFillBackground(true);
            line->setBackgroundRole(QPalette::Dark);
            return line;
        }
        case ControlKind::Picture: {
            // The picture comes at the box's size and at twice that ("@2x") for high-DPI
            // screens; only the one the screen needs is decoded.
            auto *picture = new QLabel(parent);
            const qreal ratio = picture->devicePixelRatioF() > 1.0 ? 2.0 : 1.0;
            QString path = control.text;
            if (ratio > 1.0) path.insert(path.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
            QPixmap pixmap(path);
            pixmap.setDevicePixelRatio(ratio);
            picture->setPixmap(pixmap);
            picture->setScaledContents(true);
            return picture;
        }
        case ControlKind::OptionButton:
            return new QRadioButton(control.text, parent);
        case ControlKind::DropDownList:
            return new QComboBox(parent);
        case ControlKind::PushButton: {
            // Not a default button: Enter and Esc press nothing.
            auto *button = new QPushButton(control.text, parent);
            button->setAutoDefault(false);
            button->setDefault(false);
            return button;
        }
        case ControlKind::TextBox:
        case ControlKind::ReadOnlyTextBox: {
            auto *field = new QLineEdit(control.text, parent);
            field->setReadOnly(control.kind == ControlKind::ReadOnlyTextBox);
            if (control.maxLength > 0) field->setMaxLength(control.maxLength);
            return field;
        }
    }
    return nullptr;
}

// Controls with the default font inherit it from the window.
void ApplyFont(QWidget *widget, ControlFont font) {
    switch (font) {
        case ControlFont::Bold:
            widget->setFont(SongFont(true));
            break;
        case ControlFont::Title:
            widget->setFont(TitleFont());
            break;
        case ControlFont::Default:
            break;
    }
}

void ApplyTextColor(QWidget *widget, TextColor color) {
    if (color == TextColor::Default) return;
    QPalette palette = widget->palette();
    // The workspace grey is the palette's Dark role, the colour Qt gives MDI workspaces.
    palette.setColor(QPalette::WindowText,
                     color == TextColor::Navy ? QColor(0, 0, 128) : palette.color(QPalette::Dark));
    widget->setPalette(palette);
}

bool IsLightweight(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::BitLabel ||
           kind == ControlKind::Line || kind == ControlKind::Picture;
}

}  // namespace

QHash<QString, QWidget *> BuildControls(QWidget *form, const std::vector<ControlDef> &definition) {
    QHash<QString, QWidget *> controls;
    controls.reserve(qsizetype(definition.size()));
    QWidget *banner = nullptr;
    std::vector<std::pair<int, QWidget *>> tabOrder;
    for (const ControlDef &control : definition) {
        QWidget *widget = CreateControl(control, control.inBanner ? banner : form);
        widget->setObjectName(control.name);
        controls.insert(control.name, widget);
        widget->setGeometry(PixelBox(control));
        ApplyFont(widget, control.font);
        ApplyTextColor(widget, control.color);
        if (!control.toolTip.isEmpty()) widget->setToolTip(control.toolTip);
        if (!control.accessibleName.isEmpty()) widget->setAccessibleName(control.accessibleName);
        if (!control.accessibleDescription.isEmpty())
            widget->setAccessibleDescription(control.accessibleDescription);
        if (control.kind == ControlKind::Frame) banner = widget;
        if (IsLightweight(control.kind)) widget->lower();
        if (control.tabIndex >= 0 && widget->focusPolicy() != Qt::NoFocus)
            tabOrder.emplace_back(control.tabIndex, widget);
    }
    std::sort(tabOrder.begin(), tabOrder.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    return controls;
}
