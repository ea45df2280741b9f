#pragma once

#include <istream>
#include <string>

#include "systems/core/conditions.h"

namespace fortunara {

// The grid of the tab "Link AND" from a text, one group a line: its numbers as a LIST, then after
// blanks how many of them a combination must hold as DA-A ("1-10,15 2-3"). The n-th group is
// column n of the grid, its numbers rows 1 up, DA and A the rows "Da" and "A"; blank lines are
// skipped. The group filter is on. Throws CliError, naming the line, for anything else.
GroupSettings ReadGroups(std::istream& in);
// The same from the file at `path`.
GroupSettings ReadGroupsFile(const std::string& path);

}  // namespace fortunara
