#pragma once
// One pet of a family tree and, owned below it, its parents' records.
#include "documents/ByteReader.h"
#include "formats/PetDateTime.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace ballforge {

/// The deepest parent nesting a family tree may have. Real trees of over 20,000 records reach
/// fewer than 20 generations; this still admits even 20,000 records stacked in a single line,
/// while a damaged file cannot make the reader build an endless chain.
inline constexpr std::size_t kMaxAncestryDepth = 65536;

/// An ancestry record as read from a pet's family tree. Reading, walking and freeing are iterative,
/// so a deep tree never exhausts the stack.
class TOfflineAncestryInfo {
public:
    TOfflineAncestryInfo() = default;
    ~TOfflineAncestryInfo();
    TOfflineAncestryInfo(const TOfflineAncestryInfo&) = delete;
    TOfflineAncestryInfo& operator=(const TOfflineAncestryInfo&) = delete;

    std::uint8_t flags = 0;
    std::uint32_t adoptionTimestamp = 0;
    std::uint32_t birthTimestamp = 0;
    std::unique_ptr<TOfflineAncestryInfo> parent1;
    std::unique_ptr<TOfflineAncestryInfo> parent2;
    std::string name;
    std::string breed;
    std::string owner;
    std::uint32_t generation = 0;
    std::array<std::uint8_t, 16> identity{}; // equal bytes mean the same pet

    /// Reads one record and all its ancestors. A string or record that runs past the end, or parents
    /// nested deeper than kMaxAncestryDepth, raise EReadError.
    void LoadFromStream(ByteReader& in);

    bool HasAdoptionDate() const { return adoptionTimestamp != 0; }
    TPetDateTime AdoptionDate() const { return TimestampToDateTime(adoptionTimestamp); }
    bool HasBirthDate() const { return birthTimestamp != 0; }
    TPetDateTime BirthDate() const { return TimestampToDateTime(birthTimestamp); }
    bool IsPink() const { return (flags & 2) != 0; }

    /// Frees both parents' subtrees.
    void ClearParents();

private:
    void ReadFields(ByteReader& in);
};

/// Called for each record with its depth; answering false ends the walk.
using TAncestorVisitor = std::function<bool(const TOfflineAncestryInfo& record, int depth)>;

/// Depth-first pre-order: the record itself (when includeSelf), then the second parent's subtree,
/// then the first parent's. Answers true unless the visitor stopped the walk.
bool VisitAncestors(const TOfflineAncestryInfo& record, bool includeSelf, int depth,
                    const TAncestorVisitor& visit);

} // namespace ballforge
