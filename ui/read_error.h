#pragma once

#include <string>

#include "platform/api/dialogs.h"

namespace fortunara {

// The archive or the matrix index could not be read: the table or list shows nothing, and says
// why rather than passing an empty result off as one.
inline void ReportReadError(Dialogs& dialogs, const std::string& error) {
    if (error.empty()) return;
    dialogs.Message(error, "ATTENZIONE !!!", DialogButtons::Ok, DialogIcon::Warning);
}

}  // namespace fortunara
