#pragma once
// Writes small valid pets, babies and family trees for the tests, independently of the decoders,
// so that each edge case is one set of chosen parts.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ballforge::test {

using Bytes = std::vector<std::uint8_t>;

Bytes B(const std::string& text);

/// One ancestry record with optional parents; the markers can be set to odd values.
struct AncestorSpec {
    std::string name = "Pet";
    std::string breed = "Breed";
    std::string owner = "Owner";
    std::uint32_t adoption = 0;
    std::uint32_t birth = 0;
    std::uint32_t generation = 1;
    std::uint8_t flags = 0;
    std::uint8_t identity = 0; // fills the 16 identity bytes
    std::shared_ptr<AncestorSpec> parent1;
    std::shared_ptr<AncestorSpec> parent2;
    std::uint8_t noParentMarker = 0; // written where a parent is absent
};

Bytes WriteAncestor(const AncestorSpec& record);
/// A "FamilyTree" part: 4 bytes, the record, then a pet owner record.
Bytes FamilyTreePart(const Bytes& record, const std::string& ownerName = "Owner",
                     const std::string& comments = "", std::uint32_t adoption = 0);
/// A record whose first parent has a first parent ... depth records in a line.
Bytes AncestorChain(std::size_t depth);

struct PetSpec {
    std::uint32_t formatTag = 0x0ACB0002; // 816-byte header
    std::string petName = "Rex";
    std::string breedName = "Poodle";
    Bytes misc = B("misc");
    Bytes adult = B("[Adult]\n");
    std::uint32_t value = 0x01020304;
    Bytes child = B("[Child]\n");
    Bytes clothes = B("clothes");
    Bytes petzInfo = {1, 0, 7, 7};
    Bytes genome = B("genome");
    Bytes familyTree = FamilyTreePart(WriteAncestor(AncestorSpec{}));
    Bytes picture = {0, 0, 0, 0};
};

/// A whole .pet file with correct checksums.
Bytes WritePet(const PetSpec& recipe);
std::size_t PetHeaderSize(const PetSpec& recipe);

struct BabySpec {
    std::string name = "Bonzi";
    Bytes colourInfo = B("colour");
    Bytes adult = B("[Adult]\n");
    std::uint32_t value = 0x0A0B0C0D;
    Bytes child = B("[Child]\n");
    Bytes clothes = B("clothes");
    Bytes block1 = B("block1");
    Bytes genome = B("genome");
    Bytes ownerInfo; // filled with a baby owner record when empty
    Bytes picture = {0, 0, 0, 0};
};

Bytes BabyOwnerRecord(const std::string& owner, std::uint32_t adoption);
Bytes WriteBaby(const BabySpec& recipe);

/// Replaces the first occurrence of what (after offset from) by with; the test fails loudly if absent.
Bytes ReplaceFirst(Bytes bytes, const Bytes& what, const Bytes& with, std::size_t from = 0);

} // namespace ballforge::test
