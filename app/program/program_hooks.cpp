#include "app/program/program_hooks.h"

#include <memory>

#include "app/windows/setup_window.h"
#include "statistics/windows/forecast_tab.h"
#include "statistics/windows/search_tab.h"
#include "statistics/windows/statistics_tab.h"
#include "systems/windows/sistemi_launcher.h"
#include "vertible/windows/metodovertibili.h"

namespace fortunara {

SestineHooks ProgramHooks(ProgramState& state, Platform& platform) {
    SestineHooks hooks;
    // The system window, from "RIDUZIONE SISTEMI" and from "RIDOTTI" of the forecast tab; one
    // launcher keeps what the window remembers between openings.
    auto sistemi = std::make_shared<SistemiLauncher>(state, platform);
    hooks.openers.Sistemi = [sistemi](QWidget* parent) -> QWidget* { return sistemi->Make(parent); };
    hooks.openers.METODOVERTIBILI = [&state, &platform](QWidget* parent) -> QWidget* {
        return new METODOVERTIBILI(state, platform, parent);
    };
    hooks.openers.Setup = [&state, &platform](QWidget* parent) -> QWidget* {
        return new Setup(state, platform, parent);
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
    return hooks;
}

}  // namespace fortunara
