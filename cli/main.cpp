// orvex-cli: the plot evaluator, the differentiation component, the renderer and the calculators
// from the command line.
#include "CliCommand.h"
#include "NumberText.h"

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <exception>

namespace orvex::cli {

namespace {
std::vector<CliCommand>& registry() {
    static std::vector<CliCommand> commands;
    return commands;
}

void printUsage(std::FILE* out) {
    std::fputs("usage:\n", out);
    for (const auto& c : RegisteredCommands())
        std::fprintf(out, "  orvex-cli %s\n", c.usage);
}
} // namespace

CommandRegistrar::CommandRegistrar(const CliCommand& command) {
    registry().push_back(command);
}

const std::vector<CliCommand>& RegisteredCommands() {
    auto& commands = registry();
    std::sort(commands.begin(), commands.end(),
              [](const CliCommand& a, const CliCommand& b) { return std::string(a.name) < b.name; });
    return commands;
}

bool TakeOption(CommandArgs& args, const std::string& name, std::string& value) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != name)
            continue;
        if (i + 1 >= args.size())
            throw UsageError(name + " needs a value");
        value = args[i + 1];
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                   args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
        return true;
    }
    return false;
}

void TakeDecimalSeparator(CommandArgs& args) {
    std::string value;
    if (!TakeOption(args, "--decimal-separator", value))
        return;
    if (value.size() != 1)
        throw UsageError("--decimal-separator takes one character");
    SetDecimalSeparator(value[0]);
}

} // namespace orvex::cli

int main(int argc, char** argv) {
    using namespace orvex::cli;
    std::setlocale(LC_ALL, ""); // the user's decimal separator is the default
    if (argc < 2) {
        printUsage(stderr);
        return 2;
    }
    const std::string name = argv[1];
    for (const auto& command : RegisteredCommands()) {
        if (name != command.name)
            continue;
        CommandArgs args(argv + 2, argv + argc);
        try {
            return command.run(args);
        } catch (const UsageError& e) {
            std::fprintf(stderr, "orvex-cli %s: %s\nusage: orvex-cli %s\n", command.name, e.what(),
                         command.usage);
            return 2;
        } catch (const std::exception& e) {
            std::printf("error: %s\n", e.what());
            return 1;
        }
    }
    std::fprintf(stderr, "orvex-cli: unknown command '%s'\n", name.c_str());
    printUsage(stderr);
    return 2;
}
