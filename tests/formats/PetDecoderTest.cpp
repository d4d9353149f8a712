// The pet and baby decoders: separators, layouts, checksums, accessors and the file-like interface.
#include "formats/PetTestWriter.h"

#include "formats/EDamagedfile.h"
#include "formats/PartSeparators.h"
#include "formats/babydecoder.h"
#include "formats/petdecoder.h"

#include <gtest/gtest.h>

#include <random>

using namespace ballforge;
using namespace ballforge::test;

namespace {
Bytes Part(const TPartDecoder& d, const std::string& name) {
    const TPartNode* p = d.FindPart(name);
    return p ? p->data : Bytes{};
}
} // namespace

TEST(CopyUntilSeparator, NeverAcceptsTheFirstByteAndStopsAtTheEnd) {
    const Bytes marker = B("ab");
    const TSeparator sep(marker);
    struct Case {
        const char* what;
        std::string data;
        std::size_t start;
        bool found;
        std::string part;
        std::size_t after;
    } cases[] = {
        {"match right after the start", "xab.", 0, true, "x", 3},
        {"separator at the start is part of the part", "abxab", 0, true, "abx", 5},
        {"match at the very end", "xyzab", 0, true, "xyz", 5},
        {"no match moves to the end", "xyzzy", 1, false, "", 5},
        {"no room for a candidate stays put", "xya", 1, false, "", 1},
        {"start at the end stays put", "xy", 2, false, "", 2},
        {"partial separator before the real one", "xaab", 0, true, "xa", 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Bytes data = B(c.data);
        ByteReader in(data);
        in.seek(c.start);
        Bytes target;
        EXPECT_EQ(CopyUntilSeparator(in, target, sep), c.found);
        EXPECT_EQ(target, B(c.part));
        EXPECT_EQ(in.position(), c.after);
    }
    // The single zero byte, as the LNZ parts use it.
    const Bytes text = {0, 'a', 'b', 0, 'c'};
    ByteReader in(text);
    Bytes target;
    EXPECT_TRUE(CopyUntilSeparator(in, target, kZeroSeparator));
    EXPECT_EQ(target, (Bytes{0, 'a', 'b'}));
    EXPECT_EQ(in.position(), 4u);
}

TEST(TPetDecoder, DecodesEveryPartAndWritesTheFileBackByteForByte) {
    struct Case {
        const char* what;
        std::uint32_t tag;
        std::size_t header;
    } cases[] = {{"tag 0x0ACB0002", 0x0ACB0002, 816},
                 {"tag 0x0ACB0003", 0x0ACB0003, 816},
                 {"older tag", 0x0ACB0001, 800},
                 {"no tag", 0, 800}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PetSpec recipe;
        recipe.formatTag = c.tag;
        const Bytes file = WritePet(recipe);
        TPetDecoder d;
        d.LoadFromStream(file, true);
        EXPECT_EQ(Part(d, "LOADINFO").size(), c.header);
        EXPECT_EQ(d.FormatTag(), c.tag);
        EXPECT_EQ(Part(d, "MISC"), recipe.misc);
        EXPECT_EQ(d.AdultLNZ(), recipe.adult);
        EXPECT_EQ(d.ChildLNZ(), recipe.child);
        EXPECT_EQ(d.lnzGapValue, recipe.value);
        EXPECT_EQ(Part(d, "CLOTHESETC"), recipe.clothes);
        EXPECT_EQ(Part(d, "Petz info"), recipe.petzInfo);
        EXPECT_EQ(Part(d, "genome"), recipe.genome); // names compare without regard to case
        EXPECT_EQ(Part(d, "FamilyTree"), recipe.familyTree);
        EXPECT_EQ(Part(d, "Picture"), recipe.picture);
        EXPECT_EQ(d.PetName(), "Rex");
        EXPECT_EQ(d.BreedName(), "Poodle");
        EXPECT_TRUE(d.IsFemale());
        EXPECT_EQ(d.OwnerName(), "Owner");
        EXPECT_EQ(d.SaveToBytes(), file);
    }
}

TEST(TPetDecoder, HeaderChecksumCoversTheWhole816ByteBlock) {
    PetSpec recipe;
    Bytes file = WritePet(recipe);
    file[810] ^= 0x40; // inside the 16-byte extension
    TPetDecoder d;
    EXPECT_THROW(d.LoadFromStream(file, true), EDamagedfile);
    d.LoadFromStream(file, false);
    const Bytes saved = d.SaveToBytes();
    EXPECT_EQ(saved.size(), file.size());
    EXPECT_EQ(saved[810], file[810]);
    TPetDecoder again;
    EXPECT_NO_THROW(again.LoadFromStream(saved, true));
}

TEST(TPetDecoder, SavingRenewsBothChecksumsEvenWhenOnlyThePictureChanged) {
    const Bytes original = WritePet(PetSpec{});
    Bytes broken = original;
    broken[796] ^= 0xFF;
    broken[799] ^= 0x01;
    TPetDecoder d;
    d.LoadFromStream(broken, false);
    d.PartByName("Picture").data = B("new picture");
    const Bytes saved = d.SaveToBytes();
    TPetDecoder check;
    ASSERT_NO_THROW(check.LoadFromStream(saved, true));
    EXPECT_EQ(Part(check, "Picture"), B("new picture"));
    // The picture lies outside the body, so the renewed checksums are those of the original file.
    EXPECT_EQ(check.headerChecksum, original[796] | original[797] << 8);
    EXPECT_EQ(check.bodyChecksum, original[798] | original[799] << 8);
}

TEST(TPetDecoder, AnEmptyPartIsNotFoundInItsPlaceAndTheLaterPartsShift) {
    PetSpec recipe;
    recipe.misc.clear();
    recipe.clothes = B("c");
    const Bytes file = WritePet(recipe);
    TPetDecoder d;
    d.LoadFromStream(file, false);
    // MISC runs on to the marker after CLOTHESETC; Adult.LNZ then takes "Petz info" up to its zero byte.
    Bytes misc = B("p.f.magicpetzIII");
    misc.push_back(0);
    misc.insert(misc.end(), recipe.adult.begin(), recipe.adult.end());
    misc.push_back(0);
    for (int i = 0; i < 4; ++i)
        misc.push_back(std::uint8_t(recipe.value >> (8 * i)));
    misc.insert(misc.end(), recipe.child.begin(), recipe.child.end());
    misc.push_back(0);
    misc.push_back('c');
    EXPECT_EQ(Part(d, "MISC"), misc);
    EXPECT_EQ(d.AdultLNZ(), Bytes{1});
    EXPECT_NE(Part(d, "Genome"), recipe.genome);
}

TEST(TPetDecoder, AMissingSeparatorEmptiesThatPartAndEveryLaterOne) {
    PetSpec recipe;
    Bytes file = ReplaceFirst(WritePet(recipe), B("PfMaGiCpEtZIII"), B("XXXXXXXXXXXXXX"));
    TPetDecoder d;
    d.LoadFromStream(file, false);
    EXPECT_EQ(Part(d, "Petz info"), recipe.petzInfo);
    EXPECT_TRUE(Part(d, "Genome").empty());
    EXPECT_TRUE(Part(d, "FamilyTree").empty());
    EXPECT_TRUE(Part(d, "Picture").empty());
    EXPECT_EQ(d.ancestry, nullptr);
    EXPECT_EQ(d.OwnerName(), "");
    TPetDecoder verified;
    EXPECT_THROW(verified.LoadFromStream(file, true), EDamagedfile);
}

TEST(TPetDecoder, NamesAndSexComeFromTheirFields) {
    PetSpec recipe;
    recipe.petName = std::string(256, 'N'); // fills the field, no zero byte
    recipe.breedName = "Dalmatian";
    TPetDecoder d;
    d.LoadFromStream(WritePet(recipe), true);
    EXPECT_EQ(d.PetName(), std::string(256, 'N'));
    EXPECT_EQ(d.BreedName(), "Dalmatian");

    for (std::uint8_t sex : {0, 1, 2}) {
        PetSpec s;
        s.petzInfo = {sex, 0, 5};
        TPetDecoder p;
        p.LoadFromStream(WritePet(s), true);
        EXPECT_EQ(p.IsFemale(), sex != 0);
    }

    TPetDecoder empty;
    try {
        (void)empty.PetName();
        ADD_FAILURE() << "no error";
    } catch (const eerrormessage& e) {
        EXPECT_STREQ(e.what(), "Missing LOADINFO!");
    }
    EXPECT_THROW((void)empty.BreedName(), eerrormessage);
    try {
        (void)empty.IsFemale();
        ADD_FAILURE() << "no error";
    } catch (const eerrormessage& e) {
        EXPECT_STREQ(e.what(), "Missing Petz info!");
    }
    EXPECT_THROW((void)empty.SaveToBytes(), eerrormessage);
}

TEST(TPetDecoder, OffersItsLNZPartsAsFiles) {
    TPetDecoder d;
    d.LoadFromStream(WritePet(PetSpec{}), true);
    std::vector<TPFSFile> files;
    d.ListFiles(0, files);
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].name, "adult.lnz");
    EXPECT_EQ(files[1].name, "child.lnz");

    Bytes out;
    d.ExportFile("/ADULT.LNZ", out);
    EXPECT_EQ(out, B("[Adult]\n"));
    out.clear();
    d.ExportFile("\\child.lnz", out);
    EXPECT_EQ(out, B("[Child]\n"));
    out.clear();
    d.ExportFile("Genome", out); // only the LNZ files are offered by a pet
    d.ExportFile("//adult.lnz", out);
    EXPECT_TRUE(out.empty());

    d.ImportFile("adult.lnz", B("[New]\n"));
    EXPECT_EQ(d.AdultLNZ(), B("[New]\n"));
    d.ImportFile("unknown", B("x"));
    EXPECT_EQ(d.FindPart("unknown"), nullptr);
}

TEST(TBabyDecoder, DecodesEveryPartAndWritesTheFileBackByteForByte) {
    BabySpec recipe;
    const Bytes file = WriteBaby(recipe);
    TBabyDecoder d;
    d.LoadFromStream(file, true);
    EXPECT_EQ(Part(d, "LOADINFO").size(), 1077u);
    EXPECT_EQ(Part(d, "ColourInfo"), recipe.colourInfo);
    EXPECT_EQ(d.AdultLNZ(), recipe.adult);
    EXPECT_EQ(d.lnzGapValue, recipe.value);
    EXPECT_EQ(d.ChildLNZ(), recipe.child);
    EXPECT_EQ(Part(d, "CLOTHESETC"), recipe.clothes);
    EXPECT_EQ(Part(d, "BLOCK1"), recipe.block1);
    EXPECT_EQ(Part(d, "Genome"), recipe.genome);
    EXPECT_EQ(Part(d, "OwnerInfo"), BabyOwnerRecord("Owner", 86400));
    EXPECT_EQ(Part(d, "Picture"), recipe.picture);
    EXPECT_EQ(d.SaveToBytes(), file);

    // The format tag of a pet never extends a baby's header block.
    Bytes tagged = file;
    tagged[792] = 0x02, tagged[793] = 0x00, tagged[794] = 0xCB, tagged[795] = 0x0A;
    TBabyDecoder t;
    t.LoadFromStream(tagged, false);
    EXPECT_EQ(Part(t, "LOADINFO").size(), 1077u);
    EXPECT_EQ(Part(t, "ColourInfo"), recipe.colourInfo);
}

TEST(TBabyDecoder, EmptyPartShiftsAndMissingSeparatorEmpties) {
    BabySpec recipe;
    recipe.clothes.clear();
    TBabyDecoder d;
    d.LoadFromStream(WriteBaby(recipe), false);
    // CLOTHESETC runs on over BLOCK1 to the next marker 1; BLOCK1 then finds none and the rest is empty.
    Bytes clothes = B("pfmagic1");
    clothes.push_back(0);
    clothes.insert(clothes.end(), recipe.block1.begin(), recipe.block1.end());
    EXPECT_EQ(Part(d, "CLOTHESETC"), clothes);
    EXPECT_TRUE(Part(d, "BLOCK1").empty());
    EXPECT_TRUE(Part(d, "Genome").empty());
    EXPECT_TRUE(Part(d, "Picture").empty());

    const Bytes missing = ReplaceFirst(WriteBaby(BabySpec{}), B("pfmagic3"), B("pfmagicX"));
    TBabyDecoder m;
    m.LoadFromStream(missing, false);
    EXPECT_TRUE(Part(m, "Genome").empty());
    EXPECT_TRUE(Part(m, "OwnerInfo").empty());
    EXPECT_TRUE(Part(m, "Picture").empty());
    TBabyDecoder v;
    EXPECT_THROW(v.LoadFromStream(missing, true), EDamagedfile);
}

TEST(TBabyDecoder, OffersItsLNZPartsAndItsOwnerRecordAsFiles) {
    TBabyDecoder d;
    d.LoadFromStream(WriteBaby(BabySpec{}), true);
    std::vector<TPFSFile> files;
    d.ListFiles(0, files);
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[2].name, "OwnerInfo");
    Bytes out;
    d.ExportFile("/OwnerInfo", out);
    EXPECT_EQ(out, BabyOwnerRecord("Owner", 86400));
    out.clear();
    d.ExportFile("\\ownerinfo", out);
    EXPECT_EQ(out, BabyOwnerRecord("Owner", 86400));
    out.clear();
    d.ExportFile("/NoSuchPart", out);
    EXPECT_TRUE(out.empty());
    d.ImportFile("/BLOCK1", B("b"));
    EXPECT_EQ(Part(d, "BLOCK1"), B("b"));
    d.ImportFile("NoSuchPart", B("x"));
    EXPECT_EQ(d.FindPart("NoSuchPart"), nullptr);
}

// Damaged files must end with the clear message, never a crash, and pass the sanitizers.
TEST(DamagedPetFiles, EndWithFileIsDamagedOrInvalid) {
    const Bytes pet = WritePet(PetSpec{});
    const std::size_t treeStart = pet.size() - 4 - 15 - PetSpec{}.familyTree.size();
    PetSpec longString;
    {
        Bytes record = WriteAncestor(AncestorSpec{});
        // The name's length field follows the 16 identity bytes.
        record[16] = record[17] = record[18] = record[19] = 0xFF;
        longString.familyTree = FamilyTreePart(record);
    }
    PetSpec cutTree;
    {
        Bytes record = WriteAncestor(AncestorSpec{});
        record.resize(30);
        cutTree.familyTree = {0, 0, 0, 0};
        cutTree.familyTree.insert(cutTree.familyTree.end(), record.begin(), record.end());
    }
    PetSpec deep;
    deep.familyTree = FamilyTreePart(AncestorChain(kMaxAncestryDepth + 1));
    PetSpec shortTree;
    shortTree.familyTree = {1, 2};

    struct Case {
        const char* what;
        Bytes file;
    } cases[] = {
        {"empty file", {}},
        {"cut inside the header block", Bytes(pet.begin(), pet.begin() + 500)},
        {"cut inside the header extension", Bytes(pet.begin(), pet.begin() + 810)},
        {"header block only", Bytes(pet.begin(), pet.begin() + 816)},
        {"cut inside a part", Bytes(pet.begin(), pet.begin() + 850)},
        {"cut inside the ancestry", Bytes(pet.begin(), pet.begin() + std::ptrdiff_t(treeStart + 20))},
        {"string length 0xFFFFFFFF", WritePet(longString)},
        {"record cut by the end of the part", WritePet(cutTree)},
        {"tree shorter than its skipped bytes", WritePet(shortTree)},
        {"nesting beyond the limit", WritePet(deep)},
        {"marker A missing", ReplaceFirst(pet, B("p.f.magicpetzIII"), B("p.f.magicpetzXXX"), 817)},
        {"marker C missing", ReplaceFirst(pet, B("PFMAGICPETZIII"), B("PFMAGICPETZXXX"))},
        {"body byte changed", ReplaceFirst(pet, B("genome"), B("genomE"))},
        {"checksum changed",
         [&] {
             Bytes b = pet;
             b[797] ^= 0x5A;
             return b;
         }()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TPetDecoder d;
        try {
            d.LoadFromStream(c.file, true);
            ADD_FAILURE() << "loaded";
        } catch (const EDamagedfile& e) {
            EXPECT_STREQ(e.what(), "File is damaged or invalid");
        }
    }
}

TEST(DamagedBabyFiles, EndWithFileIsDamagedOrInvalid) {
    const Bytes baby = WriteBaby(BabySpec{});
    struct Case {
        const char* what;
        Bytes file;
    } cases[] = {
        {"cut inside the header block", Bytes(baby.begin(), baby.begin() + 1076)},
        {"cut inside a part", Bytes(baby.begin(), baby.begin() + 1100)},
        {"marker 2 missing", ReplaceFirst(baby, B("pfmagic2"), B("pfmagicX"))},
        {"body byte changed", ReplaceFirst(baby, B("block1"), B("block2"))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TBabyDecoder d;
        EXPECT_THROW(d.LoadFromStream(c.file, true), EDamagedfile);
    }
    // The picture lies outside the checksums.
    Bytes picture = baby;
    picture.back() ^= 1;
    TBabyDecoder d;
    EXPECT_NO_THROW(d.LoadFromStream(picture, true));
}

TEST(DamagedPetFiles, RandomDamageEndsInAClearErrorOrALoad) {
    // Flipped bytes, cut files and spliced-in markers anywhere: the decoders either load or raise
    // EDamagedfile; the sanitizer build checks that nothing reads out of bounds on the way.
    std::mt19937 rng(1234);
    AncestorSpec tree;
    tree.parent1 = std::make_shared<AncestorSpec>();
    tree.parent2 = std::make_shared<AncestorSpec>();
    tree.parent2->parent1 = std::make_shared<AncestorSpec>();
    PetSpec petSpec;
    petSpec.familyTree = FamilyTreePart(WriteAncestor(tree));
    const Bytes pet = WritePet(petSpec);
    const Bytes baby = WriteBaby(BabySpec{});
    const Bytes markers[] = {B("p.f.magicpetzIII"), B("PfMaGiCpEtZIII"), B("PFMAGICPETZIII"), B("pfmagic1"),
                             B("pfmagic2")};
    for (int round = 0; round < 3000; ++round) {
        const bool isPet = round % 2 == 0;
        Bytes file = isPet ? pet : baby;
        switch (rng() % 3) {
        case 0:
            for (int i = 0, n = 1 + int(rng() % 4); i < n; ++i)
                file[rng() % file.size()] ^= std::uint8_t(1 + rng() % 255);
            break;
        case 1:
            file.resize(rng() % file.size());
            break;
        default: {
            Bytes m = markers[rng() % 5];
            m.push_back(0);
            file.insert(file.begin() + std::ptrdiff_t(rng() % file.size()), m.begin(), m.end());
        }
        }
        const bool verify = rng() % 2 == 0;
        try {
            if (isPet) {
                TPetDecoder d;
                d.LoadFromStream(file, verify);
                if (d.ancestry) VisitAncestors(*d.ancestry, true, 0, [](const auto&, int) { return true; });
                (void)d.SaveToBytes();
            } else {
                TBabyDecoder d;
                d.LoadFromStream(file, verify);
                (void)d.SaveToBytes();
            }
        } catch (const EDamagedfile&) {
        }
    }
}
