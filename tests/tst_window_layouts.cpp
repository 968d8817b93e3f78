// Picking a layout and entering the custom strategy, by the strategy selected before.
#include "filter/layouts.h"
#include "window_fixture.h"

namespace {

enum Strategy { ReceiveAll = 3, IdList = 2, CustomBits = 1 };

QString Captions(const filter::FilterLayoutInfo &layout) {
    QString joined;
    for (int cell = 32; cell >= 1; --cell)
        joined += QString::fromUtf8(layout.Caption(cell).data(), layout.Caption(cell).size()) + '|';
    return joined;
}

QString EnabledCells(const WindowFixture &f) {
    QString flags;
    for (int cell = 32; cell >= 1; --cell) flags += f.cell(cell)->isEnabled() ? '1' : '0';
    return flags;
}

QString UsableCells(const filter::FilterLayoutInfo &layout) {
    QString flags;
    for (int cell = 32; cell >= 1; --cell) flags += layout.IsUsable(cell) ? '1' : '0';
    return flags;
}

// Enabled flags of Text2(0), Text2(1), Text4(0), Text4(1).
QString EnabledIdFields(const WindowFixture &f) {
    return f.enabledFlags({"Text2(0)", "Text2(1)", "Text4(0)", "Text4(1)"});
}

int SelectedStrategy(const WindowFixture &f) {
    for (int option : {1, 2, 3})
        if (f.option(option)->isChecked()) return option;
    return 0;
}

}  // namespace

class WindowLayouts : public QObject {
    Q_OBJECT

private slots:
    void pickLayout_data();
    void pickLayout();
    void pickingAnyLayoutResetsTheCells();
    void reselectingTheCustomStrategyKeepsThePattern();
    void enteringCustomStrategyLaysOutTheLayout();
    void idListReturnsWhenTheLayoutAllowsIt();
    void keyboardPicksLayoutsToo();
};

void WindowLayouts::pickLayout_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("after");
    QTest::addColumn<QString>("idFields");
    for (int layout = 0; layout < 7; ++layout) {
        const bool idLayout = layout == 0 || layout == 2 || layout == 4;
        const QByteArray name = QByteArray::number(layout);
        QTest::newRow("custom, layout " + name)
            << int(CustomBits) << layout << int(CustomBits) << "0000";
        QTest::newRow("ID list, layout " + name)
            << int(IdList) << layout << int(idLayout ? IdList : CustomBits)
            << (!idLayout     ? "0000"
                : layout == 2 ? "1111"
                              : "1010");
        // Under receive-all, layout 0 keeps the fields as receive-all left them (disabled).
        QTest::newRow("receive all, layout " + name)
            << int(ReceiveAll) << layout << int(idLayout ? ReceiveAll : CustomBits)
            << (!idLayout     ? "0000"
                : layout == 2 ? "1111"
                : layout == 4 ? "1010"
                              : "0000");
    }
}

void WindowLayouts::pickLayout() {
    QFETCH(int, before);
    QFETCH(int, layout);
    QFETCH(int, after);
    QFETCH(QString, idFields);
    WindowFixture f;
    // A calculation first, so that untouched results are recognisable.
    f.clickCell(32, 2);
    f.calculate();
    if (before == IdList) f.pickLayout(2);
    f.click(f.option(before));
    const QStringList results = f.results();
    const QString cellCaptions = f.cellCaptions();
    QCOMPARE(SelectedStrategy(f), before);

    f.pickLayout(layout);

    const filter::FilterLayoutInfo &info = filter::kFilterLayouts[layout];
    QCOMPARE(f.layoutList()->currentIndex(), layout);
    QCOMPARE(SelectedStrategy(f), after);
    QCOMPARE(f.option(2)->isEnabled(), info.idsUnderIdList > 0);
    QVERIFY(f.option(1)->isEnabled() && f.option(3)->isEnabled());
    QCOMPARE(EnabledIdFields(f), idFields);
    QCOMPARE(f.results(), results);
    if (after == CustomBits) {
        QCOMPARE(f.labelTexts(), Captions(info));
        QCOMPARE(EnabledCells(f), UsableCells(info));
        QCOMPARE(f.cellCaptions(), QString(32, 'X'));
    } else {
        QCOMPARE(f.labelTexts(), WindowFixture::blankLabelTexts());
        QCOMPARE(EnabledCells(f), QString(32, '0'));
        QCOMPARE(f.cellCaptions(), cellCaptions);
    }
}

void WindowLayouts::pickingAnyLayoutResetsTheCells() {
    WindowFixture f;
    f.pickLayout(3);
    for (int layout : {3, 6, 0, 0}) {
        f.clickCell(32);
        f.clickCell(25, 2);
        QCOMPARE(f.cell(32)->text(), QStringLiteral("0"));
        f.pickLayout(layout);
        QCOMPARE(f.cellCaptions(), QString(32, 'X'));
    }
}

void WindowLayouts::reselectingTheCustomStrategyKeepsThePattern() {
    WindowFixture f;
    f.clickCell(30, 2);
    f.click(f.option(1));
    QTest::keyClick(f.option(1), Qt::Key_Space);
    QCOMPARE(f.cell(30)->text(), QStringLiteral("1"));
}

void WindowLayouts::enteringCustomStrategyLaysOutTheLayout() {
    WindowFixture f;
    f.pickLayout(2);
    f.click(f.option(2));
    QCOMPARE(EnabledIdFields(f), QStringLiteral("1111"));
    f.click(f.option(1));
    QCOMPARE(EnabledIdFields(f), QStringLiteral("0000"));
    // Cells 6 to 16 and 22 to 32 usable.
    QCOMPARE(EnabledCells(f), QStringLiteral("11111111111000001111111111100000"));
    QCOMPARE(f.labelTexts(), Captions(filter::kFilterLayouts[2]));
    QCOMPARE(f.cellCaptions(), QString(32, 'X'));
}

void WindowLayouts::idListReturnsWhenTheLayoutAllowsIt() {
    WindowFixture f;
    for (int layout : {3, 5, 6}) {
        f.pickLayout(layout);
        QVERIFY(!f.option(2)->isEnabled());
        f.pickLayout(layout == 3 ? 0 : layout == 5 ? 2 : 4);
        QVERIFY(f.option(2)->isEnabled());
        QVERIFY(!f.option(2)->isChecked());
        QVERIFY(f.option(1)->isChecked());
    }
}

void WindowLayouts::keyboardPicksLayoutsToo() {
    WindowFixture f;
    f.layoutList()->setFocus();
    QTest::keyClick(f.layoutList(), Qt::Key_Down);
    QCOMPARE(f.layoutList()->currentIndex(), 1);
    QCOMPARE(f.labelTexts(), Captions(filter::kFilterLayouts[1]));
    QVERIFY(!f.option(2)->isEnabled());
    QTest::keyClick(f.layoutList(), Qt::Key_End);
    QCOMPARE(f.layoutList()->currentIndex(), 6);
    QCOMPARE(f.labelTexts(), Captions(filter::kFilterLayouts[6]));
}

QTEST_MAIN(WindowLayouts)
#include "tst_window_layouts.moc"
