// The sound files and the manual that every program folder receives from assets/.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/support/temp_folder.h"

namespace fortunara {
namespace {

std::string ReadBytes(const std::string& name) {
    std::ifstream in(test::Assets() / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t Little(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

std::uint32_t Big(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

TEST(BundledAssets, WaveFilesAreSmallMonoPcm) {
    for (const std::string name : {"POP.WAV", "SUONI/pop.WAV", "PARLATO1.wav", "PARLATO2.wav", "PARLATO3.wav",
                                   "PARLATO4.wav", "PARLATO5.wav", "PARLATO6.wav", "PARLATO7.wav", "PARLATO8.wav"}) {
        SCOPED_TRACE(name);
        const std::string wave = ReadBytes(name);
        ASSERT_GT(wave.size(), 44u);
        ASSERT_EQ(wave.substr(0, 4), "RIFF");
        ASSERT_EQ(wave.substr(8, 4), "WAVE");
        EXPECT_EQ(Little(wave, 4, 4), wave.size() - 8);
        // Walk the chunks to "fmt " and "data".
        std::size_t at = 12;
        std::uint32_t rate = 0, channels = 0, bits = 0, dataBytes = 0;
        while (at + 8 <= wave.size()) {
            const std::string id = wave.substr(at, 4);
            const std::uint32_t size = Little(wave, at + 4, 4);
            if (id == "fmt ") {
                EXPECT_EQ(Little(wave, at + 8, 2), 1u);  // PCM
                channels = Little(wave, at + 10, 2);
                rate = Little(wave, at + 12, 4);
                bits = Little(wave, at + 22, 2);
            } else if (id == "data") {
                dataBytes = size;
            }
            at += 8 + size + (size & 1);
        }
        EXPECT_EQ(channels, 1u);
        EXPECT_EQ(bits, 16u);
        EXPECT_TRUE(rate == 16000 || rate == 22050) << rate;
        ASSERT_GT(rate, 0u);
        const double seconds = dataBytes / 2.0 / rate;
        EXPECT_GT(seconds, 0.02);
        EXPECT_LT(seconds, name == "POP.WAV" ? 0.3 : 4.0);
    }
}

TEST(BundledAssets, SongIsAStandardMidiFileThatPlaysNotes) {
    const std::string song = ReadBytes("SONG.mid");
    ASSERT_GE(song.size(), 14u);
    ASSERT_EQ(song.substr(0, 4), "MThd");
    EXPECT_EQ(Big(song, 4, 4), 6u);
    EXPECT_LE(Big(song, 8, 2), 1u);
    const std::uint32_t tracks = Big(song, 10, 2);
    EXPECT_GT(Big(song, 12, 2), 0u);  // ticks per quarter note

    std::size_t at = 14;
    std::uint32_t found = 0;
    bool notes = false;
    while (at + 8 <= song.size()) {
        ASSERT_EQ(song.substr(at, 4), "MTrk") << "at byte " << at;
        const std::uint32_t size = Big(song, at + 4, 4);
        ASSERT_LE(at + 8 + size, song.size());
        const std::string body = song.substr(at + 8, size);
        EXPECT_EQ(body.substr(body.size() - 3), std::string("\xff\x2f\x00", 3)) << "track " << found;
        for (char byte : body) notes = notes || (static_cast<unsigned char>(byte) & 0xF0) == 0x90;
        ++found;
        at += 8 + size;
    }
    EXPECT_EQ(at, song.size());
    EXPECT_EQ(found, tracks);
    EXPECT_TRUE(notes);
}

TEST(BundledAssets, ManualIsWindowsTextWithCrLfLines) {
    const std::string manual = ReadBytes("manuale.txt");
    ASSERT_FALSE(manual.empty());
    for (std::size_t i = 0; i < manual.size(); ++i) {
        const auto byte = static_cast<unsigned char>(manual[i]);
        if (byte == '\n') {
            ASSERT_TRUE(i > 0 && manual[i - 1] == '\r') << "bare line feed at byte " << i;
        }
        if (byte == '\r') {
            ASSERT_TRUE(i + 1 < manual.size() && manual[i + 1] == '\n') << "bare return at byte " << i;
        }
        // Bytes that Windows-1252 leaves undefined, and control characters other than tab.
        const bool undefined = byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
        ASSERT_FALSE(undefined || (byte < 0x20 && byte != '\r' && byte != '\n' && byte != '\t')) << "byte " << i;
    }
    EXPECT_EQ(manual.substr(manual.size() - 2), "\r\n");
    for (const char* heading : {"AVVIO DEL PROGRAMMA", "LA CARTELLA DEL PROGRAMMA", "LA FINESTRA PRINCIPALE",
                                "IMPOSTAZIONI E SUONI", "I PULSANTI ANIMATI", "STAMPA"}) {
        EXPECT_NE(manual.find(heading), std::string::npos) << heading;
    }
}

}  // namespace
}  // namespace fortunara
