#include "app/cli/CliCommand.h"

#include "documents/Errors.h"
#include "documents/FileUtils.h"

#include <charconv>
#include <exception>

namespace ballforge {

CliOptions::CliOptions(const CliArgs& args, const std::set<std::string>& valueOptions,
                       const std::set<std::string>& flagOptions) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--") {
            positional_.insert(positional_.end(), args.begin() + long(i) + 1, args.end());
            break;
        }
        if (a.size() > 1 && a[0] == '-' && !(a.size() > 1 && (a[1] >= '0' && a[1] <= '9'))) {
            if (a == "--help" || a == "-h") {
                flags_.insert("--help");
            } else if (valueOptions.count(a)) {
                if (i + 1 >= args.size()) throw ECliUsage("option " + a + " needs a value");
                values_.emplace(a, args[++i]);
            } else if (flagOptions.count(a)) {
                flags_.insert(a);
            } else {
                throw ECliUsage("unknown option " + a);
            }
        } else {
            positional_.push_back(a);
        }
    }
}

std::string CliOptions::value(const std::string& option, const std::string& fallback) const {
    auto it = values_.find(option);
    return it == values_.end() ? fallback : it->second;
}

std::vector<std::string> CliOptions::values(const std::string& option) const {
    std::vector<std::string> out;
    auto [b, e] = values_.equal_range(option);
    for (auto it = b; it != e; ++it) out.push_back(it->second);
    return out;
}

void CliOptions::expect(std::size_t min, std::size_t max) const {
    if (positional_.size() < min) throw ECliUsage("missing arguments");
    if (positional_.size() > max) throw ECliUsage("too many arguments");
}

std::int64_t CliNumber(const std::string& text, const std::string& what) {
    std::int64_t value = 0;
    const char* b = text.data();
    const char* e = text.data() + text.size();
    bool negative = false;
    if (b != e && (*b == '-' || *b == '+')) negative = *b++ == '-';
    int base = 10;
    if (e - b > 2 && b[0] == '0' && (b[1] == 'x' || b[1] == 'X')) {
        b += 2;
        base = 16;
    }
    auto [p, ec] = std::from_chars(b, e, value, base);
    if (b == e || ec != std::errc() || p != e) throw ECliUsage(what + " must be a number: '" + text + "'");
    return negative ? -value : value;
}

static void PrintUsage(std::ostream& out) {
    out << "Usage: ballforge-cli COMMAND [ARGUMENTS]\n\n"
           "Reads and writes the data files of the Petz games: breed, toy, clothes and playscene\n"
           "modules, .pet and .baby files and LNZ texts.\n\nCommands:\n";
    for (const CliCommand* c : CliCommandTable()) {
        const std::string syn(c->synopsis);
        out << "  " << syn;
        // Long synopses get their summary on a line of its own, in the same column.
        if (syn.size() >= 44) out << "\n  " << std::string(44, ' ');
        else out << std::string(44 - syn.size(), ' ');
        out << ' ' << c->summary << "\n";
    }
    out << "\n'ballforge-cli COMMAND --help' tells more about a command.\n";
}

static void PrintCommandHelp(const CliCommand& c, std::ostream& out) {
    out << "Usage: ballforge-cli " << c.synopsis << "\n\n" << c.summary << "\n";
    if (!c.help.empty()) out << "\n" << c.help;
    if (!c.help.empty() && c.help.back() != '\n') out << "\n";
}

int RunCli(const CliArgs& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        if (args.size() >= 2 && args[0] == "help") {
            for (const CliCommand* c : CliCommandTable())
                if (c->name == args[1]) {
                    PrintCommandHelp(*c, out);
                    return ExitOk;
                }
        }
        PrintUsage(args.empty() ? err : out);
        return args.empty() ? ExitUsage : ExitOk;
    }
    const CliCommand* command = nullptr;
    for (const CliCommand* c : CliCommandTable())
        if (c->name == args[0]) command = c;
    if (!command) {
        err << "ballforge-cli: unknown command '" << args[0] << "'\n";
        PrintUsage(err);
        return ExitUsage;
    }
    CliArgs rest(args.begin() + 1, args.end());
    for (const auto& a : rest)
        if (a == "--help" || a == "-h") {
            PrintCommandHelp(*command, out);
            return ExitOk;
        }
    CliContext ctx{out, err};
    try {
        return command->run(rest, ctx);
    } catch (const ECliUsage& e) {
        err << "ballforge-cli " << command->name << ": " << e.what() << "\n"
            << "Usage: ballforge-cli " << command->synopsis << "\n";
        return ExitUsage;
    } catch (const std::exception& e) {
        err << "ballforge-cli " << command->name << ": " << e.what() << "\n";
        return ExitUsage;
    }
}

} // namespace ballforge
