#pragma once
// The LNZ texts of any loaded file, for the commands that check, reformat and scan them.
#include "documents/Tresourcefile.h"

#include <string>
#include <vector>

namespace ballforge {

/// One LNZ text of a file: where it lives (empty for a plain file) and the node that holds its bytes.
struct TLNZTextRef {
    std::string label;   // "LNZ:ADULT:1033" in a module
    tresourcenode* node; // borrowed from the file's tree
};

/// The "LNZ" and "CLZ" resources of a module; in any other container, every node that the LNZ editor
/// opens (a plain file is one such node, its root).
std::vector<TLNZTextRef> LNZTextsOf(Tresourcefile& file);

} // namespace ballforge
