// Start-up and handler timings of the calculator window on the offscreen platform, beside the
// floor: the same start-up for a bare window with the same plain Qt child widgets.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <chrono>
#include <map>

#include "app/form1.h"
#include "app/window_definition.h"

namespace {

template <typename T = QWidget>
T *Find(QWidget &window, const char *name) {
    return window.findChild<T *>(QString::fromLatin1(name));
}

void WaitUntilExposed(QWidget &window, benchmark::State &state) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) state.SkipWithError("window not exposed");
}

void BM_StartUp(benchmark::State &state) {
    for (auto _ : state) {
        Form1 window;
        WaitUntilExposed(window, state);
    }
}
BENCHMARK(BM_StartUp);

// The same kinds and number of child widgets, placed and captioned alike, with Qt's defaults
// and no handlers, fonts, tables or start-up of ours.
void BM_StartUpFloor(benchmark::State &state) {
    const std::vector<ControlDef> &definition = WindowDefinition();
    for (auto _ : state) {
        QWidget window;
        window.setFixedSize(585, 521);
        QWidget *banner = nullptr;
        for (const ControlDef &control : definition) {
            QWidget *parent = control.inBanner ? banner : &window;
            QWidget *widget = nullptr;
            switch (control.kind) {
                case ControlKind::Frame:
                    widget = banner = new QGroupBox(parent);
                    break;
                case ControlKind::Label:
                case ControlKind::BitLabel:
                    widget = new QLabel(control.text, parent);
                    break;
                case ControlKind::Line:
                    widget = new QWidget(parent);
                    break;
                case ControlKind::Picture:
                    widget = new QLabel(parent);
                    break;
                case ControlKind::OptionButton:
                    widget = new QRadioButton(control.text, parent);
                    break;
                case ControlKind::DropDownList: {
                    auto *list = new QComboBox(parent);
                    for (int entry = 0; entry < 7; ++entry) list->addItem(QStringLiteral("entry"));
                    widget = list;
                    break;
                }
                case ControlKind::PushButton:
                    widget = new QPushButton(control.text, parent);
                    break;
                case ControlKind::TextBox:
                case ControlKind::ReadOnlyTextBox:
                    widget = new QLineEdit(control.text, parent);
                    break;
            }
            widget->setGeometry(control.box.left / 15, control.box.top / 15,
                                control.box.width / 15 + 1, control.box.height / 15 + 1);
        }
        WaitUntilExposed(window, state);
    }
}
BENCHMARK(BM_StartUpFloor);

void BM_Calculate(benchmark::State &state) {
    Form1 window;
    WaitUntilExposed(window, state);
    const int strategy = int(state.range(0));
    auto *layouts = Find<QComboBox>(window, "Combo1");
    layouts->setCurrentIndex(strategy == 1 ? 3 : 2);
    QMetaObject::invokeMethod(&window, "Combo1_Click");
    Find<QRadioButton>(window, strategy == 1   ? "Option1"
                               : strategy == 2 ? "Option2"
                                               : "Option3")
        ->setChecked(true);
    if (strategy == 1)
        for (int cell = 1; cell <= 32; cell += 3)
            Find<QPushButton>(window, qPrintable(QStringLiteral("Command%1").arg(cell)))->click();
    if (strategy == 2) {
        Find<QLineEdit>(window, "Text2(0)")->setText(QStringLiteral("291"));
        Find<QLineEdit>(window, "Text2(1)")->setText(QStringLiteral("1234"));
    }
    auto *calculate = Find<QPushButton>(window, "Command33");
    for (auto _ : state) calculate->click();
    state.SetLabel(strategy == 1 ? "custom bits" : strategy == 2 ? "ID list" : "receive all");
}
BENCHMARK(BM_Calculate)->Arg(1)->Arg(2)->Arg(3);

// Picking a layout under the custom strategy relabels, re-enables and resets all 32 cells.
void BM_LayoutChangeCustomBits(benchmark::State &state) {
    Form1 window;
    WaitUntilExposed(window, state);
    auto *layouts = Find<QComboBox>(window, "Combo1");
    int layout = 0;
    for (auto _ : state) {
        layout = layout == 3 ? 6 : 3;
        layouts->setCurrentIndex(layout);
        QMetaObject::invokeMethod(&window, "Combo1_Click");
    }
}
BENCHMARK(BM_LayoutChangeCustomBits);

// The deepest cascade of the identifier fields: under the standard dual filter, an eight-digit
// hexadecimal entry beyond the extended limit is clamped to 1FFFFFFF, copied to the decimal
// field, clamped there to 2047 and mirrored back as 7FF, and ID2's lower-case hexadecimal text
// is rewritten on the way and copied back, each write nesting the other field's handling.
void BM_IdFieldCascade(benchmark::State &state) {
    Form1 window;
    WaitUntilExposed(window, state);
    auto *layouts = Find<QComboBox>(window, "Combo1");
    layouts->setCurrentIndex(2);
    QMetaObject::invokeMethod(&window, "Combo1_Click");
    Find<QRadioButton>(window, "Option2")->setChecked(true);
    auto *hex = Find<QLineEdit>(window, "Text4(0)");
    auto *id2Hex = Find<QLineEdit>(window, "Text4(1)");
    Find<QLineEdit>(window, "Text2(1)")->setText(QStringLiteral("10"));
    const QString before = QStringLiteral("2000000");
    const QString typed = QStringLiteral("20000000");
    for (auto _ : state) {
        hex->setText(before);
        id2Hex->setText(QStringLiteral("a"));
        const auto start = std::chrono::steady_clock::now();
        hex->setText(typed);
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    if (hex->text() != QLatin1String("7FF") || id2Hex->text() != QLatin1String("A"))
        state.SkipWithError("cascade did not run its full course");
}
BENCHMARK(BM_IdFieldCascade)->UseManualTime();

// Prints the figures as usual, then the start-up ratio ours / floor from the medians.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run> &runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians_[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto ours = medians_.find("BM_StartUp");
        const auto floor = medians_.find("BM_StartUpFloor");
        if (ours != medians_.end() && floor != medians_.end() && floor->second > 0)
            std::printf("start-up ratio ours/floor (medians): %.3f\n",
                        ours->second / floor->second);
    }

private:
    std::map<std::string, double> medians_;
};

}  // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
