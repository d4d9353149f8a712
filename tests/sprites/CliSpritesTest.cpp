// The sprites, breed and strings commands of the command-line tool.
#include "SpriteBuilders.h"
#include "TestSupport.h"

#include "app/cli/CliCommand.h"
#include "documents/TDLLresfile.h"
#include "sprites/spriteRCDATAunit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace ballforge {
namespace {

struct CliRun {
    int code;
    std::string out, err;
};

CliRun Cli(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int code = RunCli(args, out, err);
    return {code, out.str(), err.str()};
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::vector<std::string> Files(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(CliSprites, ListsAndWritesARawContainer) {
    test::TempDir dir;
    const std::string file = dir.file("walk.spr");
    test::WriteBytes(file,
                     test::BuildContainer({{"Walk",
                                            1,
                                            2,
                                            {test::FrameSpec{5, 6, 2, 1, 2, {0x02, 1, 2, 3, 4, 5, 6}},
                                             test::FrameSpec{7, 6, 1, 1, 1, {0x01, 40}}}},
                                           {"Big", 0, 0, {test::FrameSpec{0, 0, 65535, 65535, 3, {0x00}}}}}));
    const CliRun r = Cli({"sprites", file, "-o", dir.file("out"), "--palette", "babyz"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "2 animation(s)")) << r.out;
    EXPECT_TRUE(Contains(r.out, "palette Babyz"));
    EXPECT_TRUE(Contains(r.out, "animation 0 \"Walk\": 2 frame(s), words 0x00000001 0x00000002"));
    EXPECT_TRUE(Contains(r.out, "frame 0: offset (5, 6), 2 x 1, format 2, 7 bytes"));
    EXPECT_TRUE(Contains(r.out, "frame 1: offset (7, 6), 1 x 1, format 1, 2 bytes")) << r.out;
    EXPECT_TRUE(Contains(r.out, "65535 x 65535, format 3, 1 bytes (cannot decode:"));
    EXPECT_EQ(Files(dir.file("out")), (std::vector<std::string>{
                                          "walk_00_Walk.anim.png",
                                          "walk_00_Walk_000.png",
                                          "walk_00_Walk_001.png",
                                      }));
    EXPECT_TRUE(Contains(r.err, "too large to draw")) << r.err; // the huge frame gets no animation file
    const auto png = test::ReadBytes(dir.file("out") + "/walk_00_Walk.anim.png");
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(png[1], 'P');
}

TEST(CliSprites, BadInputGivesExitCode2) {
    test::TempDir dir;
    const std::string file = dir.file("bad.spr");
    auto bytes =
        test::BuildContainer({{"One", 0, 0, {test::FrameSpec{0, 0, 1, 1, 2, {0x81}}}}, {"Two", 0, 0, {}}});
    bytes.resize(bytes.size() - 3);
    test::WriteBytes(file, bytes);
    const CliRun damaged = Cli({"sprites", file});
    EXPECT_EQ(damaged.code, ExitUsage);
    EXPECT_TRUE(Contains(damaged.out, "animation 0 \"One\"")) << "what was read is still listed";
    EXPECT_TRUE(Contains(damaged.err, "is damaged")) << damaged.err;

    EXPECT_EQ(Cli({"sprites", file, "--palette", "sims"}).code, ExitUsage);
    EXPECT_EQ(Cli({"sprites", dir.file("missing.spr")}).code, ExitUsage);
    EXPECT_EQ(Cli({"breed"}).code, ExitUsage);
    EXPECT_EQ(Cli({"strings", file}).code, ExitUsage); // not a module
}

// A fixture module given a proper sprite list through 'replace', then renamed as a new breed.
TEST(CliBreed, SetsBreedIDAndNameInACopyAndLeavesEverythingElse) {
    test::TempDir dir;
    const std::string module = test::CopyTo(dir, test::FixturePath("pe/appended.dll"), "Rex.dog");
    TSpriteRCdecoder list;
    TSpriteRC* e = list.list.Add();
    e->spriteName = "RexSprite";
    e->displayName = "Rex";
    e->breedID = 77;
    e->tag = 1;
    test::WriteBytes(dir.file("list.bin"), list.SaveToBytes());
    ASSERT_EQ(Cli({"replace", module, "RCData", "1003", "1033", dir.file("list.bin")}).code, 0);
    const auto before = test::ReadBytes(module);

    const CliRun shown = Cli({"breed", module});
    EXPECT_EQ(shown.code, 0) << shown.err;
    EXPECT_TRUE(Contains(shown.out, "Name: Fixture Breed\nFolder: Fixture\n")) << shown.out;
    EXPECT_TRUE(Contains(shown.out, "0: sprite \"RexSprite\", display \"Rex\", breed ID 77 (4D00), tag 1"));

    const std::string copy = dir.file("Spotty.dog");
    const CliRun set = Cli({"breed", module, "--set-id", "1234", "--set-name", "Spotty", "-o", copy});
    ASSERT_EQ(set.code, 0) << set.err;
    EXPECT_TRUE(Contains(set.out, "breed ID 1234 (D204)")) << set.out;
    EXPECT_EQ(test::ReadBytes(module), before);

    TDLLresfile original(module), changed(copy);
    original.Load();
    changed.Load();
    std::vector<const tresourcenode*> a, b;
    original.root().VisitAll([&](tresourcenode& n) { a.push_back(&n); });
    changed.root().VisitAll([&](tresourcenode& n) { b.push_back(&n); });
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        const tresourcenode* lang = b[i];
        const bool isList = lang->parent() && lang->parent()->number == 1003 && lang->parent()->isNumeric();
        const bool isStrings = lang->parent() && lang->parent()->number == 63 && lang->parent()->isNumeric();
        if (!isList && !isStrings) {
            EXPECT_EQ(a[i]->data, b[i]->data) << "node " << i;
        }
    }
    TSpriteRCdecoder newList;
    newList.LoadFromStream(changed.root().FindChildByID(10)->FindChildByID(1003)->FindChildByID(1033)->data);
    EXPECT_EQ(newList.list.Item(0).breedID, 1234);
    EXPECT_EQ(newList.list.Item(0).spriteName, "RexSprite");
    TStringtabledecoder strings(63);
    strings.LoadFromStream(changed.root().FindChildByID(6)->FindChildByID(63)->FindChildByID(1033)->data);
    EXPECT_EQ(strings.GetString(1001), "Spotty");
    EXPECT_EQ(strings.GetString(1002), "Fixture");
}

TEST(CliBreed, RefusalsLeaveTheFileAlone) {
    test::TempDir dir;
    const std::string damagedList = test::CopyTo(dir, test::FixturePath("pe/appended.dll"), "a.dog");
    const std::string noStrings = test::CopyTo(dir, test::FixturePath("pe/sample-base.dll"), "b.dog");
    const auto beforeA = test::ReadBytes(damagedList), beforeB = test::ReadBytes(noStrings);
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"breed", damagedList, "--set-id", "70000"}, "0 to 65535"},
        {{"breed", damagedList, "--set-id", "5"}, "the sprite list cannot be read"},
        {{"breed", noStrings, "--set-id", "5"}, "has no sprite list"},
        {{"breed", noStrings, "--set-name", "X"}, "The string list section is missing or corrupt!"},
    };
    for (const auto& c : cases) {
        const CliRun r = Cli(c.args);
        EXPECT_EQ(r.code, ExitUsage) << c.message;
        EXPECT_TRUE(Contains(r.err, c.message)) << r.err;
    }
    EXPECT_EQ(test::ReadBytes(damagedList), beforeA);
    EXPECT_EQ(test::ReadBytes(noStrings), beforeB);
}

TEST(CliStrings, PrintsStringsByID) {
    const CliRun r = Cli({"strings", test::FixturePath("pe/appended.dll")});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "String table 63 (language 1033)\n  1001  Fixture Breed\n  1002  Fixture\n"))
        << r.out;
}

TEST(CliSpritesReal, WritesEveryFrameOfTheRealToy) {
    BALLFORGE_REQUIRE_REALDATA("modules/Auto-Rolling Mouse P5.toy");
    test::TempDir dir;
    const CliRun r =
        Cli({"sprites", test::RealDataPath("modules/Auto-Rolling Mouse P5.toy"), "-o", dir.file("out")});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "SPR:MOUS_A1_AWAY:1033: 1 animation(s)")) << r.out;
    EXPECT_EQ(Files(dir.file("out")).size(), 14u); // 9 frames and 5 animations
}

} // namespace
} // namespace ballforge
