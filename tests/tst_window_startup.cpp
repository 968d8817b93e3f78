// The window as it opens: its frame, every control's place and text, the start-up state and the
// tab order.
#include "window_fixture.h"

class WindowStartup : public QObject {
    Q_OBJECT

private slots:
    void windowFrame();
    void controlPlaceAndText_data();
    void controlPlaceAndText();
    void startUpState();
    void tabOrderVisitsEnabledControlsInOrder();

private:
    WindowFixture fixture_;
};

void WindowStartup::windowFrame() {
    Form1 &window = fixture_.window();
    QCOMPARE(window.windowTitle(),
             QStringLiteral("CAN 接收滤波计算器（支持SJA1000 和 Tarvon CAN Card）"));
    QCOMPARE(window.size(), QSize(585, 521));
    QCOMPARE(window.minimumSize(), QSize(585, 521));
    QCOMPARE(window.maximumSize(), QSize(585, 521));
    const Qt::WindowFlags flags = window.windowFlags();
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!window.windowIcon().isNull());
    QVERIFY(window.windowIcon().availableSizes().contains(QSize(16, 16)));
    QVERIFY(window.windowIcon().availableSizes().contains(QSize(32, 32)));
}

// Boxes in twips as the window is defined; a line's box is its two end points.
void WindowStartup::controlPlaceAndText_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<bool>("isLine");
    QTest::addColumn<QString>("text");
    const auto box = [](const char *name, QRect twips, const QString &text = {}) {
        QTest::newRow(name) << QString::fromLatin1(name) << twips << false << text;
    };
    const auto line = [](const char *name, int x1, int y1, int x2, int y2) {
        QTest::newRow(name) << QString::fromLatin1(name) << QRect(QPoint(x1, y1), QPoint(x2, y2))
                            << true << QString();
    };
    box("Frame2", {120, 0, 8535, 975});
    box("Label33", {360, 360, 3045, 450}, "CAN 接收滤波计算器");
    line("Line4", 4080, 240, 4080, 840);
    box("Image1", {4560, 130, 3510, 540});
    box("Label57", {5040, 690, 2535, 180});
    box("Option3", {360, 1200, 4095, 255}, "1、不做接收滤波，接收所有CAN报文");
    line("Line1", 120, 1560, 8640, 1560);
    box("Label34", {360, 1800, 1455, 255}, "滤波模式选择：");
    box("Combo1", {1800, 1800, 4695, 300});
    line("Line2", 360, 2280, 8400, 2280);
    box("Label43", {4440, 2400, 495, 255}, "ID1");
    box("Label48", {5520, 2400, 495, 255}, "ID2");
    box("Option2", {360, 2640, 3255, 255}, "2、滤波，只接收1～2个ID的报文");
    box("Label55", {3720, 2640, 615, 255}, "十进制");
    box("Text2(0)", {4440, 2640, 975, 270}, "0");
    box("Text2(1)", {5520, 2640, 975, 270}, "0");
    box("Label45", {840, 2895, 2535, 255}, "(直接填入需要接收的 ID 值)：");
    box("Label49", {3600, 3000, 735, 255}, "十六进制");
    box("Text4(0)", {4440, 3000, 975, 270}, "0");
    box("Text4(1)", {5520, 3000, 975, 270}, "0");
    line("Line3", 360, 3480, 8400, 3480);
    box("Option1", {360, 3600, 3375, 255}, "3、滤波，自定义滤波器的所有参数");
    box("Label56", {3720, 3630, 3615, 255}, "(按位设置，X 表示该位可为0，也可以为1)：");
    line("Line7", 120, 5400, 8640, 5400);
    box("Command33", {360, 5520, 6135, 495}, "计算");
    box("Label46", {360, 6240, 1335, 735}, "MOD.3(模式寄存器第三位：验收滤波器模式位)");
    box("Text3", {360, 6960, 1095, 270}, "1");
    box("Label47", {360, 7320, 1095, 255}, "含义：单滤波");
    box("Label35", {2280, 6240, 375, 255}, "ACR0");
    box("Label37", {2760, 6240, 375, 255}, "ACR1");
    box("Label39", {3240, 6240, 375, 255}, "ACR2");
    box("Label40", {3720, 6240, 375, 255}, "ACR3");
    box("Label44", {4200, 6240, 255, 255}, "-");
    box("Label53", {4440, 6240, 2175, 255}, "ACR(验收过滤码寄存器组)");
    box("Text1(0)", {2280, 6480, 375, 270}, "00");
    box("Text1(1)", {2760, 6480, 375, 270}, "00");
    box("Text1(2)", {3240, 6480, 375, 270}, "00");
    box("Text1(3)", {3720, 6480, 375, 270}, "00");
    box("Label50", {4200, 6480, 255, 255}, "-");
    box("Text5", {4440, 6480, 2055, 270}, "00000000");
    box("Label36", {2280, 6960, 855, 255}, "AMR0");
    box("Label38", {2760, 6960, 855, 255}, "AMR1");
    box("Label41", {3240, 6960, 855, 255}, "AMR2");
    box("Label42", {3720, 6960, 375, 255}, "AMR3");
    box("Label51", {4200, 6960, 255, 255}, "-");
    box("Label54", {4440, 6960, 2175, 255}, "AMR(验收屏蔽码寄存器组)");
    box("Text1(4)", {2280, 7200, 375, 270}, "FF");
    box("Text1(5)", {2760, 7200, 375, 270}, "FF");
    box("Text1(6)", {3240, 7200, 375, 270}, "FF");
    box("Text1(7)", {3720, 7200, 375, 270}, "FF");
    box("Label52", {4200, 7200, 255, 255}, "-");
    box("Text6", {4440, 7200, 2055, 270}, "FFFFFFFF");
    box("Label58", {6840, 5760, 1575, 1575},
        QStringLiteral("适用范围：") + QString(5, ' ') +
            "1、SJA1000及与其兼容的CAN控制器2、Tarvon Ventrel 软件及系列 CAN 卡" +
            QString(19, ' ') + "用法：无需移位直接复制填充即可)");
    // Cell 32 leftmost at 360, cell 1 rightmost at 8160, a gap after every eight.
    const int lefts[] = {8160, 7920, 7680, 7440, 7200, 6960, 6720, 6480, 6120, 5880, 5640,
                         5400, 5160, 4920, 4680, 4440, 4080, 3840, 3600, 3360, 3120, 2880,
                         2640, 2400, 2040, 1800, 1560, 1320, 1080, 840,  600,  360};
    for (int cell = 1; cell <= 32; ++cell) {
        const QByteArray label = "Label" + QByteArray::number(cell);
        const QByteArray button = "Command" + QByteArray::number(cell);
        box(label.constData(), {lefts[cell - 1], 4080, 255, 495});
        box(button.constData(), {lefts[cell - 1], 4440, 255, 735}, "X");
    }
}

void WindowStartup::controlPlaceAndText() {
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(bool, isLine);
    QFETCH(QString, text);
    const QWidget *widget = fixture_.control(name);
    const QRect expected =
        isLine ? QRect(QPoint(twips.left() / 15, twips.top() / 15),
                       QPoint(twips.right() / 15, twips.bottom() / 15))
               : QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15);
    QCOMPARE(widget->geometry(), expected);
    if (const auto *label = qobject_cast<const QLabel *>(widget); label && !text.isNull())
        QCOMPARE(label->text(), text);
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        QCOMPARE(button->text(), text);
    if (const auto *field = qobject_cast<const QLineEdit *>(widget)) QCOMPARE(field->text(), text);
    QVERIFY(widget->isVisible());
}

void WindowStartup::startUpState() {
    WindowFixture &f = fixture_;
    QVERIFY(f.option(1)->isChecked() && f.option(1)->isEnabled());
    QVERIFY(!f.option(2)->isChecked() && f.option(2)->isEnabled());
    QVERIFY(!f.option(3)->isChecked() && f.option(3)->isEnabled());
    QCOMPARE(f.layoutList()->currentIndex(), 0);
    QCOMPARE(f.layoutList()->currentText(), QStringLiteral("标准帧 单滤波 (仅 ID)"));
    QCOMPARE(f.layoutList()->count(), 7);
    QVERIFY(!f.layoutList()->isEditable());
    for (const char *name : {"Text2(0)", "Text2(1)", "Text4(0)", "Text4(1)"}) {
        QCOMPARE(f.field(name)->text(), QStringLiteral("0"));
        QVERIFY(!f.field(name)->isEnabled());
    }
    const QStringList captions = {"ID. 28", " 27", " 26", " 25", " 24", " 23",
                                  " 22",    " 21", " 20", " 19", " 18"};
    for (int cell = 32; cell >= 1; --cell) {
        const QString expected = cell >= 22 ? captions[32 - cell] : QString();
        QCOMPARE(f.bitLabel(cell)->text(), expected);
        QCOMPARE(f.cell(cell)->text(), QStringLiteral("X"));
        QCOMPARE(f.cell(cell)->isEnabled(), cell >= 22);
    }
    QVERIFY(f.control(QStringLiteral("Command33"))->isEnabled());
    QCOMPARE(f.results(), QStringList({"00", "00", "00", "00", "FF", "FF", "FF", "FF", "00000000",
                                       "FFFFFFFF", "1", "含义：单滤波"}));
    QCOMPARE(f.field("Text4(0)")->maxLength(), 8);
    QCOMPARE(f.field("Text4(1)")->maxLength(), 8);
    QVERIFY(f.field("Text2(0)")->maxLength() >= 32767);
}

// The window opens with focus on the first control; Tab walks the enabled controls in ascending
// tab index. Qt makes the option group a single tab stop (arrow keys move within it), kept by
// the option that last had focus.
void WindowStartup::tabOrderVisitsEnabledControlsInOrder() {
    WindowFixture &f = fixture_;
    QCOMPARE(QApplication::focusWidget(), f.option(3));
    QStringList expected = {"Option3", "Combo1"};
    for (int cell = 32; cell >= 22; --cell) expected << QStringLiteral("Command%1").arg(cell);
    expected << "Command33"
             << "Text3"
             << "Text1(0)"
             << "Text1(1)"
             << "Text1(2)"
             << "Text1(3)"
             << "Text5"
             << "Text1(4)"
             << "Text1(5)"
             << "Text1(6)"
             << "Text1(7)"
             << "Text6";
    QStringList visited;
    for (int step = 0; step < expected.size(); ++step) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, expected);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Option3"));
}

QTEST_MAIN(WindowStartup)
#include "tst_window_startup.moc"
