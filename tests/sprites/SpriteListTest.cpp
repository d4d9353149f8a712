// The sprite-list resource: layout, damaged lists, the breed ID's display, and real breeds' lists.
#include "TestSupport.h"

#include "documents/TDLLresfile.h"
#include "sprites/spriteRCDATAunit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

namespace ballforge {
namespace {

std::vector<std::uint8_t> Entry(const std::string& sprite, const std::string& display, std::uint32_t id,
                                std::uint32_t tag) {
    ByteWriter w;
    w.text(sprite);
    w.zeros(32 - sprite.size());
    w.text(display);
    w.zeros(32 - display.size());
    w.u32(id);
    w.u32(tag);
    return w.take();
}

std::vector<std::uint8_t> List(std::uint32_t count, const std::vector<std::vector<std::uint8_t>>& entries) {
    ByteWriter w;
    w.u32(count);
    for (const auto& e : entries)
        w.bytes(e);
    return w.take();
}

TEST(SpriteList, ReadsAndWritesTheLayout) {
    const auto bytes =
        List(2, {Entry("Dalmatian", "Spotty", 1234, 7), Entry(std::string(32, 'S'), "", 65535, 0)});
    TSpriteRCdecoder decoder;
    decoder.LoadFromStream(bytes);
    ASSERT_EQ(decoder.list.Count(), 2u);
    EXPECT_EQ(decoder.list.Item(0).spriteName, "Dalmatian");
    EXPECT_EQ(decoder.list.Item(0).displayName, "Spotty");
    EXPECT_EQ(decoder.list.Item(0).breedID, 1234);
    EXPECT_EQ(decoder.list.Item(0).tag, 7u);
    EXPECT_EQ(decoder.list.Item(1).spriteName, std::string(32, 'S')); // no terminator: all 32 bytes
    EXPECT_EQ(decoder.list.Item(1).breedID, 65535);
    EXPECT_EQ(decoder.SaveToBytes(), bytes);
}

TEST(SpriteList, WritesNamesAsExactly32Bytes) {
    TSpriteRCdecoder decoder;
    TSpriteRC* e = decoder.list.Add();
    e->spriteName = std::string(40, 'x');
    e->displayName = "Abcdefgh";
    e->breedID = 1;
    e->tag = 0xA1B2C3D4;
    const auto bytes = decoder.SaveToBytes();
    ASSERT_EQ(bytes.size(), 4u + 72u);
    EXPECT_EQ(std::string(bytes.begin() + 4, bytes.begin() + 36), std::string(32, 'x'));
    EXPECT_EQ(std::string(bytes.begin() + 36, bytes.begin() + 68), "Abcdefgh" + std::string(24, '\0'));
    EXPECT_EQ(bytes, List(1, {Entry(std::string(32, 'x'), "Abcdefgh", 1, 0xA1B2C3D4)}));

    TSpriteRCdecoder empty;
    empty.LoadFromStream(List(0, {}));
    EXPECT_EQ(empty.list.Count(), 0u);
    EXPECT_EQ(empty.SaveToBytes(), List(0, {}));
}

TEST(SpriteList, DamagedListsFailAndKeepTheEntriesReadBefore) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        bool rangeError;
        std::size_t kept;
    } cases[] = {
        {"no count", {1, 0}, false, 0},
        {"ends inside the second entry",
         [] {
             auto b = List(2, {Entry("a", "b", 1, 0), Entry("c", "d", 2, 0)});
             b.resize(b.size() - 1);
             return b;
         }(),
         false, 1},
        {"count of four billion", List(0xFFFFFFFFu, {Entry("a", "b", 1, 0)}), false, 1},
        {"breed ID above 65535",
         List(3, {Entry("a", "b", 1, 0), Entry("c", "d", 65536, 0), Entry("e", "f", 3, 0)}), true, 1},
    };
    for (const auto& c : cases) {
        TSpriteRCdecoder decoder;
        if (c.rangeError)
            EXPECT_THROW(decoder.LoadFromStream(c.bytes), std::out_of_range) << c.what;
        else
            EXPECT_THROW(decoder.LoadFromStream(c.bytes), EReadError) << c.what;
        EXPECT_EQ(decoder.list.Count(), c.kept) << c.what;
    }
}

TEST(BreedIDText, SwapsTheBytesIntoFourHexDigits) {
    const struct {
        std::uint16_t id;
        const char* hex;
    } cases[] = {{1234, "D204"}, {1, "0100"}, {65535, "FFFF"}, {0, "0000"}, {0x00AB, "AB00"}};
    for (const auto& c : cases) {
        EXPECT_EQ(BreedIDHexText(c.id), c.hex);
        EXPECT_EQ(BreedIDFromHexText(c.hex), c.id);
    }
    EXPECT_EQ(BreedIDDisplayText(1234), "1234 (D204)");
    EXPECT_EQ(BreedIDFromHexText("d204"), 1234);
    for (const char* bad : {"", "xyz", "12345", "-1", "D2 04"})
        EXPECT_FALSE(BreedIDFromHexText(bad)) << bad;
}

// Every raw-data resource 1003 of the real modules reads and writes back byte for byte.
TEST(SpriteListReal, RealSpriteListsRoundTrip) {
    BALLFORGE_REQUIRE_REALDATA("modules");
    int lists = 0;
    for (const auto& entry : std::filesystem::directory_iterator(test::RealDataPath("modules"))) {
        TDLLresfile file(entry.path().string());
        file.Load();
        tresourcenode* type = file.root().FindChildByID(SpriteListResourceType);
        tresourcenode* name = type ? type->FindChildByID(SpriteListResourceName) : nullptr;
        if (!name) continue;
        for (std::size_t l = 0; l < name->count(); ++l) {
            const auto& data = name->child(l)->data;
            TSpriteRCdecoder decoder;
            ASSERT_NO_THROW(decoder.LoadFromStream(data)) << entry.path();
            EXPECT_GT(decoder.list.Count(), 0u);
            EXPECT_EQ(decoder.SaveToBytes(), data) << entry.path();
            ++lists;
        }
    }
    EXPECT_GT(lists, 0);
}

} // namespace
} // namespace ballforge
