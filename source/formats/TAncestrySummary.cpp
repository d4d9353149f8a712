#include "formats/TAncestrySummary.h"

#include "documents/ResourceID.h"

#include <algorithm>

namespace ballforge {

TAncestrySummary TAncestrySummary::Of(const TOfflineAncestryInfo& root) {
    TAncestrySummary summary;
    auto tally = [](std::map<std::string, Tally>& tallies, const std::string& text) {
        Tally& t = tallies[UpperCase(text)];
        if (t.count++ == 0) t.spelling = text;
    };
    VisitAncestors(root, true, 0, [&](const TOfflineAncestryInfo& record, int depth) {
        ++summary.records;
        summary.deepestDepth = std::max(summary.deepestDepth, depth);
        tally(summary.breeds, record.breed);
        tally(summary.owners, record.owner);
        return true;
    });
    return summary;
}

} // namespace ballforge
