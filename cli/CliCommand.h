#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvex::cli {

// Bad arguments: main prints the message and the command's usage on standard error and exits 2.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The arguments after the command's name. "--" ends the options: it is dropped, and the arguments after
// it are operands that no Take* helper takes, even when one looks like an option (a formula "-x", a file
// named "--size").
class CommandArgs : public std::vector<std::string> {
  public:
    CommandArgs() = default;
    CommandArgs(const char* const* first, const char* const* last);

    // How many leading arguments may hold options: all but the operands after "--".
    [[nodiscard]] std::size_t optionCount() const noexcept;

  private:
    std::size_t operands_ = 0; // counted from the end, so taking options never moves the boundary
};

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

// Removes "--decimal-separator C" (C one character) from the options and makes C the separator in force;
// without the option the locale's separator stays in force.
void TakeDecimalSeparator(CommandArgs& args);
// Removes "NAME VALUE" from the options and puts VALUE into `value`; false when the option is absent.
[[nodiscard]] bool TakeOption(CommandArgs& args, const std::string& name, std::string& value);
// Removes "NAME V1 ... Vcount" from the options and puts the values into `values`; false when absent.
[[nodiscard]] bool TakeOptionList(CommandArgs& args, const std::string& name, std::size_t count,
                                  std::vector<std::string>& values);

} // namespace orvex::cli
