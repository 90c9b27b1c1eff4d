// orvex-cli diff [--var NAME] FORMULA: the simplified derivative of FORMULA with respect to NAME (x by
// default), as the add-derivative command computes it.
#include "CliCommand.h"
#include "DiffExpress.h"

#include <cstdio>
#include <memory>
#include <string>

namespace orvex::cli {

namespace {

int RunDiff(CommandArgs& args) {
    std::string var = "x";
    (void)TakeOption(args, "--var", var);
    if (args.size() != 1)
        throw UsageError("expected one formula");
    if (var.empty())
        throw UsageError("--var needs a name");

    const auto diff = std::make_unique<TDiffExpress>();
    diff->SetFormula(args[0]);
    std::string result;
    diff->Differentiate(var, result); // errors reach main: "error: MESSAGE", exit 1
    std::printf("%s\n", result.c_str());
    return 0;
}

const CommandRegistrar registrar({"diff", "diff [--var NAME] FORMULA", RunDiff});

} // namespace

} // namespace orvex::cli
