#include "app/bit_cell_accessible.h"

#include <QAccessibleWidget>
#include <QPushButton>

namespace {

constexpr char kBitCellProperty[] = "bitCell";

// A push button whose accessible name is set to the bit it compares, so its caption, the
// cell's state, would otherwise not be told at all.
class BitCellAccessible : public QAccessibleWidget {
public:
    explicit BitCellAccessible(QPushButton *cell) : QAccessibleWidget(cell, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return cell()->text();
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override {
        if (action == pressAction()) cell()->click();
    }

private:
    QPushButton *cell() const { return static_cast<QPushButton *>(widget()); }
};

// Answers for the marked cells, leaves every other object to Qt.
QAccessibleInterface *BitCellAccessibleFactory(const QString &className, QObject *object) {
    auto *cell = qobject_cast<QPushButton *>(object);
    if (className != QLatin1String("QPushButton") || !cell ||
        !cell->property(kBitCellProperty).toBool())
        return nullptr;
    return new BitCellAccessible(cell);
}

}  // namespace

void MarkAsBitCell(QWidget *cell) {
    static const bool installed = (QAccessible::installFactory(BitCellAccessibleFactory), true);
    Q_UNUSED(installed);
    cell->setProperty(kBitCellProperty, true);
    // Setting its caption already made Qt create and keep an ordinary button interface; drop
    // it so the next query comes to the factory.
    if (QAccessibleInterface *known = QAccessible::queryAccessibleInterface(cell))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(known));
}
