// The checker and reformatter over a line list: messages, counters, summaries, variation sets.
#include "lnz/TLNZChecker.h"
#include "lnz/TLNZTextLines.h"

#include <gtest/gtest.h>

using namespace ballforge;

namespace {

std::vector<std::string> Texts(const TLNZChecker& c) {
    std::vector<std::string> out;
    for (const auto& m : c.messages)
        out.push_back(m.text);
    return out;
}

std::vector<std::string> Check(std::vector<std::string> lines) {
    TLNZTextLines list(std::move(lines));
    TLNZChecker checker;
    checker.CheckForErrors(list);
    return Texts(checker);
}

// The messages of one section body, the summary left out.
std::vector<std::string> Body(const char* header, std::vector<std::string> body) {
    body.insert(body.begin(), header);
    auto messages = Check(std::move(body));
    messages.pop_back();
    return messages;
}

const std::string kClean = "Error check complete - No errors found!";

} // namespace

TEST(LNZChecker, TextWithoutSectionsHasOnlyTheSummary) {
    EXPECT_EQ(Check({"just text", "1, 2", "#3", ""}), std::vector<std::string>{kClean});
    EXPECT_EQ(Check({}), std::vector<std::string>{kClean});
    TLNZTextLines lines(std::vector<std::string>{"no sections"});
    TLNZChecker checker;
    checker.ReformatLines(lines);
    EXPECT_EQ(Texts(checker), (std::vector<std::string>{kClean, "The lines have been reformatted"}));
    EXPECT_FALSE(checker.messages.back().hasLine());
}

TEST(LNZChecker, SectionHeaders) {
    EXPECT_EQ(Check({"", "", "[Paint Balz]"}),
              (std::vector<std::string>{
                  "[Error] (3) Unknown section name \"Paint Balz\". Did you mean \"Paint Ballz\"?",
                  "Error check complete. 0 warnings, 1 errors, 0 hints. Double click an entry "
                  "to jump to that line"}));
    EXPECT_EQ(Body("[Eye]", {}),
              std::vector<std::string>{"[Error] (1) Unknown section name \"Eye\". Did you mean \"Eyes\"?"});
    // Of equally close names the first in table order wins: "Eyes" (row 1) is 4 edits from "Q", as is "Move"
    // (row 34).
    EXPECT_EQ(Body("[Q]", {}),
              std::vector<std::string>{"[Error] (1) Unknown section name \"Q\". Did you mean \"Eyes\"?"});
    EXPECT_EQ(Body("[paint ballz]", {}),
              std::vector<std::string>{
                  "[Error] (1) Unknown section name \"paint ballz\". Did you mean \"Paint Ballz\"?"});
    // A name far from every known one is still matched as long as the distance is below 1000.
    const std::string longName(2000, 'z');
    EXPECT_EQ(Body(("[" + longName + "]").c_str(), {}),
              std::vector<std::string>{"[Error] (1) Unknown section name \"" + longName + "\""});
    EXPECT_EQ(Body("[Whiskers", {"1, 2"}),
              std::vector<std::string>{"[Error] (1) Section name missing closing ']'"});
    // The body of an unknown section is examined as a generic one: its variation markers still count.
    EXPECT_EQ(Body("[Linze]", {"#2"}),
              (std::vector<std::string>{"[Error] (1) Unknown section name \"Linze\". Did you mean \"Linez\"?",
                                        "[Warning] (3) Variations missing",
                                        "[Error] (3) Missing end-of-variation '##' marker"}));
}

TEST(LNZChecker, BodyLines) {
    std::vector<std::string> text(9, "");
    text[8] = "[Linez]";
    text.push_back("1,2");
    text.push_back("1,2,x,4,5,6,7,8");
    text.push_back("1,2,3,4,5,6,7,8 ; fine");
    text.push_back(" ; a comment line");
    text.push_back("   ");
    auto messages = Check(text);
    EXPECT_EQ(messages,
              (std::vector<std::string>{"[Error] (10) Wrong number of parameters: 2 found, 8 required.",
                                        "[Error] (11) Line is corrupt!",
                                        "Error check complete. 0 warnings, 2 errors, 0 hints. Double click "
                                        "an entry to jump to that line"}));
    // An empty line ends the body: what follows before the next header is not examined.
    EXPECT_EQ(Body("[Linez]", {"1,2,3,4,5,6,7,8", "", "bad line", "[Omissions]", "x"}),
              std::vector<std::string>{"[Error] (6) Line is corrupt!"});
    // Generic sections accept anything.
    EXPECT_EQ(Body("[Breed Name]", {"1,,x", "\"q"}), std::vector<std::string>{});
}

TEST(LNZChecker, VariationSets) {
    using V = std::vector<std::string>;
    struct Case {
        V body;
        V messages;
    } cases[] = {
        {{"#2", "1", "#1", "2", "##"}, {}},
        {{"#2", "1", "##"}, {"[Warning] (4) Variations missing"}},
        {{"#3", "#1", "##"}, {"[Warning] (3) Variation numbers are not in sequence"}},
        {{"#2.a", "#1.b", "##"},
         {"[Warning] (3) Link letters are only allowed in the first variation of the set"}},
        {{"#3"}, {"[Warning] (3) Variations missing", "[Error] (3) Missing end-of-variation '##' marker"}},
        {{"#1"}, {"[Error] (3) Missing end-of-variation '##' marker"}},
        {{"#x", "##"}, {"[Warning] (3) Variations missing"}},
        {{"#x", "#-1", "##"}, {"[Warning] (4) Variations missing"}},
        {{"#-", "1"}, {"[Error] (2) Variation marker doesn't have a valid number"}},
        {{"#3", "#1.z", "##"},
         {"[Warning] (3) Variation numbers are not in sequence",
          "[Warning] (3) Link letters are only allowed in the first variation of the set"}},
        {{"##"}, {"[Warning] (2) Variations missing"}},
        {{"  ##", "##"}, {"[Warning] (3) Variations missing"}},
        {{"#2 ; the comment # is not a marker", "1 ; #5", "#1", "##"}, {}},
        {{"#-2147483648", "#5"},
         {"[Warning] (3) Variation numbers are not in sequence", "[Warning] (4) Variations missing",
          "[Error] (4) Missing end-of-variation '##' marker"}},
    };
    for (const auto& c : cases) {
        std::string joined;
        for (const auto& l : c.body)
            joined += l + " | ";
        EXPECT_EQ(Body("[Omissions]", c.body), c.messages) << joined;
    }
}

TEST(LNZChecker, CountersAndSummary) {
    TLNZTextLines lines(std::vector<std::string>{"[Linez]", "1", "#2", "##", "x", "[Bogus"});
    TLNZChecker checker;
    checker.CheckForErrors(lines);
    EXPECT_EQ(checker.warnings, 1);
    EXPECT_EQ(checker.errors, 3);
    EXPECT_EQ(checker.hints, 0);
    EXPECT_FALSE(checker.reformat);
    EXPECT_EQ(
        checker.messages.back().text,
        "Error check complete. 1 warnings, 3 errors, 0 hints. Double click an entry to jump to that line");
    EXPECT_EQ(checker.messages[0].line, 1);
    EXPECT_EQ(checker.messages[0].severity, TMessageSeverity::Error);
    EXPECT_EQ(checker.messages[1].severity, TMessageSeverity::Warning);
    EXPECT_EQ(checker.messages[1].line, 3);
    checker.AddMessage(TMessageSeverity::Hint, "note", 41);
    EXPECT_EQ(checker.hints, 1);
    EXPECT_EQ(checker.messages.back().text, "[Hint] (42) note");
    // A new run starts from nothing.
    TLNZTextLines clean(std::vector<std::string>{"[Linez]", "1,2,3,4,5,6,7,8"});
    checker.CheckForErrors(clean);
    EXPECT_EQ(Texts(checker), std::vector<std::string>{kClean});
    EXPECT_EQ(checker.errors + checker.warnings + checker.hints, 0);
}

TEST(LNZChecker, ReformatRewritesOnlyCleanLinesOfCertainKinds) {
    TLNZTextLines lines(std::vector<std::string>{"[Fuzz Override]",
                                                 "12 ,  3 ;  tail ",
                                                 "1 2 3",
                                                 "x y",
                                                 "#2",
                                                 "##",
                                                 "", //
                                                 "[Omissions]",
                                                 "12 ,  3 ;  tail ",
                                                 "", //
                                                 "[Linez]",
                                                 "1 2 0x10 \"4\" 5 6 7 8",
                                                 "",
                                                 "[Ball Size Override]",
                                                 " 1  2 ", //
                                                 "[Color Info Override]",
                                                 "1 2",
                                                 "[Texture List]",
                                                 "a  1",
                                                 "[Breed Name]",
                                                 "a b"});
    const auto before = lines.lines();
    TLNZChecker checker;
    checker.ReformatLines(lines);
    auto expected = before;
    expected[1] = "12,\t3 ;tail";
    expected[2] = "1,\t2,\t3";
    expected[11] = "1,\t2,\t0x10,\t4,\t5,\t6,\t7,\t8";
    expected[14] = "1,\t2";
    EXPECT_EQ(lines.lines(), expected);
    EXPECT_EQ(lines.changedLines(), 4u);
    EXPECT_TRUE(checker.reformat);
    EXPECT_EQ(checker.messages.back().text, "The lines have been reformatted");
    EXPECT_EQ(checker.messages[0].text, "[Error] (4) Line is corrupt!");
    // A second pass finds nothing more to do.
    checker.ReformatLines(lines);
    EXPECT_EQ(lines.lines(), expected);
    EXPECT_EQ(lines.changedLines(), 4u);
}

TEST(LNZChecker, ReformatLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"12 ,  3 ;  tail ", "12,\t3 ;tail"},
        {"1 2 3", "1,\t2,\t3"},
        {"0x10, $20", "0x10,\t$20"},
        {"\"a b\" c", "a b,\tc"},
        {"1,2, ; trailing comma then blank", "1,\t2,\t ;trailing comma then blank"},
        {"1,2,", "1,\t2,\t"},
        {"1 ;", "1"},
        {"", ""},
    };
    for (auto [line, result] : cases)
        EXPECT_EQ(ReformatLine(line), result) << line;
}

TEST(LNZChecker, LevenshteinDistance) {
    struct Case {
        const char *a, *b;
        int d;
    } cases[] = {
        {"", "", 0},
        {"", "abc", 3},
        {"abc", "", 3},
        {"kitten", "sitting", 3},
        {"Paint Balz", "Paint Ballz", 1},
        {"Eye", "Eyes", 1},
        {"a", "A", 1},
        {"flaw", "lawn", 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LevenshteinDistance(c.a, c.b), c.d) << c.a << " / " << c.b;
        EXPECT_EQ(LevenshteinDistance(c.b, c.a), c.d) << c.b << " / " << c.a;
    }
}

TEST(LNZTextLines, LoadAndSaveKeepTheLineBreaks) {
    struct Case {
        std::string text;
        std::vector<std::string> lines;
        TTextLineBreak lineBreak;
    } cases[] = {
        {"a\r\nb\r\n", {"a", "b", ""}, TTextLineBreak::lbCRLF},
        {"a\nb", {"a", "b"}, TTextLineBreak::lbLF},
        {"a\rb\r", {"a", "b", ""}, TTextLineBreak::lbCR},
        {"one line", {"one line"}, TTextLineBreak::lbCRLF},
        {"", {}, TTextLineBreak::lbCRLF},
        {"\n", {"", ""}, TTextLineBreak::lbLF},
        {std::string("a\0b\r\n\0", 6), {std::string("a\0b", 3), std::string("\0", 1)}, TTextLineBreak::lbCRLF},
    };
    for (const auto& c : cases) {
        TLNZTextLines lines(c.text);
        EXPECT_EQ(lines.lines(), c.lines);
        EXPECT_EQ(lines.lineBreak(), c.lineBreak);
        EXPECT_EQ(lines.Text(), c.text) << "an unchanged text saves byte for byte";
    }
    // Mixed breaks: both CR and LF were seen, so the text is written back with CR LF.
    TLNZTextLines mixed("a\nb\r\nc");
    EXPECT_EQ(mixed.lines(), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(mixed.Text(), "a\r\nb\r\nc");

    TLNZTextLines lines("x");
    EXPECT_EQ(lines.Get(1), "");
    EXPECT_EQ(lines.Get(1000000), "") << "reading past the end yields the empty text";
    EXPECT_THROW(lines.Put(1, "y"), std::out_of_range);
}
