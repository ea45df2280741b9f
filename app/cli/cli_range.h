#pragma once

#include "app/cli/cli_command.h"
#include "statistics/core/scan_range.h"

namespace fortunara {

// The options the statistics share: --dal R --al R and --posizioni LIST (or "nessuna").

// The archive's record count; an archive that cannot be opened is a CliError.
int RecordCountOf(const CliContext& context);
ScanRange RangeOf(const CliContext& context);
// The position boxes that are ticked: 1-6 without the option, none for "nessuna".
PositionFlags PositionsOf(const CliContext& context);

}  // namespace fortunara
