// The pet and baby containers: their trees, saving, and the real files.
#include "TestSupport.h"
#include "formats/PetTestWriter.h"

#include "documents/FileUtils.h"
#include "documents/OpenContainer.h"
#include "formats/EDamagedfile.h"
#include "formats/TBabyresfile.h"
#include "formats/TOwnerInfoDecoder.h"
#include "formats/TPetresfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>
#include <set>

using namespace ballforge;
using namespace ballforge::test;

namespace {
// "name:frame" for every node, depth-first, as the document tree lists them.
std::string TreeText(const tresourcenode& node) {
    std::string text;
    for (std::size_t i = 0; i < node.count(); ++i) {
        const tresourcenode& c = *node.child(i);
        text += c.name + ":" + std::string(FrameClassName(c.frameclass)) + (c.isNumeric() ? "#" : "") + " ";
        if (c.count()) text += "[ " + TreeText(c) + "] ";
    }
    return text;
}

const char* kPetTree = "LNZ:TViewFrame [ Child:TViewframeLNZSynedit Adult:TViewframeLNZSynedit ] "
                       "Petz info:TViewFramePetzInfoEdit Genome:TViewFrameGenomeEditor "
                       "Picture:TViewframeAdoptPicView Ancestry:TViewFrameAncestry ";
const char* kBabyTree = "LNZ:TViewFrame [ Child:TViewframeLNZSynedit Adult:TViewframeLNZSynedit ] "
                        "Picture:TViewframeAdoptPicView ColourInfo:TViewframeEyelidColour "
                        "OwnerInfo:TViewframeOwnerInfo ";

tresourcenode& Node(Tresourcefile& f, const std::string& a, const std::string& b = "") {
    tresourcenode* n = f.root().FindChildByName(a);
    if (n && !b.empty()) n = n->FindChildByName(b);
    if (!n) throw std::logic_error("no node " + a + "/" + b);
    return *n;
}
} // namespace

TEST(TPetresfile, OpensAsTheFixedTreeAndSavesACopyByteForByte) {
    TempDir dir;
    PetSpec recipe;
    const std::string file = dir.file("Rex.pet");
    WriteBytes(file, WritePet(recipe));
    auto pet = OpenContainer(file);
    ASSERT_NE(dynamic_cast<TPetresfile*>(pet.get()), nullptr);
    EXPECT_EQ(TreeText(pet->root()), kPetTree);
    EXPECT_EQ(Node(*pet, "LNZ", "Adult").data, recipe.adult);
    EXPECT_EQ(Node(*pet, "LNZ", "Child").data, recipe.child);
    EXPECT_EQ(Node(*pet, "Petz info").data, recipe.petzInfo);
    EXPECT_EQ(Node(*pet, "Ancestry").data, recipe.familyTree);
    EXPECT_FALSE(pet->root().AnyChanged());

    Node(*pet, "Genome").changed = true;
    const std::string copy = dir.file("Copy.pet");
    ASSERT_TRUE(pet->SaveTo(copy));
    EXPECT_EQ(pet->fileName(), copy);
    EXPECT_FALSE(pet->root().AnyChanged());
    EXPECT_EQ(ReadBytes(copy), ReadBytes(file));
}

TEST(TPetresfile, SavesEditedNodesAndKeepsTheFamilyTreeAsLoaded) {
    TempDir dir;
    const std::string file = dir.file("Rex.PET");
    PetSpec recipe;
    WriteBytes(file, WritePet(recipe));
    TPetresfile pet(file);
    pet.Load();
    Node(pet, "LNZ", "Adult").data = B("[Adult]\nedited\n");
    Node(pet, "Petz info").data = {0, 1, 7, 7};
    Node(pet, "Picture").data = B("picture");
    Node(pet, "Ancestry").data = B("whatever the viewer holds");
    ASSERT_TRUE(pet.SaveTo(file)) << pet.lastError();

    TPetresfile again(file);
    again.Load();
    EXPECT_EQ(Node(again, "LNZ", "Adult").data, B("[Adult]\nedited\n"));
    EXPECT_EQ(Node(again, "LNZ", "Child").data, recipe.child);
    EXPECT_FALSE(again.decoder().IsFemale());
    EXPECT_EQ(Node(again, "Picture").data, B("picture"));
    EXPECT_EQ(Node(again, "Ancestry").data, recipe.familyTree);
    EXPECT_EQ(again.decoder().lnzGapValue, recipe.value);
}

TEST(TPetresfile, AFailedSaveAnswersFalseAndLeavesTheFileAsItWas) {
    struct Case {
        const char* what;
        std::function<void(TPetresfile&)> edit;
    } cases[] = {
        {"LNZ node missing", [](TPetresfile& p) { p.root().DeleteChild(&Node(p, "LNZ")); }},
        {"Genome node missing", [](TPetresfile& p) { p.root().DeleteChild(&Node(p, "Genome")); }},
        {"zero byte inside an LNZ text",
         [](TPetresfile& p) {
             Node(p, "LNZ", "Child").data = {'a', 0, 'b'};
         }},
        {"empty part", [](TPetresfile& p) { Node(p, "Petz info").data.clear(); }},
        {"separator inside a part",
         [](TPetresfile& p) {
             Node(p, "Genome").data = B("gPfMaGiCpEtZIII");
             Node(p, "Genome").data.push_back(0);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string file = dir.file("Rex.pet");
        const Bytes original = WritePet(PetSpec{});
        WriteBytes(file, original);
        TPetresfile pet(file);
        pet.Load();
        c.edit(pet);
        const std::string other = dir.file("Other.pet");
        EXPECT_FALSE(pet.SaveTo(file));
        EXPECT_FALSE(pet.lastError().empty());
        EXPECT_FALSE(pet.SaveTo(other));
        EXPECT_EQ(pet.fileName(), file);
        EXPECT_EQ(ReadBytes(file), original);
        EXPECT_FALSE(FileExists(other));
        // Nothing is left behind beside the target.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    }
}

TEST(TPetresfile, ADamagedFileRaisesAndOpensNothing) {
    TempDir dir;
    Bytes bytes = WritePet(PetSpec{});
    bytes[900] ^= 1;
    const std::string file = dir.file("Bad.pet");
    WriteBytes(file, bytes);
    TPetresfile pet(file);
    try {
        pet.Load();
        ADD_FAILURE() << "opened";
    } catch (const EDamagedfile& e) {
        EXPECT_STREQ(e.what(), "File is damaged or invalid");
    }
    EXPECT_EQ(pet.root().count(), 0u);
    // A file that cannot be read at all is not a damaged file.
    TPetresfile missing(dir.file("Missing.pet"));
    EXPECT_THROW(missing.Load(), EFileOpenError);
}

TEST(TBabyresfile, OpensSavesAndRejectsDamage) {
    TempDir dir;
    BabySpec recipe;
    const std::string file = dir.file("Bonzi.baby");
    WriteBytes(file, WriteBaby(recipe));
    auto baby = OpenContainer(file);
    ASSERT_NE(dynamic_cast<TBabyresfile*>(baby.get()), nullptr);
    EXPECT_EQ(TreeText(baby->root()), kBabyTree);
    EXPECT_EQ(Node(*baby, "ColourInfo").data, recipe.colourInfo);
    EXPECT_EQ(Node(*baby, "OwnerInfo").data, BabyOwnerRecord("Owner", 86400));

    const std::string copy = dir.file("Copy.baby");
    ASSERT_TRUE(baby->SaveTo(copy));
    EXPECT_EQ(ReadBytes(copy), ReadBytes(file));

    Node(*baby, "ColourInfo").data = B("eyelids");
    Node(*baby, "OwnerInfo").data = BabyOwnerRecord("Someone else", 5);
    ASSERT_TRUE(baby->SaveTo(file));
    TBabyresfile again(file);
    again.Load();
    EXPECT_EQ(Node(again, "ColourInfo").data, B("eyelids"));
    EXPECT_EQ(ReadBabyOwnerInfo(Node(again, "OwnerInfo").data).ownerName, "Someone else");

    Node(again, "LNZ", "Adult").data.push_back(0);
    EXPECT_FALSE(again.SaveTo(file));

    Bytes damaged = ReadBytes(file);
    damaged[798] ^= 1;
    WriteBytes(file, damaged);
    TBabyresfile bad(file);
    EXPECT_THROW(bad.Load(), EDamagedfile);
    EXPECT_EQ(bad.root().count(), 0u);
}

class RealPets : public ::testing::TestWithParam<const char*> {};

TEST_P(RealPets, LoadVerifiedShowTheirTreeAndSaveUnchangedByteForByte) {
    BALLFORGE_REQUIRE_REALDATA("pets");
    const std::string source = RealDataPath(std::string("pets/") + GetParam());
    ASSERT_FALSE(source.empty());
    TempDir dir;
    auto file = OpenContainer(source); // verifies the checksums
    const bool isBaby = UpperExtension(source) == ".BABY";
    EXPECT_EQ(TreeText(file->root()), isBaby ? kBabyTree : kPetTree);
    EXPECT_FALSE(Node(*file, "LNZ", "Adult").data.empty());
    EXPECT_FALSE(Node(*file, "LNZ", "Child").data.empty());
    const std::string copy = dir.file(isBaby ? "copy.baby" : "copy.pet");
    ASSERT_TRUE(file->SaveTo(copy));
    EXPECT_TRUE(ReadBytes(copy) == ReadBytes(source)) << "saved copy differs";
    if (!isBaby) {
        auto* pet = dynamic_cast<TPetresfile*>(file.get());
        ASSERT_NE(pet->decoder().ancestry, nullptr);
        EXPECT_EQ(pet->decoder().FormatTag(), 0x0ACB0002u);
        EXPECT_EQ(pet->decoder().FindPart("LOADINFO")->data.size(), 816u);
        EXPECT_FALSE(pet->decoder().PetName().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Files, RealPets,
                         ::testing::Values("Adakite.pet", "Alexandrite.pet", "Amethyst.pet", "Andesite.pet",
                                           "Bertha.pet", "Bonzi.baby", "Jumpy.pet", "persian-cali-head.pet",
                                           "tanuki-f.pet", "tanya.pet"),
                         [](const auto& param) {
                             std::string name = param.param;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return name;
                         });

TEST(RealPets, TheLargeFamilyTreeReadsCompletely) {
    BALLFORGE_REQUIRE_REALDATA("pets/tanuki-f.pet");
    TPetresfile pet(RealDataPath("pets/tanuki-f.pet"));
    pet.Load();
    const TOfflineAncestryInfo* root = pet.decoder().ancestry.get();
    ASSERT_NE(root, nullptr);
    std::size_t records = 0;
    int deepest = 0;
    VisitAncestors(*root, true, 0, [&](const TOfflineAncestryInfo&, int depth) {
        ++records;
        deepest = std::max(deepest, depth);
        return true;
    });
    EXPECT_EQ(records, 20543u);
    EXPECT_EQ(deepest, 15);
    // The owner record follows the tree (real files carry more bytes after it).
    const auto& part = pet.decoder().FindPart("FamilyTree")->data;
    ByteReader in(part);
    in.skip(4);
    TOfflineAncestryInfo again;
    again.LoadFromStream(in);
    TOwnerInfoDecoder owner;
    owner.LoadFromStream(in);
    EXPECT_EQ(owner.ownerName, "Unique Petz");
}
