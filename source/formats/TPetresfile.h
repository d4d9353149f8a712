#pragma once
// The container of adopted pets: a .pet file as a small fixed tree of named nodes.
#include "documents/Tresourcefile.h"
#include "formats/petdecoder.h"

#include <string>

namespace ballforge {

/// Shows "LNZ" / "Child", "LNZ" / "Adult", "Petz info", "Genome", "Picture" and "Ancestry"; saving puts
/// the nodes back into the decoder and encodes the whole file with fresh checksums.
class TPetresfile : public Tresourcefile {
public:
    explicit TPetresfile(std::string fileName) : Tresourcefile(std::move(fileName)) {}

    /// Decodes with verification; a damaged file raises EDamagedfile and leaves the tree empty.
    void Load() override;
    /// Writes through a temporary file beside the target; false (and the old file untouched) on failure.
    bool SaveTo(const std::string& fileName) override;

    TPetDecoder& decoder() { return decoder_; }
    const TPetDecoder& decoder() const { return decoder_; }
    /// Why the last save answered false.
    const std::string& lastError() const { return lastError_; }

private:
    TPetDecoder decoder_;
    std::string lastError_;
};

} // namespace ballforge
