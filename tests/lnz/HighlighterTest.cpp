// The highlighter's scanner: token rules, attributes, settings, and line-by-line equivalence.
#include "lnz/TLNZTextLines.h"
#include "lnz/synLNZhighlighter.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace ballforge;

namespace {

using Tokens = std::vector<std::pair<TtkTokenKind, std::string>>;

Tokens Scan(TSynLNZSyn& h, std::string_view line) {
    Tokens out;
    for (const TLNZToken& t : h.ScanLine(line))
        out.emplace_back(t.kind, std::string(line.substr(t.start, t.length)));
    return out;
}

Tokens Scan(std::string_view line) {
    TSynLNZSyn h;
    ApplyLNZFrameSettings(h);
    return Scan(h, line);
}

} // namespace

TEST(LNZHighlighter, TokenRules) {
    struct Case {
        std::string line;
        Tokens tokens;
    } cases[] = {
        {"[Paint Ballz] ; header", {{tkSection, "[Paint Ballz]"}, {tkSpace, " "}, {tkComment, "; header"}}},
        {"[Paint Ballz", {{tkSection, "[Paint Ballz"}}},
        {"#3.a ; first", {{tkVariation, "#3.a ; first"}}},
        {"12,\t-0.5",
         {{tkNumber, "12"}, {tkUnknown, ","}, {tkSpace, "\t"}, {tkUnknown, "-"}, {tkNumber, "0.5"}}},
        {"0x1F", {{tkNumber, "0x1F"}}},
        {"1..2", {{tkNumber, "1"}, {tkUnknown, "."}, {tkUnknown, "."}, {tkNumber, "2"}}},
        {"$fF9g", {{tkNumber, "$fF9"}, {tkIdentifier, "g"}}},
        {"1.5e3x2Az", {{tkNumber, "1.5e3x2A"}, {tkIdentifier, "z"}}},
        {"ankleL", {{tkIdentifier, "ankleL"}}},
        {"_a1 b_2", {{tkIdentifier, "_a1"}, {tkSpace, " "}, {tkIdentifier, "b_2"}}},
        {"(x)", {{tkSymbol, "("}, {tkIdentifier, "x"}, {tkUnknown, ")"}}},
        {"'it's'", {{tkString, "'it'"}, {tkIdentifier, "s"}, {tkString, "'"}}},
        {"'''a' b", {{tkString, "'''a'"}, {tkSpace, " "}, {tkIdentifier, "b"}}},
        {"''", {{tkString, "''"}}},
        {"\"q\"", {{tkUnknown, "\""}, {tkIdentifier, "q"}, {tkUnknown, "\""}}},
        {"[Linez]x;c", {{tkSection, "[Linez]"}, {tkIdentifier, "x"}, {tkComment, ";c"}}},
        {" \x01\x1f x", {{tkSpace, " \x01\x1f "}, {tkIdentifier, "x"}}},
        {"\xe9\xff~", {{tkUnknown, "\xe9"}, {tkUnknown, "\xff"}, {tkUnknown, "~"}}},
        {"a\r\nb\rc\n",
         {{tkIdentifier, "a"},
          {tkSpace, "\r\n"},
          {tkIdentifier, "b"},
          {tkSpace, "\r"},
          {tkIdentifier, "c"},
          {tkSpace, "\n"}}},
        {"#1\r\n;c\n[s\n'x\n",
         {{tkVariation, "#1"},
          {tkSpace, "\r\n"},
          {tkComment, ";c"},
          {tkSpace, "\n"},
          {tkSection, "[s"},
          {tkSpace, "\n"},
          {tkString, "'x"},
          {tkSpace, "\n"}}},
        {"", {}},
        // A NUL ends the line for every rule.
        {std::string("12\0 34", 6), {{tkNumber, "12"}}},
        {std::string("#1\0x", 4), {{tkVariation, "#1"}}},
        {std::string(";a\0b", 4), {{tkComment, ";a"}}},
        {std::string("[a\0]", 4), {{tkSection, "[a"}}},
        {std::string("'a\0'", 4), {{tkString, "'a"}}},
        {std::string("\0abc", 4), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Scan(c.line), c.tokens) << c.line;
}

TEST(LNZHighlighter, KeywordsAndStringDelimiter) {
    TSynLNZSyn h;
    int changes = 0;
    h.OnChange = [&] { ++changes; };
    EXPECT_EQ(Scan(h, "ankleL"), (Tokens{{tkIdentifier, "ankleL"}}));
    h.SetKeyWords({"tail1", "ANKLEL", "Chin"});
    EXPECT_EQ(h.KeyWords(), (std::vector<std::string>{"ANKLEL", "CHIN", "TAIL1"}));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Scan(h, "ankleL AnKlEl chin tail"), (Tokens{{tkKey, "ankleL"},
                                                          {tkSpace, " "},
                                                          {tkKey, "AnKlEl"},
                                                          {tkSpace, " "},
                                                          {tkKey, "chin"},
                                                          {tkSpace, " "},
                                                          {tkIdentifier, "tail"}}));
    EXPECT_TRUE(h.IsKeyword("TaIl1"));
    EXPECT_FALSE(h.IsKeyword("tail"));

    EXPECT_EQ(h.StringDelim(), sdSingleQuote);
    h.SetStringDelim(sdDoubleQuote);
    EXPECT_EQ(
        Scan(h, "'a' \"b c\""),
        (Tokens{
            {tkUnknown, "'"}, {tkIdentifier, "a"}, {tkUnknown, "'"}, {tkSpace, " "}, {tkString, "\"b c\""}}));
    h.SetStringDelim(sdSingleQuote);
    EXPECT_EQ(Scan(h, "\"b\""), (Tokens{{tkUnknown, "\""}, {tkIdentifier, "b"}, {tkUnknown, "\""}}));

    h.SetDetectPreprocessor(true);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(Scan(h, "#define x"), (Tokens{{tkVariation, "#define x"}})) << "never a preprocessor token";
}

TEST(LNZHighlighter, AttributesAndFrameSettings) {
    TSynLNZSyn h;
    EXPECT_EQ(TSynLNZSyn::LanguageName, "General");
    struct Row {
        const TSynHighlighterAttributes* attr;
        const char* name;
        TColor fg;
        std::uint8_t style;
    } defaults[] = {
        {&h.SectionAttri, "Section", clRed, 0},
        {&h.VariationAttri, "Special Variable", clRed, 0},
        {&h.CommentAttri, "Comment", clDefault, fsItalic},
        {&h.IdentifierAttri, "Identifier", clDefault, 0},
        {&h.KeyAttri, "Reserved Word", clDefault, fsBold},
        {&h.NumberAttri, "Number", clDefault, 0},
        {&h.SpaceAttri, "Space", clDefault, 0},
        {&h.StringAttri, "String", clDefault, 0},
        {&h.SymbolAttri, "Symbol", clDefault, 0},
        {&h.PreprocessorAttri, "Preprocessor", clDefault, 0},
    };
    for (const auto& r : defaults) {
        EXPECT_EQ(r.attr->name, r.name);
        EXPECT_EQ(r.attr->foreground, r.fg) << r.name;
        EXPECT_EQ(r.attr->background, clDefault) << r.name;
        EXPECT_EQ(r.attr->style, r.style) << r.name;
    }
    EXPECT_FALSE(h.IdentifierChars()['!']);
    EXPECT_TRUE(h.IdentifierChars()['a']);

    ApplyLNZFrameSettings(h);
    EXPECT_EQ(h.SectionAttri.foreground, 0x000080u);
    EXPECT_EQ(h.VariationAttri.foreground, 0x800080u);
    EXPECT_EQ(h.CommentAttri.foreground, 0x808080u);
    EXPECT_EQ(h.CommentAttri.style, fsItalic);
    EXPECT_EQ(h.NumberAttri.foreground, 0xFF0000u);
    EXPECT_EQ(h.KeyAttri.style, fsBold);
    EXPECT_TRUE(h.KeyWords().empty());
    EXPECT_FALSE(h.DetectPreprocessor());
    for (int c = 0; c < 256; ++c)
        EXPECT_EQ(h.IdentifierChars()[std::size_t(c)], c >= 33) << c;

    // Token kinds map to attributes; the end of the line has none.
    h.SetLine("[s] #v", 7);
    EXPECT_EQ(h.lineNumber(), 7);
    EXPECT_EQ(h.GetTokenAttribute(), &h.SectionAttri);
    h.Next();
    EXPECT_EQ(h.GetTokenAttribute(), &h.SpaceAttri);
    h.Next();
    EXPECT_EQ(h.GetTokenAttribute(), &h.VariationAttri);
    EXPECT_EQ(h.GetTokenPos(), 4u);
    h.Next();
    EXPECT_TRUE(h.GetEol());
    EXPECT_EQ(h.GetTokenAttribute(), nullptr);
    h.Next();
    EXPECT_TRUE(h.GetEol()) << "the end of the line stays put";
    h.SetLine("( , x", 0);
    EXPECT_EQ(h.GetTokenAttribute(), &h.SymbolAttri);

    EXPECT_EQ(h.GetDefaultAttribute(SYN_ATTR_COMMENT), &h.CommentAttri);
    EXPECT_EQ(h.GetDefaultAttribute(SYN_ATTR_IDENTIFIER), &h.IdentifierAttri);
    EXPECT_EQ(h.GetDefaultAttribute(SYN_ATTR_KEYWORD), &h.KeyAttri);
    EXPECT_EQ(h.GetDefaultAttribute(SYN_ATTR_STRING), &h.StringAttri);
    EXPECT_EQ(h.GetDefaultAttribute(SYN_ATTR_WHITESPACE), &h.SpaceAttri);
    EXPECT_EQ(h.GetDefaultAttribute(SYN_ATTR_SYMBOL), &h.SymbolAttri);
    EXPECT_EQ(h.GetDefaultAttribute(SYN_ATTR_OTHER), nullptr);

    h.SetRange(5);
    EXPECT_EQ(h.GetRange(), 5);
    h.ResetRange();
    EXPECT_EQ(h.GetRange(), 0);
}

TEST(LNZHighlighter, WholeTextAndLineByLineGiveTheSameTokens) {
    std::ifstream in(std::string(BALLFORGE_LNZ_GOLDEN) + "/realistic/input.lnz", std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    std::string text = buffer.str();
    ASSERT_FALSE(text.empty());
    text += "\r\n'open string\r[x\r\n#2.a";
    TSynLNZSyn h;
    ApplyLNZFrameSettings(h);

    std::vector<std::pair<TtkTokenKind, std::string>> whole;
    for (const TLNZToken& t : h.ScanLine(text)) {
        const std::string s = text.substr(t.start, t.length);
        if (s.find_first_of("\r\n") == std::string::npos)
            whole.emplace_back(t.kind, s);
        else
            EXPECT_TRUE(s == "\r\n" || s == "\n" || s == "\r") << "a line break is a token of its own";
    }
    std::vector<std::pair<TtkTokenKind, std::string>> byLine;
    TLNZTextLines lines(text);
    for (std::size_t i = 0; i < lines.Count(); ++i)
        for (auto& token : Scan(h, lines.Get(i)))
            byLine.push_back(token);
    EXPECT_EQ(whole, byLine);
}
