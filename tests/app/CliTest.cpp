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

#include "documents/TDLLresfile.h"
#include "TestSupport.h"

#include <filesystem>

using namespace ballforge::test;

TEST(CliResources, LsShowsTheTreeAsTheEditorDoes) {
    auto r = Cli({"ls", FixturePath("pe/rsrc-reloc-512.dll")});
    EXPECT_EQ(r.code, ExitOk) << r.err;
    for (const char* line : {"LNZ\n", "  ADULT_LNZ\n", "    1031 ", "String list\n", "RCData\n", "RT240\n", "  300\n",
                             "TViewframeLNZSynedit", "TViewframeRCDataedit", "40963 bytes"})
        EXPECT_NE(r.out.find(line), std::string::npos) << line << "\n" << r.out;
    TempDir dir;
    WriteBytes(dir.file("a.lnz"), {'[', 'x', ']'});
    auto plain = Cli({"ls", dir.file("a.lnz")});
    EXPECT_EQ(plain.code, ExitOk);
    EXPECT_NE(plain.out.find("(plain file) 3 bytes"), std::string::npos) << plain.out;
}

TEST(CliResources, ExtractReplaceDeleteAndRewrite) {
    TempDir dir;
    const std::string file = CopyTo(dir, FixturePath("pe/rsrc-reloc-512.dll"), "m.dog");
    const std::string out = dir.file("adult.lnz");
    auto ex = Cli({"extract", file, "LNZ", "ADULT_LNZ", "1033", "-o", out});
    ASSERT_EQ(ex.code, ExitOk) << ex.err;
    EXPECT_EQ(ReadBytes(out).size(), 31u);
    // Typed identifiers: standard type names and numbers.
    auto rc = Cli({"extract", file, "rcdata", "1003", "1033"});
    EXPECT_EQ(rc.out, std::string("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A", 10));

    WriteBytes(dir.file("new.txt"), {'h', 'i'});
    const auto original = ReadBytes(file);
    auto copy = Cli({"replace", file, "TXT", "BEVENT", "1033", dir.file("new.txt"), "-o", dir.file("copy.dog")});
    ASSERT_EQ(copy.code, ExitOk) << copy.err;
    EXPECT_EQ(ReadBytes(file), original); // -o leaves the original alone
    auto added = Cli({"replace", file, "NEWTYPE", "ITEM", "1033", dir.file("new.txt")});
    ASSERT_EQ(added.code, ExitOk) << added.err;
    EXPECT_NE(added.out.find("Added NEWTYPE:ITEM:1033"), std::string::npos) << added.out;
    {
        TDLLresfile f(file);
        f.Load();
        ASSERT_TRUE(f.root().FindChildByName("NEWTYPE"));
        EXPECT_EQ(f.root().FindChildByName("NEWTYPE")->child(0)->child(0)->data, (std::vector<std::uint8_t>{'h', 'i'}));
        TDLLresfile c(dir.file("copy.dog"));
        c.Load();
        EXPECT_EQ(c.root().FindChildByName("TXT")->child(0)->FindChildByID(1033)->data, (std::vector<std::uint8_t>{'h', 'i'}));
    }
    auto del = Cli({"delete", file, "TXT", "BEVENT"});
    ASSERT_EQ(del.code, ExitOk) << del.err;
    auto delLang = Cli({"delete", file, "LNZ", "ADULT_LNZ", "1031"});
    ASSERT_EQ(delLang.code, ExitOk) << delLang.err;
    {
        TDLLresfile f(file);
        f.Load();
        EXPECT_FALSE(f.root().FindChildByName("TXT"));
        EXPECT_EQ(f.root().FindChildByName("LNZ")->FindChildByName("ADULT_LNZ")->count(), 1u);
    }
    auto rw = Cli({"rewrite", file, "-o", dir.file("rewritten.dog")});
    EXPECT_EQ(rw.code, ExitOk) << rw.err;
}

TEST(CliResources, ClearErrorsForBadInput) {
    TempDir dir;
    const std::string file = CopyTo(dir, FixturePath("pe/rsrc-reloc-512.dll"), "m.dog");
    WriteBytes(dir.file("x.bin"), {1});
    struct Case {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"extract", file, "LNZ", "NOPE", "1033"}, "no resource LNZ:NOPE"},
        {{"replace", file, "70000", "1", "1033", dir.file("x.bin")}, "TYPE must be a name or a number from 0 to 65535"},
        {{"replace", file, "LNZ", "A", "-1", dir.file("x.bin")}, "LANG must be a number from 0 to 65535"},
        {{"replace", file, "LNZ", "A", "abc", dir.file("x.bin")}, "LANG must be a number"},
        {{"replace", file, "LNZ", "A", "1033", dir.file("missing.bin")}, "missing.bin"},
        {{"ls", FixturePath("pe/pe32plus.dll")}, "Couldn't read resources from the file."},
    };
    const auto before = ReadBytes(file);
    for (const auto& c : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(RunCli(c.args, out, err), ExitUsage) << c.message;
        EXPECT_NE(err.str().find(c.message), std::string::npos) << err.str();
    }
    EXPECT_EQ(ReadBytes(file), before);
}
