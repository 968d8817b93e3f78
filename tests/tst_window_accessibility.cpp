// What a screen reader is told: every control a user can focus or read is named, and the bit
// cells are named after the bit they compare under the current layout.
#include <QAccessible>

#include "window_fixture.h"

namespace {

QString Accessible(QWidget *widget, QAccessible::Text text) {
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(text) : QString();
}

}  // namespace

class WindowAccessibility : public QObject {
    Q_OBJECT

private slots:
    void everyFocusableOrReadableControlIsNamed();
    void fieldNames_data();
    void fieldNames();
    void cellsAreNamedAfterTheirBit_data();
    void cellsAreNamedAfterTheirBit();
    void cellStateIsTheValue();
};

void WindowAccessibility::everyFocusableOrReadableControlIsNamed() {
    WindowFixture f;
    const QList<QWidget *> controls = f.window().findChildren<QWidget *>();
    int checked = 0;
    for (QWidget *control : controls) {
        const bool focusable = control->focusPolicy() & Qt::TabFocus;
        const auto *label = qobject_cast<QLabel *>(control);
        const bool readable = label && !label->text().trimmed().isEmpty();
        if (control->objectName().isEmpty() || (!focusable && !readable)) continue;
        QVERIFY2(!Accessible(control, QAccessible::Name).trimmed().isEmpty(),
                 qPrintable(control->objectName()));
        ++checked;
    }
    QVERIFY(checked > 70);
    // The layout list is named by its label too (on Unix its accessible name is its entry).
    QWidget *layoutList = f.layoutList();
    QCOMPARE(layoutList->accessibleName(), QStringLiteral("滤波模式选择"));
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(layoutList);
    const auto labels = list->relations(QAccessible::Label);
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.first().first->object(), f.control(QStringLiteral("Label34")));
    QVERIFY(!Accessible(f.control(QStringLiteral("Image1")), QAccessible::Name).isEmpty());
}

void WindowAccessibility::fieldNames_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    const char *registers[] = {"ACR0", "ACR1", "ACR2", "ACR3", "AMR0", "AMR1", "AMR2", "AMR3"};
    for (int i = 0; i < 8; ++i)
        QTest::newRow(registers[i]) << QStringLiteral("Text1(%1)").arg(i) << registers[i];
    QTest::newRow("code word") << "Text5"
                               << "ACR";
    QTest::newRow("mask word") << "Text6"
                               << "AMR";
    QTest::newRow("mode") << "Text3"
                          << "MOD.3";
    QTest::newRow("ID1 decimal") << "Text2(0)"
                                 << "ID1 十进制";
    QTest::newRow("ID1 hex") << "Text4(0)"
                             << "ID1 十六进制";
    QTest::newRow("ID2 decimal") << "Text2(1)"
                                 << "ID2 十进制";
    QTest::newRow("ID2 hex") << "Text4(1)"
                             << "ID2 十六进制";
    QTest::newRow("calculate") << "Command33"
                               << "计算";
    QTest::newRow("meaning") << "Label47"
                             << "含义：单滤波";
}

void WindowAccessibility::fieldNames() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    WindowFixture f;
    QCOMPARE(Accessible(f.control(control), QAccessible::Name), name);
}

void WindowAccessibility::cellsAreNamedAfterTheirBit_data() {
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("strategy");
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::newRow("standard ID.28") << 0 << 1 << 32 << "ID.28"
                                    << "ID.28 = 标准 ID 第 10 位";
    QTest::newRow("standard ID.18") << 0 << 1 << 22 << "ID.18"
                                    << "ID.18 = 标准 ID 第 0 位";
    QTest::newRow("unused cell") << 0 << 1 << 21 << "寄存器 1 位 4"
                                 << "";
    QTest::newRow("extended ID.5") << 4 << 1 << 9 << "ID.5"
                                   << "ID.5 = 扩展 ID 第 5 位";
    QTest::newRow("RTR") << 1 << 1 << 21 << "RTR"
                         << "RTR = 远程传输请求位";
    QTest::newRow("data") << 1 << 1 << 15 << "DB1.6"
                          << "DB1.6 = 数据字节 1 第 6 位";
    QTest::newRow("second filter") << 2 << 1 << 6 << "ID.18"
                                   << "ID.18 = 标准 ID 第 0 位";
    QTest::newRow("ID list") << 2 << 2 << 32 << "寄存器 0 位 7"
                             << "";
    QTest::newRow("receive all") << 0 << 3 << 25 << "寄存器 0 位 0"
                                 << "";
}

void WindowAccessibility::cellsAreNamedAfterTheirBit() {
    QFETCH(int, layout);
    QFETCH(int, strategy);
    QFETCH(int, cell);
    QFETCH(QString, name);
    QFETCH(QString, description);
    WindowFixture f;
    f.pickLayout(layout);
    f.click(f.option(strategy));
    QPushButton *button = f.cell(cell);
    QCOMPARE(Accessible(button, QAccessible::Name), name);
    QCOMPARE(Accessible(button, QAccessible::Description), description);
    QCOMPARE(button->toolTip(), description);
    QCOMPARE(button->text(), QStringLiteral("X"));
}

// The name says which bit; the value says what the cell requires of it.
void WindowAccessibility::cellStateIsTheValue() {
    WindowFixture f;
    QPushButton *cell = f.cell(32);
    QCOMPARE(Accessible(cell, QAccessible::Value), QStringLiteral("X"));
    f.click(cell);
    QCOMPARE(Accessible(cell, QAccessible::Value), QStringLiteral("0"));
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(cell);
    QCOMPARE(accessible->role(), QAccessible::Button);
    QVERIFY(accessible->actionInterface());
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(cell->text(), QStringLiteral("1"));
    QCOMPARE(Accessible(cell, QAccessible::Name), QStringLiteral("ID.28"));
}

QTEST_MAIN(WindowAccessibility)
#include "tst_window_accessibility.moc"
