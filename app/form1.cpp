#include "app/form1.h"

#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "app/bit_cell_accessible.h"
#include "app/control_builder.h"
#include "app/fonts.h"
#include "app/text_conversion.h"
#include "filter/bit_names.h"

namespace {

// The red pencil in the sizes of the title bar and the task bar, loaded once.
const QIcon &PencilIcon() {
    static const QIcon icon = [] {
        QIcon pencil;
        pencil.addFile(QStringLiteral(":/images/pencil-16.png"), QSize(16, 16));
        pencil.addFile(QStringLiteral(":/images/pencil.png"), QSize(32, 32));
        return pencil;
    }();
    return icon;
}

}  // namespace

Form1::Form1(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("CAN 接收滤波计算器（支持SJA1000 和 Tarvon CAN Card）"));
    setWindowIcon(PencilIcon());
    setFont(SongFont());
    setFixedSize(kClientWidth / kTwipsPerPixel, kClientHeight / kTwipsPerPixel);
    const QHash<QString, QWidget *> controls = BuildControls(this, WindowDefinition());
    FindControls(controls);
    for (QPushButton *cell : cells_) MarkAsBitCell(cell);
    for (const filter::FilterLayoutInfo &layout : filter::kFilterLayouts)
        combo1_->addItem(ToQString(layout.entryText));
    combo1_->setCurrentIndex(-1);  // nothing selected until Form_Load
    // Screen readers name the layout list by its label.
    qobject_cast<QLabel *>(controls.value(QStringLiteral("Label34")))->setBuddy(combo1_);
    ConnectHandlers();
    Form_Load();
}

void Form1::FindControls(const QHash<QString, QWidget *> &controls) {
    const auto find = [&controls](auto *&control, const QString &name) {
        control = qobject_cast<std::remove_reference_t<decltype(*control)> *>(controls.value(name));
        Q_ASSERT(control);
    };
    find(option1_, QStringLiteral("Option1"));
    find(option2_, QStringLiteral("Option2"));
    find(option3_, QStringLiteral("Option3"));
    find(combo1_, QStringLiteral("Combo1"));
    find(command33_, QStringLiteral("Command33"));
    for (int cell = 1; cell <= filter::kCellCount; ++cell) {
        find(bitLabels_[cell - 1], QStringLiteral("Label%1").arg(cell));
        find(cells_[cell - 1], QStringLiteral("Command%1").arg(cell));
    }
    for (int index = 0; index < 2; ++index) {
        find(decimalFields_[index], QStringLiteral("Text2(%1)").arg(index));
        find(hexFields_[index], QStringLiteral("Text4(%1)").arg(index));
    }
    idFields_ = {decimalFields_[0], decimalFields_[1], hexFields_[0], hexFields_[1]};
    for (int field = 0; field < filter::kRegisterFieldCount; ++field)
        find(registerFields_[field], QStringLiteral("Text1(%1)").arg(field));
    find(text3_, QStringLiteral("Text3"));
    find(text5_, QStringLiteral("Text5"));
    find(text6_, QStringLiteral("Text6"));
    find(label47_, QStringLiteral("Label47"));
}

void Form1::ConnectHandlers() {
    // Strategies run their entry only when they become selected: clicking the selected option
    // again must not reset the bit pattern the user has set.
    const auto onSelected = [this](QRadioButton *option, void (Form1::*handler)()) {
        connect(option, &QRadioButton::toggled, this, [this, handler](bool checked) {
            if (checked) (this->*handler)();
        });
    };
    onSelected(option1_, &Form1::Option1_Click);
    onSelected(option2_, &Form1::Option2_Click);
    onSelected(option3_, &Form1::Option3_Click);
    // activated: every pick by the user, the entry already shown included.
    connect(combo1_, &QComboBox::activated, this, &Form1::Combo1_Click);
    for (int cell = 1; cell <= filter::kCellCount; ++cell)
        connect(cells_[cell - 1], &QPushButton::clicked, this,
                [this, cell] { Command_Click(cell); });
    connect(command33_, &QPushButton::clicked, this, &Form1::Command33_Click);
    for (int index = 0; index < 2; ++index) {
        connect(decimalFields_[index], &QLineEdit::textChanged, this,
                [this, index] { Text2_Change(index); });
        connect(hexFields_[index], &QLineEdit::textChanged, this,
                [this, index] { Text4_Change(index); });
    }
    SetUpIdFields();
}

void Form1::Form_Load() {
    {
        // The same selection a user makes; the entry handler is not needed with no layout yet.
        const QSignalBlocker blocker(option1_);
        option1_->setChecked(true);
    }
    option2_->setChecked(false);
    for (QLineEdit *field : idFields_) field->setEnabled(false);
    combo1_->setCurrentIndex(0);
    combo1_->setCurrentText(combo1_->itemText(0));
    ApplyLayoutToCells(filter::LayoutInfo(filter::FilterLayout::StdSingleId));
}

std::optional<filter::FilterLayout> Form1::SelectedLayout() const {
    return filter::LayoutAt(combo1_->currentIndex());
}

void Form1::ApplyLayoutToCells(const filter::FilterLayoutInfo &layout) {
    for (int cell = 1; cell <= filter::kCellCount; ++cell)
        bitLabels_[cell - 1]->setText(ToQString(layout.Caption(cell)));
    for (int cell = 1; cell <= filter::kCellCount; ++cell)
        cells_[cell - 1]->setEnabled(layout.IsUsable(cell));
    const QString dontCare = ToQString(filter::CellCaption(filter::CellState::DontCare));
    for (QPushButton *cell : cells_) cell->setText(dontCare);
    DescribeCells(&layout);
}

void Form1::BlankCells() {
    for (QPushButton *cell : cells_) cell->setEnabled(false);
    for (int cell = 1; cell <= filter::kCellCount; ++cell)
        bitLabels_[cell - 1]->setText(ToQString(filter::BlankCaption(cell)));
    DescribeCells(nullptr);
}

void Form1::DescribeCells(const filter::FilterLayoutInfo *layout) {
    for (int cell = 1; cell <= filter::kCellCount; ++cell) {
        QPushButton *button = cells_[cell - 1];
        const filter::ComparedBit bit =
            layout ? filter::ComparedBitOf(*layout, cell) : filter::ComparedBit{};
        const QString fullName =
            layout ? ToQString(filter::FullBitName(bit, layout->frameFormat)) : QString();
        const filter::CellBit position = filter::CellBitPosition(cell);
        button->setAccessibleName(
            bit.kind == filter::BitKind::None
                ? QStringLiteral("寄存器 %1 位 %2").arg(position.registerIndex).arg(position.bit)
                : ToQString(filter::ShortBitName(bit)));
        button->setAccessibleDescription(fullName);
        button->setToolTip(fullName);
    }
}
