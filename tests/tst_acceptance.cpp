// The registers mean what the user asked: for random bit patterns under every layout, a model of
// the controller's acceptance filter passes exactly the frames whose compared bits fit the
// pattern (in a dual-filter layout: fit the cells of either filter).
#include <QRandomGenerator>
#include <QtTest>

#include "filter/registers.h"
#include "frame_bits.h"

using filter::CellState;

namespace {

struct Pattern {
    filter::CellStates cells{};
};

// Random states on the usable cells; the others stay X, as the window keeps them.
Pattern RandomPattern(const filter::FilterLayoutInfo &layout, QRandomGenerator &random) {
    Pattern pattern;
    for (int cell = 1; cell <= 32; ++cell) {
        const CellState states[] = {CellState::Zero, CellState::One, CellState::DontCare};
        pattern.cells[cell - 1] =
            layout.IsUsable(cell) ? states[random.bounded(3)] : CellState::DontCare;
    }
    return pattern;
}

bool FitsFilter(const Pattern &pattern, const LayoutBits &bits, const model::Frame &frame,
                int filter) {
    for (int cell = 1; cell <= 32; ++cell) {
        const CellState state = pattern.cells[cell - 1];
        if (bits[cell].name.empty() || bits[cell].filter != filter || state == CellState::DontCare)
            continue;
        if (FrameBit(frame, bits[cell].name) != (state == CellState::One)) return false;
    }
    return true;
}

bool FitsPattern(const Pattern &pattern, const LayoutBits &bits, const model::Frame &frame,
                 bool dual) {
    if (!dual) return FitsFilter(pattern, bits, frame, 0);
    return FitsFilter(pattern, bits, frame, 1) || FitsFilter(pattern, bits, frame, 2);
}

// A random frame, or one built to fit one filter of the pattern and then perhaps spoilt in a
// single bit, so that acceptance and rejection near the boundary both occur often.
model::Frame MakeFrame(const Pattern &pattern, const LayoutBits &bits, bool extended,
                       QRandomGenerator &random) {
    model::Frame frame;
    frame.extended = extended;
    frame.id = random.generate() & (extended ? 0x1FFFFFFFu : 0x7FFu);
    frame.rtr = random.bounded(2);
    frame.data = {std::uint8_t(random.bounded(256)), std::uint8_t(random.bounded(256))};
    if (random.bounded(4) == 0) return frame;
    const int filter = random.bounded(2) + 1;
    const auto set = [&frame](const std::string &name, bool value) {
        if (FrameBit(frame, name) == value) return;
        if (name == "RTR") {
            frame.rtr = value;
        } else if (name.rfind("ID.", 0) == 0) {
            const int number = std::stoi(name.substr(3));
            frame.id ^= 1u << (frame.extended ? number : number - 18);
        } else {
            frame.data[name[2] == '1' ? 0 : 1] ^= std::uint8_t(1u << (name.back() - '0'));
        }
    };
    std::vector<std::string> compared;
    for (int cell = 1; cell <= 32; ++cell) {
        const ComparedBit &bit = bits[cell];
        if (bit.name.empty() || (bit.filter != 0 && bit.filter != filter)) continue;
        compared.push_back(bit.name);
        const CellState state = pattern.cells[cell - 1];
        if (state != CellState::DontCare) set(bit.name, state == CellState::One);
    }
    if (random.bounded(2) && !compared.empty()) {
        const std::string &name = compared[random.bounded(int(compared.size()))];
        set(name, !FrameBit(frame, name));
    }
    return frame;
}

}  // namespace

class Acceptance : public QObject {
    Q_OBJECT

private slots:
    void registersAcceptExactlyThePattern_data() {
        QTest::addColumn<int>("layout");
        for (int layout = 0; layout < filter::kFilterLayoutCount; ++layout)
            QTest::newRow(filter::kFilterLayouts[layout].entryText.data()) << layout;
    }

    void registersAcceptExactlyThePattern() {
        QFETCH(int, layout);
        const auto id = static_cast<filter::FilterLayout>(layout);
        const filter::FilterLayoutInfo &info = filter::LayoutInfo(id);
        const LayoutBits bits = ComparedBits(id);
        const bool dual = info.filterMode == filter::FilterMode::Dual;
        const bool extended = info.frameFormat == filter::FrameFormat::Extended;
        const quint32 seed = 0xC0FFEE + layout;
        QRandomGenerator random(seed);
        int accepted = 0;
        int rejected = 0;
        for (int patternIndex = 0; patternIndex < 300; ++patternIndex) {
            const Pattern pattern = RandomPattern(info, random);
            const filter::RegisterSet registers = filter::ComputeCustomBits(pattern.cells);
            for (int frameIndex = 0; frameIndex < 100; ++frameIndex) {
                const model::Frame frame = MakeFrame(pattern, bits, extended, random);
                const bool expected = FitsPattern(pattern, bits, frame, dual);
                if (model::Accepts(registers, info.mod3, frame) != expected)
                    QFAIL(qPrintable(QStringLiteral("seed %1 pattern %2: frame id %3 rtr %4 "
                                                    "data %5 %6 %7")
                                         .arg(seed)
                                         .arg(patternIndex)
                                         .arg(frame.id, 0, 16)
                                         .arg(frame.rtr)
                                         .arg(frame.data[0], 0, 16)
                                         .arg(frame.data[1], 0, 16)
                                         .arg(expected ? "should pass" : "should be dropped")));
                (expected ? accepted : rejected)++;
            }
        }
        // Both outcomes must have been exercised for the property to mean anything.
        QVERIFY(accepted > 1000);
        QVERIFY(rejected > 1000);
    }
};

QTEST_APPLESS_MAIN(Acceptance)
#include "tst_acceptance.moc"
