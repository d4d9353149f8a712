// Section help: the topic table, the section extents F1 uses, and the manual pages made from the grammar.
#include "lnz/LNZManual.h"
#include "lnz/SectionHelpContexts.h"
#include "lnz/petzcommon.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

using namespace ballforge;

TEST(SectionHelp, TableCoversEveryKnownSectionOnce) {
    std::set<std::string> seen;
    for (const THelpContext& h : SectionHelpContexts) {
        std::string upper(h.name);
        for (char& c : upper)
            c = char(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_TRUE(seen.insert(upper).second) << h.name;
        EXPECT_GE(h.context, 1000);
        EXPECT_LE(h.context, 1051);
        EXPECT_NE(h.context, 1027);
    }
    // Every name of the section table has a topic, whatever the capitals.
    for (const tconvrecord& r : LNZSections)
        EXPECT_NE(HelpContextOf(r.name), -1) << r.name;
}

TEST(SectionHelp, LookupIgnoresCase) {
    const std::pair<std::string, int> cases[] = {
        {"Paint Ballz", 1042},     {"PAINT BALLZ", 1042},
        {"left leg balls", 1000},  {"Force To Male", 1026},
        {"Force to Female", 1026}, {"Little one", 1034},
        {"Thin/Fat", 1048},        {"Polygons", 1051},
        {"Paint Ballz ", -1},      {"", -1},
        {"Nonsense", -1},
    };
    for (const auto& [name, context] : cases)
        EXPECT_EQ(HelpContextOf(name), context) << name;
}

TEST(SectionHelp, ExtentsFollowTheHeaders) {
    const std::vector<std::string> lines = {
        ";comment above", // 0: no section
        "[Paint Ballz]",  // 1
        "1,2",            // 2
        "[Made Up] ; x",  // 3: unknown name
        "[No Close",      // 4: not a header
        "",               // 5
        " [Indented]",    // 6: not a header
        "[Move]",         // 7
        "3",              // 8
    };
    const auto extents = BuildSectionExtents(lines);
    ASSERT_EQ(extents.size(), 3u);
    EXPECT_EQ(extents[0].first, 1);
    EXPECT_EQ(extents[0].last, 2);
    EXPECT_EQ(extents[0].helpContext, 1042);
    EXPECT_EQ(extents[1].first, 3);
    EXPECT_EQ(extents[1].last, 6);
    EXPECT_EQ(extents[1].helpContext, -1);
    EXPECT_EQ(extents[2].first, 7);
    EXPECT_EQ(extents[2].last, 8);
    EXPECT_EQ(extents[2].helpContext, 1037);
    EXPECT_TRUE(BuildSectionExtents({}).empty());
    EXPECT_TRUE(BuildSectionExtents({"a", "b"}).empty());
    // A header on the last line spans only itself.
    const auto last = BuildSectionExtents({"x", "[Eyes]"});
    ASSERT_EQ(last.size(), 1u);
    EXPECT_EQ(last[0].first, 1);
    EXPECT_EQ(last[0].last, 1);
}

TEST(SectionHelp, PagesDescribeTheLinesFieldByField) {
    EXPECT_EQ(ManualTopics().size(), 51u);
    EXPECT_EQ(ManualTopicPage(1), "index.html");
    EXPECT_EQ(ManualTopicPage(1042), "topic1042.html");
    const std::string paint = ManualTopicHtml(1042);
    EXPECT_NE(paint.find("<h1>[Paint Ballz]</h1>"), std::string::npos);
    EXPECT_NE(paint.find("<li>diameter(% of baseball)</li>"), std::string::npos);
    EXPECT_NE(paint.find("<li>direction (x,y,z)</li>"), std::string::npos);
    EXPECT_NE(paint.find("at least 11 fields"), std::string::npos);
    const std::string move = ManualTopicHtml(1037);
    EXPECT_NE(move.find("<li>(relative ball num)</li>"), std::string::npos);
    EXPECT_NE(move.find("may be left out"), std::string::npos);
    EXPECT_NE(move.find("at least 4 fields"), std::string::npos);
    EXPECT_NE(move.find("Ball <i>n</i> X <i>n</i> Y <i>n</i> Z <i>n</i>"), std::string::npos);
    // Sections without a grammar say only that.
    const std::string balls = ManualTopicHtml(1000);
    EXPECT_NE(balls.find("[Whisker Balls]"), std::string::npos);
    EXPECT_NE(balls.find("no fixed layout"), std::string::npos);
    EXPECT_EQ(balls.find("<ol>"), std::string::npos);
    // One page for two layouts keeps them apart.
    const std::string sexes = ManualTopicHtml(1026);
    EXPECT_NE(sexes.find("[Force to Male], [Force to Female]"), std::string::npos);
    const std::string sections = ManualSectionsHtml();
    for (const THelpContext& h : SectionHelpContexts)
        EXPECT_NE(sections.find(std::string(h.name)), std::string::npos) << h.name;
}

// The bundled manual is written by "ballforge-cli manual resources/manual"; a change of the grammar
// must be followed by running it again.
TEST(SectionHelp, BundledPagesAreUpToDate) {
    const std::filesystem::path dir = std::filesystem::path(BALLFORGE_SOURCE_ROOT) / "resources" / "manual";
    auto read = [&](const std::string& name) {
        std::ifstream in(dir / name, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    };
    EXPECT_EQ(read("sections.html"), ManualSectionsHtml());
    // Every page is bundled into the program.
    std::ifstream qrcFile(std::filesystem::path(BALLFORGE_SOURCE_ROOT) / "source" / "lnz" / "ui" /
                          "manual.qrc");
    std::ostringstream qrc;
    qrc << qrcFile.rdbuf();
    for (const char* page : {"index.html", "sections.html"})
        EXPECT_NE(qrc.str().find(std::string("alias=\"") + page + "\""), std::string::npos) << page;
    for (std::int32_t topic : ManualTopics())
        EXPECT_NE(qrc.str().find("alias=\"" + ManualTopicPage(topic) + "\""), std::string::npos) << topic;
    for (std::int32_t topic : ManualTopics())
        EXPECT_EQ(read(ManualTopicPage(topic)), ManualTopicHtml(topic))
            << "regenerate " << ManualTopicPage(topic);
}
