#pragma once

#include <string>

#include "platform/api/dialogs.h"

namespace fortunara {

// The archive could not be opened: the statistic shows nothing, and says why rather than
// passing an empty table off as a result.
inline void ReportArchiveError(Dialogs& dialogs, const std::string& error) {
    if (error.empty()) return;
    dialogs.Message(error, "ATTENZIONE !!!", DialogButtons::Ok, DialogIcon::Warning);
}

}  // namespace fortunara
