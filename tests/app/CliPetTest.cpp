// The pet command, and the general commands on pets and babies.
#include "app/cli/CliCommand.h"
#include "formats/PetTestWriter.h"

#include "TestSupport.h"
#include "documents/FileUtils.h"
#include "formats/babydecoder.h"
#include "formats/petdecoder.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace ballforge;
using namespace ballforge::test;

namespace {
struct CliRun {
    int code;
    std::string out, err;
};
CliRun Cli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    int code = RunCli(args, out, err);
    return {code, out.str(), err.str()};
}
bool Has(const std::string& text, const std::string& what) {
    return text.find(what) != std::string::npos;
}
} // namespace

TEST(CliPet, SummarisesAPetAndABaby) {
    TempDir dir;
    PetSpec recipe;
    auto mother = std::make_shared<AncestorSpec>();
    mother->breed = "POODLE";
    mother->owner = "Someone";
    AncestorSpec root;
    root.breed = "Poodle";
    root.owner = "Melissa";
    root.generation = 4;
    root.parent2 = mother;
    recipe.familyTree = FamilyTreePart(WriteAncestor(root));
    recipe.petzInfo = {1, 1, 0};
    WriteBytes(dir.file("Rex.pet"), WritePet(recipe));
    const CliRun pet = Cli({"pet", dir.file("Rex.pet")});
    EXPECT_EQ(pet.code, ExitOk) << pet.err;
    for (const char* line :
         {"Name:             Rex", "Breed:            Poodle", "Owner:            Melissa",
          "Sex:              Female", "Neutered:         Yes", "Format tag:       0x0ACB0002", "(valid)",
          "Adult.LNZ     8 bytes", "Records:        2", "Generations:    2 stored, 4 by the pet's record",
          "Breeds:         1 distinct", "Owners:         2 distinct"})
        EXPECT_TRUE(Has(pet.out, line)) << line << "\n" << pet.out;

    // A damaged file is still shown, with what the checksums should be.
    Bytes damaged = WritePet(recipe);
    damaged[797] ^= 0x10;
    WriteBytes(dir.file("Bad.pet"), damaged);
    const CliRun bad = Cli({"pet", dir.file("Bad.pet")});
    EXPECT_EQ(bad.code, ExitOk);
    EXPECT_TRUE(Has(bad.out, "Header checksum:") && Has(bad.out, "(INVALID, should be 0x")) << bad.out;
    const std::string bodyLine = bad.out.substr(bad.out.find("Body checksum:"));
    EXPECT_TRUE(Has(bodyLine.substr(0, bodyLine.find('\n')), "(valid)")) << bad.out;

    WriteBytes(dir.file("Bonzi.baby"), WriteBaby(BabySpec{}));
    const CliRun baby = Cli({"pet", dir.file("Bonzi.baby")});
    EXPECT_EQ(baby.code, ExitOk) << baby.err;
    for (const char* line : {"Name:             Bonzi", "Owner:            Owner",
                             "Adopted:          1970-01-02 00:00:00", "OwnerInfo", "(valid)"})
        EXPECT_TRUE(Has(baby.out, line)) << line << "\n" << baby.out;

    const CliRun ls = Cli({"ls", dir.file("Rex.pet")});
    EXPECT_EQ(ls.code, ExitOk);
    EXPECT_TRUE(Has(ls.out, "  Child ") && Has(ls.out, "TViewFrameAncestry")) << ls.out;
    const CliRun lsBad = Cli({"ls", dir.file("Bad.pet")});
    EXPECT_EQ(lsBad.code, ExitUsage);
    EXPECT_TRUE(Has(lsBad.err, "File is damaged or invalid"));
}

TEST(CliPet, ExportsAndImportsPartsSafely) {
    TempDir dir;
    const std::string file = dir.file("Rex.pet");
    const Bytes original = WritePet(PetSpec{});
    WriteBytes(file, original);

    ASSERT_EQ(Cli({"pet", file, "--export", "adult.lnz", "-o", dir.file("adult.lnz")}).code, ExitOk);
    EXPECT_EQ(ReadBytes(dir.file("adult.lnz")), B("[Adult]\n"));

    WriteBytes(dir.file("new.lnz"), B("[Adult]\nnew\n"));
    const CliRun copy =
        Cli({"pet", file, "--import", "Adult.LNZ", dir.file("new.lnz"), "-o", dir.file("New.pet")});
    ASSERT_EQ(copy.code, ExitOk) << copy.err;
    EXPECT_EQ(ReadBytes(file), original);
    TPetDecoder check;
    check.LoadFromFile(dir.file("New.pet"), true);
    EXPECT_EQ(check.AdultLNZ(), B("[Adult]\nnew\n"));

    ASSERT_EQ(Cli({"pet", file, "--import", "picture", dir.file("new.lnz")}).code, ExitOk);
    check.LoadFromFile(file, true);
    EXPECT_EQ(check.FindPart("Picture")->data, B("[Adult]\nnew\n"));

    // Parts that would not read back, and damaged files, are refused with the file untouched.
    const Bytes before = ReadBytes(file);
    WriteBytes(dir.file("zero.lnz"), Bytes{'a', 0, 'b'});
    WriteBytes(dir.file("empty"), Bytes{});
    Bytes damaged = before;
    damaged[799] ^= 1;
    WriteBytes(dir.file("Bad.pet"), damaged);
    struct Case {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"pet", file, "--import", "Child.LNZ", dir.file("zero.lnz")}, "would not read back"},
        {{"pet", file, "--import", "Genome", dir.file("empty")}, "would not read back"},
        {{"pet", dir.file("Bad.pet"), "--import", "Genome", dir.file("new.lnz")},
         "File is damaged or invalid"},
        {{"pet", file, "--import", "Nothing", dir.file("new.lnz")}, "no part \"Nothing\""},
        {{"pet", file, "--export", "Nothing"}, "no part \"Nothing\""},
        {{"pet", file, "--export", "Genome", "--import", "Genome", "x"}, "either --export or --import"},
        {{"pet", dir.file("new.lnz")}, "is not a .pet or .baby file"},
        {{"pet", dir.file("Missing.pet")}, "no such file"},
        {{"pet", file, "-o", dir.file("x")}, "-o goes with"},
    };
    for (const auto& c : cases) {
        const CliRun r = Cli(c.args);
        EXPECT_EQ(r.code, ExitUsage) << c.message;
        EXPECT_TRUE(Has(r.err, c.message)) << r.err;
    }
    EXPECT_EQ(ReadBytes(file), before);
    EXPECT_EQ(ReadBytes(dir.file("Bad.pet")), damaged);
}

TEST(CliPet, CheckAndReformatWorkOnBothLNZPartsOfPetsAndBabies) {
    const std::string golden = std::string(BALLFORGE_SOURCE_ROOT) + "/tests/lnz/golden/";
    const Bytes faulty = ReadBytes(golden + "realistic/input.lnz");
    const Bytes faultyReformatted = ReadBytes(golden + "realistic/expected-reformat.lnz");
    const Bytes lf = ReadBytes(golden + "lf-linebreaks/input.lnz");
    const Bytes lfReformatted = ReadBytes(golden + "lf-linebreaks/expected-reformat.lnz");
    const std::string firstMessage = "[Error] (35) Wrong number of parameters: 2 found, 3 required.";

    TempDir dir;
    PetSpec pet;
    pet.adult = faulty;
    pet.child = lf;
    WriteBytes(dir.file("Rex.pet"), WritePet(pet));
    BabySpec baby;
    baby.adult = lf;
    baby.child = faulty;
    WriteBytes(dir.file("Bonzi.baby"), WriteBaby(baby));

    const CliRun checkPet = Cli({"check", dir.file("Rex.pet")});
    EXPECT_EQ(checkPet.code, ExitFindings) << checkPet.err;
    EXPECT_TRUE(Has(checkPet.out, "LNZ:Adult: " + firstMessage)) << checkPet.out;
    EXPECT_TRUE(Has(checkPet.out, "LNZ:Child: Error check complete - No errors found!")) << checkPet.out;
    const CliRun checkBaby = Cli({"check", dir.file("Bonzi.baby")});
    EXPECT_EQ(checkBaby.code, ExitFindings);
    EXPECT_TRUE(Has(checkBaby.out, "LNZ:Child: " + firstMessage)) << checkBaby.out;

    // Reformatting writes both parts back through the container, with fresh checksums.
    const CliRun reformat = Cli({"reformat", dir.file("Rex.pet"), "-o", dir.file("Neat.pet")});
    ASSERT_EQ(reformat.code, ExitOk) << reformat.err;
    TPetDecoder neat;
    neat.LoadFromFile(dir.file("Neat.pet"), true);
    EXPECT_EQ(neat.AdultLNZ(), faultyReformatted);
    EXPECT_EQ(neat.ChildLNZ(), lfReformatted);
    EXPECT_EQ(neat.FindPart("Genome")->data, pet.genome);
    EXPECT_EQ(ReadBytes(dir.file("Rex.pet")), WritePet(pet));

    ASSERT_EQ(Cli({"reformat", dir.file("Bonzi.baby")}).code, ExitOk);
    TBabyDecoder tidy;
    tidy.LoadFromFile(dir.file("Bonzi.baby"), true);
    EXPECT_EQ(tidy.AdultLNZ(), lfReformatted);
    EXPECT_EQ(tidy.ChildLNZ(), faultyReformatted);
}
