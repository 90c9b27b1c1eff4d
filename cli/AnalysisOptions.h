#pragma once

#include "CliCommand.h"
#include "SpecialPoints.h"

namespace orvex::cli {

// The x range and the sampling of the commands that analyse formulas (analyse, investigate): the limits
// of "--limits XMIN XMAX" when given (-5 and 5 otherwise), the default quality of a new graph, and the
// plot columns of the default 600-pixel picture of orvex-cli render (600 less two margins of 18).
// Throws UsageError for a limit that is not a number or XMIN not below XMAX.
[[nodiscard]] AnalysisRange TakeAnalysisRange(CommandArgs& args);

} // namespace orvex::cli
