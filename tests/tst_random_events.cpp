// A long, seeded, random mix of what a user can do to the window, checking after every event
// that the window is still consistent and that Calculate writes what the core computes.
//   RANDOM_EVENTS_SEED=n    repeat a run (the seed is printed on failure and at the start)
//   RANDOM_EVENTS_COUNT=n   number of events (default 20000)
#include <QClipboard>
#include <QRandomGenerator>

#include "filter/id_list.h"
#include "filter/layouts.h"
#include "filter/registers.h"
#include "ids/conversions.h"
#include "ids/limits.h"
#include "window_fixture.h"

namespace {

quint32 SeedFromEnvironment() {
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("RANDOM_EVENTS_SEED").toUInt(&ok);
    return ok ? seed : QRandomGenerator::system()->generate();
}

int CountFromEnvironment() {
    bool ok = false;
    const int count = qEnvironmentVariableIntValue("RANDOM_EVENTS_COUNT", &ok);
    return ok ? count : 20000;
}

// Characters a user might type or paste: digits, letters, full-width and other non-ASCII
// characters, blanks, signs and control characters.
QString RandomText(QRandomGenerator &random, int maxLength) {
    static const QString alphabet = QStringLiteral(
        "0123456789012345678901234567890123456789abcdefABCDEFxyzXYZgG .,+-_/#\t\r\n\x01\x7F"
        "０１２３４５６７８９ＡＢＣ中文十进制１２éü٣\u200B");
    QString text;
    const int length = random.bounded(maxLength + 1);
    for (int i = 0; i < length; ++i) text += alphabet.at(random.bounded(int(alphabet.size())));
    return text;
}

filter::CellState StateOf(const QString &caption) {
    return filter::CellStateFromCaption(caption.toStdString())
        .value_or(filter::CellState::DontCare);
}

}  // namespace

class RandomEvents : public QObject {
    Q_OBJECT

private slots:
    void windowStaysConsistent();

private:
    void act(WindowFixture &f, QRandomGenerator &random);
    void pressKey(QRandomGenerator &random);
    QStringList expectedAfterCalculate(const WindowFixture &f) const;
    void checkInvariants(const WindowFixture &f);

    QList<QWidget *> controls_;
    QString context_;                 // seed and event number, for failure messages
    QLineEdit *typedInto_ = nullptr;  // decimal field a key was typed into by the last event
    QString typedBefore_;
};

void RandomEvents::windowStaysConsistent() {
    const quint32 seed = SeedFromEnvironment();
    const int count = CountFromEnvironment();
    qInfo("random events: seed %u, %d events", seed, count);
    QRandomGenerator random(seed);
    WindowFixture f;
    for (QWidget *widget : f.window().findChildren<QWidget *>())
        if (!widget->objectName().isEmpty()) controls_ << widget;
    std::sort(controls_.begin(), controls_.end(),
              [](QWidget *a, QWidget *b) { return a->objectName() < b->objectName(); });
    for (int event = 0; event < count; ++event) {
        context_ = QStringLiteral("seed %1, event %2").arg(seed).arg(event);
        act(f, random);
        if (!QTest::currentTestFailed()) checkInvariants(f);
        if (QTest::currentTestFailed()) {
            qInfo("failed at %s", qPrintable(context_));
            return;
        }
    }
}

void RandomEvents::act(WindowFixture &f, QRandomGenerator &random) {
    typedInto_ = nullptr;
    const int kind = random.bounded(100);
    if (kind < 30) {  // click any control, disabled ones and labels included
        QWidget *target = controls_.at(random.bounded(int(controls_.size())));
        f.click(target);
        // A press that opens the layout list makes the list ignore clicks near it for a
        // double-click interval; a user's next pick comes later than that.
        if (target == f.layoutList()) QTest::qWait(QApplication::doubleClickInterval() + 20);
    } else if (kind < 33) {
        f.pickLayout(random.bounded(7));
    } else if (kind < 38) {  // the layout list by keyboard
        f.layoutList()->setFocus();
        const Qt::Key keys[] = {Qt::Key_Up,  Qt::Key_Down,   Qt::Key_Home,
                                Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown};
        QTest::keyClick(f.layoutList(), keys[random.bounded(6)]);
    } else if (kind < 45) {
        // Calculate writes what the core computes from the controls as they stand.
        const QStringList expected = expectedAfterCalculate(f);
        f.calculate();
        QVERIFY2(f.results() == expected,
                 qPrintable(context_ + ": " + f.results().join(' ') + " != " + expected.join(' ')));
    } else if (kind < 55) {  // focus an identifier field as a user would, by clicking it
        const char *names[] = {"Text2(0)", "Text2(1)", "Text4(0)", "Text4(1)"};
        f.click(f.field(names[random.bounded(4)]));
    } else if (kind < 80) {  // typing into whatever has focus
        QWidget *focus = QApplication::focusWidget();
        if (!focus) return;
        auto *field = qobject_cast<QLineEdit *>(focus);
        if (field && f.field("Text2(0)") != field && f.field("Text2(1)") != field) field = nullptr;
        typedInto_ = field;
        typedBefore_ = field ? field->text() : QString();
        const QString text = RandomText(random, 3);
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, focus, Qt::Key_unknown, QString(c), Qt::NoModifier);
    } else if (kind < 92) {
        pressKey(random);
    } else {  // paste into whatever has focus
        QApplication::clipboard()->setText(RandomText(random, 12));
        if (QWidget *focus = QApplication::focusWidget())
            QTest::keyClick(focus, Qt::Key_V, Qt::ControlModifier);
    }
}

void RandomEvents::pressKey(QRandomGenerator &random) {
    QWidget *focus = QApplication::focusWidget();
    if (!focus) return;
    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    const Key keys[] = {{Qt::Key_Backspace, {}},
                        {Qt::Key_Delete, {}},
                        {Qt::Key_Tab, {}},
                        {Qt::Key_Backtab, Qt::ShiftModifier},
                        {Qt::Key_Left, {}},
                        {Qt::Key_Right, {}},
                        {Qt::Key_Home, {}},
                        {Qt::Key_End, {}},
                        {Qt::Key_Space, {}},
                        {Qt::Key_Return, {}},
                        {Qt::Key_Escape, {}},
                        {Qt::Key_Up, {}},
                        {Qt::Key_Down, {}},
                        {Qt::Key_A, Qt::ControlModifier},
                        {Qt::Key_X, Qt::ControlModifier},
                        {Qt::Key_Z, Qt::ControlModifier}};
    const Key &key = keys[random.bounded(int(std::size(keys)))];
    auto *field = qobject_cast<QLineEdit *>(focus);
    const bool decimal = field && field->objectName().startsWith(QLatin1String("Text2"));
    if (decimal && (key.key == Qt::Key_Backspace || key.key == Qt::Key_Delete)) {
        typedInto_ = field;
        typedBefore_ = field->text();
    }
    QTest::keyClick(focus, key.key, key.modifiers);
}

// What Calculate must write into Text1(0..7), Text5, Text6, Text3 and Label47, computed with the
// core from the controls' state before the click.
QStringList RandomEvents::expectedAfterCalculate(const WindowFixture &f) const {
    QStringList fields = f.results();
    const auto layout = filter::LayoutAt(f.layoutList()->currentIndex());
    std::optional<filter::RegisterSet> registers;
    if (f.option(2)->isChecked() && layout) {
        const auto id1 = ids::DecimalIdValue(f.field("Text2(0)")->text().toStdString());
        const auto id2 = ids::DecimalIdValue(f.field("Text2(1)")->text().toStdString());
        registers = filter::ComputeIdList(*layout, std::uint32_t(id1), std::uint32_t(id2));
    } else if (f.option(1)->isChecked()) {
        filter::CellStates cells{};
        for (int cell = 1; cell <= 32; ++cell) cells[cell - 1] = StateOf(f.cell(cell)->text());
        registers = filter::ComputeCustomBits(cells);
    }
    if (registers)
        for (int field = 0; field < 8; ++field)
            fields[field] = QString::fromStdString(
                filter::FormatRegisterByte(filter::RegisterField(*registers, field)));
    fields[8] = fields.mid(0, 4).join(QString());
    fields[9] = fields.mid(4, 4).join(QString());
    if (layout) {
        fields[10] = QString::number(filter::LayoutInfo(*layout).mod3);
        fields[11] = QString::fromStdString(std::string(filter::LayoutInfo(*layout).meaningText));
    }
    return fields;
}

void RandomEvents::checkInvariants(const WindowFixture &f) {
    const QByteArray context = context_.toLocal8Bit();
    const char *where = context.constData();
    for (int cell = 1; cell <= 32; ++cell) {
        const QString caption = f.cell(cell)->text();
        QVERIFY2(caption == "0" || caption == "1" || caption == "X", where);
    }
    static const QRegularExpression hexText(QStringLiteral("^[0-9A-Fa-f]{1,8}$"));
    for (const char *name : {"Text4(0)", "Text4(1)"}) {
        const QString text = f.field(name)->text();
        QVERIFY2(text.isEmpty() || hexText.match(text).hasMatch(),
                 qPrintable(context_ + ": " + name + " holds " + text));
    }
    const auto layout = filter::LayoutAt(f.layoutList()->currentIndex());
    QVERIFY2(layout.has_value(), where);
    if (typedInto_ && typedInto_->text() != typedBefore_) {
        if (const auto limit = ids::DecimalIdLimit(*layout)) {
            for (const char *name : {"Text2(0)", "Text2(1)"}) {
                const auto value = ids::DecimalIdValue(f.field(name)->text().toStdString());
                QVERIFY2(value >= 0 && value <= *limit,
                         qPrintable(context_ + ": " + name + " holds " + f.field(name)->text()));
            }
        }
    }
    // The cells are usable exactly under the custom strategy, as the layout says.
    const bool custom = f.option(1)->isChecked();
    for (int cell = 1; cell <= 32; ++cell)
        QVERIFY2(
            f.cell(cell)->isEnabled() == (custom && filter::LayoutInfo(*layout).IsUsable(cell)),
            where);
}

QTEST_MAIN(RandomEvents)
#include "tst_random_events.moc"
