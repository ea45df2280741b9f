#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <vector>

#include "app/windows/sestine_hooks.h"
#include "platform/api/platform.h"
#include "state/program_state.h"

class QTabWidget;
class QTimer;

namespace fortunara {

class AnimatedPicture;

// The main window, hub of the program: the seven pages of `Tabella` (its own archive,
// combination and launcher pages, and the subsystems' pages from its hooks), and three animated
// pictures that leave the program, open the manual and open the settings.
class Sestine : public QWidget {
    Q_OBJECT

public:
    Sestine(ProgramState& state, Platform& platform, SestineHooks hooks = {}, QWidget* parent = nullptr);
    ~Sestine() override;

    // The load step: archive, pages (grids and range selectors), views, flags, settings window,
    // greeting.
    void Load();
    // The activation step: each page refreshes what it shows (the board its marks), the animation
    // timer runs.
    void Activate();

    // Opens another window of the program as its launcher does (nothing when it has no factory).
    void OpenWindow(LaunchedWindow which);
    // A writer wrote draw `record`: the single draw, then the table, move to it and show it.
    void ShowWrittenDraw(int record);
    // The whole archive was replaced: the single draw, the statistics' "AL" selector and the
    // table move to its newest draw.
    void ShowReplacedArchive();

    QTabWidget* Tabella() const { return tabella_; }
    QWidget* SettingsWindow() const { return setup_; }
    QTimer* AnimationTimer() const { return timer_; }
    // Every animated picture, in the order the timer serves them.
    const std::vector<AnimatedPicture*>& Pictures() const { return pictures_; }

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildTabs();
    void ConnectPageLaunchers(const WindowLauncher& open);
    void ConnectPictures();
    void TabChanged(int tab);
    void DrawTabTitles();
    void TickAnimations();
    // Pointer over a background (all pictures) or over the tab strip (all but those that keep
    // running there).
    void StopAnimations(bool overTabStrip);
    void LeaveProgram();
    void OpenManual();
    void OpenSettings();
    const WindowFactory& FactoryOf(LaunchedWindow which) const;
    MainWindowTab& Page(int index) const { return *tabs_[static_cast<std::size_t>(index)]; }

    ProgramState& state_;
    Platform& platform_;
    SestineHooks hooks_;
    QWidget* background_ = nullptr;
    QTabWidget* tabella_ = nullptr;
    std::array<MainWindowTab*, 7> tabs_{};
    AnimatedPicture* exit_ = nullptr;
    AnimatedPicture* info_ = nullptr;
    AnimatedPicture* settings_ = nullptr;
    std::vector<AnimatedPicture*> pictures_;
    QTimer* timer_ = nullptr;
    QWidget* setup_ = nullptr;
    std::array<QPointer<QWidget>, 5> modeless_{};
    bool loaded_ = false;
};

}  // namespace fortunara
