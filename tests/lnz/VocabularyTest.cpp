// The LNZ vocabulary: section table, ball names, species, and the text functions of LNZ lines.
#include "lnz/petzcommon.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace ballforge;

TEST(LNZVocabulary, SectionTableHoldsTheKnownSectionsInOrder) {
    ASSERT_EQ(LNZSections.size(), 75u);
    EXPECT_EQ(LNZSections[0].name, "Ear Extension");
    EXPECT_EQ(LNZSections[17].name, "Little one");
    EXPECT_EQ(LNZSections[74].name, "Eyelash Info");
    // Rows with a grammar of their own; all others are generic (kind 1).
    const std::pair<int, int> special[] = {{2, 3},   {27, 8},  {29, 9},  {30, 7}, {32, 2},
                                           {33, 5},  {34, 4},  {35, 14}, {36, 6}, {39, 10},
                                           {40, 11}, {41, 12}, {42, 13}, {43, 11}};
    std::set<int> seen;
    for (auto [row, kind] : special) {
        EXPECT_EQ(LNZSections[std::size_t(row)].kind, kind) << LNZSections[std::size_t(row)].name;
        seen.insert(row);
    }
    std::set<std::string_view> names;
    for (std::size_t i = 0; i < LNZSections.size(); ++i) {
        if (!seen.count(int(i))) {
            EXPECT_EQ(LNZSections[i].kind, 1) << LNZSections[i].name;
        }
        names.insert(LNZSections[i].name);
    }
    EXPECT_EQ(names.size(), 75u) << "section names are unique";
}

TEST(LNZVocabulary, SectionKindOfIsExactAndCaseSensitive) {
    const std::pair<const char*, int> cases[] = {
        {"Paint Ballz", 8},   {"paint ballz", 0},          {"Add Ball Override", 1},
        {"Add Ball", 6},      {" Paint Ballz", 0},         {"Thin/Fat", 14},
        {"Force To Male", 1}, {"Color Info Override", 11}, {"", 0},
        {"Little One", 0},
    };
    for (auto [name, kind] : cases)
        EXPECT_EQ(SectionKindOf(name), kind) << name;
}

TEST(LNZVocabulary, SectionNameOfTakesTheTextBetweenTheFirstBrackets) {
    const std::pair<const char*, const char*> cases[] = {
        {"[Paint Ballz]", "Paint Ballz"},
        {"[Linez] ; c [x]", "Linez"},
        {"[]", ""},
        {"[a]b]", "a"},
        {"]x[y]", ""},
        {"[ Move ]", " Move "},
    };
    for (auto [line, name] : cases)
        EXPECT_EQ(SectionNameOf(line), name) << line;
}

TEST(LNZVocabulary, BallNameTables) {
    ASSERT_EQ(DogzBallNames.size(), 67u);
    ASSERT_EQ(CatzBallNames.size(), 67u);
    ASSERT_EQ(BabyzBallNames.size(), 120u);
    EXPECT_EQ(DogzBallNames[1], "L eyebrow1");
    EXPECT_EQ(CatzBallNames[1], "ankleR");
    EXPECT_EQ(DogzBallNames[55], "Nose (bottom)");
    EXPECT_EQ(DogzBallNames[66], "Z-orient");
    EXPECT_EQ(CatzBallNames[66], "ztrans");
    EXPECT_EQ(BabyzBallNames[47], "finger_index1L");
    EXPECT_EQ(BabyzBallNames[87], "origin");
    EXPECT_EQ(BabyzBallNames[119], "ztrans");
}

TEST(LNZVocabulary, SpeciesOfFile) {
    const std::pair<const char*, Species> cases[] = {
        {"C:\\Petz\\Resource\\Dogz\\Pug.dog", spDog},
        {"x.Cat", spCat},
        {"x.dog.bak", spUnknown},
        {"/home/u/Breeds/Siamese.CAT", spCat},
        {"C:\\my.dogs\\Pug", spUnknown},
        {"a.dog/readme", spUnknown},
        {"C:Pug.DOG", spDog},
        {"D:.dog\\x", spUnknown},
        {"", spUnknown},
        {".dog", spDog},
    };
    for (auto [name, species] : cases)
        EXPECT_EQ(SpeciesOfFile(name), species) << name;
}

TEST(LNZVocabulary, CodeAndCommentParts) {
    struct Case {
        const char *line, *code, *comment;
    } cases[] = {
        {"  1, 2 ; note", "1, 2", "note"},         {"  1, 2  ", "  1, 2  ", ""}, {"1 ;  note ", "1", "note"},
        {";only a comment", "", "only a comment"}, {"a;b;c", "a", "b;c"},        {"", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LineCodePart(c.line), c.code) << c.line;
        EXPECT_EQ(LineCommentPart(c.line), c.comment) << c.line;
    }
}

TEST(LNZVocabulary, SplitFields) {
    using V = std::vector<std::string>;
    const std::pair<std::string, V> cases[] = {
        {"12,\t-3, 0x10", {"12", "-3", "0x10"}},
        {"", {}},
        {" \t ", {}},
        {"1, 2", {"1", "2"}},
        {"1 2", {"1", "2"}},
        {"1,2", {"1", "2"}},
        {"1,,2", {"1", "", "2"}},
        {"1, ,2", {"1", "", "2"}},
        {"1,2,", {"1", "2", ""}},
        {"1,2, ", {"1", "2"}},
        {",", {"", ""}},
        {"\"a b\", c", {"a b", "c"}},
        {"\"say \"\"hi\"\"\" x", {"say \"hi\"", "x"}},
        {"\"unclosed, to the end", {"unclosed, to the end"}},
        {"\"\"", {""}},
        {std::string("1, 2\0, 3", 8), {"1", "2"}},
        {std::string("\0 1", 3), {}},
        {std::string("\"a\0b\"", 5), {"a"}},
    };
    for (const auto& [text, fields] : cases)
        EXPECT_EQ(SplitFields(text), fields) << text;
}

TEST(LNZVocabulary, JoinFields) {
    EXPECT_EQ(JoinFields({"1", "2", "3"}), "1,\t2,\t3");
    EXPECT_EQ(JoinFields({"7"}), "7");
    EXPECT_EQ(JoinFields({}), "");
    EXPECT_EQ(JoinFields({"", ""}), ",\t");
}

TEST(LNZVocabulary, FirstNumberIn) {
    EXPECT_EQ(FirstNumberIn("#12.a"), 12);
    EXPECT_EQ(FirstNumberIn("##"), 0);
    EXPECT_EQ(FirstNumberIn(""), 0);
    EXPECT_EQ(FirstNumberIn("#x"), 0);
    EXPECT_EQ(FirstNumberIn("#-3 ok"), -3);
    EXPECT_EQ(FirstNumberIn("#3 4"), 3);
    for (const char* bad : {"#-", "#1-2", "#--3", "#99999999999"})
        EXPECT_THROW(FirstNumberIn(bad), EConvertError) << bad;
}

TEST(LNZVocabulary, IntegerRule) {
    const std::pair<const char*, std::int32_t> good[] = {
        {"0", 0},
        {"42", 42},
        {"  7", 7},
        {"+5", 5},
        {"-5", -5},
        {"$10", 16},
        {"x1F", 31},
        {"X1f", 31},
        {"0x10", 16},
        {"0X7fffffff", 2147483647},
        {"-$10", -16},
        {"-0x10", -16},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"-$80000000", INT32_MIN},
        {"007", 7},
    };
    for (auto [text, value] : good)
        EXPECT_EQ(LNZStrToInt(text), value) << text;
    const char* bad[] = {"",           " ",   "-",   "+",   "$",          "0x",          "x",
                         "1 ",         "\t1", "1.0", "1e3", "2147483648", "-2147483649", "$FFFFFFFF",
                         "0x80000000", "--1", "+-1", "12a", "1,2",        "$-10",        "- 1"};
    for (const char* text : bad)
        EXPECT_THROW(LNZStrToInt(text), EConvertError) << '"' << text << '"';
}

TEST(LNZVocabulary, RealRule) {
    const std::pair<const char*, float> good[] = {
        {"0.5", 0.5f}, {"-1", -1.0f},   {"2.25", 2.25f},  {".5", 0.5f},    {"5.", 5.0f},        {"+3", 3.0f},
        {"1e3", 1000}, {"1E-2", 0.01f}, {"-2.5e+1", -25}, {"1e-99999", 0}, {"3.4e38", 3.4e38f},
    };
    for (auto [text, value] : good)
        EXPECT_FLOAT_EQ(LNZStrToFloat(text), value) << text;
    const char* bad[] = {"",    ".",   "-",    "e3",   "1e",    "1e+",     " 1",    "1 ",  "inf", "nan",
                         "INF", "1,5", "0x10", "1e39", "-1e39", "1e99999", "1.2.3", "--1", "1f"};
    for (const char* text : bad)
        EXPECT_THROW(LNZStrToFloat(text), EConvertError) << '"' << text << '"';
}

TEST(LNZVocabulary, ShortRealForm) {
    const std::pair<float, const char*> cases[] = {
        {0.0f, "0"},
        {-0.0f, "0"},
        {0.5f, "0.5"},
        {-1.0f, "-1"},
        {2.25f, "2.25"},
        {0.1f, "0.1"},
        {100.0f, "100"},
        {1234567.0f, "1234567"},
        {12345678.0f, "1.234568E007"},
        {9999999.0f, "9999999"},
        {99999999.0f, "1E008"},
        {0.00001f, "0.00001"},
        {0.000001f, "1E-006"},
        {0.0000123456789f, "0.00001234568"},
        {1.0f / 3.0f, "0.3333333"},
        {-0.000009999999f, "-9.999999E-006"},
        {3.4e38f, "3.4E038"},
    };
    for (auto [value, text] : cases)
        EXPECT_EQ(FloatToShortText(value), text) << value;
}
