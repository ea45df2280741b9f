#pragma once

#include <filesystem>
#include <string>

#include "platform/api/dialogs.h"

namespace fortunara {

// Before an append the archive's order does not expect (a date older than the newest draw, or one
// already present farther back than the newest ones) the user is asked, and told which draw is
// newer. True when the append may go on: in order, or the user said Yes.
bool AppendInOrder(Dialogs& dialogs, const std::filesystem::path& programFolder, const std::string& date);

}  // namespace fortunara
