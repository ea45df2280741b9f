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
    std::string EnteredDate;
    std::array<std::string, 12> WheelNames{};  // 1-11

    // Draw ranges, as record numbers.
    int RangeFrom = 0;
    int RangeTo = 0;
    int RangeSpan = 0;
    int ForecastBase = 0;
    int CheckDrawRecord = 0;

    // Numbers chosen by the user; each array's meaning depends on its last writer.
    std::array<int, 91> NumberSelected{};
    std::array<int, 31> PositionOn{};  // 1-6 main numbers ascending, 7 jolly, 8 superstar
    std::array<int, 91> SearchNumbers{};
    std::array<int, 91> ForecastNumbers{};
    std::vector<std::string> CommentLines = std::vector<std::string>(5001);
    int MethodPosition = 0;
    int MethodKind = 0;

    // The results of the last number search, kept for its report; the forecast clears the hit
    // count and the largest delay.
    int SearchCount = 0;  // marked numbers + 1
    int SearchSorte = 0;
    long long SearchTotal = 0;
    int SearchDelay = 0;
    int SearchMaxDelay = 0;
    int SearchHitCount = 0;  // every hit; the texts in CommentLines stop at the listed ones

    // The current system.
    std::vector<int> TicketNumbers = std::vector<int>(1);  // from index 1, TicketSize per combination
    int TicketCount = 0;
    int TicketSize = 0;
    int SystemNumberCount = 0;
    int SystemComboCount = 0;
    int SystemComboSize = 0;
    std::vector<std::array<int, 7>> SystemCombos = std::vector<std::array<int, 7>>(30001);
    std::array<int, 13> CurrentCombo{};
    int GuaranteeMode = 0;
    int SlipSource = 0;
    int PrintMode = 0;
    // The slip window's print position, in twips: set from its horizontal and vertical start.
    int SlipX = 0;
    int SlipY = 0;

    // Matrices and their names.
    std::vector<std::string> MatrixFiles = std::vector<std::string>(501);
    std::string SelectedMatrixFile;
    int OpenedFromList = 0;
    std::string CurrentMatrixName;

    // The method window's hand-over from a run to its check.
    int ForecastRow = 0;
    int ForecastRowCount = 0;
    int Diametral = 0;  // the diametral value of the last draw the method took

    // The eleven wheel names as the main window fills them at load.
    void FillWheelNames();
};

}  // namespace fortunara
