// The identifier fields: per-key filtering and the decimal <-> hexadecimal mirroring.
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <algorithm>

#include "app/form1.h"
#include "app/text_conversion.h"
#include "ids/conversions.h"
#include "ids/keys.h"
#include "ids/limits.h"

namespace {

std::int64_t DecimalValue(const QLineEdit *field) {
    return ids::DecimalIdValue(field->text().toStdString());
}

std::int64_t HexValue(const QLineEdit *field) {
    return ids::HexIdValue(field->text().toStdString()).value_or(0);
}

// A key press that types text, as opposed to a shortcut (Ctrl/Cmd+key, but not AltGr, which
// some systems report as Ctrl+Alt) or an editing key whose text is a control character
// (Backspace, Delete, Enter, Tab, Esc).
bool TypesText(const QKeyEvent *event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool shortcut =
        (modifiers & (Qt::ControlModifier | Qt::MetaModifier)) && !(modifiers & Qt::AltModifier);
    if (shortcut) return false;
    const QString text = event->text();
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isPrint(); });
}

}  // namespace

void Form1::SetUpIdFields() {
    for (QLineEdit *field : idFields_) {
        field->installEventFilter(this);
        // Latin digits and letters only: no input method may commit what the key filter refuses.
        field->setAttribute(Qt::WA_InputMethodEnabled, false);
    }
    // Typed keys are filtered one by one; a paste (or anything committed at once) that would
    // leave other than 0 to 8 hexadecimal digits is refused and the field keeps its text.
    const QRegularExpression hexText(QStringLiteral("[0-9A-Fa-f]{0,8}"));
    for (QLineEdit *field : hexFields_)
        field->setValidator(new QRegularExpressionValidator(hexText, field));
}

bool Form1::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const auto *keyEvent = static_cast<QKeyEvent *>(event);
    if (!TypesText(keyEvent)) return false;
    for (int index = 0; index < 2; ++index) {
        const bool decimal = watched == decimalFields_[index];
        if (!decimal && watched != hexFields_[index]) continue;
        for (char32_t key : keyEvent->text().toUcs4()) {
            const bool accepted = decimal ? Text2_KeyPress(index, key) : Text4_KeyPress(index, key);
            if (!accepted) return true;  // discarded before it reaches the field
        }
    }
    return false;
}

bool Form1::Text2_KeyPress(int, char32_t key) const { return ids::IsDecimalIdKey(key); }

bool Form1::Text4_KeyPress(int, char32_t key) const { return ids::IsHexIdKey(key); }

void Form1::WriteIdField(QLineEdit *field, const std::string &text) {
    const QString newText = ToQString(text);
    if (field->text() != newText) field->setText(newText);
}

// Decimal to hexadecimal, over both pairs: clamp to the layout's limit, then mirror. Every read
// is fresh, since each write may have run nested change handling.
void Form1::Text2_Change(int) {
    const auto layout = SelectedLayout();
    if (const auto limit = layout ? ids::DecimalIdLimit(*layout) : std::nullopt) {
        for (QLineEdit *decimal : decimalFields_) {
            if (DecimalValue(decimal) > *limit)
                WriteIdField(decimal, ids::DecimalIdText(*limit));
            else if (DecimalValue(decimal) < 0)
                WriteIdField(decimal, "0");
        }
    }
    WriteIdField(hexFields_[0], ids::HexIdText(DecimalValue(decimalFields_[0])));
    WriteIdField(hexFields_[1], ids::HexIdText(DecimalValue(decimalFields_[1])));
}

// Hexadecimal to decimal, for the pair whose hexadecimal text changed only: copying the other
// pair too could overwrite a digit just typed into its decimal field with its older value.
void Form1::Text4_Change(int index) {
    QLineEdit *hex = hexFields_[index];
    if (!hex->text().isEmpty()) {
        if (HexValue(hex) > ids::ExtendedIdMax)
            WriteIdField(hex, ids::HexIdText(ids::ExtendedIdMax));
        if (HexValue(hex) < 0) WriteIdField(hex, "0");
        WriteIdField(decimalFields_[index], ids::DecimalIdText(HexValue(hex)));
    }
    for (QLineEdit *field : hexFields_) {
        field->setCursorPosition(field->text().size());
        field->deselect();
    }
}
