#pragma once

#include <QDialog>

#include "platform/api/platform.h"
#include "state/program_state.h"

class QCheckBox;
class QPushButton;

namespace fortunara {

// The settings window: the three sound options. Its boxes write VoiceOn, ClickSoundOn and
// MusicOn at once; the music box also starts and stops the background music on the main
// window's "MIDI" device. Nothing is saved: every start begins with voice and click on.
class Setup : public QDialog {
    Q_OBJECT

public:
    Setup(ProgramState& state, Platform& platform, QWidget* parent = nullptr);

    // The load step: ticks each box whose flag is 1 and unticks the others. The boxes then show
    // the flags, so no sound starts or stops here.
    void Load();

protected:
    // Every opening shows the flags as they are now.
    void showEvent(QShowEvent* event) override;

private:
    void VoiceChanged(bool ticked);
    void ClickChanged(bool ticked);
    void MusicChanged(bool ticked);

    ProgramState& state_;
    Platform& platform_;
    QCheckBox* voice_;
    QCheckBox* music_;
    QCheckBox* click_;
    QPushButton* exit_;
};

}  // namespace fortunara
