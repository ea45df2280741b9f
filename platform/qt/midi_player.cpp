#include "platform/qt/midi_player.h"

#include <fluidsynth.h>

#include <array>
#include <system_error>

#include "platform/qt/qt_paths.h"

namespace fortunara {

namespace fs = std::filesystem;

namespace {

constexpr int kPollMilliseconds = 200;
const fs::path kSoundFontFolder = "/usr/share/sounds/sf2";
const fs::path kPreferredSoundFont = kSoundFontFolder / "TimGM6mb.sf2";

fs::path FindSoundFont() {
    std::error_code ec;
    if (fs::is_regular_file(kPreferredSoundFont, ec)) return kPreferredSoundFont;
    for (const auto& entry : fs::directory_iterator(kSoundFontFolder, ec)) {
        if (entry.path().extension() == ".sf2" && entry.is_regular_file(ec)) return entry.path();
    }
    return {};
}

// The program says nothing about sound problems, and neither does the synthesizer.
void SilenceSynthLog() {
    for (int level : {FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) fluid_set_log_function(level, nullptr, nullptr);
}

}  // namespace

struct MidiPlayer::Synth {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    fluid_player_t* player = nullptr;

    Synth() = default;
    Synth(const Synth&) = delete;
    Synth& operator=(const Synth&) = delete;
    ~Synth() {
        if (player != nullptr) delete_fluid_player(player);
        if (driver != nullptr) delete_fluid_audio_driver(driver);
        if (synth != nullptr) delete_fluid_synth(synth);
        if (settings != nullptr) delete_fluid_settings(settings);
    }
};

MidiPlayer::MidiPlayer(FinishedHandler finished) : finished_(std::move(finished)) {
    poll_.setInterval(kPollMilliseconds);
    QObject::connect(&poll_, &QTimer::timeout, [this] { Poll(); });
}

MidiPlayer::~MidiPlayer() = default;

void MidiPlayer::Open(const fs::path& file) {
    if (file == file_) return;
    Close();
    file_ = file;
}

bool MidiPlayer::StartSynth() {
    if (synth_) return true;
    if (unavailable_) return false;
    unavailable_ = true;  // until everything below worked
    const fs::path soundFont = FindSoundFont();
    if (soundFont.empty()) return false;
    SilenceSynthLog();

    auto synth = std::make_unique<Synth>();
    synth->settings = new_fluid_settings();
    if (synth->settings == nullptr) return false;
    synth->synth = new_fluid_synth(synth->settings);
    if (synth->synth == nullptr) return false;
    for (const char* driver : {"pulseaudio", "alsa"}) {
        if (fluid_settings_setstr(synth->settings, "audio.driver", driver) != FLUID_OK) continue;
        synth->driver = new_fluid_audio_driver(synth->settings, synth->synth);
        if (synth->driver != nullptr) break;
    }
    if (synth->driver == nullptr) return false;
    if (fluid_synth_sfload(synth->synth, ToQString(soundFont).toLocal8Bit().constData(), 1) == FLUID_FAILED) {
        return false;
    }
    synth_ = std::move(synth);
    unavailable_ = false;
    return true;
}

void MidiPlayer::Play() {
    if (playing_ || file_.empty()) return;
    const QByteArray name = ToQString(file_).toLocal8Bit();
    if (fluid_is_midifile(name.constData()) == 0 || !StartSynth()) return;
    if (synth_->player == nullptr) {
        synth_->player = new_fluid_player(synth_->synth);
        if (synth_->player == nullptr) return;
        if (fluid_player_add(synth_->player, name.constData()) != FLUID_OK) {
            DropPlayer();
            return;
        }
    }
    if (fluid_player_play(synth_->player) != FLUID_OK) return;
    playing_ = true;
    poll_.start();
}

void MidiPlayer::Stop() {
    poll_.stop();
    if (!playing_) return;
    playing_ = false;
    fluid_player_stop(synth_->player);
    fluid_synth_all_notes_off(synth_->synth, -1);
}

void MidiPlayer::Rewind() {
    Stop();
    DropPlayer();
}

void MidiPlayer::Close() {
    Rewind();
    file_.clear();
}

void MidiPlayer::DropPlayer() {
    if (!synth_ || synth_->player == nullptr) return;
    delete_fluid_player(synth_->player);
    synth_->player = nullptr;
}

void MidiPlayer::Poll() {
    if (!playing_ || !synth_ || synth_->player == nullptr) {
        poll_.stop();
        return;
    }
    if (fluid_player_get_status(synth_->player) != FLUID_PLAYER_DONE) return;
    poll_.stop();
    playing_ = false;
    DropPlayer();
    if (finished_) finished_();
}

}  // namespace fortunara
