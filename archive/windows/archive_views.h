#pragma once

#include <functional>

namespace fortunara {

// What the archive's windows ask of the main window after they wrote the archive; the program's
// composition root fills it, so that a window never reaches into the main window itself.
struct ArchiveViews {
    // Draw `record` was written: both views move to it (the single draw first, then the table).
    std::function<void(int record)> drawWritten;
    // The whole archive was replaced: the views and the statistics' "AL" selector move to its newest draw.
    std::function<void()> archiveReplaced;
};

}  // namespace fortunara
