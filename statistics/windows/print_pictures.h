#pragma once

namespace fortunara {

class Sestine;
struct SearchSummary;

// The printer pictures `Animazione_Stampante(0)` (tab 0) and `Animazione_Stampante(1)` (tab 1): on
// the archive tab the archive print of the range `HScroll7`/`HScroll6`, on any other tab the
// report of the last number search.
void ConnectPrintPictures(Sestine& window, const SearchSummary& summary);

}  // namespace fortunara
