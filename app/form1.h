// The calculator window: its controls and one handler per control event.
#pragma once

#include <QHash>
#include <QWidget>
#include <array>
#include <optional>
#include <span>
#include <string>

#include "filter/layouts.h"
#include "filter/registers.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class Form1 : public QWidget {
    Q_OBJECT

public:
    // Creates the window from its definition and runs Form_Load.
    explicit Form1(QWidget *parent = nullptr);

protected:
    // Hands the characters typed into the identifier fields to their KeyPress handlers.
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void Form_Load();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Combo1_Click();
    void Command_Click(int cell);  // Command1_Click .. Command32_Click
    void Command33_Click();
    void Text2_Change(int index);
    void Text4_Change(int index);

private:
    // Whether a typed character may reach the field; a refused one is discarded.
    bool Text2_KeyPress(int index, char32_t key) const;
    bool Text4_KeyPress(int index, char32_t key) const;

    void FindControls(const QHash<QString, QWidget *> &controls);
    // Key filtering, input methods and paste rules of the identifier fields.
    void SetUpIdFields();
    void ConnectHandlers();
    std::optional<filter::FilterLayout> SelectedLayout() const;
    // Writes captions, enabled states and "X" into the cells for a layout, cell 1 first.
    void ApplyLayoutToCells(const filter::FilterLayoutInfo &layout);
    // Disables the cells and blanks their labels, for the strategies that use no bit pattern.
    void BlankCells();
    // Names each cell for screen readers after the bit it compares under `layout`, with the full
    // name as tooltip on the usable ones; without a layout, by register and bit.
    void DescribeCells(const filter::FilterLayoutInfo *layout);
    void WriteRegisterFields(const filter::RegisterSet &registers, std::span<const int> order);
    // Joins the texts the four register fields from `firstField` show into a 32-bit word.
    void WriteWord(QLineEdit *word, int firstField);
    // Writes a text into an identifier field unless it already holds it: a real change runs
    // the field's change handling at once, nested in the writer.
    static void WriteIdField(QLineEdit *field, const std::string &text);

    QRadioButton *option1_ = nullptr;
    QRadioButton *option2_ = nullptr;
    QRadioButton *option3_ = nullptr;
    QComboBox *combo1_ = nullptr;
    std::array<QLabel *, 32> bitLabels_{};   // Label1 .. Label32
    std::array<QPushButton *, 32> cells_{};  // Command1 .. Command32
    QPushButton *command33_ = nullptr;
    std::array<QLineEdit *, 2> decimalFields_{};  // Text2(0), Text2(1)
    std::array<QLineEdit *, 2> hexFields_{};      // Text4(0), Text4(1)
    // The identifier fields in the order the handlers enable them.
    std::array<QLineEdit *, 4> idFields_{};        // Text2(0), Text2(1), Text4(0), Text4(1)
    std::array<QLineEdit *, 8> registerFields_{};  // Text1(0) .. Text1(7)
    QLineEdit *text3_ = nullptr;
    QLineEdit *text5_ = nullptr;
    QLineEdit *text6_ = nullptr;
    QLabel *label47_ = nullptr;
};
