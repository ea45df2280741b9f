#include "statistics/windows/statistics_handlers.h"

#include "app/windows/sestine.h"
#include "statistics/windows/forecast_tab_handler.h"
#include "statistics/windows/matrix_list_handler.h"
#include "statistics/windows/print_pictures.h"
#include "statistics/windows/search_tab_handler.h"
#include "statistics/windows/statistics_tab_handler.h"

namespace fortunara {

StatisticsHandlers::StatisticsHandlers(Sestine& window, RidottiOpener ridotti) : QObject(&window) {
    setObjectName("StatisticsHandlers");
    ConnectSearchTab(window, summary_);
    ConnectStatisticsTab(window);
    ConnectForecastTab(window, summary_, std::move(ridotti));
    ConnectMatrixList(window);
    ConnectPrintPictures(window, summary_);
}

void ConnectStatisticsTabs(Sestine& window, RidottiOpener ridotti) {
    new StatisticsHandlers(window, std::move(ridotti));
}

}  // namespace fortunara
