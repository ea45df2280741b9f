#include "platform/qt/qt_sounds.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <vector>

#include "tests/support/temp_folder.h"

namespace fortunara {
namespace {

namespace fs = std::filesystem;

// A one-note MIDI file: header, then one track with note on, note off and the track end.
std::string TinyMidi() {
    const std::string header("MThd\0\0\0\x06\0\0\0\x01\0\x60", 14);
    const std::string events("\0\x90\x3c\x40\x60\x80\x3c\x40\0\xff\x2f\0", 12);
    return header + std::string("MTrk\0\0\0", 7) + static_cast<char>(events.size()) + events;
}

// A tenth of a second of silence, 8 kHz mono 8 bit.
std::string TinyWave() {
    const std::string samples(800, '\x80');
    std::string wave("RIFF\x44\x03\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x40\x1f\0\0\x01\0\x08\0data", 40);
    wave += std::string("\x20\x03\0\0", 4) + samples;
    return wave;
}

class SoundDevices : public ::testing::Test {
protected:
    SoundDevices() {
        sounds.OnCompleted([this](const std::string& device) { completed.push_back(device); });
    }

    // Sends a device what the program sends it and returns how long the calls took.
    qint64 PlayThrough(const std::string& device, const fs::path& file) {
        QElapsedTimer clock;
        clock.start();
        sounds.SetFile(device, file);
        for (const char* command : {"OPEN", "prev", "PLAY", "Sound", "CLOSE"}) sounds.Command(device, command);
        sounds.SetFile(device, file);
        sounds.Command(device, "OPEN");
        sounds.Command(device, "PLAY");
        sounds.PlayWave(file);
        QCoreApplication::processEvents();
        return clock.elapsed();
    }

    test::TempFolder folder;
    QtSounds sounds;
    std::vector<std::string> completed;
};

TEST_F(SoundDevices, MissingFilesStaySilent) {
    EXPECT_LT(PlayThrough("MMControl1", folder.path() / "POP.WAV"), 2000);
    EXPECT_LT(PlayThrough("MIDI", folder.path() / "SONG.mid"), 2000);
    sounds.Command("NESSUNO", "PLAY");
    EXPECT_TRUE(completed.empty());
}

TEST_F(SoundDevices, RealFilesNeitherBlockNorCrashWithoutAudio) {
    folder.WriteFile("song.mid", TinyMidi());
    folder.WriteFile("pop.wav", TinyWave());
    EXPECT_LT(PlayThrough("MIDI", folder.path() / "SONG.mid"), 3000);
    EXPECT_LT(PlayThrough("WAV_Voice", folder.path() / "POP.WAV"), 3000);
}

TEST(FindFileIgnoringCase, FindsTheFileWhateverTheCaseOfItsName) {
    test::TempFolder folder;
    folder.WriteFile("song.mid", "x");
    folder.WriteFile("POP.WAV", "x");
    EXPECT_EQ(FindFileIgnoringCase(folder.path() / "SONG.MID"), folder.path() / "song.mid");
    EXPECT_EQ(FindFileIgnoringCase(folder.path() / "pop.wav"), folder.path() / "POP.WAV");
    EXPECT_EQ(FindFileIgnoringCase(folder.path() / "POP.WAV"), folder.path() / "POP.WAV");
    EXPECT_EQ(FindFileIgnoringCase(folder.path() / "ALTRO.WAV"), folder.path() / "ALTRO.WAV");
    EXPECT_EQ(FindFileIgnoringCase(folder.path() / "manca" / "pop.wav"), folder.path() / "manca" / "pop.wav");
}

}  // namespace
}  // namespace fortunara
