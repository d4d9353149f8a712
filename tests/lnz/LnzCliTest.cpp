// The check, reformat and tokens commands: golden cases, exit codes, modules, and the real LNZ texts.
#include "app/cli/CliCommand.h"
#include "app/cli/LNZTexts.h"
#include "documents/OpenContainer.h"
#include "lnz/LNZManual.h"
#include "lnz/SectionHelpContexts.h"
#include "lnz/TLNZChecker.h"
#include "lnz/TLNZTextLines.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

using namespace ballforge;
using ballforge::test::TempDir;

namespace {

struct CliRun {
    int code;
    std::string out, err;
};

CliRun Cli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = RunCli(args, out, err);
    return {code, out.str(), err.str()};
}

std::string ReadText(const std::string& file) {
    auto bytes = test::ReadBytes(file);
    return std::string(bytes.begin(), bytes.end());
}

void WriteText(const std::string& file, const std::string& text) {
    test::WriteBytes(file, std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::vector<std::uint8_t> Reformatted(const std::vector<std::uint8_t>& bytes) {
    TLNZTextLines lines;
    lines.LoadFromBytes(bytes);
    TLNZChecker().ReformatLines(lines);
    return lines.SaveToBytes();
}

std::vector<std::string> GoldenCases() {
    std::vector<std::string> cases;
    for (const auto& entry : std::filesystem::directory_iterator(BALLFORGE_LNZ_GOLDEN))
        if (std::filesystem::exists(entry.path() / "input.lnz")) cases.push_back(entry.path().string());
    std::sort(cases.begin(), cases.end());
    return cases;
}

} // namespace

TEST(LNZGolden, EveryCaseMatchesItsExpectedFiles) {
    const auto cases = GoldenCases();
    ASSERT_GE(cases.size(), 4u);
    TempDir tmp;
    for (const std::string& dir : cases) {
        SCOPED_TRACE(dir);
        // Relative names as the regenerating script uses them, so that messages compare as they are.
        const auto here = std::filesystem::current_path();
        std::filesystem::current_path(dir);
        const CliRun check = Cli({"check", "input.lnz"});
        const CliRun tokens = Cli({"tokens", "input.lnz"});
        std::filesystem::current_path(here);
        EXPECT_LE(check.code, 1) << check.err;
        EXPECT_EQ(check.out, ReadText(dir + "/expected-messages.txt"));
        EXPECT_EQ(tokens.code, 0) << tokens.err;
        EXPECT_EQ(tokens.out, ReadText(dir + "/expected-tokens.txt"));
        const std::string out = tmp.file(std::filesystem::path(dir).filename().string() + ".lnz");
        const CliRun reformat = Cli({"reformat", dir + "/input.lnz", "-o", out});
        ASSERT_EQ(reformat.code, 0) << reformat.err;
        EXPECT_EQ(ReadText(out), ReadText(dir + "/expected-reformat.lnz"));
        // Reformatting a reformatted text changes nothing.
        const CliRun again = Cli({"reformat", out});
        EXPECT_EQ(again.out, "0 lines reformatted\n");
        EXPECT_EQ(ReadText(out), ReadText(dir + "/expected-reformat.lnz"));
    }
}

TEST(LNZCli, CheckExitCodesAndLabels) {
    TempDir tmp;
    WriteText(tmp.file("clean.lnz"), "[Linez]\r\n1,2,3,4,5,6,7,8\r\n");
    WriteText(tmp.file("warn.lnz"), "[Omissions]\n#2\n1\n##\n");
    WriteText(tmp.file("bad.lnz"), "[Linez]\n1,2\n");
    EXPECT_EQ(Cli({"check", tmp.file("clean.lnz")}).out, "Error check complete - No errors found!\n");
    EXPECT_EQ(Cli({"check", tmp.file("clean.lnz")}).code, ExitOk);
    const CliRun warn = Cli({"check", tmp.file("warn.lnz")});
    EXPECT_EQ(warn.code, ExitOk) << "warnings alone are no failure";
    EXPECT_EQ(warn.out,
              "[Warning] (4) Variations missing\nError check complete. 1 warnings, 0 errors, 0 hints. "
              "Double click an entry to jump to that line\n");
    const CliRun bad = Cli({"check", tmp.file("bad.lnz")});
    EXPECT_EQ(bad.code, ExitFindings);
    EXPECT_EQ(bad.out.substr(0, bad.out.find('\n')),
              "[Error] (2) Wrong number of parameters: 2 found, 8 required.");
    // Several files: each line names its file.
    const CliRun both = Cli({"check", tmp.file("clean.lnz"), tmp.file("bad.lnz")});
    EXPECT_EQ(both.code, ExitFindings);
    EXPECT_NE(both.out.find(tmp.file("bad.lnz") + ": [Error] (2)"), std::string::npos) << both.out;
    EXPECT_NE(both.out.find(tmp.file("clean.lnz") + ": Error check complete - No errors found!"),
              std::string::npos);

    const CliRun missing = Cli({"check", tmp.file("none.lnz")});
    EXPECT_EQ(missing.code, ExitUsage);
    EXPECT_NE(missing.err.find("no such file"), std::string::npos);
    EXPECT_EQ(Cli({"check"}).code, ExitUsage);
    EXPECT_EQ(Cli({"reformat", tmp.file("clean.lnz"), "extra"}).code, ExitUsage);
    EXPECT_EQ(Cli({"tokens"}).code, ExitUsage);
}

TEST(LNZCli, ReformatKeepsLineBreaksAndWritesSafely) {
    TempDir tmp;
    const std::string file = tmp.file("lf.lnz");
    WriteText(file, "[Thin/Fat]\n1 2 3 ;x\n\n");
    const CliRun r = Cli({"reformat", file});
    EXPECT_EQ(r.code, ExitOk) << r.err;
    EXPECT_EQ(r.out, "1 lines reformatted\nWrote " + file + "\n");
    EXPECT_EQ(ReadText(file), "[Thin/Fat]\n1,\t2,\t3 ;x\n\n");
    // Nothing to do: the file is left alone.
    const auto before = std::filesystem::last_write_time(file);
    EXPECT_EQ(Cli({"reformat", file}).out, "0 lines reformatted\n");
    EXPECT_EQ(std::filesystem::last_write_time(file), before);

    WriteText(tmp.file("cr.lnz"), "[Move]\r1 2 3 4\r");
    Cli({"reformat", tmp.file("cr.lnz"), "-o", tmp.file("cr-out.lnz")});
    EXPECT_EQ(ReadText(tmp.file("cr-out.lnz")), "[Move]\r1,\t2,\t3,\t4\r");
    EXPECT_EQ(ReadText(tmp.file("cr.lnz")), "[Move]\r1 2 3 4\r") << "with -o the input is not touched";
}

TEST(LNZCli, TokensListing) {
    TempDir tmp;
    WriteText(tmp.file("t.lnz"), "[Linez]\r\n1,\t-2 ;c\\\r\n");
    const CliRun r = Cli({"tokens", tmp.file("t.lnz")});
    EXPECT_EQ(r.code, ExitOk);
    EXPECT_EQ(r.out, "1\tsection\t[Linez]\n"
                     "2\tnumber\t1\n2\tother\t,\n2\tspace\t\\t\n2\tother\t-\n2\tnumber\t2\n2\tspace\t \n"
                     "2\tcomment\t;c\\\\\n");
}

TEST(LNZCli, LNZTextsOfAPlainFile) {
    TempDir tmp;
    WriteText(tmp.file("a.txt"), "[Linez]\n");
    auto file = OpenContainer(tmp.file("a.txt"));
    auto texts = LNZTextsOf(*file);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].label, "");
    EXPECT_EQ(texts[0].node, &file->root());
}

// --- The real LNZ texts (skipped when the folder of real game files is absent)

TEST(LNZRealData, PoodleTextChecksAndReformatsStably) {
    BALLFORGE_REQUIRE_REALDATA("lnz/Poodle.lnz");
    const std::string path = test::RealDataPath("lnz/Poodle.lnz");
    const CliRun check = Cli({"check", path});
    EXPECT_LE(check.code, ExitFindings) << check.err;
    EXPECT_NE(check.out.find("Error check complete"), std::string::npos);

    const std::string text = ReadText(path);
    TLNZTextLines lines(text);
    EXPECT_EQ(lines.Text(), text) << "loading and saving unchanged gives the same bytes";
    TLNZChecker checker;
    checker.ReformatLines(lines);
    const std::string once = lines.Text();
    TLNZTextLines again(once);
    checker.ReformatLines(again);
    EXPECT_EQ(again.Text(), once);
    EXPECT_EQ(again.changedLines(), 0u);
}

TEST(LNZRealData, ModuleTextsCheckAndReformatStably) {
    BALLFORGE_REQUIRE_REALDATA("modules");
    int texts = 0;
    for (const auto& entry : std::filesystem::directory_iterator(test::RealDataPath("modules"))) {
        SCOPED_TRACE(entry.path().string());
        auto file = OpenContainer(entry.path().string());
        for (const TLNZTextRef& ref : LNZTextsOf(*file)) {
            ++texts;
            TLNZTextLines lines;
            lines.LoadFromBytes(ref.node->data);
            EXPECT_EQ(lines.SaveToBytes(), ref.node->data) << ref.label;
            TLNZChecker checker;
            checker.CheckForErrors(lines);
            EXPECT_EQ(checker.messages.size(),
                      std::size_t(checker.errors + checker.warnings + checker.hints + 1));
            checker.ReformatLines(lines);
            const std::string once = lines.Text();
            TLNZTextLines again(once);
            checker.ReformatLines(again);
            EXPECT_EQ(again.Text(), once) << ref.label;
        }
        const CliRun check = Cli({"check", entry.path().string()});
        EXPECT_LE(check.code, ExitFindings) << check.err;
    }
    EXPECT_GE(texts, 5) << "Poodle's two LNZ, the toys' LNZ and the costume's CLZ";
}

TEST(LNZCli, ReformatOfAModuleSavesThroughTheModule) {
    TempDir tmp;
    const std::string dog =
        test::CopyTo(tmp, std::string(BALLFORGE_SOURCE_ROOT) + "/examples/Sample.dog", "Sample.dog");
    std::filesystem::permissions(dog, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    WriteText(tmp.file("messy.lnz"), "[Move]\r\n1 2 3 4 ;m\r\n\r\n[Omissions]\r\n5 , 6");
    ASSERT_EQ(Cli({"replace", dog, "LNZ", "SAMPLEPUP", "1033", tmp.file("messy.lnz")}).code, ExitOk);

    const std::string out = tmp.file("Reformatted.dog");
    const CliRun r = Cli({"reformat", dog, "-o", out});
    ASSERT_EQ(r.code, ExitOk) << r.err;
    EXPECT_NE(r.out.find("LNZ:SAMPLEPUP:1033: 1 lines reformatted"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("LNZ:SAMPLE:1033: "), std::string::npos) << r.out;

    auto before = OpenContainer(dog);
    auto after = OpenContainer(out);
    std::size_t compared = 0;
    // The LNZ resources are reformatted; every other resource is byte for byte what it was.
    std::function<void(tresourcenode&, tresourcenode&, std::string)> walk =
        [&](tresourcenode& a, tresourcenode& b, std::string path) {
            ASSERT_EQ(a.count(), b.count()) << path;
            if (a.count() == 0) {
                ++compared;
                if (path == "LNZ:SAMPLEPUP:1033")
                    EXPECT_EQ(std::string(b.data.begin(), b.data.end()),
                              "[Move]\r\n1,\t2,\t3,\t4 ;m\r\n\r\n[Omissions]\r\n5 , 6");
                else if (path == "LNZ:SAMPLE:1033")
                    EXPECT_EQ(b.data, Reformatted(a.data));
                else
                    EXPECT_EQ(a.data, b.data) << path;
            }
            for (std::size_t i = 0; i < a.count(); ++i)
                walk(*a.child(i), *b.child(i),
                     path + (path.empty() ? "" : ":") + before->IdentifierText(*a.child(i)));
        };
    walk(before->root(), after->root(), "");
    EXPECT_GE(compared, 7u);
}

TEST(LNZCli, ManualWritesEverySectionPage) {
    TempDir dir;
    const CliRun run = Cli({"manual", dir.path().string()});
    ASSERT_EQ(run.code, ExitOk) << run.err;
    EXPECT_EQ(ReadText(dir.file("sections.html")), ManualSectionsHtml());
    for (std::int32_t topic : ManualTopics())
        EXPECT_EQ(ReadText(dir.file(ManualTopicPage(topic))), ManualTopicHtml(topic)) << topic;
    EXPECT_EQ(Cli({"manual", dir.file("missing")}).code, ExitUsage);
    EXPECT_EQ(Cli({"manual"}).code, ExitUsage);
}
