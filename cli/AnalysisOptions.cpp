#include "AnalysisOptions.h"

#include "NumberText.h"

#include <cmath>
#include <string>
#include <vector>

namespace orvex::cli {

namespace {

constexpr int kQuality = 100;
constexpr int kColumns = 600 - 2 * 18;

double readLimit(const std::string& text) {
    const auto value = ReadNumber(text);
    if (!value || !std::isfinite(static_cast<double>(*value)))
        throw UsageError("limit '" + text + "' is not a number");
    return static_cast<double>(*value);
}

} // namespace

AnalysisRange TakeAnalysisRange(CommandArgs& args) {
    AnalysisRange range;
    range.quality = kQuality;
    range.columns = kColumns;
    std::vector<std::string> values;
    if (!TakeOptionList(args, "--limits", 2, values))
        return range;
    range.xmin = readLimit(values[0]);
    range.xmax = readLimit(values[1]);
    if (!(range.xmin < range.xmax))
        throw UsageError("--limits needs XMIN below XMAX");
    return range;
}

} // namespace orvex::cli
