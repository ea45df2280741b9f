#include "platform/qt/qt_sounds.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cctype>
#include <system_error>

#include "platform/qt/midi_player.h"
#include "platform/qt/qt_paths.h"

namespace fortunara {

namespace fs = std::filesystem;

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool IsMidi(const fs::path& file) {
    const std::string extension = Lower(file.extension().string());
    return extension == ".mid" || extension == ".midi";
}

bool HasAudioOutput() {
    return !QMediaDevices::audioOutputs().isEmpty();
}

}  // namespace

fs::path FindFileIgnoringCase(const fs::path& file) {
    std::error_code ec;
    if (file.empty() || fs::exists(file, ec)) return file;
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    const std::string wanted = Lower(file.filename().string());
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        if (Lower(entry.path().filename().string()) == wanted) return file.parent_path() / entry.path().filename();
    }
    return file;
}

struct QtSounds::Device {
    fs::path file;    // as given
    fs::path opened;  // the file the players hold
    std::unique_ptr<QSoundEffect> wave;
    std::unique_ptr<MidiPlayer> midi;
    bool report = false;  // the running playback reports its end
};

QtSounds::QtSounds() = default;

// reports_, the last member, goes first: stopping players can then report nothing.
QtSounds::~QtSounds() = default;

QtSounds::Device* QtSounds::Find(const std::string& name) const {
    const auto it = devices_.find(name);
    return it == devices_.end() ? nullptr : it->second.get();
}

void QtSounds::SetFile(const std::string& device, const fs::path& file) {
    auto& slot = devices_[device];
    if (!slot) slot = std::make_unique<Device>();
    slot->file = file;
}

void QtSounds::Command(const std::string& name, const std::string& command) {
    Device* device = Find(name);
    if (device == nullptr) return;
    const std::string verb = Lower(command);
    if (verb == "open") {
        Open(name, *device);
    } else if (verb == "prev") {
        Rewind(*device);
    } else if (verb == "play") {
        Play(name, *device, true);
    } else if (verb == "sound") {
        Rewind(*device);
        Play(name, *device, false);
    } else if (verb == "close") {
        Close(*device);
    }
}

void QtSounds::Open(const std::string& name, Device& device) {
    const fs::path file = FindFileIgnoringCase(device.file);
    if (file == device.opened && (device.wave || device.midi)) return;
    Close(device);
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) return;
    device.opened = file;
    if (IsMidi(file)) {
        device.midi = std::make_unique<MidiPlayer>([this, name] {
            Device* finished = Find(name);
            if (finished != nullptr && finished->report) {
                finished->report = false;
                QueueReport(name);
            }
        });
        device.midi->Open(file);
        return;
    }
    if (!HasAudioOutput()) return;
    device.wave = std::make_unique<QSoundEffect>();
    device.wave->setSource(QUrl::fromLocalFile(ToQString(file)));
    QObject::connect(device.wave.get(), &QSoundEffect::playingChanged, &reports_, [this, name] {
        Device* changed = Find(name);
        if (changed == nullptr || !changed->wave || changed->wave->isPlaying() || !changed->report) return;
        changed->report = false;
        QueueReport(name);
    });
}

void QtSounds::Play(const std::string& name, Device& device, bool reportCompletion) {
    if (!device.wave && !device.midi) Open(name, device);
    device.report = reportCompletion;
    if (device.midi) device.midi->Play();
    if (device.wave) device.wave->play();
}

void QtSounds::Rewind(Device& device) {
    device.report = false;
    if (device.midi) device.midi->Rewind();
    if (device.wave) device.wave->stop();
}

void QtSounds::Close(Device& device) {
    Rewind(device);
    device.midi.reset();
    device.wave.reset();
    device.opened.clear();
}

void QtSounds::QueueReport(const std::string& name) {
    // Reported from the event loop, so the handler may send the device new commands at once.
    QTimer::singleShot(0, &reports_, [this, name] { ReportCompleted(name); });
}

void QtSounds::PlayWave(const fs::path& file) {
    const fs::path found = FindFileIgnoringCase(file);
    std::error_code ec;
    if (!fs::is_regular_file(found, ec) || !HasAudioOutput()) return;
    if (!wave_) wave_ = std::make_unique<QSoundEffect>();
    const QUrl source = QUrl::fromLocalFile(ToQString(found));
    if (wave_->source() != source) wave_->setSource(source);
    wave_->play();
}

}  // namespace fortunara
