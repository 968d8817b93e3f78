// The tri-state cell: its cycle, its captions and its fixed register bit.
#include <QtTest>

#include "filter/cell.h"

using filter::CellState;

class Cell : public QObject {
    Q_OBJECT

private slots:
    void threeStepsCycleBackToTheStart() {
        for (CellState start : {CellState::Zero, CellState::One, CellState::DontCare}) {
            const CellState once = filter::NextCellState(start);
            QVERIFY(once != start);
            QCOMPARE(filter::NextCellState(filter::NextCellState(once)), start);
        }
        QCOMPARE(filter::NextCellState(CellState::DontCare), CellState::Zero);
        QCOMPARE(filter::NextCellState(CellState::Zero), CellState::One);
    }

    void captionsAreExactAndCaseSensitive() {
        for (CellState state : {CellState::Zero, CellState::One, CellState::DontCare})
            QCOMPARE(filter::CellStateFromCaption(filter::CellCaption(state)), state);
        QCOMPARE(filter::CellCaption(CellState::DontCare), std::string_view("X"));
        for (const char *other : {"x", "", " 0", "1 ", "01"})
            QVERIFY(!filter::CellStateFromCaption(other).has_value());
    }

    void cellBitPosition_data() {
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("registerIndex");
        QTest::addColumn<int>("bit");
        QTest::newRow("32 is ACR0 bit 7") << 32 << 0 << 7;
        QTest::newRow("25 is ACR0 bit 0") << 25 << 0 << 0;
        QTest::newRow("24 is ACR1 bit 7") << 24 << 1 << 7;
        QTest::newRow("9 is ACR2 bit 0") << 9 << 2 << 0;
        QTest::newRow("8 is ACR3 bit 7") << 8 << 3 << 7;
        QTest::newRow("1 is ACR3 bit 0") << 1 << 3 << 0;
    }
    void cellBitPosition() {
        QFETCH(int, cell);
        QFETCH(int, registerIndex);
        QFETCH(int, bit);
        QCOMPARE(filter::CellBitPosition(cell).registerIndex, registerIndex);
        QCOMPARE(filter::CellBitPosition(cell).bit, bit);
    }
};

QTEST_APPLESS_MAIN(Cell)
#include "tst_cell.moc"
