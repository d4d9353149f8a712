#pragma once
// A plain file held as the bytes of the tree's root.
#include "documents/Tresourcefile.h"

namespace ballforge {

/// Any file that is not a PE module, pet or baby: the whole file is the root's data.
class TFlatresfile : public Tresourcefile {
public:
    using Tresourcefile::Tresourcefile;
    void Load() override;
    bool SaveTo(const std::string& fileName) override;
};

} // namespace ballforge
