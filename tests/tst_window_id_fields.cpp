// The identifier fields as a user types, deletes and pastes, the ID-list strategy's entry, and
// Calculate from the typed identifiers.
#include <QClipboard>
#include <QInputMethodEvent>

#include "window_fixture.h"

namespace {

// Keys as a user presses them: "<End>", "<Home>", "<Left>", "<SelectAll>", "<Backspace>",
// "<Delete>", "<Paste>" or text typed character by character.
void Press(QLineEdit *field, const QStringList &keys) {
    for (const QString &key : keys) {
        if (key == "<End>")
            QTest::keyClick(field, Qt::Key_End);
        else if (key == "<Home>")
            QTest::keyClick(field, Qt::Key_Home);
        else if (key == "<Left>")
            QTest::keyClick(field, Qt::Key_Left);
        else if (key == "<SelectAll>")
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        else if (key == "<Backspace>")
            QTest::keyClick(field, Qt::Key_Backspace);
        else if (key == "<Delete>")
            QTest::keyClick(field, Qt::Key_Delete);
        else if (key == "<Paste>")
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        else
            for (QChar c : key)
                QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
    }
}

// Picks the layout, selects the ID-list strategy and types a value into ID1's decimal field.
void Prepare(WindowFixture &f, int layout, const QString &decimal) {
    f.pickLayout(layout);
    f.click(f.option(2));
    if (decimal != QLatin1String("0")) Press(f.field("Text2(0)"), {"<SelectAll>", decimal});
}

QString Pair(const WindowFixture &f, int id) {
    return f.field(QStringLiteral("Text2(%1)").arg(id))->text() + ", " +
           f.field(QStringLiteral("Text4(%1)").arg(id))->text();
}

QString EnabledIdFields(const WindowFixture &f) {
    return f.enabledFlags({"Text2(0)", "Text4(0)", "Text2(1)", "Text4(1)"});
}

void Paste(QLineEdit *field, const QString &text) {
    QApplication::clipboard()->setText(text);
    Press(field, {"<SelectAll>", "<Paste>"});
}

}  // namespace

class WindowIdFields : public QObject {
    Q_OBJECT

private slots:
    void typedEdits_data();
    void typedEdits();
    void extendedLimitsWhileTyping_data();
    void extendedLimitsWhileTyping();
    void keyFiltersOnTheRealFields_data();
    void keyFiltersOnTheRealFields();
    void editingKeysKeepTheirUsualMeaning();
    void typedValuesStayWithinTheLimit_data();
    void typedValuesStayWithinTheLimit();
    void pastes_data();
    void pastes();
    void inputMethodsAreOffAndCommitsAreChecked();
    void typingIntoId2KeepsTheKeystroke();
    void typingIntoId1RefillsId2Hex();
    void idListEntry_data();
    void idListEntry();
    void layoutChangeKeepsId2Texts();
    void tabVisitsIdFieldsInOrder();
    void calculateFromIds_data();
    void calculateFromIds();
    void standardLayoutUsesLowBitsOfALargerId();
};

void WindowIdFields::typedEdits_data() {
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("before");  // typed into the decimal field first
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("after");
    QTest::newRow("5 after the 0") << 0 << "0"
                                   << "Text2(0)" << QStringList{"<End>", "5"} << "5, 5";
    QTest::newRow("8 beyond the limit") << 0 << "204"
                                        << "Text2(0)" << QStringList{"<End>", "8"} << "2047, 7FF";
    QTest::newRow("decimal 5 deleted")
        << 0 << "5"
        << "Text2(0)" << QStringList{"<End>", "<Backspace>"} << "0, 0";
    QTest::newRow("decimal 0 deleted")
        << 0 << "0"
        << "Text2(0)" << QStringList{"<End>", "<Backspace>"} << ", 0";
    QTest::newRow("leading zero stays") << 0 << "0"
                                        << "Text2(0)" << QStringList{"<End>", "0"} << "00, 0";
    QTest::newRow("a after the hex 0") << 0 << "0"
                                       << "Text4(0)" << QStringList{"<End>", "a"} << "10, A";
    QTest::newRow("hex replaced by a") << 0 << "10"
                                       << "Text4(0)" << QStringList{"<SelectAll>", "a"} << "10, a";
    QTest::newRow("hex 800 beyond standard")
        << 0 << "128"
        << "Text4(0)" << QStringList{"<End>", "0"} << "2047, 7FF";
    QTest::newRow("hex deleted") << 0 << "31"
                                 << "Text4(0)" << QStringList{"<SelectAll>", "<Backspace>"}
                                 << "31, ";
    QTest::newRow("leading zeros while hex unchanged")
        << 0 << "5"
        << "Text2(0)" << QStringList{"<Home>", "0", "0", "0"} << "0005, 5";
}

void WindowIdFields::typedEdits() {
    QFETCH(int, layout);
    QFETCH(QString, before);
    QFETCH(QString, field);
    QFETCH(QStringList, keys);
    QFETCH(QString, after);
    WindowFixture f;
    Prepare(f, layout, before);
    QCOMPARE(f.field("Text2(0)")->text(), before);
    Press(f.field(field), keys);
    QCOMPARE(Pair(f, 0), after);
}

void WindowIdFields::extendedLimitsWhileTyping_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::newRow("decimal 536870912") << "Text2(0)"
                                       << "536870912"
                                       << "536870911, 1FFFFFFF";
    QTest::newRow("decimal 999999999") << "Text2(0)"
                                       << "999999999"
                                       << "536870911, 1FFFFFFF";
    QTest::newRow("hex 1ABCDEF0") << "Text4(0)"
                                  << "1ABCDEF0"
                                  << "448585456, 1ABCDEF0";
    QTest::newRow("hex 20000000") << "Text4(0)"
                                  << "20000000"
                                  << "536870911, 1FFFFFFF";
    QTest::newRow("hex 7FFFFFFF") << "Text4(0)"
                                  << "7FFFFFFF"
                                  << "536870911, 1FFFFFFF";
    QTest::newRow("hex 80000000") << "Text4(0)"
                                  << "80000000"
                                  << "0, 0";
    QTest::newRow("hex ffffffff") << "Text4(0)"
                                  << "ffffffff"
                                  << "0, 0";
}

void WindowIdFields::extendedLimitsWhileTyping() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    WindowFixture f;
    Prepare(f, 4, QStringLiteral("0"));
    Press(f.field(field), {"<SelectAll>", typed});
    QCOMPARE(Pair(f, 0), after);
}

void WindowIdFields::keyFiltersOnTheRealFields_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    const QString refused = QStringLiteral("xyzG -+.,/\\\t") + QChar(0xFF15) + QChar(0xFF21) +
                            QChar(0x4E2D) + QChar(0x0661);
    QTest::newRow("decimal refuses letters and more") << "Text2(0)"
                                                      << "12" + refused + "abcF"
                                                      << "12";
    // Each letter changes the value, so the decimal side writes it back in upper case.
    QTest::newRow("hex takes a-f and A-F") << "Text4(0)"
                                           << "aB" + refused + "cDeF"
                                           << "ABCDEF";
    QTest::newRow("hex holds eight") << "Text4(0)"
                                     << "123456789"
                                     << "12345678";
}

void WindowIdFields::keyFiltersOnTheRealFields() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    WindowFixture f;
    f.pickLayout(4);  // no clamp below the extended limit
    f.click(f.option(2));
    QLineEdit *target = f.field(field);
    target->setFocus();
    Press(target, {"<SelectAll>", "<Backspace>", typed});
    QCOMPARE(target->text(), text);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        QTest::keyClick(target, key);
    QCOMPARE(target->text(), text);
}

void WindowIdFields::editingKeysKeepTheirUsualMeaning() {
    WindowFixture f;
    Prepare(f, 4, QStringLiteral("123"));
    QLineEdit *decimal = f.field("Text2(0)");
    Press(decimal, {"<Home>", "<Delete>"});
    QCOMPARE(Pair(f, 0), QStringLiteral("23, 17"));
    Press(decimal, {"<End>", "<Left>", "9"});
    QCOMPARE(Pair(f, 0), QStringLiteral("293, 125"));
    QTest::keyClick(decimal, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Pair(f, 0), QStringLiteral("23, 17"));
    Press(decimal, {"<End>", "4"});
    QTest::keyClick(decimal, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(decimal, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("234"));
    // Cutting empties the field; the hexadecimal side changes to 0 and writes "0" back.
    QTest::keyClick(decimal, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("234"));
    QCOMPARE(Pair(f, 0), QStringLiteral("0, 0"));
    Press(f.field("Text4(0)"), {"<SelectAll>", "<Paste>"});
    QCOMPARE(Pair(f, 0), QStringLiteral("564, 234"));
}

void WindowIdFields::typedValuesStayWithinTheLimit_data() {
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::newRow("standard single") << 0 << "Text2(0)"
                                     << "99999"
                                     << "2047, 7FF";
    QTest::newRow("standard dual, ID2") << 2 << "Text2(1)"
                                        << "3000"
                                        << "2047, 7FF";
    QTest::newRow("standard dual, ID2 hex") << 2 << "Text4(1)"
                                            << "FFF"
                                            << "2047, 7FF";
    QTest::newRow("extended") << 4 << "Text2(0)"
                              << "9999999999"
                              << "536870911, 1FFFFFFF";
    QTest::newRow("at the limit") << 0 << "Text2(0)"
                                  << "2047"
                                  << "2047, 7FF";
}

void WindowIdFields::typedValuesStayWithinTheLimit() {
    QFETCH(int, layout);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    WindowFixture f;
    Prepare(f, layout, QStringLiteral("0"));
    Press(f.field(field), {"<SelectAll>", typed});
    QCOMPARE(Pair(f, field.endsWith("(1)") ? 1 : 0), after);
}

void WindowIdFields::pastes_data() {
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");
    // A pasted decimal text is read for its number; when that changes the hexadecimal text,
    // the hexadecimal side writes the number back in canonical form.
    QTest::newRow("decimal with letters") << 0 << "Text2(0)"
                                          << "12abc"
                                          << "12, C";
    QTest::newRow("decimal, same value") << 0 << "Text2(0)"
                                         << "31abc"
                                         << "31abc, 1F";
    QTest::newRow("decimal negative") << 0 << "Text2(0)"
                                      << "-5"
                                      << "0, 0";
    QTest::newRow("decimal letters only") << 0 << "Text2(0)"
                                          << "abc"
                                          << "0, 0";
    QTest::newRow("decimal half to even") << 0 << "Text2(0)"
                                          << "2.5"
                                          << "2, 2";
    QTest::newRow("decimal half up to even") << 0 << "Text2(0)"
                                             << "3.5"
                                             << "4, 4";
    QTest::newRow("decimal fraction, same value") << 0 << "Text2(0)"
                                                  << "30.5001"
                                                  << "30.5001, 1F";
    QTest::newRow("decimal 40 digits") << 0 << "Text2(0)" << QString(40, '9') << "2047, 7FF";
    QTest::newRow("decimal 40 digits, extended")
        << 4 << "Text2(0)" << QString(40, '7') << "536870911, 1FFFFFFF";
    QTest::newRow("hex with a blank refused") << 0 << "Text4(0)"
                                              << "12 34"
                                              << "31, 1F";
    QTest::newRow("hex with a prefix refused") << 0 << "Text4(0)"
                                               << "0x1F"
                                               << "31, 1F";
    QTest::newRow("hex with a sign refused") << 0 << "Text4(0)"
                                             << "-1"
                                             << "31, 1F";
    QTest::newRow("hex beyond F refused") << 0 << "Text4(0)"
                                          << "1G"
                                          << "31, 1F";
    QTest::newRow("hex full-width refused")
        << 0 << "Text4(0)" << QString(QChar(0xFF11)) << "31, 1F";
    QTest::newRow("hex valid") << 4 << "Text4(0)"
                               << "beef"
                               << "48879, BEEF";
    QTest::newRow("hex, same value") << 4 << "Text4(0)"
                                     << "001f"
                                     << "31, 001f";
    QTest::newRow("hex nine digits, eight kept") << 4 << "Text4(0)"
                                                 << "123456789"
                                                 << "305419896, 12345678";
    QTest::newRow("hex valid, clamped") << 0 << "Text4(0)"
                                        << "abc"
                                        << "2047, 7FF";
}

void WindowIdFields::pastes() {
    QFETCH(int, layout);
    QFETCH(QString, field);
    QFETCH(QString, pasted);
    QFETCH(QString, after);
    WindowFixture f;
    Prepare(f, layout, QStringLiteral("31"));
    Paste(f.field(field), pasted);
    QCOMPARE(Pair(f, 0), after);
}

void WindowIdFields::inputMethodsAreOffAndCommitsAreChecked() {
    WindowFixture f;
    Prepare(f, 0, QStringLiteral("31"));
    for (const char *name : {"Text2(0)", "Text2(1)", "Text4(0)", "Text4(1)"})
        QVERIFY(!f.field(name)->testAttribute(Qt::WA_InputMethodEnabled));
    // A commit that arrives anyway is handled like a paste.
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("１２"));
    QApplication::sendEvent(f.field("Text4(0)"), &commit);
    QCOMPARE(Pair(f, 0), QStringLiteral("31, 1F"));
}

// Typing into ID2's decimal field while ID1's hexadecimal text is not canonical: the rewrite of
// ID1's hex field must not copy ID2's old value back over the digit just typed.
void WindowIdFields::typingIntoId2KeepsTheKeystroke() {
    WindowFixture f;
    Prepare(f, 2, QStringLiteral("10"));
    Press(f.field("Text4(0)"), {"<SelectAll>", "a"});
    QCOMPARE(Pair(f, 0), QStringLiteral("10, a"));
    Press(f.field("Text2(1)"), {"<End>", "5"});
    QCOMPARE(Pair(f, 1), QStringLiteral("5, 5"));
    QCOMPARE(Pair(f, 0), QStringLiteral("10, A"));
    // Likewise right after ID1 was clamped.
    WindowFixture g;
    Prepare(g, 4, QStringLiteral("536870911"));
    g.pickLayout(2);
    Press(g.field("Text2(1)"), {"<End>", "7"});
    QCOMPARE(Pair(g, 1), QStringLiteral("7, 7"));
    QCOMPARE(Pair(g, 0), QStringLiteral("2047, 7FF"));
}

void WindowIdFields::typingIntoId1RefillsId2Hex() {
    WindowFixture f;
    Prepare(f, 2, QStringLiteral("0"));
    Press(f.field("Text2(1)"), {"<SelectAll>", "31"});
    Press(f.field("Text4(1)"), {"<SelectAll>", "<Backspace>"});
    QCOMPARE(Pair(f, 1), QStringLiteral("31, "));
    Press(f.field("Text2(0)"), {"<End>", "4"});
    QCOMPARE(Pair(f, 0), QStringLiteral("4, 4"));
    QCOMPARE(Pair(f, 1), QStringLiteral("31, 1F"));
    // After a layout change the values are re-checked only when a decimal text changes.
    WindowFixture g;
    Prepare(g, 4, QStringLiteral("536870911"));
    g.pickLayout(2);
    QCOMPARE(Pair(g, 0), QStringLiteral("536870911, 1FFFFFFF"));
    Press(g.field("Text4(0)"), {"<End>", "<Backspace>"});
    QCOMPARE(Pair(g, 0), QStringLiteral("2047, 7FF"));
}

void WindowIdFields::idListEntry_data() {
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("enabled");  // Text2(0), Text4(0), Text2(1), Text4(1)
    QTest::newRow("StdSingleId") << 0 << "1100";
    QTest::newRow("StdDualId") << 2 << "1111";
    QTest::newRow("ExtSingleId") << 4 << "1100";
}

void WindowIdFields::idListEntry() {
    QFETCH(int, layout);
    QFETCH(QString, enabled);
    WindowFixture f;
    f.pickLayout(layout);
    f.clickCell(32, 2);
    f.clickCell(24);
    const QStringList results = f.results();
    f.click(f.option(2));
    QCOMPARE(EnabledIdFields(f), enabled);
    for (int cell = 1; cell <= 32; ++cell) QVERIFY(!f.cell(cell)->isEnabled());
    QCOMPARE(f.labelTexts(), WindowFixture::blankLabelTexts());
    QCOMPARE(f.cell(32)->text(), QStringLiteral("1"));
    QCOMPARE(f.cell(24)->text(), QStringLiteral("0"));
    QCOMPARE(f.results(), results);
    for (const char *name : {"Text2(0)", "Text4(0)", "Text2(1)", "Text4(1)"})
        QCOMPARE(f.field(name)->text(), QStringLiteral("0"));
}

void WindowIdFields::layoutChangeKeepsId2Texts() {
    WindowFixture f;
    Prepare(f, 2, QStringLiteral("100"));
    Press(f.field("Text2(1)"), {"<SelectAll>", "200"});
    for (int layout : {0, 4}) {
        f.pickLayout(layout);
        QVERIFY(f.option(2)->isChecked());
        QCOMPARE(EnabledIdFields(f), QStringLiteral("1100"));
        QCOMPARE(Pair(f, 1), QStringLiteral("200, C8"));
        f.pickLayout(2);
        QCOMPARE(EnabledIdFields(f), QStringLiteral("1111"));
        QCOMPARE(Pair(f, 1), QStringLiteral("200, C8"));
    }
}

void WindowIdFields::tabVisitsIdFieldsInOrder() {
    WindowFixture f;
    Prepare(f, 2, QStringLiteral("0"));
    f.field("Text2(0)")->setFocus();
    QStringList visited;
    for (int step = 0; step < 5; ++step) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, QStringList({"Text2(0)", "Text4(0)", "Text2(1)", "Text4(1)", "Command33"}));
}

void WindowIdFields::calculateFromIds_data() {
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("id1");
    QTest::addColumn<QString>("id2");
    QTest::addColumn<QStringList>("results");
    QTest::newRow("standard 291") << 0 << "291"
                                  << "0"
                                  << QStringList{"24",       "60",       "00", "00",
                                                 "00",       "1F",       "FF", "FF",
                                                 "24600000", "001FFFFF", "1",  "含义：单滤波"};
    QTest::newRow("standard 2047, ID2 ignored")
        << 0 << "2047"
        << "5" << QStringList{"FF", "E0", "00",       "00",       "00", "1F",
                              "FF", "FF", "FFE00000", "001FFFFF", "1",  "含义：单滤波"};
    QTest::newRow("dual 291 and 0")
        << 2 << "291"
        << "0" << QStringList{"24", "60", "00",       "00",       "00", "1F",
                              "00", "1F", "24600000", "001F001F", "0",  "含义：双滤波"};
    QTest::newRow("extended max") << 4 << "536870911"
                                  << "0"
                                  << QStringList{"FF",       "FF",       "FF", "F8",
                                                 "00",       "00",       "00", "07",
                                                 "FFFFFFF8", "00000007", "1",  "含义：单滤波"};
    QTest::newRow("extended 0x12345678")
        << 4 << "305419896"
        << "0" << QStringList{"91", "A2", "B3",       "C0",       "00", "00",
                              "00", "07", "91A2B3C0", "00000007", "1",  "含义：单滤波"};
}

void WindowIdFields::calculateFromIds() {
    QFETCH(int, layout);
    QFETCH(QString, id1);
    QFETCH(QString, id2);
    QFETCH(QStringList, results);
    WindowFixture f;
    if (layout != 2 && id2 != "0") {  // type ID2 where it can be typed, then change layout
        Prepare(f, 2, QStringLiteral("0"));
        Press(f.field("Text2(1)"), {"<SelectAll>", id2});
    }
    Prepare(f, layout, id1);
    if (layout == 2) Press(f.field("Text2(1)"), {"<SelectAll>", id2});
    f.calculate();
    QCOMPARE(f.results(), results);
}

void WindowIdFields::standardLayoutUsesLowBitsOfALargerId() {
    WindowFixture f;
    Prepare(f, 4, QStringLiteral("2048"));
    f.pickLayout(0);
    QCOMPARE(Pair(f, 0), QStringLiteral("2048, 800"));
    f.calculate();
    QCOMPARE(f.results().mid(0, 2), QStringList({"00", "00"}));
    // An emptied decimal field whose partner already shows 0 stays empty and counts as 0.
    f.pickLayout(2);
    Press(f.field("Text2(1)"), {"<SelectAll>", "291"});
    Press(f.field("Text2(0)"), {"<SelectAll>", "0"});
    Press(f.field("Text2(0)"), {"<SelectAll>", "<Backspace>"});
    QCOMPARE(Pair(f, 0), QStringLiteral(", 0"));
    f.calculate();
    QCOMPARE(f.results().mid(0, 4), QStringList({"00", "00", "24", "60"}));
}

QTEST_MAIN(WindowIdFields)
#include "tst_window_id_fields.moc"
