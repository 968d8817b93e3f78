// Shared helpers for the tests that drive the real window.
#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "app/form1.h"

// The offscreen platform cannot raise or grab for the layout list's popup; that says nothing
// about the window, so those notices are dropped and everything else passes through.
inline void DropOffscreenPopupNotices() {
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (message.startsWith(QLatin1String("This plugin does not support"))) return;
            previous(type, context, message);
        });
}

// A freshly started, shown window, as the program opens it.
class WindowFixture {
public:
    WindowFixture() : window_(std::make_unique<Form1>()) {
        DropOffscreenPopupNotices();
        window_->show();
        if (!QTest::qWaitForWindowExposed(window_.get())) qFatal("window not exposed");
        window_->activateWindow();
    }

    Form1 &window() { return *window_; }

    template <typename T = QWidget>
    T *control(const QString &name) const {
        T *widget = window_->findChild<T *>(name);
        if (!widget) qFatal("no control %s", qPrintable(name));
        return widget;
    }

    QPushButton *cell(int number) const {
        return control<QPushButton>(QStringLiteral("Command%1").arg(number));
    }
    QLabel *bitLabel(int number) const {
        return control<QLabel>(QStringLiteral("Label%1").arg(number));
    }
    QLineEdit *field(const QString &name) const { return control<QLineEdit>(name); }
    QRadioButton *option(int number) const {
        return control<QRadioButton>(QStringLiteral("Option%1").arg(number));
    }
    QComboBox *layoutList() const { return control<QComboBox>(QStringLiteral("Combo1")); }

    void click(QWidget *widget) const { QTest::mouseClick(widget, Qt::LeftButton); }
    void clickCell(int number, int times = 1) const {
        for (int i = 0; i < times; ++i) click(cell(number));
    }
    void calculate() const { click(control<QPushButton>(QStringLiteral("Command33"))); }

    // Picks a layout as a user does: opens the list and clicks the entry.
    void pickLayout(int index) const {
        QComboBox *list = layoutList();
        if (list->view()->isVisible()) QTest::keyClick(list->view(), Qt::Key_Escape);
        list->showPopup();
        QAbstractItemView *view = list->view();
        if (!QTest::qWaitForWindowExposed(view->window())) qFatal("layout list not shown");
        const QRect entry = view->visualRect(view->model()->index(index, 0));
        // Moving onto the entry first, as a hand does, so a popup that opened on a press does
        // not take this click for the release of that press.
        QTest::mouseMove(view->viewport(), entry.center());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, entry.center());
        QTRY_VERIFY(!view->isVisible());
    }

    // The captions of cells 1..32, joined, cell 32 first as on screen.
    QString cellCaptions() const {
        QString captions;
        for (int number = 32; number >= 1; --number) captions += cell(number)->text();
        return captions;
    }

    // The captions of the bit labels, cell 32 first, each followed by '|'.
    QString labelTexts() const {
        QString joined;
        for (int number = 32; number >= 1; --number) joined += bitLabel(number)->text() + '|';
        return joined;
    }

    // What the strategies without cells leave in the labels: two blanks over cells 22 to 31,
    // one over cell 32, nothing elsewhere.
    static QString blankLabelTexts() {
        QString joined = QStringLiteral(" |");
        for (int number = 31; number >= 1; --number)
            joined += (number >= 22 ? QStringLiteral("  ") : QString()) + '|';
        return joined;
    }

    // '1' for each enabled control of `names`, '0' for each disabled one.
    QString enabledFlags(const QStringList &names) const {
        QString flags;
        for (const QString &name : names) flags += control(name)->isEnabled() ? '1' : '0';
        return flags;
    }

    // Result fields in reading order: Text1(0..7), Text5, Text6, Text3, Label47.
    QStringList results() const {
        QStringList texts;
        for (int i = 0; i < 8; ++i) texts << field(QStringLiteral("Text1(%1)").arg(i))->text();
        texts << field(QStringLiteral("Text5"))->text() << field(QStringLiteral("Text6"))->text()
              << field(QStringLiteral("Text3"))->text()
              << control<QLabel>(QStringLiteral("Label47"))->text();
        return texts;
    }

private:
    std::unique_ptr<Form1> window_;
};
