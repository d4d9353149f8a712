// String-table blocks: the layout cases, IDs of other blocks, UTF-16 on disk, and real modules' tables.
#include "TestSupport.h"

#include "documents/Errors.h"
#include "documents/TDLLresfile.h"
#include "sprites/spriteRCDATAunit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

namespace ballforge {
namespace {

// Items written as (length, UTF-16 code units).
std::vector<std::uint8_t> Items(const std::vector<std::u16string>& items) {
    ByteWriter w;
    for (const auto& s : items) {
        w.u16(std::uint16_t(s.size()));
        for (char16_t c : s)
            w.u16(c);
    }
    return w.take();
}

TEST(StringTable, LayoutCases) {
    const std::vector<std::u16string> full = {u"", u"",       u"",       u"", u"", u"", u"", u"",
                                              u"", u"Poodle", u"Poodle", u"", u"", u"", u"", u"x"};
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        std::array<std::string, 16> expected;
        bool writesBackSame;
    } cases[] = {
        {"32 zero bytes", std::vector<std::uint8_t>(32, 0), {}, true},
        {"names at positions 9 and 10",
         Items(full),
         {"", "", "", "", "", "", "", "", "", "Poodle", "Poodle", "", "", "", "", "x"},
         true},
        {"ends cleanly after item 1", Items({u"ab", u"c"}), {"ab", "c"}, false},
        {"ends inside an item's length",
         [] {
             auto b = Items({u"ab"});
             b.push_back(5);
             return b;
         }(),
         {"ab"},
         false},
        {"ends inside an item's text",
         [] {
             auto b = Items({u"ab", u"long"});
             b.resize(b.size() - 1);
             return b;
         }(),
         {"ab"},
         false},
        {"a zero character cuts the text", Items({std::u16string(u"abc\0def", 7)}), {"abc"}, false},
        {"UTF-16 beyond one code page is kept",
         Items({u"Gr\u00fc\u00dfe \u0416 \U0001F600"}),
         {"Gr\xC3\xBC\xC3\x9F"
          "e \xD0\x96 \xF0\x9F\x98\x80"},
         false},
        {"a lone surrogate survives the round trip",
         Items({u"", std::u16string(1, char16_t(0xD800)) + u"x", u"", u"", u"", u"", u"", u"", u"", u"", u"",
                u"", u"", u"", u"", u""}),
         {"", "\xED\xA0\x80x"},
         true},
        {"empty resource", {}, {}, false},
    };
    for (const auto& c : cases) {
        TStringtabledecoder table(63);
        table.strings[3] = "stale";
        table.LoadFromStream(c.bytes);
        EXPECT_EQ(table.strings, c.expected) << c.what;
        if (c.writesBackSame) {
            EXPECT_EQ(table.SaveToBytes(), c.bytes) << c.what;
        }
    }
}

TEST(StringTable, WritesAllSixteenItemsWithLengthsInCodeUnits) {
    TStringtabledecoder table(63);
    table.SetString(1001, "Caf\xC3\xA9");      // one UTF-16 unit for the accented letter
    table.SetString(1002, "\xF0\x9F\x98\x80"); // a surrogate pair: two units
    std::vector<std::u16string> items(16);
    items[9] = u"Caf\u00e9";
    items[10] = u"\U0001F600";
    EXPECT_EQ(table.SaveToBytes(), Items(items));

    table.strings[0] = std::string(65536, 'a');
    ByteWriter w;
    EXPECT_THROW(table.SaveToStream(w), std::out_of_range);
    EXPECT_EQ(w.size(), 0u);
    table.strings[0] = std::string(65535, 'a');
    EXPECT_EQ(table.SaveToBytes().size(), 2u * 16 + 2u * 65535 + 2u * 4 + 2u * 2);
}

TEST(StringTable, IDsOutsideTheTableAreRefused) {
    TStringtabledecoder table(63);
    table.strings[9] = "Poodle";
    EXPECT_EQ(table.GetString(1001), "Poodle");
    EXPECT_EQ(table.GetString(1001 + 65536), "Poodle"); // only the low 16 bits of an ID count
    for (std::int32_t id : {1008, 991, -1, 0}) {
        try {
            (void)table.GetString(id);
            ADD_FAILURE() << id;
        } catch (const eerrormessage& e) {
            EXPECT_STREQ(e.what(), "ID not in current table");
        }
        EXPECT_THROW(table.SetString(id, "x"), eerrormessage);
    }
    EXPECT_EQ(table.strings[9], "Poodle");
    TStringtabledecoder first(1);
    first.SetString(15, "last");
    EXPECT_EQ(first.strings[15], "last");
    EXPECT_THROW(first.GetString(16), eerrormessage);
}

// Every string table of the real modules reads and writes back byte for byte.
TEST(StringTableReal, RealStringTablesRoundTrip) {
    BALLFORGE_REQUIRE_REALDATA("modules");
    int tables = 0;
    for (const auto& entry : std::filesystem::directory_iterator(test::RealDataPath("modules"))) {
        TDLLresfile file(entry.path().string());
        file.Load();
        tresourcenode* type = file.root().FindChildByID(6);
        if (!type) continue;
        for (std::size_t n = 0; n < type->count(); ++n)
            for (std::size_t l = 0; l < type->child(n)->count(); ++l) {
                const auto& data = type->child(n)->child(l)->data;
                TStringtabledecoder table(type->child(n)->number);
                table.LoadFromStream(data);
                EXPECT_EQ(table.SaveToBytes(), data) << entry.path() << " table " << type->child(n)->number;
                ++tables;
            }
    }
    EXPECT_GT(tables, 0);
}

} // namespace
} // namespace ballforge
