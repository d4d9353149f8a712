// The values that make a copy of a breed a new breed.
#include "tools/NewBreed.h"
#include "documents/ByteWriter.h"
#include "documents/Errors.h"

#include <gtest/gtest.h>

using namespace ballforge;

namespace {
std::vector<std::uint8_t> SpriteList(const std::vector<std::uint32_t>& ids) {
    ByteWriter w;
    w.u32(static_cast<std::uint32_t>(ids.size()));
    for (std::uint32_t id : ids) {
        std::vector<std::uint8_t> names(64, 0);
        names[0] = 'S';
        names[32] = 'D';
        w.bytes(names);
        w.u32(id);
        w.u32(7);
    }
    return w.take();
}

// Table 63 with string 1001 (position 9) and 1002 (position 10).
std::vector<std::uint8_t> Table63(const std::u16string& name, const std::u16string& folder) {
    ByteWriter w;
    for (int i = 0; i < 16; ++i) {
        const std::u16string* s = i == 9 ? &name : i == 10 ? &folder : nullptr;
        w.u16(s ? static_cast<std::uint16_t>(s->size()) : 0);
        if (s)
            for (char16_t c : *s)
                w.u16(c);
    }
    return w.take();
}
} // namespace

TEST(NewBreed, ReadsAndSetsTheBreedIDOfTheFirstEntryOnly) {
    tresourcenode leaf;
    leaf.data = SpriteList({1234, 99});
    EXPECT_EQ(BreedIDOfSpriteList(leaf), 1234u);
    SetBreedID(leaf, 65535);
    EXPECT_EQ(leaf.data, SpriteList({65535, 99}));
}

TEST(NewBreed, ListsThatCarryNoBreedIDFailWithAMessage) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> data;
    } cases[] = {
        {"no entries", SpriteList({})},
        {"shorter than announced",
         [] {
             auto d = SpriteList({1});
             d.resize(40);
             return d;
         }()},
        {"huge count", {0xFF, 0xFF, 0xFF, 0xFF}},
        {"breed ID out of range", SpriteList({70000})},
        {"empty", {}},
    };
    for (const auto& c : cases) {
        tresourcenode leaf;
        leaf.data = c.data;
        EXPECT_THROW(BreedIDOfSpriteList(leaf), eerrormessage) << c.what;
    }
}

TEST(NewBreed, SetsTheBreedNameAndKeepsTheOtherStrings) {
    tresourcenode leaf;
    leaf.data = Table63(u"Rex", u"Rex folder");
    SetBreedName(leaf, "Rex2");
    EXPECT_EQ(leaf.data, Table63(u"Rex2", u"Rex folder"));
    // A table that ends early has empty strings there; the write gives all sixteen.
    tresourcenode cut;
    cut.data = {3, 0, 'a', 0};
    SetBreedName(cut, "N\xC3\xA9"); // UTF-8 in memory, UTF-16 on disk
    EXPECT_EQ(cut.data, Table63(u"N\u00e9", u""));
}

TEST(NewBreed, TheBreedNameIsTheFileNameWithoutFolderAndExtension) {
    EXPECT_EQ(BreedNameFromFileName("C:\\Breeds\\Rex2.dog"), "Rex2");
    EXPECT_EQ(BreedNameFromFileName("/home/me/Spotty.dog"), "Spotty");
    EXPECT_EQ(BreedNameFromFileName("NoExtension"), "NoExtension");
}

TEST(NewBreed, FindsTheWellKnownLeavesByNumber) {
    tresourcenode root;
    EXPECT_EQ(FindSpriteListLeaf(root), nullptr);
    tresourcenode* leaf = root.GetOrAddChildByID(10)->GetOrAddChildByID(1003)->GetOrAddChildByID(1033);
    EXPECT_EQ(FindSpriteListLeaf(root), leaf);
    root.GetOrAddChildByID(6)->GetOrAddChildByName("63")->GetOrAddChildByID(1033);
    EXPECT_EQ(FindBreedStringsLeaf(root), nullptr); // a textual name spelled 63 is not the table
}
