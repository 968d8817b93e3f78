// The seven filter layouts: their records, the bit each caption names, and the selection rule.
#include <QtTest>

#include "filter/bit_names.h"
#include "filter/layout_selection.h"
#include "filter/layouts.h"
#include "frame_bits.h"

using filter::FilterLayout;

class Layouts : public QObject {
    Q_OBJECT

private slots:
    void layoutRecord_data();
    void layoutRecord();
    void captionsNameTheComparedBits_data();
    void captionsNameTheComparedBits();
    void captionsKeepTheirBlanks();
    void fullBitNames_data();
    void fullBitNames();
    void selectionRule_data();
    void selectionRule();
};

void Layouts::layoutRecord_data() {
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("entryText");
    QTest::addColumn<bool>("extended");
    QTest::addColumn<int>("mod3");
    QTest::addColumn<QString>("meaning");
    QTest::addColumn<int>("usableCells");
    QTest::addColumn<QList<int>>("disabledCells");
    QTest::addColumn<int>("idsUnderIdList");
    const auto range = [](int from, int to) {
        QList<int> cells;
        for (int cell = from; cell <= to; ++cell) cells << cell;
        return cells;
    };
    QTest::newRow("StdSingleId") << 0 << "标准帧 单滤波 (仅 ID)" << false << 1 << "含义：单滤波"
                                 << 11 << range(1, 21) << 1;
    QTest::newRow("StdSingleIdRtrData") << 1 << "标准帧 单滤波 (含 ID，RTR 和部分数据)" << false
                                        << 1 << "含义：单滤波" << 28 << range(17, 20) << 0;
    QTest::newRow("StdDualId") << 2 << "标准帧 双滤波 (仅 ID)" << false << 0 << "含义：双滤波" << 22
                               << range(1, 5) + range(17, 21) << 2;
    QTest::newRow("StdDualIdRtrData") << 3 << "标准帧 双滤波 (含 ID，RTR 和部分数据)" << false << 0
                                      << "含义：双滤波" << 32 << QList<int>() << 0;
    QTest::newRow("ExtSingleId") << 4 << "扩展帧 单滤波 (仅 ID)" << true << 1 << "含义：单滤波"
                                 << 29 << range(1, 3) << 1;
    QTest::newRow("ExtSingleIdRtr") << 5 << "扩展帧 单滤波 (含 ID 和 RTR)" << true << 1
                                    << "含义：单滤波" << 30 << range(1, 2) << 0;
    QTest::newRow("ExtDualPartialId") << 6 << "扩展帧 双滤波 (仅含部分 ID)" << true << 0
                                      << "含义：双滤波" << 32 << QList<int>() << 0;
}

void Layouts::layoutRecord() {
    QFETCH(int, layout);
    QFETCH(QString, entryText);
    QFETCH(bool, extended);
    QFETCH(int, mod3);
    QFETCH(QString, meaning);
    QFETCH(int, usableCells);
    QFETCH(QList<int>, disabledCells);
    QFETCH(int, idsUnderIdList);
    QCOMPARE(filter::LayoutAt(layout), std::optional(static_cast<FilterLayout>(layout)));
    const filter::FilterLayoutInfo &info = filter::LayoutInfo(static_cast<FilterLayout>(layout));
    QCOMPARE(QString::fromStdString(std::string(info.entryText)), entryText);
    QCOMPARE(info.frameFormat == filter::FrameFormat::Extended, extended);
    QCOMPARE(info.mod3, mod3);
    QCOMPARE(info.filterMode == filter::FilterMode::Single, mod3 == 1);
    QCOMPARE(QString::fromStdString(std::string(info.meaningText)), meaning);
    QCOMPARE(info.idsUnderIdList, idsUnderIdList);
    int usable = 0;
    for (int cell = 1; cell <= 32; ++cell) {
        usable += info.IsUsable(cell);
        QCOMPARE(info.IsUsable(cell), !disabledCells.contains(cell));
        // A disabled cell shows nothing; a usable one a digit or a letter.
        const std::string_view caption = info.Caption(cell);
        if (info.IsUsable(cell))
            QVERIFY(caption.find_first_of("0123456789RD") != std::string_view::npos);
        else
            QVERIFY(caption == "" || caption == " ");
    }
    QCOMPARE(usable, usableCells);
}

void Layouts::captionsNameTheComparedBits_data() {
    QTest::addColumn<int>("layout");
    for (int layout = 0; layout < filter::kFilterLayoutCount; ++layout)
        QTest::newRow(filter::kFilterLayouts[layout].entryText.data()) << layout;
}

void Layouts::captionsNameTheComparedBits() {
    QFETCH(int, layout);
    const auto id = static_cast<FilterLayout>(layout);
    const LayoutBits expected = ComparedBits(id);
    for (int cell = 32; cell >= 1; --cell) {
        const std::string named =
            filter::ShortBitName(filter::ComparedBitOf(filter::LayoutInfo(id), cell));
        QVERIFY2(named == expected[cell].name,
                 qPrintable(QStringLiteral("cell %1 names \"%2\", compares \"%3\"")
                                .arg(cell)
                                .arg(QString::fromStdString(named),
                                     QString::fromStdString(expected[cell].name))));
    }
}

void Layouts::captionsKeepTheirBlanks() {
    using filter::LayoutInfo;
    for (FilterLayout layout : {FilterLayout::ExtSingleId, FilterLayout::ExtSingleIdRtr})
        QCOMPARE(LayoutInfo(layout).Caption(4), std::string_view("  0 "));
    QCOMPARE(LayoutInfo(FilterLayout::StdDualIdRtrData).Caption(21), std::string_view("RT R "));
    QCOMPARE(LayoutInfo(FilterLayout::StdDualIdRtrData).Caption(20), std::string_view("DB1 .7"));
    QCOMPARE(LayoutInfo(FilterLayout::StdDualIdRtrData).Caption(4), std::string_view("DB1 .3 "));
    QCOMPARE(LayoutInfo(FilterLayout::StdSingleIdRtrData).Caption(21), std::string_view("RT R"));
    QCOMPARE(LayoutInfo(FilterLayout::ExtSingleIdRtr).Caption(3), std::string_view("RT R"));
    QCOMPARE(LayoutInfo(FilterLayout::ExtSingleId).Caption(3), std::string_view(" "));
    QCOMPARE(LayoutInfo(FilterLayout::StdDualId).Caption(21), std::string_view(" "));
    QCOMPARE(LayoutInfo(FilterLayout::StdDualId).Caption(20), std::string_view(""));
    QCOMPARE(LayoutInfo(FilterLayout::StdSingleId).Caption(27), std::string_view(" 23"));
    QCOMPARE(LayoutInfo(FilterLayout::ExtSingleId).Caption(9), std::string_view("  5"));
    for (int layout = 0; layout < filter::kFilterLayoutCount; ++layout) {
        QCOMPARE(filter::kFilterLayouts[layout].Caption(32), std::string_view("ID. 28"));
        const bool dual = filter::kFilterLayouts[layout].filterMode == filter::FilterMode::Dual;
        QCOMPARE(filter::kFilterLayouts[layout].Caption(16) == "ID. 28", dual);
    }
    QVERIFY(!filter::LayoutAt(-1).has_value());
    QVERIFY(!filter::LayoutAt(7).has_value());
    // The labels of strategies without cells show nothing but keep their blanks.
    QCOMPARE(filter::BlankCaption(1), std::string_view(""));
    QCOMPARE(filter::BlankCaption(21), std::string_view(""));
    QCOMPARE(filter::BlankCaption(22), std::string_view("  "));
    QCOMPARE(filter::BlankCaption(31), std::string_view("  "));
    QCOMPARE(filter::BlankCaption(32), std::string_view(" "));
}

void Layouts::fullBitNames_data() {
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("name");
    QTest::newRow("standard ID.28") << 0 << 32 << "ID.28 = 标准 ID 第 10 位";
    QTest::newRow("standard ID.18") << 2 << 6 << "ID.18 = 标准 ID 第 0 位";
    QTest::newRow("extended ID.5") << 4 << 9 << "ID.5 = 扩展 ID 第 5 位";
    QTest::newRow("extended ID.0") << 5 << 4 << "ID.0 = 扩展 ID 第 0 位";
    QTest::newRow("RTR") << 1 << 21 << "RTR = 远程传输请求位";
    QTest::newRow("split data byte") << 3 << 4 << "DB1.3 = 数据字节 1 第 3 位";
    QTest::newRow("second data byte") << 1 << 1 << "DB2.0 = 数据字节 2 第 0 位";
    QTest::newRow("not compared") << 0 << 21 << "";
}

void Layouts::fullBitNames() {
    QFETCH(int, layout);
    QFETCH(int, cell);
    QFETCH(QString, name);
    const filter::FilterLayoutInfo &info = filter::kFilterLayouts[layout];
    QCOMPARE(QString::fromStdString(
                 filter::FullBitName(filter::ComparedBitOf(info, cell), info.frameFormat)),
             name);
}

void Layouts::selectionRule_data() {
    QTest::addColumn<int>("layout");
    QTest::addColumn<bool>("offersIdList");
    QTest::addColumn<bool>("selectsCustomBits");
    QTest::addColumn<QString>("idFields");  // K keep, E enable, D disable
    QTest::newRow("StdSingleId") << 0 << true << false << "KKKK";
    QTest::newRow("StdSingleIdRtrData") << 1 << false << true << "DDDD";
    QTest::newRow("StdDualId") << 2 << true << false << "EEEE";
    QTest::newRow("StdDualIdRtrData") << 3 << false << true << "DDDD";
    QTest::newRow("ExtSingleId") << 4 << true << false << "EDED";
    QTest::newRow("ExtSingleIdRtr") << 5 << false << true << "DDDD";
    QTest::newRow("ExtDualPartialId") << 6 << false << true << "DDDD";
}

void Layouts::selectionRule() {
    QFETCH(int, layout);
    QFETCH(bool, offersIdList);
    QFETCH(bool, selectsCustomBits);
    QFETCH(QString, idFields);
    const filter::LayoutSelectionRule &rule =
        filter::SelectionRule(static_cast<FilterLayout>(layout));
    QCOMPARE(rule.offersIdList, offersIdList);
    QCOMPARE(rule.selectsCustomBits, selectsCustomBits);
    QCOMPARE(rule.offersIdList, filter::kFilterLayouts[layout].idsUnderIdList > 0);
    QString actual;
    for (filter::FieldChange change : rule.idFields)
        actual += change == filter::FieldChange::Keep     ? 'K'
                  : change == filter::FieldChange::Enable ? 'E'
                                                          : 'D';
    QCOMPARE(actual, idFields);
}

QTEST_APPLESS_MAIN(Layouts)
#include "tst_layouts.moc"
