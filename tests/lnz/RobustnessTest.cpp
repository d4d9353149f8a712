// Random LNZ-like texts, with NULs, stray quotes, brackets and markers: the checker, reformatter and
// scanner never fail and keep their invariants (run under the sanitizers in the test script).
#include "lnz/TLNZChecker.h"
#include "lnz/TLNZTextLines.h"
#include "lnz/lnzparser.h"
#include "lnz/petzcommon.h"
#include "lnz/synLNZhighlighter.h"

#include <gtest/gtest.h>

#include <random>

using namespace ballforge;

namespace {

std::string RandomText(std::mt19937& rng, std::size_t lines) {
    static const std::string pieces[] = {
        "[Linez]",
        "[Paint Ballz]",
        "[Add Ball]",
        "[Move]",
        "[Texture List]",
        "[Omissions]",
        "[Bogus",
        "[",
        "]",
        "#",
        "##",
        "#3",
        "#2.a",
        "#-",
        "1",
        "-2",
        "0x1F",
        "$FF",
        "2.5",
        ".5",
        "1e3",
        ",",
        ", ",
        " ",
        "\t",
        ";",
        "; c",
        "\"",
        "\"\"",
        "'",
        "x",
        "\xe9",
        std::string(1, '\0'),
        "\r",
        "\n",
        "\r\n",
        "99999999999",
    };
    std::uniform_int_distribution<std::size_t> piece(0, std::size(pieces) - 1), count(0, 14);
    std::string text;
    for (std::size_t l = 0; l < lines; ++l) {
        for (std::size_t n = count(rng); n > 0; --n)
            text += pieces[piece(rng)];
        text += "\r\n";
    }
    return text;
}

} // namespace

TEST(LNZRobustness, RandomTextsNeverBreakThePasses) {
    std::mt19937 rng(20261211);
    TSynLNZSyn scanner;
    ApplyLNZFrameSettings(scanner);
    for (int round = 0; round < 60; ++round) {
        const std::string text = RandomText(rng, 40);
        TLNZTextLines lines(text);
        TLNZChecker checker;
        ASSERT_NO_THROW(checker.CheckForErrors(lines));
        EXPECT_EQ(lines.Text(), TLNZTextLines(text).Text()) << "a check changes nothing";
        EXPECT_EQ(checker.messages.size(),
                  std::size_t(checker.errors + checker.warnings + checker.hints + 1));
        for (const TLNZMessage& m : checker.messages) {
            if (m.hasLine()) {
                EXPECT_LE(std::size_t(m.line), lines.Count());
            }
        }
        ASSERT_NO_THROW(checker.ReformatLines(lines));

        // Every token lies inside its line, and together they cover the line up to its end.
        for (std::size_t i = 0; i < lines.Count(); ++i) {
            const std::string& line = lines.Get(i);
            std::size_t pos = 0;
            for (const TLNZToken& t : scanner.ScanLine(line)) {
                EXPECT_EQ(t.start, pos);
                EXPECT_GT(t.length, 0u);
                pos = t.start + t.length;
            }
            EXPECT_EQ(pos, std::min(line.size(), line.find('\0')));
        }
        // Every line class takes any text without failing in any other way than its own errors.
        for (std::uint8_t kind = 0; kind <= 15; ++kind) {
            auto object = LineKindClass(kind)();
            for (std::size_t i = 0; i < lines.Count(); ++i) {
                try {
                    Supports<IPFLine>(*object)->ParseText(lines.Get(i));
                } catch (const EParseError&) {
                } catch (const EConvertError&) {
                }
            }
        }
    }
}
