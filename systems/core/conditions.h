#pragma once

#include <array>
#include <optional>

namespace fortunara {

// The grid of the tab "Link AND": rows 1 to 30 of column c hold the numbers of group c, row 32
// its lower and row 33 its upper bound. It lives as long as the program, like its counts.
inline constexpr int kGroupRows = 34;     // rows 0 to 33
inline constexpr int kGroupColumns = 51;  // columns 0 to 50
inline constexpr int kGroupLowerRow = 32;
inline constexpr int kGroupUpperRow = 33;

struct GroupSettings {
    int GroupFilterOn = -1;  // -1 off, any other value on
    std::array<std::array<int, kGroupColumns>, kGroupRows> GroupGrid{};
    int GroupColumnCount = 0;  // highest column that received a value
    int GroupRowCount = 0;     // highest row below 31 that received a value

    bool On() const { return GroupFilterOn != -1; }
    // The switch the window offers: from off to on (5), from on to off.
    void Toggle() { GroupFilterOn = On() ? -1 : 5; }
    // A value typed into cell (row, column). Values outside 0..90 change nothing; so does a cell
    // outside the stored rows 1..33 and columns 1..50 (row 34 of the grid has no storage).
    // Returns whether the value was stored.
    bool Enter(int row, int column, int value);
};

// The condition controls as the window reads them when "  ATTIVA CONDIZIONI" is ticked.
struct ConditionSettings {
    std::array<bool, 11> consecutive{};    // CheckBox4(i), frame "Consecutivita'"
    std::array<bool, 11> interruptions{};  // CheckBox3(i), frame "Interruzioni"
    std::array<bool, 11> even{};           // checkbox2(i), frame "Pari"
    // textbox2(i) "Primo :" .. "Quarto :", TextBox3(i) "DA", TextBox4(i) "A": the numeric value of
    // each box that is not empty (an empty box is nullopt; "abc" is filled with value 0).
    std::array<std::optional<int>, 4> heads{};
    std::array<std::optional<int>, 4> sumFrom{};
    std::array<std::optional<int>, 4> sumTo{};
    GroupSettings groups;
};

}  // namespace fortunara
