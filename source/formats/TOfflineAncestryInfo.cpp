#include "formats/TOfflineAncestryInfo.h"

#include "formats/StreamHelpers.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace ballforge {

TOfflineAncestryInfo::~TOfflineAncestryInfo() {
    ClearParents();
}

void TOfflineAncestryInfo::ClearParents() {
    // Unlink the subtrees into a work list first: letting unique_ptr free them would recurse once per
    // generation.
    std::vector<std::unique_ptr<TOfflineAncestryInfo>> pending;
    if (parent1) pending.push_back(std::move(parent1));
    if (parent2) pending.push_back(std::move(parent2));
    while (!pending.empty()) {
        std::unique_ptr<TOfflineAncestryInfo> record = std::move(pending.back());
        pending.pop_back();
        if (record->parent1) pending.push_back(std::move(record->parent1));
        if (record->parent2) pending.push_back(std::move(record->parent2));
    }
}

void TOfflineAncestryInfo::ReadFields(ByteReader& in) {
    const auto id = in.take(identity.size());
    std::copy(id.begin(), id.end(), identity.begin());
    name = ReadString(in);
    breed = ReadString(in);
    owner = ReadString(in);
    adoptionTimestamp = in.u32();
    birthTimestamp = in.u32();
    generation = in.u32();
    flags = in.u8();
}

void TOfflineAncestryInfo::LoadFromStream(ByteReader& in) {
    ClearParents();
    ReadFields(in);
    // Each frame is a record whose two parent markers are still to be read; the second marker follows
    // the whole subtree of the first parent, exactly as a recursive reader would meet it.
    struct Frame {
        TOfflineAncestryInfo* record;
        int markersRead;
    };
    std::vector<Frame> stack{{this, 0}};
    while (!stack.empty()) {
        Frame& top = stack.back();
        if (top.markersRead == 2) {
            stack.pop_back();
            continue;
        }
        const bool first = top.markersRead == 0;
        ++top.markersRead;
        if (in.u8() != 1) continue;
        if (stack.size() >= kMaxAncestryDepth) throw EReadError("Read error: family tree nested too deeply");
        auto parent = std::make_unique<TOfflineAncestryInfo>();
        TOfflineAncestryInfo* raw = parent.get();
        (first ? top.record->parent1 : top.record->parent2) = std::move(parent);
        raw->ReadFields(in);
        stack.push_back({raw, 0}); // invalidates top
    }
}

bool VisitAncestors(const TOfflineAncestryInfo& record, bool includeSelf, int depth,
                    const TAncestorVisitor& visit) {
    struct Item {
        const TOfflineAncestryInfo* record;
        int depth;
    };
    std::vector<Item> stack;
    auto pushParents = [&stack](const TOfflineAncestryInfo& r, int d) {
        // Pushed first parent first, so the second parent's subtree is walked first.
        if (r.parent1) stack.push_back({r.parent1.get(), d + 1});
        if (r.parent2) stack.push_back({r.parent2.get(), d + 1});
    };
    if (includeSelf && !visit(record, depth)) return false;
    pushParents(record, depth);
    while (!stack.empty()) {
        const Item item = stack.back();
        stack.pop_back();
        if (!visit(*item.record, item.depth)) return false;
        pushParents(*item.record, item.depth);
    }
    return true;
}

} // namespace ballforge
