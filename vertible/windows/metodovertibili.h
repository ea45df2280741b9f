#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "platform/api/platform.h"
#include "state/program_state.h"
#include "vertible/core/forecast_check.h"
#include "vertible/core/method_run.h"

class QComboBox;
class QFrame;
class QLabel;
class QPropertyAnimation;
class QPushButton;
class QScrollBar;

namespace fortunara {

class ForecastGridModel;
class ModelGrid;

// The method window: the vertible or twin method ("VERTIBILI", "GEMELLI" in Combo2) from the
// position chosen in Combo3, over the range of the bars HScroll1 ("DA :") and HScroll2 ("A :"),
// into the forecast grid grid2; "CONTROLLO" checks every forecast against the 18 draws after it
// and slides the result panel SSPanel1 over the window, with what chance alone would have given;
// "ESCI" slides it away. Modeless; the range, the method and the position live in the shared state.
class METODOVERTIBILI : public QWidget {
    Q_OBJECT

public:
    METODOVERTIBILI(ProgramState& state, Platform& platform, QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildPanel();
    void SetUpGrids(int rows);
    void Load();

    // Handlers.
    void RunChosenMethod();
    void CheckForecastsClicked();
    void ShowForecasts(std::vector<ForecastLine> lines);
    void ShowOutcomes(const ForecastCheck& check);
    void SlidePanel(bool intoView);

    ProgramState& state_;
    Platform& platform_;
    // The forecasts of the last run, which both grids show and the check takes.
    std::shared_ptr<const std::vector<ForecastLine>> lines_ = std::make_shared<const std::vector<ForecastLine>>();
    bool panelInView_ = false;

    QComboBox* Combo2;  // "METODO"
    QComboBox* Combo3;  // "CALCOLO SUL N°1" .. "CALCOLO SUL N°5"
    ModelGrid* grid2;
    ForecastGridModel* forecasts_;
    QLabel* Label4;  // "DA :"
    QLabel* Label3;  // "A :"
    QScrollBar* HScroll1;
    QLabel* Label1;
    QScrollBar* HScroll2;
    QLabel* Label2;
    QPushButton* Command1;  // "CONTROLLO"

    QFrame* SSPanel1;
    ModelGrid* grid3;
    ForecastGridModel* checks_;
    QLabel* Label5;         // "PREVISIONE DEL"
    QLabel* Label6;         // "SORTITA"
    QLabel* Label10;        // played, under "GIOCATE" (Label7)
    QLabel* Label8;         // won, under "VINTE" (Label9)
    QLabel* Label11;        // the percentage, under "%" (Label12)
    QLabel* Caso;           // what chance alone gives, in per cent
    QLabel* Attese;         // the groups chance alone would win
    QPushButton* Command3;  // "ESCI"
    QPropertyAnimation* slide_;
};

}  // namespace fortunara
