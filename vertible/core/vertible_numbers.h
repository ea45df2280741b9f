#pragma once

namespace fortunara {

// The number arithmetic of the vertible-numbers method. Tens and units of a value are g / 10 and
// g % 10, so a one-digit value has tens 0.

// The vertible of g (0 to 89), by the first rule that applies: 9 gives 90; units 9 give the twin of
// the tens (49 gives 44); a twin, 0 included, gives its tens followed by 9 (22 gives 29, 0 gives 9);
// any other value has its digits swapped (12 gives 21, 10 gives 1, 5 gives 50). Always 1 to 90.
int VertibleNumber(int g);

// The twin of a digit u: 11 * u (11, 22, ..., 88 for 1 to 8).
int TwinNumber(int u);

// The diametral of g: g + 45, less 90 when that is above 90 (45 gives 90, 46 gives 1, 0 gives 45).
int DiametralNumber(int g);

// A forecast number brought into range: above 90, 90 less, once.
int IntoRange(int x);

}  // namespace fortunara
