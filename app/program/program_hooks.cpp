#include "app/program/program_hooks.h"

#include <QPointer>
#include <memory>

#include "app/windows/sestine.h"
#include "app/windows/setup_window.h"
#include "archive/windows/browser.h"
#include "archive/windows/form45.h"
#include "archive/windows/maintenance_tab.h"
#include "matrices/windows/archivio.h"
#include "platform/text/number_text.h"
#include "slips/windows/schedine.h"
#include "statistics/windows/forecast_tab.h"
#include "statistics/windows/search_tab.h"
#include "statistics/windows/statistics_tab.h"
#include "systems/windows/sistemi_launcher.h"
#include "systems/windows/system_grid_model.h"
#include "vertible/windows/metodovertibili.h"

namespace fortunara {

namespace {

// The archive's windows refresh the views of the main window that opened them.
ArchiveViews ViewsOf(QWidget* opener) {
    const QPointer<Sestine> main = opener != nullptr ? qobject_cast<Sestine*>(opener->window()) : nullptr;
    ArchiveViews views;
    views.drawWritten = [main](int record) {
        if (main) main->ShowWrittenDraw(record);
    };
    views.archiveReplaced = [main] {
        if (main) main->ShowReplacedArchive();
    };
    return views;
}

// The result grid of the system window that opens the slip window: row r's numbers in columns 1
// to 6, each the numeric value of its cell; nothing beyond the grid's rows. Any other opener has
// no grid.
CombinationSource ResultGridOf(QWidget* opener) {
    const QPointer<Sistemi> sistemi = opener != nullptr ? qobject_cast<Sistemi*>(opener->window()) : nullptr;
    if (!sistemi) return {};
    return [sistemi](int row) -> std::optional<SlipCombination> {
        if (!sistemi || row < 1 || row > sistemi->GridModel().Rows()) return std::nullopt;
        SlipCombination numbers{};
        for (int j = 0; j < kPanelNumbers; ++j) {
            numbers[static_cast<std::size_t>(j)] =
                NumericValue(sistemi->GridModel().CellText(row, j + 1).toStdString());
        }
        return numbers;
    };
}

}  // namespace

SestineHooks ProgramHooks(ProgramState& state, Platform& platform) {
    SestineHooks hooks;
    // The system window, from "RIDUZIONE SISTEMI", from "RIDOTTI" of the forecast tab and from the
    // matrix window's "RIDUZIONE GENERALE"; one launcher keeps what the window remembers between
    // openings.
    // The slip window, from "SCHEDINE" of the system window and of the check window; each sets
    // SlipSource before it opens the window through RunModalWindow.
    const WindowFactory schedine = [&state, &platform](QWidget* parent) -> QWidget* {
        return new Schedine(state, platform, ResultGridOf(parent), parent);
    };
    SistemiOpeners sistemiOpeners;
    sistemiOpeners.Schedine = schedine;
    auto sistemi = std::make_shared<SistemiLauncher>(state, platform, std::move(sistemiOpeners));
    hooks.openers.Sistemi = [sistemi](QWidget* parent) -> QWidget* { return sistemi->Make(parent); };
    // The matrix window; its "RIDUZIONE GENERALE" opens the same system window. The check window
    // Presenti that its matrix buttons open is not there yet.
    hooks.openers.Archivio = [&state, &platform, opensSistemi = hooks.openers.Sistemi](QWidget* parent) -> QWidget* {
        ArchivioOpeners openers;
        openers.Sistemi = opensSistemi;
        return new Archivio(state, platform, std::move(openers), parent);
    };
    hooks.openers.METODOVERTIBILI = [&state, &platform](QWidget* parent) -> QWidget* {
        return new METODOVERTIBILI(state, platform, parent);
    };
    hooks.openers.Setup = [&state, &platform](QWidget* parent) -> QWidget* {
        return new Setup(state, platform, parent);
    };

    hooks.openers.Browser = [&state, &platform](QWidget* parent) -> QWidget* {
        return new Browser(state, platform, ViewsOf(parent), parent);
    };
    hooks.openers.Form45 = [&state, &platform](QWidget* parent) -> QWidget* {
        return new Form45(state, platform, ViewsOf(parent), parent);
    };

    hooks.tabs[1] = [&state, &platform](QWidget* parent) -> MainWindowTab* {
        return new SearchTab(state, platform, parent);
    };
    hooks.tabs[2] = [&state, &platform](QWidget* parent) -> MainWindowTab* {
        return new StatisticsTab(state, platform, parent);
    };
    ForecastOpeners forecast;
    forecast.ridotti = [sistemi](QWidget* parent, int quantity) { sistemi->OpenWithForecast(parent, quantity); };
    hooks.tabs[5] = [&state, &platform, forecast](QWidget* parent) -> MainWindowTab* {
        return new ForecastTab(state, platform, forecast, parent);
    };
    hooks.tabs[6] = [&state, &platform](QWidget* parent) -> MainWindowTab* {
        return new MaintenanceTab(state, platform, parent);
    };
    return hooks;
}

}  // namespace fortunara
