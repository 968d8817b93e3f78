// Clicking bit cells, and the keys and fields that must not do more than they should.
#include <QClipboard>

#include "window_fixture.h"

class WindowCells : public QObject {
    Q_OBJECT

private slots:
    void clickCyclesOneCellOnly_data();
    void clickCyclesOneCellOnly();
    void disabledCellIgnoresClicks();
    void enterAndEscapePressNothing();
    void resultFieldsRefuseTypingYetCopy();
    void logoDoubleClickDoesNothing();
};

void WindowCells::clickCyclesOneCellOnly_data() {
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QString>("caption");
    for (int cell : {32, 25, 22}) {
        const QByteArray name = "Command" + QByteArray::number(cell);
        QTest::newRow(name + " once") << cell << 1 << "0";
        QTest::newRow(name + " twice") << cell << 2 << "1";
        QTest::newRow(name + " three times") << cell << 3 << "X";
        QTest::newRow(name + " four times") << cell << 4 << "0";
    }
}

void WindowCells::clickCyclesOneCellOnly() {
    QFETCH(int, cell);
    QFETCH(int, clicks);
    QFETCH(QString, caption);
    WindowFixture f;
    const QStringList results = f.results();
    f.clickCell(cell, clicks);
    QString expected(32, 'X');
    expected[32 - cell] = caption.at(0);
    QCOMPARE(f.cellCaptions(), expected);
    QCOMPARE(f.results(), results);
    QCOMPARE(f.bitLabel(cell)->text(),
             cell == 32 ? QStringLiteral("ID. 28") : QStringLiteral(" %1").arg(cell - 4));
}

void WindowCells::disabledCellIgnoresClicks() {
    WindowFixture f;
    for (int cell : {1, 9, 21}) f.clickCell(cell);
    QCOMPARE(f.cellCaptions(), QString(32, 'X'));
    // Receive-all disables every cell; a "1" set before stays "1".
    f.clickCell(30, 2);
    f.click(f.option(3));
    f.clickCell(30);
    QCOMPARE(f.cell(30)->text(), QStringLiteral("1"));
    QVERIFY(!f.cell(30)->isEnabled());
}

void WindowCells::enterAndEscapePressNothing() {
    WindowFixture f;
    f.clickCell(32, 2);
    const QStringList before = f.results();
    auto *calculate = f.control<QPushButton>(QStringLiteral("Command33"));
    QVERIFY(!calculate->isDefault() && !calculate->autoDefault());
    calculate->setFocus();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        QTest::keyClick(calculate, key);
    QCOMPARE(f.results(), before);
    f.cell(31)->setFocus();
    QTest::keyClick(f.cell(31), Qt::Key_Return);
    QTest::keyClick(f.cell(31), Qt::Key_Escape);
    QCOMPARE(f.cell(31)->text(), QStringLiteral("X"));
    QVERIFY(f.window().isVisible());
    // Space presses the focused button.
    QTest::keyClick(calculate, Qt::Key_Space);
    QCOMPARE(f.results(), QStringList({"80", "00", "00", "00", "7F", "FF", "FF", "FF", "80000000",
                                       "7FFFFFFF", "1", "含义：单滤波"}));
}

void WindowCells::resultFieldsRefuseTypingYetCopy() {
    WindowFixture f;
    const QStringList names = {"Text1(0)", "Text1(1)", "Text1(2)", "Text1(3)",
                               "Text1(4)", "Text1(5)", "Text1(6)", "Text1(7)",
                               "Text3",    "Text5",    "Text6"};
    for (const QString &name : names) {
        QLineEdit *field = f.field(name);
        const QString text = field->text();
        f.click(field);
        QCOMPARE(QApplication::focusWidget(), field);
        QTest::keyClicks(field, "12AB");
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(field->text(), text);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(field->selectedText(), text);
        QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), text);
    }
}

void WindowCells::logoDoubleClickDoesNothing() {
    WindowFixture f;
    QWidget *logo = f.control(QStringLiteral("Image1"));
    QVERIFY(logo->toolTip().startsWith(QStringLiteral("双击进入")));
    const QStringList before = f.results();
    const QString captions = f.cellCaptions();
    QTest::mouseDClick(logo, Qt::LeftButton);
    QCOMPARE(f.results(), before);
    QCOMPARE(f.cellCaptions(), captions);
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.cbegin(), windows.cend(),
                           [](const QWidget *w) {
                               return w->isVisible() && w->isWindow() &&
                                      w->windowType() != Qt::ToolTip;
                           }),
             1);
}

QTEST_MAIN(WindowCells)
#include "tst_window_cells.moc"
