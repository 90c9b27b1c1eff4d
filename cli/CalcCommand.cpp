// orvex-cli calc: the five calculators of the auxiliary-calculations dialog. Prints the result labels
// exactly as the dialog shows them, one a line (UTF-8).
#include "Calculators.h"
#include "CliCommand.h"
#include "Cp1251.h"
#include "NumberText.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace orvex::cli {

namespace {

void PrintLine(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

void ExpectArgs(const CommandArgs& args, std::size_t count, const char* form) {
    if (args.size() != count + 1)
        throw UsageError(std::string("expected: ") + form);
}

int Integral(const CommandArgs& args) {
    ExpectArgs(args, 4, "integral FORMULA X1 X2 STEPS");
    const auto steps = ReadInteger(args[4]);
    if (!steps || *steps < calc::kMinSteps || *steps > calc::kMaxSteps)
        throw UsageError("STEPS must be an integer from 10 to 20000");
    PrintLine(CalculateIntegral(Utf8ToCp1251(args[1]), args[2], args[3], *steps));
    return 0;
}

int Value(const CommandArgs& args) {
    ExpectArgs(args, 2, "value FORMULA X");
    PrintLine(CalculateValue(Utf8ToCp1251(args[1]), args[2]));
    return 0;
}

int Line(const CommandArgs& args) {
    ExpectArgs(args, 4, "line X1 Y1 X2 Y2");
    PrintLine(CalculateLine(args[1], args[2], args[3], args[4]));
    return 0;
}

int Quadratic(const CommandArgs& args) {
    ExpectArgs(args, 3, "quad A B C");
    const QuadraticRoots roots = SolveQuadratic(args[1], args[2], args[3]);
    if (roots.zeroA) {
        std::fprintf(stderr, "%s\n", std::string(calc::kZeroAMessage).c_str());
        return 1;
    }
    PrintLine(roots.x1);
    PrintLine(roots.x2);
    return 0;
}

int Planes(const CommandArgs& args) {
    ExpectArgs(args, 6, "planes A1 B1 C1 A2 B2 C2");
    PrintLine(CalculatePlanesAngle({args[1], args[2], args[3]}, {args[4], args[5], args[6]}));
    return 0;
}

int RunCalc(CommandArgs& args) {
    TakeDecimalSeparator(args);
    if (args.empty())
        throw UsageError("KIND is missing");
    const std::string& kind = args[0];
    if (kind == "integral")
        return Integral(args);
    if (kind == "value")
        return Value(args);
    if (kind == "line")
        return Line(args);
    if (kind == "quad")
        return Quadratic(args);
    if (kind == "planes")
        return Planes(args);
    throw UsageError("unknown KIND '" + kind + "'");
}

const CommandRegistrar
    registrar({"calc",
               "calc [--decimal-separator C] integral FORMULA X1 X2 STEPS | value FORMULA X"
               " | line X1 Y1 X2 Y2 | quad A B C | planes A1 B1 C1 A2 B2 C2",
               &RunCalc});

} // namespace

} // namespace orvex::cli
