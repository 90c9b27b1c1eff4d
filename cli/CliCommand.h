#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace orvex::cli {

// Bad arguments: main prints the message and the command's usage and exits 2.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

using CommandArgs = std::vector<std::string>;

struct CliCommand {
    const char* name;
    const char* usage; // one line, after "orvex-cli "
    int (*run)(CommandArgs& args);
};

// Each command file registers itself with a static CommandRegistrar.
class CommandRegistrar {
  public:
    explicit CommandRegistrar(const CliCommand& command);
};

[[nodiscard]] const std::vector<CliCommand>& RegisteredCommands();

// Removes "--decimal-separator C" (C one character) from args wherever it stands and makes C the
// separator in force; without the option the locale's separator stays in force.
void TakeDecimalSeparator(CommandArgs& args);
// Removes "NAME VALUE" from args and returns VALUE, or an empty optional text when absent.
[[nodiscard]] bool TakeOption(CommandArgs& args, const std::string& name, std::string& value);

} // namespace orvex::cli
