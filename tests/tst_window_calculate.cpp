// Calculate under the custom and receive-all strategies, and the receive-all entry itself.
#include "window_fixture.h"

namespace {

// Clicks the cells from cell 32 down to show the given captions ('0', '1', 'X' from "X").
void SetCells(const WindowFixture &f, const QString &fromCell32) {
    const QString cycle = QStringLiteral("X01");
    for (int i = 0; i < fromCell32.size(); ++i)
        f.clickCell(32 - i, int(cycle.indexOf(fromCell32[i])));
}

}  // namespace

class WindowCalculate : public QObject {
    Q_OBJECT

private slots:
    void customBits_data();
    void customBits();
    void modeFollowsTheLayoutOnlyWhenCalculated();
    void receiveAllShowsAcceptEverything();
    void receiveAllIsIdempotentAndKeepsInputs();
    void calculateUnderReceiveAllAddsModeAndWords();
};

void WindowCalculate::customBits_data() {
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("cells");  // from cell 32; cells not listed stay X
    QTest::addColumn<QStringList>("results");
    QTest::newRow("all X") << 0 << QString()
                           << QStringList{"00", "00", "00",       "00",       "FF", "FF",
                                          "FF", "FF", "00000000", "FFFFFFFF", "1",  "含义：单滤波"};
    QTest::newRow("standard identifier 0x123")
        << 0 << "00100100011"
        << QStringList{"24", "60", "00",       "00",       "00", "1F",
                       "FF", "FF", "24600000", "001FFFFF", "1",  "含义：单滤波"};
    QTest::newRow("all ones, dual with data")
        << 3 << QString(32, '1')
        << QStringList{"FF", "FF", "FF",       "FF",       "00", "00",
                       "00", "00", "FFFFFFFF", "00000000", "0",  "含义：双滤波"};
    QTest::newRow("only cell 1 one, extended dual")
        << 6 << QString(31, '0') + '1'
        << QStringList{"00", "00", "00",       "01",       "00", "00",
                       "00", "00", "00000001", "00000000", "0",  "含义：双滤波"};
    QTest::newRow("extended single with RTR")
        << 5
        << QStringLiteral(
               "1XXXXXXX"
               "XXXXXXXX"
               "XXXXXXXX"
               "XXXX01")
        << QStringList{"80", "00", "00",       "04",       "7F", "FF",
                       "FF", "F3", "80000004", "7FFFFFF3", "1",  "含义：单滤波"};
}

void WindowCalculate::customBits() {
    QFETCH(int, layout);
    QFETCH(QString, cells);
    QFETCH(QStringList, results);
    WindowFixture f;
    f.pickLayout(layout);
    SetCells(f, cells);
    f.calculate();
    QCOMPARE(f.results(), results);
}

void WindowCalculate::modeFollowsTheLayoutOnlyWhenCalculated() {
    WindowFixture f;
    f.calculate();
    f.pickLayout(2);
    QCOMPARE(f.results().mid(10), QStringList({"1", "含义：单滤波"}));
    f.calculate();
    QCOMPARE(f.results().mid(10), QStringList({"0", "含义：双滤波"}));
}

void WindowCalculate::receiveAllShowsAcceptEverything() {
    WindowFixture f;
    f.pickLayout(2);
    SetCells(f, QStringLiteral("1101"));
    f.calculate();
    QCOMPARE(f.results().mid(10), QStringList({"0", "含义：双滤波"}));
    f.click(f.option(3));
    QCOMPARE(f.results(), QStringList({"00", "00", "00", "00", "FF", "FF", "FF", "FF", "00000000",
                                       "FFFFFFFF", "0", "含义：双滤波"}));
    QVERIFY(f.option(3)->isChecked());
    for (int cell = 1; cell <= 32; ++cell) QVERIFY(!f.cell(cell)->isEnabled());
    // Nothing shows, though the labels of cells 22 to 31 hold two blanks and cell 32 one.
    QCOMPARE(f.labelTexts(), WindowFixture::blankLabelTexts());
    QCOMPARE(f.cellCaptions(), QStringLiteral("1101") + QString(28, 'X'));
    QVERIFY(f.layoutList()->isEnabled());
    QVERIFY(f.control(QStringLiteral("Command33"))->isEnabled());
}

void WindowCalculate::receiveAllIsIdempotentAndKeepsInputs() {
    WindowFixture f;
    f.pickLayout(2);
    f.click(f.option(2));
    QTest::keyClicks(f.field("Text2(0)"), "12");
    f.click(f.option(3));
    const QStringList once = f.results();
    const QString labels = f.labelTexts();
    QCOMPARE(f.field("Text2(0)")->text(), QStringLiteral("12"));
    QCOMPARE(f.field("Text4(0)")->text(), QStringLiteral("C"));
    for (const char *name : {"Text2(0)", "Text2(1)", "Text4(0)", "Text4(1)"})
        QVERIFY(!f.field(name)->isEnabled());
    // Selecting it again is no change of selection; the window stays as it is.
    f.click(f.option(3));
    QTest::keyClick(f.option(3), Qt::Key_Space);
    QCOMPARE(f.results(), once);
    QCOMPARE(f.labelTexts(), labels);
    QVERIFY(f.option(2)->isEnabled());
}

void WindowCalculate::calculateUnderReceiveAllAddsModeAndWords() {
    WindowFixture f;
    f.click(f.option(3));
    f.pickLayout(2);
    QVERIFY(f.option(3)->isChecked());
    f.calculate();
    QCOMPARE(f.results(), QStringList({"00", "00", "00", "00", "FF", "FF", "FF", "FF", "00000000",
                                       "FFFFFFFF", "0", "含义：双滤波"}));
}

QTEST_MAIN(WindowCalculate)
#include "tst_window_calculate.moc"
