// orvex-cli investigate: the study of a function over an x range, one fact a line, in the order it is
// taught: domain, parity, axes, sign, f' with monotonicity and extrema, f'' with convexity and inflection
// points, asymptotes, range.
#include "AnalysisOptions.h"
#include "CliCommand.h"
#include "FunctionStudy.h"
#include "NumberText.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace orvex::cli {

namespace {

void print(const std::string& line) {
    std::printf("%s\n", line.c_str());
}

void intervals(const char* name, const std::vector<StudyInterval>& list) {
    for (const StudyInterval& i : list)
        print(std::string(name) + " " + PointText(i.from) + " " + PointText(i.to));
}

void points(const char* name, const std::vector<StudyPoint>& list) {
    for (const StudyPoint& p : list)
        print(std::string(name) + " x=" + PointText(p.x) + " y=" + PointText(p.y));
}

void derivative(const char* name, const StudyDerivative& d) {
    print(std::string(name) + (d.error.empty() ? " " + d.text : " error: " + d.error));
}

void slant(const char* towards, const SlantAsymptote& a) {
    if (a.state == SlantAsymptote::State::Found)
        print(std::string("asymptote ") + towards + " k=" + PointText(a.k) + " b=" + PointText(a.b));
}

void printStudy(const FunctionStudy& s) {
    intervals("domain", s.domain);
    for (const double x : s.noValue)
        print("no-value x=" + PointText(x));
    switch (s.parity) {
    case Parity::Even:
        print("parity even");
        break;
    case Parity::Odd:
        print("parity odd");
        break;
    case Parity::EvenAndOdd: // 0 on the symmetric part: both are true
        print("parity even");
        print("parity odd");
        break;
    case Parity::Neither:
        print("parity none");
        break;
    case Parity::NotChecked:
        break;
    }
    if (s.yIntercept)
        print("y-intercept y=" + PointText(*s.yIntercept));
    for (const double x : s.zeros)
        print("zero x=" + PointText(x));
    intervals("positive", s.positive);
    intervals("negative", s.negative);
    derivative("derivative", s.first);
    intervals("increasing", s.increasing);
    intervals("decreasing", s.decreasing);
    points("minimum", s.minima);
    points("maximum", s.maxima);
    derivative("second-derivative", s.second);
    intervals("convex-down", s.convexDown);
    intervals("convex-up", s.convexUp);
    points("inflection", s.inflections);
    for (const VerticalAsymptote& v : s.verticals)
        print("vertical-asymptote x=" + PointText(v.x));
    slant("+inf", s.towardsPlus);
    slant("-inf", s.towardsMinus);
    if (s.unboundedBelow || s.unboundedAbove)
        print("range unbounded");
    else if (s.hasValues)
        print("range " + PointText(s.least) + " " + PointText(s.greatest));
}

int runInvestigate(CommandArgs& args) {
    TakeDecimalSeparator(args); // first: the limits are read with the separator in force
    const AnalysisRange range = TakeAnalysisRange(args);
    if (args.size() != 1)
        throw UsageError(args.empty() ? "needs a formula" : "expected one formula");
    printStudy(StudyFunction(args[0], range));
    return 0;
}

const CommandRegistrar registrar({"investigate",
                                  "investigate [--decimal-separator C] [--limits XMIN XMAX] FORMULA",
                                  runInvestigate});

} // namespace

} // namespace orvex::cli
