// orvex-cli: the plot evaluator, the differentiation component, the renderer and the calculators
// from the command line. Results go to standard output; usage and the failures that end a command go
// to standard error.
#include "CliCommand.h"
#include "NumberText.h"

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string_view>

namespace orvex::cli {

namespace {

constexpr const char* kVersion = "1.0 RC2";
constexpr std::string_view kHelp = "--help";
constexpr std::string_view kEndOfOptions = "--";

std::vector<CliCommand>& registry() {
    static std::vector<CliCommand> commands;
    return commands;
}

void printUsage(std::FILE* out) {
    std::fputs("usage:\n", out);
    for (const auto& c : RegisteredCommands())
        std::fprintf(out, "  orvex-cli %s\n", c.usage);
    std::fputs("  orvex-cli [COMMAND] --help\n"
               "  orvex-cli --version\n"
               "Options may stand anywhere before \"--\"; the arguments after it are taken as they stand.\n",
               out);
}

// Removes `count` arguments at `at` from the options.
void eraseOptions(CommandArgs& args, std::size_t at, std::size_t count) {
    const auto first = args.begin() + static_cast<std::ptrdiff_t>(at);
    args.erase(first, first + static_cast<std::ptrdiff_t>(count));
}

// Everything written to standard output must arrive: a full disk or a closed pipe is a failure.
int finishOutput(int code) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "error: cannot write the output: %s\n", std::strerror(errno));
        return code == 0 ? 1 : code;
    }
    return code;
}

int runCommand(const CliCommand& command, CommandArgs& args) {
    const auto options = args.begin() + static_cast<std::ptrdiff_t>(args.optionCount());
    if (std::find(args.begin(), options, kHelp) != options) {
        std::printf("usage: orvex-cli %s\n", command.usage);
        return 0;
    }
    try {
        return command.run(args);
    } catch (const UsageError& e) {
        std::fprintf(stderr, "orvex-cli %s: %s\nusage: orvex-cli %s\n", command.name, e.what(),
                     command.usage);
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "error: %s\n", e.what());
        return 1;
    }
}

int run(int argc, char** argv) {
    if (argc < 2) {
        printUsage(stderr);
        return 2;
    }
    const std::string_view name = argv[1];
    if (name == kHelp) {
        printUsage(stdout);
        return 0;
    }
    if (name == "--version") {
        std::printf("orvex-cli %s\n", kVersion);
        return 0;
    }
    for (const auto& command : RegisteredCommands()) {
        if (name != command.name)
            continue;
        CommandArgs args(argv + 2, argv + argc);
        return runCommand(command, args);
    }
    std::fprintf(stderr, "orvex-cli: unknown command '%s'\n", argv[1]);
    printUsage(stderr);
    return 2;
}

} // namespace

CommandArgs::CommandArgs(const char* const* first, const char* const* last) {
    const char* const* dashes = std::find(first, last, kEndOfOptions);
    assign(first, dashes);
    if (dashes != last) {
        insert(end(), dashes + 1, last);
        operands_ = static_cast<std::size_t>(last - dashes - 1);
    }
}

std::size_t CommandArgs::optionCount() const noexcept {
    return size() - std::min(size(), operands_);
}

CommandRegistrar::CommandRegistrar(const CliCommand& command) {
    registry().push_back(command);
}

const std::vector<CliCommand>& RegisteredCommands() {
    auto& commands = registry();
    std::sort(commands.begin(), commands.end(),
              [](const CliCommand& a, const CliCommand& b) { return std::string(a.name) < b.name; });
    return commands;
}

bool TakeOptionList(CommandArgs& args, const std::string& name, std::size_t count,
                    std::vector<std::string>& values) {
    const std::size_t options = args.optionCount();
    for (std::size_t i = 0; i < options; ++i) {
        if (args[i] != name)
            continue;
        if (i + count >= options)
            throw UsageError(name +
                             (count == 1 ? " needs a value" : " needs " + std::to_string(count) + " values"));
        const auto first = args.begin() + static_cast<std::ptrdiff_t>(i) + 1;
        values.assign(first, first + static_cast<std::ptrdiff_t>(count));
        eraseOptions(args, i, count + 1);
        return true;
    }
    return false;
}

bool TakeOption(CommandArgs& args, const std::string& name, std::string& value) {
    std::vector<std::string> values;
    if (!TakeOptionList(args, name, 1, values))
        return false;
    value = values.front();
    return true;
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
    std::setlocale(LC_ALL, ""); // the user's decimal separator is the default
    return orvex::cli::finishOutput(orvex::cli::run(argc, argv));
}
