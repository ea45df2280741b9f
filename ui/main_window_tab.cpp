#include "ui/main_window_tab.h"

namespace fortunara {

MainWindowTab::MainWindowTab(int index, QWidget* parent)
    : Backdrop(QString("SfondoTab(%1)").arg(index), parent), index_(index) {}

void MainWindowTab::Load(int) {}

void MainWindowTab::Activate() {}

void MainWindowTab::Chosen() {}

void MainWindowTab::ShowArchiveRecord(int, int) {}

void MainWindowTab::ArchiveReplaced(int) {}

void MainWindowTab::AddPicture(AnimatedPicture* picture, bool keepsRunningOverTabStrip) {
    pictures_.push_back(picture);
    if (keepsRunningOverTabStrip) keepsRunning_ = picture;
}

}  // namespace fortunara
