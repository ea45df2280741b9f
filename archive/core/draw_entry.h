#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace fortunara {

// The entry of a new draw, one number at a time, in a fixed order: the six main numbers, the jolly,
// the superstar (positions 1 to 8).
class DrawEntry {
public:
    enum class Step {
        Stop,      // the user cancelled: the numbers taken so far stay, nothing is written
        AskAgain,  // ask again for the same position
        Next,      // ask for the next position
        Done,      // all eight are in
    };

    // The position asked for next, 1 to 8.
    int Position() const { return position_; }

    // One answer of the prompt: nullopt when it was cancelled or closed. A whole number 1 to 90
    // (blanks around it allowed) is taken; 0 stops; anything else (above 90, negative, fractional,
    // letters, nothing) asks again. A number already given for an earlier position of the six, or
    // the jolly equal to one of the six, is taken (the grid shows it) and asked again; the
    // superstar may equal any of them, since it is drawn apart.
    Step Take(const std::optional<std::string>& answer);

    // After Take: the number just taken at `TakenPosition`, which the window shows; nullopt when
    // the answer took nothing.
    std::optional<int> Taken() const { return taken_; }
    int TakenPosition() const { return takenPosition_; }

private:
    std::array<int, 9> numbers_{};
    int position_ = 1;
    std::optional<int> taken_;
    int takenPosition_ = 0;
};

// What the prompt's text says: 0 for a cancel, 1..90 for a number, nullopt for anything else.
std::optional<int> ReadPromptNumber(std::string_view text);

}  // namespace fortunara
