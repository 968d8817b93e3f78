// Register bytes from a bit pattern, and how they are written out.
#include <QtTest>

#include "filter/registers.h"
#include "register_texts.h"

using filter::CellState;
using filter::CellStates;

namespace {

// Cells from a pattern written as on screen: cell 32 first; '0', '1' or 'X'.
CellStates Pattern(const char *leftToRight) {
    CellStates cells{};
    for (int i = 0; i < filter::kCellCount; ++i) {
        const char c = leftToRight[i];
        cells[filter::kCellCount - 1 - i] = c == '0'   ? CellState::Zero
                                            : c == '1' ? CellState::One
                                                       : CellState::DontCare;
    }
    return cells;
}

}  // namespace

class Registers : public QObject {
    Q_OBJECT

private slots:
    void computeCustomBits_data() {
        QTest::addColumn<QByteArray>("pattern");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("all don't care")
            << QByteArray(32, 'X') << QStringList{"00", "00", "00", "00", "FF", "FF", "FF", "FF"};
        QTest::newRow("standard identifier 0x123")
            << QByteArray("00100100011") + QByteArray(21, 'X')
            << QStringList{"24", "60", "00", "00", "00", "1F", "FF", "FF"};
        QTest::newRow("all ones") << QByteArray(32, '1')
                                  << QStringList{"FF", "FF", "FF", "FF", "00", "00", "00", "00"};
        QTest::newRow("only cell 1 is one")
            << QByteArray(31, '0') + "1"
            << QStringList{"00", "00", "00", "01", "00", "00", "00", "00"};
        QTest::newRow("one bit per register")
            << QByteArray(
                   "1XXXXXXX"
                   "X0XXXXXX"
                   "XXXXXXX1"
                   "0000000X")
            << QStringList{"80", "00", "01", "00", "7F", "BF", "FE", "01"};
    }
    void computeCustomBits() {
        QFETCH(QByteArray, pattern);
        QFETCH(QStringList, fields);
        QCOMPARE(RegisterTexts(filter::ComputeCustomBits(Pattern(pattern.constData()))), fields);
    }

    void formatRegisterByte_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "00";
        QTest::newRow("7") << 7 << "07";
        QTest::newRow("31") << 31 << "1F";
        QTest::newRow("160") << 160 << "A0";
        QTest::newRow("255") << 255 << "FF";
    }
    void formatRegisterByte() {
        QFETCH(int, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(filter::FormatRegisterByte(std::uint8_t(value))), text);
    }

    // The word is the four texts as they stand, register 0 first.
    void formatRegisterWordJoinsTheTexts() {
        QCOMPARE(filter::FormatRegisterWord({"24", "60", "00", "0A"}), std::string("2460000A"));
        QCOMPARE(filter::FormatRegisterWord({"00", "1F", "FF", "FF"}), std::string("001FFFFF"));
    }

    void receiveAllAcceptsEverything() {
        QCOMPARE(RegisterTexts(filter::kReceiveAllRegisters),
                 QStringList({"00", "00", "00", "00", "FF", "FF", "FF", "FF"}));
    }
};

QTEST_APPLESS_MAIN(Registers)
#include "tst_registers.moc"
