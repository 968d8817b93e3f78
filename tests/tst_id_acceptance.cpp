// The ID-list registers pass exactly the entered identifiers, whatever the RTR bit and data,
// according to a model of the controller's acceptance filter.
#include <QRandomGenerator>
#include <QtTest>

#include "filter/id_list.h"
#include "filter/layouts.h"
#include "sja1000_model.h"

using filter::FilterLayout;

namespace {

bool Accepts(const filter::RegisterSet &registers, FilterLayout layout, std::uint32_t frameId,
             bool rtr, QRandomGenerator &random) {
    model::Frame frame;
    frame.extended = filter::LayoutInfo(layout).frameFormat == filter::FrameFormat::Extended;
    frame.id = frameId;
    frame.rtr = rtr;
    frame.data = {std::uint8_t(random.bounded(256)), std::uint8_t(random.bounded(256))};
    return model::Accepts(registers, filter::LayoutInfo(layout).mod3, frame);
}

}  // namespace

class IdAcceptance : public QObject {
    Q_OBJECT

private slots:
    // Every entered standard identifier against every frame identifier.
    void standardIdsPassAlone_data() {
        QTest::addColumn<int>("layout");
        QTest::newRow("StdSingleId") << int(FilterLayout::StdSingleId);
        QTest::newRow("StdDualId") << int(FilterLayout::StdDualId);
    }
    void standardIdsPassAlone() {
        QFETCH(int, layout);
        const auto id = static_cast<FilterLayout>(layout);
        const bool dual = id == FilterLayout::StdDualId;
        QRandomGenerator random(7 + layout);
        for (std::uint32_t id1 = 0; id1 <= 2047; ++id1) {
            const std::uint32_t id2 = random.bounded(2048);
            const filter::RegisterSet registers = *filter::ComputeIdList(id, id1, id2);
            for (std::uint32_t frameId = 0; frameId <= 2047; ++frameId) {
                const bool wanted = frameId == id1 || (dual && frameId == id2);
                for (bool rtr : {false, true}) {
                    if (Accepts(registers, id, frameId, rtr, random) != wanted)
                        QFAIL(qPrintable(QStringLiteral("ID1 %1 ID2 %2: frame %3 rtr %4 %5")
                                             .arg(id1)
                                             .arg(id2)
                                             .arg(frameId)
                                             .arg(rtr)
                                             .arg(wanted ? "dropped" : "passed")));
                }
            }
        }
    }

    // Random extended identifiers against themselves, every one-bit neighbour and random others.
    void extendedIdPassesAlone() {
        QRandomGenerator random(29);
        for (int round = 0; round < 3000; ++round) {
            const std::uint32_t id1 = random.generate() & 0x1FFFFFFF;
            const filter::RegisterSet registers =
                *filter::ComputeIdList(FilterLayout::ExtSingleId, id1, random.generate());
            std::vector<std::uint32_t> frames{id1};
            for (int bit = 0; bit < 29; ++bit) frames.push_back(id1 ^ (1u << bit));
            for (int other = 0; other < 20; ++other)
                frames.push_back(random.generate() & 0x1FFFFFFF);
            for (std::uint32_t frameId : frames) {
                for (bool rtr : {false, true}) {
                    const bool wanted = frameId == id1;
                    if (Accepts(registers, FilterLayout::ExtSingleId, frameId, rtr, random) !=
                        wanted)
                        QFAIL(qPrintable(QStringLiteral("ID %1: frame %2 rtr %3 %4")
                                             .arg(id1, 0, 16)
                                             .arg(frameId, 0, 16)
                                             .arg(rtr)
                                             .arg(wanted ? "dropped" : "passed")));
                }
            }
        }
    }
};

QTEST_APPLESS_MAIN(IdAcceptance)
#include "tst_id_acceptance.moc"
