#pragma once
// A PE module (breed, toy, clothes, playscene) held as a tree of types, names and languages.
#include "documents/Tresourcefile.h"

namespace ballforge {

/// Maps a module's resource section onto the tree, and rebuilds that section when saved.
class TDLLresfile : public Tresourcefile {
public:
    using Tresourcefile::Tresourcefile;
    /// Type nodes show their standard names ("RCData", "String list", "RT240").
    std::string IdentifierText(const tresourcenode& node) const override;
    void Load() override;
    /// Rewrites the resource section of fileName, an existing module, to hold exactly the tree.
    bool SaveTo(const std::string& fileName) override;
    /// Why the last SaveTo failed, for messages and the command-line tool.
    const std::string& lastError() const { return lastError_; }

private:
    std::string lastError_;
};

} // namespace ballforge
