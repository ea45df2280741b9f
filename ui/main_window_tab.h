#pragma once

#include <QString>
#include <vector>

#include "ui/controls.h"

namespace fortunara {

class AnimatedPicture;

// A page of the main window's tab control `Tabella`, with the controls and handlers of that page.
// The subsystem a page belongs to builds it from the program state and the platform; the main
// window only places it and calls the steps below. Its controls stay private: tests and other
// windows find them by object name.
class MainWindowTab : public Backdrop {
    Q_OBJECT

public:
    MainWindowTab(int index, QWidget* parent = nullptr);

    int Index() const { return index_; }

    // The load step, once the archive is open: the page lays out its grids and puts its range
    // selectors on the archive's records (none when recordCount is 0).
    virtual void Load(int recordCount);
    // The activation step: the main window became active again, for example after a modal window.
    virtual void Activate();
    // The page was chosen in `Tabella`.
    virtual void Chosen();

    // Pages with a view of the archive: the view moves to `record` on an archive of `recordCount`
    // draws (its bar's maximum, then its value) and shows it again.
    virtual void ShowArchiveRecord(int recordCount, int record);
    // The whole archive was replaced by another of `recordCount` draws.
    virtual void ArchiveReplaced(int recordCount);

    // The page's animated pictures, which the main window's timer drives and its backgrounds stop.
    const std::vector<AnimatedPicture*>& Pictures() const { return pictures_; }
    // Whether a picture goes on moving while the pointer crosses the tab strip.
    bool KeepsRunningOverTabStrip(const AnimatedPicture* picture) const { return picture == keepsRunning_; }

signals:
    // A window the page opened modal was closed: the main window runs its activation step.
    void modalWindowClosed();
    // The page wrote draw `record` into the archive: the main window refreshes its views.
    void drawWritten(int record);

protected:
    void AddPicture(AnimatedPicture* picture, bool keepsRunningOverTabStrip = false);

private:
    int index_;
    std::vector<AnimatedPicture*> pictures_;
    const AnimatedPicture* keepsRunning_ = nullptr;
};

}  // namespace fortunara
