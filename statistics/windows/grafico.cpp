#include "statistics/windows/grafico.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>

#include "ui/busy_pointer.h"
#include "ui/controls.h"
#include "ui/read_error.h"

namespace fortunara {

namespace {

// In the order of StatisticsChart.
const char* const kCharts[] = {
    "FREQUENZE DEI 90 NUMERI", "RITARDO DI UN NUMERO", "RITARDI ATTUALI", "PARI E DISPARI", "SOMMA", "INTERRUZIONI"};

}  // namespace

Grafico::Grafico(ProgramState& state, Platform& platform, const ChartRequest& request, QWidget* parent)
    : ChartWindow(state, platform, "GraficoStatistiche", parent), request_(request) {
    Scelta = new QComboBox(this);
    Scelta->setObjectName("Scelta");
    for (const char* chart : kCharts) Scelta->addItem(chart);
    Scelta->setCurrentIndex(static_cast<int>(request.chart));
    Numero = new QSpinBox(this);
    Numero->setObjectName("Numero");
    Numero->setRange(1, 90);
    Numero->setValue(request.number);
    Controls()->addWidget(MakeCaption(this, "GRAFICO"));
    Controls()->addWidget(Scelta);
    Controls()->addSpacing(16);
    Controls()->addWidget(MakeCaption(this, "NUMERO"));
    Controls()->addWidget(Numero);
    Controls()->addStretch();
    connect(Scelta, &QComboBox::currentIndexChanged, this, &Grafico::Draw);
    connect(Numero, &QSpinBox::valueChanged, this, [this] {
        if (request_.chart == StatisticsChart::NumberDelay) Draw();
    });
    Draw();
}

void Grafico::Draw() {
    request_.chart = static_cast<StatisticsChart>(Scelta->currentIndex());
    request_.number = Numero->value();
    Numero->setEnabled(request_.chart == StatisticsChart::NumberDelay);
    const BusyPointer busy(*this);
    const ChartOutcome outcome = MakeStatisticsChart(state_.programFolder, request_);
    state_.RecordCount = outcome.recordCount;
    // An archive that cannot be read leaves the chart empty: no picture of draws that were not read.
    Show(outcome.error.empty() ? outcome.chart : ChartData{});
    ReportReadError(platform_.dialogs, outcome.error);
}

}  // namespace fortunara
