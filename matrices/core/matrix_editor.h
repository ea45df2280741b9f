#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "matrices/core/text_fields.h"

namespace fortunara {

// The matrix editor of the window Archivio: a matrix typed in by hand, first its quantity of
// numbers, its combinations ("bollette") and their size, then every position of every combination,
// then up to ten comment lines.

inline constexpr int kFewestPerCombination = 3;  // "-- Terzine"
inline constexpr int kMostPerCombination = 10;   // "Decine   --"
inline constexpr int kMostMatrixNumbers = 90;
inline constexpr int kMostMatrixCombinations = 999;  // what the file name holds
inline constexpr int kMatrixComments = 10;

inline constexpr char kEditorTitle[] = "ATTENZIONE !!!";
inline constexpr char kMissingParameter[] = "    MANCA QUALCHE PARAMETRO   QUANTITA ,   BOLLETTA , TIPO";
inline constexpr char kNumbersFirst[] = " PRIMA DEVI IMMETTERE TUTTI I NUMERI ";
inline constexpr char kNumberTitle[] = "IMMETTI IL NUMERO ";
inline constexpr char kCommentTitle[] = "IMMETTI IL COMMENTO ";
// Where the editor's input boxes stand, in twips.
inline constexpr int kEditorInputLeft = 100;
inline constexpr int kEditorInputTop = 3500;

// "NUMERI" with the texts of the two boxes and the chosen size: the matrix it starts, or why it
// cannot start. Besides a missing parameter (empty or 0), the quantity must be a whole number from
// the size to 90 and the combinations a whole number from 1 to 999, and the index must have room
// for one more name, so that a finished entry can always be named and registered.
struct NewMatrix {
    std::string name;  // "07N00806.SIS"
    std::string quantityText;
    std::string comboText;
    int quantity = 0;
    int combinations = 0;
    int comboSize = 0;
    std::string refusal;  // Italian, titled kEditorTitle; empty when the entry can start
    bool exists = false;  // a file of that name is already in the matrix folder
    bool ok() const { return refusal.empty(); }
};
NewMatrix CheckNewMatrix(const std::filesystem::path& programFolder, const std::string& quantityText,
                         const std::string& comboText, int comboSize);

// The question before a typed matrix takes the place of a file of the same name.
std::string ReplaceMatrixQuestion(const std::string& name);

// The positions of a new matrix, one answer at a time, combination after combination.
class MatrixEntry {
public:
    enum class Step {
        AskAgain,  // the answer was refused: tell Refusal() and ask for the same position
        Next,      // ask for the next position
        Done,      // every position of every combination is in
    };

    explicit MatrixEntry(const NewMatrix& matrix);

    // The combination asked for, from 1.
    int Combination() const { return combination_; }
    // One answer that is not empty (an empty answer ends the entry). A whole number from 1 to the
    // quantity, blanks around it allowed, is taken unless the combination already holds it.
    Step Take(const std::string& answer);
    // After AskAgain: "I NUMERI DEVONO ESSERE DA 1 A  7", or that the combination holds the number.
    const std::string& Refusal() const { return refusal_; }
    // After the answer that completed a combination: its row as the list shows it, four blanks and
    // each answer after two blanks (four below 10): "        1    2    3    4    5    6".
    const std::optional<std::string>& FinishedRow() const { return finishedRow_; }
    // The file so far: quantity and combinations as typed, the size, the positions taken.
    std::vector<std::string> Lines() const;

private:
    NewMatrix matrix_;
    std::vector<int> positions_;
    std::vector<int> row_;
    std::string rowText_;
    int combination_ = 1;
    std::string refusal_;
    std::optional<std::string> finishedRow_;
};

// Writes the typed matrix into the matrix folder as a whole; a finished entry is also registered
// in the index, a cancelled one is not.
FileOutcome WriteTypedMatrix(const std::filesystem::path& programFolder, const std::string& name,
                             const MatrixEntry& entry, bool finished, std::uintmax_t writeLimit = kNoWriteLimit);

// "IL FILE name NON C'E' NELLA CARTELLA matrion" when the matrix file is missing, or there is no
// matrix yet ("NESSUNA MATRICE ..."); empty when the file is there.
std::string MissingMatrixFile(const std::filesystem::path& programFolder, const std::string& name);

// "IMMETTI IL COMMENTO N'  1" ... "IMMETTI IL COMMENTO N'  10".
std::string CommentPrompt(int i);

// Puts the comment lines after the positions: the file keeps its first 3 + B * T lines (all of
// them when it is shorter, as a cancelled entry leaves it), then the comments as quoted lines,
// padded with empty ones to ten. Comment lines already there are replaced, so the matrix always
// reads the ones typed last.
FileOutcome WriteMatrixComments(const std::filesystem::path& programFolder, const std::string& name,
                                const std::vector<std::string>& comments, std::uintmax_t writeLimit = kNoWriteLimit);

}  // namespace fortunara
