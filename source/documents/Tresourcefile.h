#pragma once
// The abstract container: one file kind loaded into and saved from a resource tree.
#include "documents/tresourcenode.h"

#include <memory>
#include <string>

namespace ballforge {

/// Owns the resource tree of one file and reads and writes that file.
class Tresourcefile {
public:
    explicit Tresourcefile(std::string fileName);
    virtual ~Tresourcefile();
    Tresourcefile(const Tresourcefile&) = delete;
    Tresourcefile& operator=(const Tresourcefile&) = delete;

    /// The display text of a node's identifier: its name, or its number in decimal.
    virtual std::string IdentifierText(const tresourcenode& node) const;
    /// Fills the tree from the file named by fileName().
    virtual void Load() = 0;
    /// Writes the whole tree to the named file; on success takes that name and clears the changed flags.
    virtual bool SaveTo(const std::string& fileName);

    const std::string& fileName() const { return fileName_; }
    void setFileName(const std::string& name) { fileName_ = name; }
    tresourcenode& root() { return *root_; }
    const tresourcenode& root() const { return *root_; }

    /// Moves every top-level node to the end of other's root, last first (they arrive reversed).
    void TransferResourcesTo(Tresourcefile& other);

protected:
    void ClearChangedFlags();

private:
    std::string fileName_;
    std::unique_ptr<tresourcenode> root_;
};

} // namespace ballforge
