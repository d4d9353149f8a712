#pragma once
// Babies (.baby): the decoder that splits the file into named parts and writes it back.
#include "formats/PartSeparators.h"
#include "formats/TPartDecoder.h"

#include <string>

namespace ballforge {

/// A part of a baby file.
using TBabyNode = TPartNode;

inline constexpr std::size_t kBabyHeaderSize = 1077;

/// Splits a .baby file into "LOADINFO", "ColourInfo", "Adult.LNZ", "Child.LNZ", "CLOTHESETC", "BLOCK1",
/// "Genome", "OwnerInfo" and "Picture", and writes it back with fresh checksums.
class TBabyDecoder : public TPartDecoder {
public:
    TBabyDecoder();

    /// "adult.lnz", "child.lnz" and "OwnerInfo".
    void ListFiles(int unused, std::vector<TPFSFile>& list) override;

protected:
    /// Besides the two LNZ files, any part of the baby by its name.
    TPartNode* PFSPart(const std::string& name) const override;
};

} // namespace ballforge
