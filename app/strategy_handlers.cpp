// Entering a strategy and picking a layout: set up the window, compute nothing.
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include "app/form1.h"
#include "app/text_conversion.h"
#include "filter/layout_selection.h"

void Form1::Option1_Click() {
    if (option1_->isChecked())
        for (QLineEdit *field : idFields_) field->setEnabled(false);
    if (const auto layout = SelectedLayout()) ApplyLayoutToCells(filter::LayoutInfo(*layout));
}

void Form1::Option2_Click() {
    if (!option2_->isChecked()) return;
    BlankCells();
    decimalFields_[0]->setEnabled(true);
    hexFields_[0]->setEnabled(true);
    const auto layout = SelectedLayout();
    const bool takesId2 = layout && filter::LayoutInfo(*layout).idsUnderIdList == 2;
    decimalFields_[1]->setEnabled(takesId2);
    hexFields_[1]->setEnabled(takesId2);
}

void Form1::Option3_Click() {
    for (QLineEdit *field : idFields_) field->setEnabled(false);
    BlankCells();
    WriteRegisterFields(filter::kReceiveAllRegisters, filter::kCodeFields);
    WriteWord(text5_, 0);
    WriteRegisterFields(filter::kReceiveAllRegisters, filter::kMaskFields);
    WriteWord(text6_, 4);
}

void Form1::Combo1_Click() {
    if (const auto layout = SelectedLayout()) {
        const filter::LayoutSelectionRule &rule = filter::SelectionRule(*layout);
        option2_->setEnabled(rule.offersIdList);
        if (rule.selectsCustomBits) {
            // Option1_Click runs below, once, after the identifier fields are set.
            const QSignalBlocker blocker(option1_);
            option1_->setChecked(true);
        }
        for (int field = 0; field < filter::kIdFieldCount; ++field) {
            if (rule.idFields[field] != filter::FieldChange::Keep)
                idFields_[field]->setEnabled(rule.idFields[field] == filter::FieldChange::Enable);
        }
    }
    if (option1_->isChecked()) Option1_Click();
    Option2_Click();
}
