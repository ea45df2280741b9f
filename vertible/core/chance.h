#pragma once

namespace fortunara {

// What chance alone gives a forecast group of the method's shape: one superstar number and two
// play slips of six numbers, checked with the method's win rules against the draws that follow.
// The forecast is random: the superstar number uniform in 1 to 90, each slip six different numbers
// of 90, all independent. The draws are the game's: six different numbers of 90 and a superstar of
// 90 of its own, every draw independent of the others and of the forecast. The derivation is in
// docs/vertible-chance.md.

// The probability that such a group wins within `following` draws (0 to 18, those the archive
// holds), `withSuperstar` of which have a superstar (a draw without one cannot give the superstar
// forecast a win). Exact but for the rounding of doubles.
double ChanceOfWinning(int following, int withSuperstar);

}  // namespace fortunara
