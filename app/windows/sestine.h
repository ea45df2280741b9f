#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <vector>

#include "app/state/program_state.h"
#include "app/windows/sestine_hooks.h"
#include "platform/api/platform.h"

class QTabWidget;
class QTimer;

namespace fortunara {

class AnimatedPicture;
class ArchiveTab;
class CombinationTab;
class ForecastTab;
class LauncherTab;
class MaintenanceTab;
class SearchTab;
class Setup;
class StatisticsTab;

enum class LaunchedWindow { Sistemi, Archivio, METODOVERTIBILI, Browser, Form45, Presenti };

// The main window, hub of the program: the seven tabs of `Tabella` with the archive views, the
// statistics, the combination table, the launchers and the archive maintenance, and three
// animated pictures that leave the program, open the manual and open the settings.
class Sestine : public QWidget {
    Q_OBJECT

public:
    Sestine(ProgramState& state, Platform& platform, SestineHooks hooks = {}, QWidget* parent = nullptr);
    ~Sestine() override;

    // The load step: grids, archive, range selectors, views, flags, settings window, greeting.
    void Load();
    // The activation step: the board shows its numbers in black, the animation timer runs.
    void Activate();

    // Opens another window of the program as its launcher does (nothing when it has no factory).
    void OpenWindow(LaunchedWindow which);
    // After the archive was written: both views move to the newest draw and fill again.
    void RefreshArchiveViews();

    ProgramState& State() { return state_; }
    Platform& PlatformBundle() { return platform_; }
    QTabWidget* Tabella() const { return tabella_; }
    ArchiveTab& Archive() const { return *archive_; }
    SearchTab& Search() const { return *search_; }
    StatisticsTab& Statistics() const { return *statistics_; }
    CombinationTab& Combinations() const { return *combinations_; }
    LauncherTab& Launchers() const { return *launchers_; }
    ForecastTab& Forecast() const { return *forecast_; }
    MaintenanceTab& Maintenance() const { return *maintenance_; }
    Setup* SettingsWindow() const { return setup_; }
    QTimer* AnimationTimer() const { return timer_; }
    // Every animated picture, in the order the timer serves them.
    const std::vector<AnimatedPicture*>& Pictures() const { return pictures_; }

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildTabs();
    void ConnectLaunchers();
    void ConnectPictures();
    void ConnectRangeSelectors();
    void SetRangeSelectors();
    void TabChanged(int tab);
    void DrawTabTitles();
    void TickAnimations();
    // Pointer over a background (all pictures) or over the tab strip (all but the search).
    void StopAnimations(bool keepSearchRunning);
    void LeaveProgram();
    void OpenManual();
    void OpenSettings();
    const WindowFactory& FactoryOf(LaunchedWindow which) const;

    ProgramState& state_;
    Platform& platform_;
    SestineHooks hooks_;
    QWidget* background_ = nullptr;
    QTabWidget* tabella_ = nullptr;
    ArchiveTab* archive_ = nullptr;
    SearchTab* search_ = nullptr;
    StatisticsTab* statistics_ = nullptr;
    CombinationTab* combinations_ = nullptr;
    LauncherTab* launchers_ = nullptr;
    ForecastTab* forecast_ = nullptr;
    MaintenanceTab* maintenance_ = nullptr;
    AnimatedPicture* exit_ = nullptr;
    AnimatedPicture* info_ = nullptr;
    AnimatedPicture* settings_ = nullptr;
    std::vector<AnimatedPicture*> pictures_;
    QTimer* timer_ = nullptr;
    Setup* setup_ = nullptr;
    std::array<QPointer<QWidget>, 6> modeless_{};
    bool loaded_ = false;
};

}  // namespace fortunara
