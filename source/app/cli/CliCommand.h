#pragma once
// The command-line tool's commands and the small option parser they share.
#include <cstdint>
#include <map>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ballforge {

/// Exit codes: 0 success, 1 findings (errors reported by check), 2 unusable input or bad usage.
enum CliExit : int { ExitOk = 0, ExitFindings = 1, ExitUsage = 2 };

/// Bad command-line usage or unusable input: printed with the command's name, exit code 2.
class ECliUsage : public std::runtime_error {
public:
    explicit ECliUsage(const std::string& message) : std::runtime_error(message) {}
};

struct CliContext {
    std::ostream& out;
    std::ostream& err;
};

using CliArgs = std::vector<std::string>;

struct CliCommand {
    std::string_view name;
    std::string_view synopsis; // "ls FILE"
    std::string_view summary;  // one line for the command list
    std::string_view help;     // the rest of --help
    int (*run)(const CliArgs& args, CliContext& ctx);
};

/// Every command, in the order the help lists them.
const std::vector<const CliCommand*>& CliCommandTable();

/// Runs the tool with argv[1..]; answers the exit code. Never throws.
int RunCli(const CliArgs& args, std::ostream& out, std::ostream& err);

/// Splits arguments into positionals, options that take a value and flags. "--help" is a flag.
/// Unknown options raise ECliUsage.
class CliOptions {
public:
    CliOptions(const CliArgs& args, const std::set<std::string>& valueOptions,
               const std::set<std::string>& flagOptions = {});
    const std::vector<std::string>& positional() const { return positional_; }
    bool has(const std::string& option) const { return values_.count(option) || flags_.count(option); }
    std::string value(const std::string& option, const std::string& fallback = {}) const;
    /// Every value given for an option that may repeat.
    std::vector<std::string> values(const std::string& option) const;
    bool flag(const std::string& option) const { return flags_.count(option) != 0; }
    /// Raises ECliUsage unless the number of positionals is within [min, max].
    void expect(std::size_t min, std::size_t max) const;

private:
    std::vector<std::string> positional_;
    std::multimap<std::string, std::string> values_;
    std::set<std::string> flags_;
};

/// Parses a whole decimal (or 0x hexadecimal) number or raises ECliUsage naming what it is.
std::int64_t CliNumber(const std::string& text, const std::string& what);

} // namespace ballforge
