#pragma once
// Figures over a whole family tree: how many records, how deep, how many breeds and owners.
#include "formats/TOfflineAncestryInfo.h"

#include <cstddef>
#include <map>
#include <string>

namespace ballforge {

/// One walk over a family tree. Breeds and owners are tallied under their upper-cased form (ASCII
/// letters only), each keeping the spelling met first.
struct TAncestrySummary {
    struct Tally {
        std::string spelling;
        std::size_t count = 0;
    };
    std::size_t records = 0; // the pet included
    int deepestDepth = 0;    // the pet is depth 0
    std::map<std::string, Tally> breeds;
    std::map<std::string, Tally> owners;

    static TAncestrySummary Of(const TOfflineAncestryInfo& root);
};

} // namespace ballforge
