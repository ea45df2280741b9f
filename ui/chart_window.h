#pragma once

#include <QDialog>

#include "platform/api/platform.h"
#include "state/chart_data.h"
#include "state/program_state.h"

class QHBoxLayout;
class QLabel;
class QPushButton;

namespace fortunara {

class ChartView;

// A window of one chart: the chart, the lines under it that compare it with chance, and "STAMPA"
// (through the program's printer: a PDF in stampe/ without a printer), "SALVA PNG" and "ESCI".
// A window that lets the user choose what the chart shows puts its controls in the row above it.
class ChartWindow : public QDialog {
    Q_OBJECT

public:
    ChartWindow(ProgramState& state, Platform& platform, const QString& name, QWidget* parent = nullptr);

    void Show(const ChartData& data);

    ChartView* Grafico;
    QLabel* Note;
    QPushButton* StampaGrafico;
    QPushButton* SalvaGrafico;
    QPushButton* EsciGrafico;

protected:
    QHBoxLayout* Controls() const { return controls_; }
    ProgramState& state_;
    Platform& platform_;

private:
    void Print();
    void Save();

    QHBoxLayout* controls_;
};

// The size the chart is drawn at for the printer and the PNG file.
inline constexpr int kChartPictureWidth = 1800;
inline constexpr int kChartPictureHeight = 1100;

}  // namespace fortunara
