// Family trees, owner records and the stream helpers.
#include "formats/PetTestWriter.h"

#include "formats/StreamHelpers.h"
#include "formats/TAncestrySummary.h"
#include "formats/TOfflineAncestryInfo.h"
#include "formats/TOwnerInfoDecoder.h"
#include "formats/petdecoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace ballforge;
using namespace ballforge::test;

namespace {
std::shared_ptr<AncestorSpec> Named(const std::string& name, std::shared_ptr<AncestorSpec> p1 = nullptr,
                                    std::shared_ptr<AncestorSpec> p2 = nullptr) {
    auto r = std::make_shared<AncestorSpec>();
    r->name = name;
    r->parent1 = std::move(p1);
    r->parent2 = std::move(p2);
    return r;
}

std::unique_ptr<TOfflineAncestryInfo> Read(const Bytes& record) {
    ByteReader in(record);
    auto root = std::make_unique<TOfflineAncestryInfo>();
    root->LoadFromStream(in);
    EXPECT_TRUE(in.atEnd());
    return root;
}

std::string Walk(const TOfflineAncestryInfo& root, bool includeSelf, const std::string& stopAt = "") {
    std::string order;
    VisitAncestors(root, includeSelf, 0, [&](const TOfflineAncestryInfo& r, int depth) {
        order += r.name + std::to_string(depth) + " ";
        return r.name != stopAt;
    });
    return order;
}
} // namespace

TEST(TOfflineAncestryInfo, ReadsEveryFieldOfARecord) {
    AncestorSpec recipe;
    recipe.name = "Rex";
    recipe.breed = "Poodle";
    recipe.owner = ""; // a length of 0 reads no bytes
    recipe.adoption = 86400;
    recipe.birth = 0;
    recipe.generation = 7;
    recipe.flags = 2;
    recipe.identity = 0xAB;
    auto r = Read(WriteAncestor(recipe));
    EXPECT_EQ(r->name, "Rex");
    EXPECT_EQ(r->breed, "Poodle");
    EXPECT_EQ(r->owner, "");
    EXPECT_EQ(r->generation, 7u);
    EXPECT_TRUE(r->IsPink());
    EXPECT_EQ(r->identity[0], 0xAB);
    EXPECT_EQ(r->identity[15], 0xAB);
    EXPECT_TRUE(r->HasAdoptionDate());
    EXPECT_EQ(FormatPetDateTime(r->AdoptionDate()), "1970-01-02 00:00:00");
    EXPECT_FALSE(r->HasBirthDate());
    EXPECT_EQ(FormatPetDateTime(TimestampToDateTime(90061)), "1970-01-02 01:01:01");
    recipe.flags = 1 | 4;
    EXPECT_FALSE(Read(WriteAncestor(recipe))->IsPink());
}

TEST(TOfflineAncestryInfo, ParentMarkersAndTheWalkOrder) {
    struct Case {
        const char* what;
        std::shared_ptr<AncestorSpec> tree;
        std::uint8_t noParentMarker;
        std::string walk;
    } cases[] = {
        {"markers 0 and 0", Named("A"), 0, "A0 "},
        {"marker 2 means no parent", Named("A"), 2, "A0 "},
        {"only a second parent", Named("A", nullptr, Named("M")), 0, "A0 M1 "},
        {"only a first parent", Named("A", Named("F")), 0, "A0 F1 "},
        {"second parent's side first",
         Named("A", Named("F", Named("FF"), Named("FM")), Named("M", Named("MF"))), 0,
         "A0 M1 MF2 F1 FM2 FF2 "},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::function<void(AncestorSpec&)> mark = [&](AncestorSpec& s) {
            s.noParentMarker = c.noParentMarker;
            if (s.parent1) mark(*s.parent1);
            if (s.parent2) mark(*s.parent2);
        };
        mark(*c.tree);
        auto root = Read(WriteAncestor(*c.tree));
        EXPECT_EQ(Walk(*root, true), c.walk);
    }
    auto root = Read(WriteAncestor(*Named("A", Named("F"), Named("M", Named("MF")))));
    EXPECT_EQ(root->parent2->name, "M");
    EXPECT_EQ(root->parent1->name, "F");
    EXPECT_EQ(Walk(*root, false), "M1 MF2 F1 ");
    // A false answer ends the whole walk.
    EXPECT_EQ(Walk(*root, true, "M"), "A0 M1 ");
    EXPECT_FALSE(VisitAncestors(*root, true, 0, [](const auto&, int) { return false; }));
    EXPECT_TRUE(VisitAncestors(*root, true, 0, [](const auto&, int) { return true; }));
}

TEST(TOfflineAncestryInfo, ADeepLineOfAncestorsReadsWalksAndFreesWithoutRecursion) {
    // Deep enough that one stack frame per generation would overflow a sanitizer build's stack.
    const std::size_t depth = kMaxAncestryDepth;
    auto root = Read(AncestorChain(depth));
    std::size_t count = 0;
    int deepest = 0;
    VisitAncestors(*root, true, 0, [&](const TOfflineAncestryInfo&, int d) {
        ++count;
        deepest = std::max(deepest, d);
        return true;
    });
    EXPECT_EQ(count, depth);
    EXPECT_EQ(deepest, int(depth) - 1);
    root.reset();

    const Bytes tooDeepBytes = AncestorChain(depth + 1);
    ByteReader in(tooDeepBytes);
    TOfflineAncestryInfo tooDeep;
    EXPECT_THROW(tooDeep.LoadFromStream(in), EReadError);
}

TEST(TOfflineAncestryInfo, DamagedRecordsRaiseReadErrors) {
    const Bytes good = WriteAncestor(*Named("A", Named("F")));
    Bytes hugeLength = good;
    hugeLength[16] = hugeLength[17] = hugeLength[18] = hugeLength[19] = 0xFF;
    Bytes lengthPastEnd = good;
    lengthPastEnd[16] = 200;
    struct Case {
        const char* what;
        Bytes bytes;
    } cases[] = {
        {"empty", {}},
        {"cut inside the identity", Bytes(good.begin(), good.begin() + 10)},
        {"string length 0xFFFFFFFF", hugeLength},
        {"string runs past the end", lengthPastEnd},
        {"cut before the last parent marker", Bytes(good.begin(), good.end() - 1)},
        {"cut inside a parent", Bytes(good.begin(), good.begin() + std::ptrdiff_t(good.size() / 2 + 20))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ByteReader in(c.bytes);
        TOfflineAncestryInfo r;
        EXPECT_THROW(r.LoadFromStream(in), EReadError);
    }
}

TEST(OwnerRecords, PetAndBabyOwnerRecordsRead) {
    Bytes tree = FamilyTreePart(WriteAncestor(AncestorSpec{}), "Melissa", "Nice pet", 0);
    ByteReader in(tree);
    in.skip(4);
    TOfflineAncestryInfo root;
    root.LoadFromStream(in);
    TOwnerInfoDecoder owner;
    owner.LoadFromStream(in);
    EXPECT_EQ(owner.ownerName, "Melissa");
    EXPECT_EQ(owner.comments, "Nice pet");
    EXPECT_EQ(FormatPetDateTime(owner.adoptionDate), "1970-01-01 00:00:00"); // 0 is still a date here
    EXPECT_TRUE(in.atEnd());

    const TBabyOwnerInfo baby = ReadBabyOwnerInfo(BabyOwnerRecord("Anna", 86400 * 365));
    EXPECT_EQ(baby.ownerName, "Anna");
    EXPECT_EQ(FormatPetDateTime(baby.adoptionDate), "1971-01-01 00:00:00");
    const Bytes cut = BabyOwnerRecord("Anna", 1);
    EXPECT_THROW(ReadBabyOwnerInfo(Bytes(cut.begin(), cut.end() - 1)), EReadError);
    const Bytes cutOwnerBytes = {1, 0, 0, 0};
    ByteReader cutOwner(cutOwnerBytes);
    EXPECT_THROW(owner.LoadFromStream(cutOwner), EReadError);
}

TEST(StreamHelpers, IntegersAndLengthPrefixedStringsRoundTrip) {
    ByteWriter out;
    WriteInt(out, -2);
    WriteString(out, "");
    WriteString(out, "abc");
    EXPECT_EQ(out.buffer(), (Bytes{0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 3, 0, 0, 0, 'a', 'b', 'c'}));
    ByteReader in(out.buffer());
    EXPECT_EQ(ReadInt(in), -2);
    EXPECT_EQ(ReadString(in), "");
    EXPECT_EQ(ReadString(in), "abc");
    const Bytes tooLong = {4, 0, 0, 0, 'a'};
    ByteReader bad(tooLong);
    EXPECT_THROW(ReadString(bad), EReadError);
}

TEST(TAncestrySummary, CountsRecordsDepthAndMergesSpellingsInWalkOrder) {
    // The second parent's side is walked first, so its spelling of a breed is the one kept.
    auto father = Named("F", Named("FF"));
    father->breed = "Poodle";
    father->parent1->breed = "!";
    auto mother = Named("M");
    mother->breed = "POODLE";
    mother->owner = "owner";
    auto root = Read(WriteAncestor(*Named("A", father, mother)));
    const TAncestrySummary summary = TAncestrySummary::Of(*root);
    EXPECT_EQ(summary.records, 4u);
    EXPECT_EQ(summary.deepestDepth, 2);
    ASSERT_EQ(summary.breeds.size(), 3u); // "Breed", "POODLE"/"Poodle", "!"
    EXPECT_EQ(summary.breeds.at("POODLE").spelling, "POODLE");
    EXPECT_EQ(summary.breeds.at("POODLE").count, 2u);
    EXPECT_EQ(summary.owners.at("OWNER").count, 4u);
    EXPECT_EQ(summary.owners.at("OWNER").spelling, "Owner");
}
