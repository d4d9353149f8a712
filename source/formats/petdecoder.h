#pragma once
// Adopted pets (.pet): the decoder that splits the file into named parts and writes it back.
#include "formats/PartSeparators.h"
#include "formats/TOfflineAncestryInfo.h"
#include "formats/TPartDecoder.h"

#include <memory>
#include <string>

namespace ballforge {

/// A part of a pet file.
using TPetNode = TPartNode;

/// The pet's header block without its 16-byte extension.
inline constexpr std::size_t kPetHeaderSize = 800;

/// Splits a .pet file into "LOADINFO", "MISC", "Adult.LNZ", "Child.LNZ", "CLOTHESETC", "Petz info",
/// "Genome", "FamilyTree" and "Picture", reads its family tree, and writes it back with fresh checksums.
class TPetDecoder : public TPartDecoder {
public:
    TPetDecoder();

    /// The family tree read by the last load; nullptr when the file carried none.
    std::unique_ptr<TOfflineAncestryInfo> ancestry;

    /// Besides the parts, reads the family tree; a tree that cannot be read whole raises EDamagedfile.
    void LoadFromStream(std::span<const std::uint8_t> bytes, bool verify) override;

    /// The 8-bit texts of "LOADINFO"; raise "Missing LOADINFO!".
    std::string PetName() const;
    std::string BreedName() const;
    /// The first byte of "Petz info"; raises "Missing Petz info!".
    bool IsFemale() const;
    /// The owner of the pet's own ancestry record (empty without a family tree).
    std::string OwnerName() const;
};

/// Reads the family tree of a "FamilyTree" part (4 bytes, then the root record); raises EReadError when
/// the record is cut short, nests too deeply or names impossible lengths.
std::unique_ptr<TOfflineAncestryInfo> ReadFamilyTree(std::span<const std::uint8_t> part);

} // namespace ballforge
