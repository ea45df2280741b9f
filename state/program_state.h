#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace fortunara {

// The variables the windows share for the whole run. Windows hand data to each other only
// through these (and each other's controls): a window reads what the last writer left.
// Indices follow the program's own numbering; where an array is indexed by lottery number,
// element n belongs to number n. Nothing here is saved: every run starts afresh.
struct ProgramState {
    // Where the archive, the matrix library, the sounds and the manual live.
    std::filesystem::path programFolder;

    // Options and sound.
    int ClickSoundOn = 1;
    int VoiceOn = 1;
    int MusicOn = 0;

    // The archive and the current draw.
    int RecordCount = 0;
    std::array<int, 11> DrawNumbers{};  // 1-6 main numbers, 7 jolly, 8 superstar
    std::string CurrentDrawDate;
    std::array<std::string, 12> WheelNames{};  // 1-11

    // Numbers chosen by the user. Each array has one meaning, so that no window hands on what
    // another left there.
    std::array<int, 91> NumberSelected{};   // the search board: element n = 1 when n is marked
    std::array<int, 91> EnteredNumbers{};   // the system window: element i = the i-th number entered
    std::array<int, 91> ForecastFlags{};    // the forecast: element n = 1 when n is forecast
    std::array<int, 91> ForecastNumbers{};  // the forecast numbers ascending, from index 1
    std::vector<std::string> CommentLines = std::vector<std::string>(11);  // 1-10: the system's comments

    // The last number search, kept for its report.
    std::array<int, 91> SearchNumbers{};  // the marked numbers ascending, from index 1
    int SearchCount = 0;                  // marked numbers + 1
    int SearchSorte = 0;
    long long SearchTotal = 0;
    int SearchDelay = 0;
    int SearchMaxDelay = 0;
    int SearchHitCount = 0;                   // every hit
    std::vector<std::string> SearchHitTexts;  // the listed hits, the first hit first

    // The current system.
    std::vector<int> TicketNumbers = std::vector<int>(1);  // from index 1, TicketSize per combination
    int TicketCount = 0;
    int TicketSize = 0;
    int SystemNumberCount = 0;
    int SystemComboCount = 0;
    int SystemComboSize = 0;
    std::vector<std::array<int, 7>> SystemCombos = std::vector<std::array<int, 7>>(30001);
    int GuaranteeMode = 0;
    int SlipSource = 0;
    int PrintMode = 0;

    // Matrices and their names.
    std::string SelectedMatrixFile;
    int OpenedFromList = 0;
    std::string CurrentMatrixName;

    // The method window's hand-over from a run to its check.
    int ForecastRowCount = 0;

    // The eleven wheel names as the main window fills them at load.
    void FillWheelNames();
};

}  // namespace fortunara
