#include "app/program/program_hooks.h"

#include <QPointer>
#include <memory>

#include "app/windows/sestine.h"
#include "app/windows/setup_window.h"
#include "archive/windows/browser.h"
#include "archive/windows/form45.h"
#include "archive/windows/maintenance_tab.h"
#include "checks/windows/controllo.h"
#include "checks/windows/presenti.h"
#include "matrices/windows/archivio.h"
#include "slips/windows/schedine.h"
#include "statistics/windows/forecast_tab.h"
#include "statistics/windows/search_tab.h"
#include "statistics/windows/statistics_tab.h"
#include "systems/windows/garanzie_window.h"
#include "systems/windows/sistemi_launcher.h"
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

}  // namespace

SestineHooks ProgramHooks(ProgramState& state, Platform& platform) {
    SestineHooks hooks;
    // The play-slip window, from "SCHEDINE" of the system window (on its result grid) and of
    // Presenti (no grid); each sets SlipSource before it opens the window.
    const SlipWindowFactory schedineOnGrid = [&state, &platform](QWidget* parent,
                                                                 CombinationSource resultGrid) -> QWidget* {
        return new Schedine(state, platform, std::move(resultGrid), parent);
    };
    const WindowFactory schedine = [schedineOnGrid](QWidget* parent) { return schedineOnGrid(parent, {}); };
    // The win check, from "CONTROLLO" of the system window and of Presenti.
    const WindowFactory controllo = [&state, &platform](QWidget* parent) -> QWidget* {
        return new Controllo(state, platform, parent);
    };
    // What the current system guarantees, from "GARANZIE" of Presenti.
    const WindowFactory garanzie = [&state, &platform](QWidget* parent) -> QWidget* {
        return new GaranzieWindow(state, platform, parent);
    };
    // Presenti on the selected matrix, from the matrix buttons of Archivio and from the main
    // window's matrix list.
    const WindowFactory presenti = [&state, &platform, controllo, schedine, garanzie](QWidget* parent) -> QWidget* {
        return new Presenti(state, platform, PresentiOpeners{controllo, schedine, garanzie}, parent);
    };
    // The system window, from "RIDUZIONE SISTEMI", from "RIDOTTI" of the forecast tab and from the
    // matrix window's "RIDUZIONE GENERALE"; one launcher keeps what the window remembers between
    // openings.
    auto sistemi = std::make_shared<SistemiLauncher>(state, platform, SistemiOpeners{controllo, schedineOnGrid});
    hooks.openers.Sistemi = [sistemi](QWidget* parent) -> QWidget* { return sistemi->Make(parent); };
    // The matrix window; its "RIDUZIONE GENERALE" opens the same system window.
    hooks.openers.Archivio = [&state, &platform, opensSistemi = hooks.openers.Sistemi,
                              presenti](QWidget* parent) -> QWidget* {
        return new Archivio(state, platform, ArchivioOpeners{opensSistemi, presenti}, parent);
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
    forecast.presenti = presenti;
    hooks.tabs[5] = [&state, &platform, forecast](QWidget* parent) -> MainWindowTab* {
        return new ForecastTab(state, platform, forecast, parent);
    };
    hooks.tabs[6] = [&state, &platform](QWidget* parent) -> MainWindowTab* {
        return new MaintenanceTab(state, platform, parent);
    };
    return hooks;
}

}  // namespace fortunara
