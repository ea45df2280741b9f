#include "app/windows/setup_window.h"

#include <QCheckBox>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/core/main_window_sounds.h"
#include "ui/look.h"
#include "ui/strip_painter.h"

namespace fortunara {

namespace {

// The window's background: ivory with a deep green frame, a gold rule and a turning gear
// resting in the corner, the same gear as the picture that opens this window.
class Background : public QWidget {
public:
    explicit Background(QWidget* parent) : QWidget(parent), gear_(PictureKind::Setup) {
        setObjectName("Sfondo");
        setAutoFillBackground(false);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), look::kIvory);
        gear_.Paint(p, QRectF(width() - 62, 8, 52, 52), 0);
        p.setPen(QPen(look::kGold, 2));
        p.drawLine(QPointF(12, height() - 56), QPointF(width() - 12, height() - 56));
        p.setPen(QPen(look::kGreen, 4));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(2, 2, -2, -2));
    }

private:
    StripPainter gear_;
};

QCheckBox* MakeBox(QWidget* parent, const char* name, const char* caption) {
    auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setObjectName(name);
    box->setFont(CaptionFont(10));
    QPalette palette = box->palette();
    palette.setColor(QPalette::WindowText, look::kGreen);
    box->setPalette(palette);
    return box;
}

}  // namespace

Setup::Setup(ProgramState& state, Platform& platform, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform) {
    setObjectName("Setup");
    setWindowTitle("Fortunara");

    auto* background = new Background(this);
    voice_ = MakeBox(background, "CheckBox3(0)", " - Parlato");
    click_ = MakeBox(background, "CheckBox5(2)", " - Effetti Sonori");
    music_ = MakeBox(background, "CheckBox4(1)", " - Musica in sottofondo");
    exit_ = new QPushButton("ESCI", background);
    exit_->setObjectName("CommandButton4");
    exit_->setMinimumWidth(110);

    auto* boxes = new QVBoxLayout(background);
    boxes->setContentsMargins(28, 24, 72, 16);
    boxes->setSpacing(14);
    boxes->addWidget(voice_);
    boxes->addWidget(click_);
    boxes->addWidget(music_);
    boxes->addSpacing(24);
    boxes->addWidget(exit_, 0, Qt::AlignHCenter);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(background);

    Load();
    connect(voice_, &QCheckBox::toggled, this, &Setup::VoiceChanged);
    connect(click_, &QCheckBox::toggled, this, &Setup::ClickChanged);
    connect(music_, &QCheckBox::toggled, this, &Setup::MusicChanged);
    // "ESCI" closes the window; the next opening shows the flags again through Load().
    connect(exit_, &QPushButton::clicked, this, &QDialog::accept);
}

void Setup::Load() {
    // Ticking a box from its own flag changes nothing, so the change handlers stay quiet: above
    // all, opening the settings while the music plays must not start the piece over.
    const QSignalBlocker blockVoice(voice_);
    const QSignalBlocker blockClick(click_);
    const QSignalBlocker blockMusic(music_);
    voice_->setChecked(state_.VoiceOn == 1);
    music_->setChecked(state_.MusicOn == 1);
    click_->setChecked(state_.ClickSoundOn == 1);
}

void Setup::showEvent(QShowEvent* event) {
    Load();
    QDialog::showEvent(event);
}

void Setup::VoiceChanged(bool ticked) {
    state_.VoiceOn = ticked ? 1 : 0;
}

void Setup::ClickChanged(bool ticked) {
    state_.ClickSoundOn = ticked ? 1 : 0;
}

void Setup::MusicChanged(bool ticked) {
    Sounds& sounds = platform_.sounds;
    if (ticked) {
        sounds.SetFile(kMusicDevice, state_.programFolder / "song.mid");
        sounds.Command(kMusicDevice, "OPEN");
        sounds.Command(kMusicDevice, "prev");
        sounds.Command(kMusicDevice, "PLAY");
        state_.MusicOn = 1;
    } else {
        sounds.Command(kMusicDevice, "CLOSE");
        state_.MusicOn = 0;
    }
}

}  // namespace fortunara
