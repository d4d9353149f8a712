#include "app/cli/CliCommand.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace ballforge;

namespace {
struct Run {
    int code;
    std::string out, err;
};
Run Cli(std::initializer_list<std::string> args) {
    std::ostringstream out, err;
    int code = RunCli(CliArgs(args), out, err);
    return {code, out.str(), err.str()};
}
} // namespace

TEST(Cli, HelpUsageAndUnknownCommands) {
    auto none = Cli({});
    EXPECT_EQ(none.code, ExitUsage);
    EXPECT_NE(none.err.find("Commands:"), std::string::npos);
    auto help = Cli({"--help"});
    EXPECT_EQ(help.code, ExitOk);
    for (const CliCommand* c : CliCommandTable()) {
        EXPECT_NE(help.out.find(std::string(c->synopsis)), std::string::npos) << c->name;
        auto h = Cli({std::string(c->name), "--help"});
        EXPECT_EQ(h.code, ExitOk) << c->name;
        EXPECT_NE(h.out.find("Usage: ballforge-cli"), std::string::npos) << c->name;
    }
    auto bad = Cli({"frobnicate"});
    EXPECT_EQ(bad.code, ExitUsage);
    EXPECT_NE(bad.err.find("unknown command 'frobnicate'"), std::string::npos);
}

TEST(Cli, BadArgumentsGiveExitCode2AndAMessage) {
    struct Case {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"ls"}, "missing arguments"},
        {{"ls", "a", "b"}, "too many arguments"},
        {{"ls", "/nonexistent/file.dog"}, "no such file"},
        {{"ls", "x", "--bogus"}, "unknown option --bogus"},
        {{"extract", "x", "RCData", "1003", "1033", "-o"}, "needs a value"},
    };
    for (const auto& c : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(RunCli(c.args, out, err), ExitUsage) << c.message;
        EXPECT_NE(err.str().find(c.message), std::string::npos) << err.str();
    }
}
