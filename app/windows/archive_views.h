#pragma once

#include "app/state/program_state.h"
#include "platform/api/platform.h"

namespace fortunara {

class ArchiveTab;
class MaintenanceTab;
class SearchTab;

// The archive views: `VScroll3` fills the table of tab 0, the options "Ruote"/"Crescente" refill
// it, `VScroll1` shows one draw on tab 6. Every fill rereads the archive.
void ConnectArchiveViews(ArchiveTab& archive, MaintenanceTab& maintenance, ProgramState& state, Platform& platform);

// The copy pictures: a press empties the clipboard, a release puts the selected cells of `grid3`
// (tab 0) or the selected hits of `List1(1)` (tab 1) on it.
void ConnectCopyPictures(ArchiveTab& archive, SearchTab& search, ProgramState& state, Platform& platform);

}  // namespace fortunara
