// The bit cells and Calculate: the only handlers besides receive-all that write results.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/form1.h"
#include "app/text_conversion.h"
#include "filter/id_list.h"
#include "ids/conversions.h"

namespace {

filter::CellState StateOf(const QPushButton *cell) {
    return filter::CellStateFromCaption(cell->text().toStdString())
        .value_or(filter::CellState::DontCare);
}

}  // namespace

void Form1::Command_Click(int cell) {
    QPushButton *button = cells_[cell - 1];
    button->setText(ToQString(filter::CellCaption(filter::NextCellState(StateOf(button)))));
}

void Form1::Command33_Click() {
    if (option2_->isChecked()) {
        const auto id1 = ids::DecimalIdValue(decimalFields_[0]->text().toStdString());
        const auto id2 = ids::DecimalIdValue(decimalFields_[1]->text().toStdString());
        // Only bits 28..0 take part, so wrapping to 32 bits changes nothing that matters.
        const auto layout = SelectedLayout();
        if (const auto registers =
                layout ? filter::ComputeIdList(*layout, static_cast<std::uint32_t>(id1),
                                               static_cast<std::uint32_t>(id2))
                       : std::nullopt)
            WriteRegisterFields(*registers, filter::IdListFieldOrder(*layout));
    }
    if (option1_->isChecked()) {
        filter::CellStates states{};
        for (int cell = 0; cell < filter::kCellCount; ++cell) states[cell] = StateOf(cells_[cell]);
        WriteRegisterFields(filter::ComputeCustomBits(states), filter::kInterleavedFieldOrder);
    }
    if (const auto layout = SelectedLayout()) {
        const filter::FilterLayoutInfo &info = filter::LayoutInfo(*layout);
        text3_->setText(QString::number(info.mod3));
        label47_->setText(ToQString(info.meaningText));
    }
    WriteWord(text5_, 0);
    WriteWord(text6_, 4);
}

void Form1::WriteRegisterFields(const filter::RegisterSet &registers, std::span<const int> order) {
    for (int field : order)
        registerFields_[field]->setText(
            ToQString(filter::FormatRegisterByte(filter::RegisterField(registers, field))));
}

void Form1::WriteWord(QLineEdit *word, int firstField) {
    std::array<std::string, 4> texts;
    for (int i = 0; i < 4; ++i) texts[i] = registerFields_[firstField + i]->text().toStdString();
    word->setText(ToQString(filter::FormatRegisterWord({texts[0], texts[1], texts[2], texts[3]})));
}
