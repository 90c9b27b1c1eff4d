// orvex-cli analyse: the special points of a graph (zeros, minima, maxima, intersections with other
// graphs) inside an x range, one line per point, sorted by x.
#include "AnalysisOptions.h"
#include "CliCommand.h"
#include "NumberText.h"
#include "SpecialPoints.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace orvex::cli {

namespace {

std::string pointLine(const SpecialPoint& p) {
    const std::string x = "x=" + PointText(p.x);
    const std::string y = " y=" + PointText(p.y);
    switch (p.kind) {
    case SpecialPoint::Kind::Zero:
        return "zero " + x;
    case SpecialPoint::Kind::Minimum:
        return "minimum " + x + y;
    case SpecialPoint::Kind::Maximum:
        return "maximum " + x + y;
    case SpecialPoint::Kind::Intersection:
        return "intersection " + std::to_string(p.other + 1) + " " + x + y;
    }
    return x;
}

int runAnalyse(CommandArgs& args) {
    TakeDecimalSeparator(args); // first: the limits are read with the separator in force
    const AnalysisRange range = TakeAnalysisRange(args);
    if (args.empty())
        throw UsageError("needs a formula");
    std::vector<GraphFunction> others;
    for (std::size_t i = 1; i < args.size(); ++i)
        others.push_back(FormulaFunction(args[i]));
    for (const SpecialPoint& p : FindSpecialPoints(FormulaFunction(args[0]), others, range))
        std::printf("%s\n", pointLine(p).c_str());
    return 0;
}

const CommandRegistrar registrar({"analyse",
                                  "analyse [--decimal-separator C] [--limits XMIN XMAX] FORMULA [OTHER...]",
                                  runAnalyse});

} // namespace

} // namespace orvex::cli
