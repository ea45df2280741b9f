#pragma once

namespace fortunara {

class Sestine;
struct SearchSummary;

// Tab 1: marking and unmarking the numbers of the board, "Cancella i numeri della ricerca", and
// the search ("CERCA") into "RITARDO", "RIT. MAX", "FREQUENZA" and the hit list `List1(1)`.
void ConnectSearchTab(Sestine& window, SearchSummary& summary);

}  // namespace fortunara
