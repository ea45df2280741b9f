// Renders the chart windows on the bundled archive: the frequencies of the 90 numbers, the delay of
// 17 draw by draw, the current delays, the sums (grafico-0 .. grafico-3), each over the whole
// archive, and the record of fifteen tickets that play every number once over the last 500 draws
// (grafico-sistema).
// Usage: grafico-screenshots PROGRAM_FOLDER OUTPUT_FOLDER (tools/screenshots.sh runs it offscreen).
#include <QComboBox>
#include <QTest>
#include <numeric>

#include "checks/core/record_chart.h"
#include "statistics/windows/grafico.h"
#include "tools/screenshots/shot_support.h"

using namespace fortunara;

namespace {

bool Shoot(shots::ShotSession& session) {
    session.state.ClickSoundOn = 0;
    const int newest = session.state.RecordCount;
    Grafico grafico(session.state, session.platform,
                    ChartRequest{StatisticsChart::Frequencies, {newest, 1}, MainPositions(), 17});
    grafico.show();
    if (!QTest::qWaitForWindowExposed(&grafico)) return false;
    const StatisticsChart shown[] = {StatisticsChart::Frequencies, StatisticsChart::NumberDelay,
                                     StatisticsChart::CurrentDelays, StatisticsChart::Sums};
    for (std::size_t i = 0; i < std::size(shown); ++i) {
        grafico.Scelta->setCurrentIndex(static_cast<int>(shown[i]));
        QTest::qWait(50);
        if (!shots::SaveShot(grafico, session, QString("grafico-%1").arg(i))) return false;
    }

    // Fifteen tickets of six that play every number once: 1-6, 7-12, ... 85-90.
    std::vector<int> numbers(90);
    std::iota(numbers.begin(), numbers.end(), 1);
    const Tickets tickets = TicketsOf(numbers, 6);
    Prizes prizes;
    prizes.cents = {2500, 30000, 3000000, 50000000, 100000000};
    const RecordHistory history = ComputeRecordHistory(session.state.programFolder, tickets, {newest, newest - 499},
                                                       100LL * tickets.count, prizes);
    ChartWindow record(session.state, session.platform, "GraficoSistema");
    record.Show(RecordChart(history));
    record.show();
    if (!QTest::qWaitForWindowExposed(&record)) return false;
    QTest::qWait(50);
    return shots::SaveShot(record, session, "grafico-sistema");
}

}  // namespace

int main(int argc, char** argv) {
    return shots::RunShots(argc, argv, "grafico-screenshots", Shoot);
}
