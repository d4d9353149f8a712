#pragma once
// The container of babies: a .baby file as a small fixed tree of named nodes.
#include "documents/Tresourcefile.h"
#include "formats/babydecoder.h"

#include <string>

namespace ballforge {

/// Shows "LNZ" / "Child", "LNZ" / "Adult", "Picture", "ColourInfo" and "OwnerInfo"; saving puts the
/// nodes back into the decoder and encodes the whole file with fresh checksums.
class TBabyresfile : public Tresourcefile {
public:
    explicit TBabyresfile(std::string fileName) : Tresourcefile(std::move(fileName)) {}

    /// Decodes with verification; a damaged file raises EDamagedfile and leaves the tree empty.
    void Load() override;
    /// Writes through a temporary file beside the target; false (and the old file untouched) on failure.
    bool SaveTo(const std::string& fileName) override;

    TBabyDecoder& decoder() { return decoder_; }
    const TBabyDecoder& decoder() const { return decoder_; }
    /// Why the last save answered false.
    const std::string& lastError() const { return lastError_; }

private:
    TBabyDecoder decoder_;
    std::string lastError_;
};

} // namespace ballforge
