// Identifier keys, conversions, limits and the ID-list registers.
#include <QRandomGenerator>
#include <QtTest>
#include <limits>

#include "filter/id_list.h"
#include "ids/conversions.h"
#include "ids/keys.h"
#include "ids/limits.h"
#include "register_texts.h"

using filter::FilterLayout;

class Ids : public QObject {
    Q_OBJECT

private slots:
    void keyFilters_data() {
        QTest::addColumn<uint>("key");
        QTest::addColumn<bool>("decimal");
        QTest::addColumn<bool>("hex");
        QTest::newRow("0") << uint('0') << true << true;
        QTest::newRow("9") << uint('9') << true << true;
        QTest::newRow("Backspace") << 8u << true << true;
        QTest::newRow("a") << uint('a') << false << true;
        QTest::newRow("F") << uint('F') << false << true;
        QTest::newRow("g") << uint('g') << false << false;
        QTest::newRow("G") << uint('G') << false << false;
        QTest::newRow("x") << uint('x') << false << false;
        QTest::newRow("blank") << uint(' ') << false << false;
        QTest::newRow("minus") << uint('-') << false << false;
        QTest::newRow("point") << uint('.') << false << false;
        QTest::newRow("Enter") << 13u << false << false;
        QTest::newRow("Delete") << 127u << false << false;
        QTest::newRow("full-width 5") << 0xFF15u << false << false;
        QTest::newRow("full-width A") << 0xFF21u << false << false;
        QTest::newRow("Arabic-Indic 1") << 0x0661u << false << false;
        QTest::newRow("CJK") << 0x4E2Du << false << false;
    }
    void keyFilters() {
        QFETCH(uint, key);
        QFETCH(bool, decimal);
        QFETCH(bool, hex);
        QCOMPARE(ids::IsDecimalIdKey(char32_t(key)), decimal);
        QCOMPARE(ids::IsHexIdKey(char32_t(key)), hex);
    }

    void decimalIdValue_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<qint64>("value");
        const qint64 max = std::numeric_limits<qint64>::max();
        QTest::newRow("empty") << QByteArray() << qint64(0);
        QTest::newRow("leading zeros") << QByteArray("007") << qint64(7);
        QTest::newRow("digits then letters") << QByteArray("12abc") << qint64(12);
        QTest::newRow("letter first") << QByteArray("abc12") << qint64(0);
        QTest::newRow("minus") << QByteArray("-5") << qint64(-5);
        QTest::newRow("plus") << QByteArray("+12") << qint64(12);
        QTest::newRow("blank first") << QByteArray(" 12") << qint64(0);
        QTest::newRow("blank inside") << QByteArray("12 34") << qint64(12);
        QTest::newRow("exponent ends it") << QByteArray("1e5") << qint64(1);
        QTest::newRow("radix prefix") << QByteArray("0x1F") << qint64(0);
        QTest::newRow("full-width digits") << QByteArray("５") << qint64(0);
        QTest::newRow("half to even, down") << QByteArray("2.5") << qint64(2);
        QTest::newRow("half to even, up") << QByteArray("3.5") << qint64(4);
        QTest::newRow("half of one") << QByteArray("1.5") << qint64(2);
        QTest::newRow("half of zero") << QByteArray("0.5") << qint64(0);
        QTest::newRow("just above half") << QByteArray("2.5000001") << qint64(3);
        QTest::newRow("just below half") << QByteArray("2.4999999") << qint64(2);
        QTest::newRow("negative half") << QByteArray("-2.5") << qint64(-2);
        QTest::newRow("fraction past the limit") << QByteArray("2047.6") << qint64(2048);
        QTest::newRow("point alone") << QByteArray("7.") << qint64(7);
        QTest::newRow("40 digits") << QByteArray(40, '9') << max;
        QTest::newRow("40 digits, negative") << "-" + QByteArray(40, '9') << -max;
        QTest::newRow("saturated, rounding up") << QByteArray(40, '9') + ".9" << max;
    }
    void decimalIdValue() {
        QFETCH(QByteArray, text);
        QFETCH(qint64, value);
        QCOMPARE(ids::DecimalIdValue(text.toStdString()), value);
    }

    void hexIdValue_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<qint32>("value");
        QTest::newRow("0") << QByteArray("0") << true << 0;
        QTest::newRow("7FF") << QByteArray("7FF") << true << 2047;
        QTest::newRow("lower case") << QByteArray("1fffffff") << true << 536870911;
        QTest::newRow("largest positive") << QByteArray("7FFFFFFF") << true << 2147483647;
        QTest::newRow("smallest negative")
            << QByteArray("80000000") << true << std::numeric_limits<qint32>::min();
        QTest::newRow("minus one") << QByteArray("FFFFFFFF") << true << -1;
        QTest::newRow("seven digits never negative") << QByteArray("FFFFFFF") << true << 268435455;
        QTest::newRow("empty") << QByteArray() << false << 0;
        QTest::newRow("nine digits") << QByteArray("123456789") << false << 0;
        QTest::newRow("G") << QByteArray("1G") << false << 0;
        QTest::newRow("blank") << QByteArray(" 1") << false << 0;
        QTest::newRow("sign") << QByteArray("-1") << false << 0;
        QTest::newRow("prefix") << QByteArray("0x1") << false << 0;
    }
    void hexIdValue() {
        QFETCH(QByteArray, text);
        QFETCH(bool, valid);
        QFETCH(qint32, value);
        const auto parsed = ids::HexIdValue(text.toStdString());
        QCOMPARE(parsed.has_value(), valid);
        if (valid) QCOMPARE(*parsed, value);
    }

    void canonicalTexts_data() {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("hex");
        QTest::newRow("zero") << qint64(0) << "0"
                              << "0";
        QTest::newRow("standard max") << qint64(ids::StandardIdMax) << "2047"
                                      << "7FF";
        QTest::newRow("extended max") << qint64(ids::ExtendedIdMax) << "536870911"
                                      << "1FFFFFFF";
        QTest::newRow("48879") << qint64(48879) << "48879"
                               << "BEEF";
        // Never reached by the window; clamped so a field only ever holds what it can.
        QTest::newRow("negative") << qint64(-5) << "0"
                                  << "0";
        QTest::newRow("beyond") << (qint64(1) << 40) << "536870911"
                                << "1FFFFFFF";
    }
    void canonicalTexts() {
        QFETCH(qint64, value);
        QFETCH(QString, decimal);
        QFETCH(QString, hex);
        QCOMPARE(QString::fromStdString(ids::DecimalIdText(value)), decimal);
        QCOMPARE(QString::fromStdString(ids::HexIdText(value)), hex);
    }

    void decimalLimitPerLayout() {
        const std::optional<std::int64_t> expected[] = {
            2047, std::nullopt, 2047, std::nullopt, 536870911, std::nullopt, std::nullopt};
        for (int layout = 0; layout < 7; ++layout)
            QCOMPARE(ids::DecimalIdLimit(static_cast<FilterLayout>(layout)), expected[layout]);
    }

    void splitIdBytes() {
        const auto bytes = filter::SplitIdBytes(0x12345678);
        QCOMPARE(bytes[0], std::uint8_t(0x78));
        QCOMPARE(bytes[3], std::uint8_t(0x12));
    }

    void computeIdList_data() {
        QTest::addColumn<int>("layout");
        QTest::addColumn<quint32>("id1");
        QTest::addColumn<quint32>("id2");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("standard 291")
            << 0 << 291u << 0u << QStringList{"24", "60", "00", "00", "00", "1F", "FF", "FF"};
        QTest::newRow("standard 2047")
            << 0 << 2047u << 0u << QStringList{"FF", "E0", "00", "00", "00", "1F", "FF", "FF"};
        QTest::newRow("standard 0, ID2 ignored")
            << 0 << 0u << 1234u << QStringList{"00", "00", "00", "00", "00", "1F", "FF", "FF"};
        QTest::newRow("standard 2048 keeps bits 10..0")
            << 0 << 2048u << 0u << QStringList{"00", "00", "00", "00", "00", "1F", "FF", "FF"};
        QTest::newRow("dual 291 and 0")
            << 2 << 291u << 0u << QStringList{"24", "60", "00", "00", "00", "1F", "00", "1F"};
        QTest::newRow("dual 1 and 2047")
            << 2 << 1u << 2047u << QStringList{"00", "20", "FF", "E0", "00", "1F", "00", "1F"};
        QTest::newRow("extended max")
            << 4 << 0x1FFFFFFFu << 0u
            << QStringList{"FF", "FF", "FF", "F8", "00", "00", "00", "07"};
        QTest::newRow("extended 0x12345678, ID2 ignored")
            << 4 << 0x12345678u << 99u
            << QStringList{"91", "A2", "B3", "C0", "00", "00", "00", "07"};
    }
    void computeIdList() {
        QFETCH(int, layout);
        QFETCH(quint32, id1);
        QFETCH(quint32, id2);
        QFETCH(QStringList, fields);
        const auto registers = filter::ComputeIdList(static_cast<FilterLayout>(layout), id1, id2);
        QVERIFY(registers.has_value());
        QCOMPARE(RegisterTexts(*registers), fields);
    }

    void onlyTheIdLayoutsHaveAnIdList() {
        for (FilterLayout layout :
             {FilterLayout::StdSingleIdRtrData, FilterLayout::StdDualIdRtrData,
              FilterLayout::ExtSingleIdRtr, FilterLayout::ExtDualPartialId})
            QVERIFY(!filter::ComputeIdList(layout, 5, 6).has_value());
        QCOMPARE(filter::IdListFieldOrder(FilterLayout::StdDualId),
                 (filter::FieldOrder{0, 1, 4, 5, 2, 3, 6, 7}));
        QCOMPARE(filter::IdListFieldOrder(FilterLayout::ExtSingleId), filter::kIndexFieldOrder);
    }

    // Bit j of a standard ID lands on cell 22 + j (filter 2: 6 + j), of an extended one on
    // cell 4 + j; every other cell is X.
    void idListEqualsTheCellPattern() {
        QRandomGenerator random(4242);
        for (int round = 0; round < 2000; ++round) {
            const std::uint32_t id1 = random.generate() & 0x1FFFFFFF;
            const std::uint32_t id2 = random.generate() & 0x7FF;
            const auto put = [](filter::CellStates &cells, std::uint32_t id, int lowCell,
                                int bits) {
                for (int j = 0; j < bits; ++j)
                    cells[lowCell + j - 1] =
                        (id >> j & 1) ? filter::CellState::One : filter::CellState::Zero;
            };
            for (FilterLayout layout :
                 {FilterLayout::StdSingleId, FilterLayout::StdDualId, FilterLayout::ExtSingleId}) {
                filter::CellStates cells;
                cells.fill(filter::CellState::DontCare);
                if (layout == FilterLayout::ExtSingleId) {
                    put(cells, id1, 4, 29);
                } else {
                    put(cells, id1 & 0x7FF, 22, 11);
                    if (layout == FilterLayout::StdDualId) put(cells, id2, 6, 11);
                }
                QCOMPARE(*filter::ComputeIdList(
                             layout,
                             id1 & (layout == FilterLayout::ExtSingleId ? 0x1FFFFFFF : 0x7FF), id2),
                         filter::ComputeCustomBits(cells));
            }
        }
    }
};

QTEST_APPLESS_MAIN(Ids)
#include "tst_ids.moc"
