#pragma once
// Reads the resource directory of a 32-bit PE module into a tree, lets callers add, replace and delete
// resources, and rebuilds the resource section, moving what follows it and correcting the headers.
// The rebuilt module is written beside the original, checked, and only then put in its place.
#include "documents/ResourceID.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace ballforge {

/// One directory or leaf of the resource tree.
struct TResItem {
    std::int32_t id = 0;   // type or name ordinal, or a leaf's language; 0 when named
    std::u16string name;   // the identifier string; empty when numbered
    bool isDirectory = false;
    std::vector<std::unique_ptr<TResItem>> children; // named first, then numbered, each kind sorted

    // Directory fields.
    std::uint32_t characteristics = 0;
    std::uint32_t timeStamp = 0;
    std::uint16_t majorVersion = 0;
    std::uint16_t minorVersion = 0;
    std::uint32_t namedCount = 0;
    std::uint32_t numberedCount = 0;

    // Leaf fields: where the bytes come from, and the data entry's words.
    enum class Source { None, File, Owned, Borrowed };
    Source source = Source::None;
    std::uint64_t fileOffset = 0;           // Source::File: offset in the file as it was opened
    std::vector<std::uint8_t> owned;        // Source::Owned
    std::span<const std::uint8_t> borrowed; // Source::Borrowed: the caller keeps it alive
    std::uint32_t size = 0;
    std::uint32_t codePage = 0;
    std::uint32_t reserved = 0;

    bool isNamed() const { return !name.empty(); }
};

/// An open update of one module, from BeginResUpdate to EndResUpdate.
struct TResUpdate;
struct TResUpdateDeleter {
    void operator()(TResUpdate* update) const;
};
using TResUpdatePtr = std::unique_ptr<TResUpdate, TResUpdateDeleter>;

/// Opens a module. With discardExisting the tree starts empty (a whole document is about to be
/// saved); otherwise the resource directory is read. Returns null on failure, with the reason.
TResUpdatePtr BeginResUpdate(const std::string& fileName, bool discardExisting,
                                           std::string* failureReason = nullptr);

/// Adds, replaces or deletes one resource (data == nullptr deletes). The bytes are copied.
/// False when the identifiers cannot be stored in a PE module (numbers outside 0..65535).
bool UpdateResItem(TResUpdate& update, const TResourceIDRec& type, const TResourceIDRec& name,
                   std::int32_t language, const std::uint8_t* data, std::size_t size);

/// As UpdateResItem with data, but the bytes are not copied: they must stay unchanged and alive
/// until EndResUpdate. Saves a whole document without holding its resources twice.
bool UpdateResItemBorrowed(TResUpdate& update, const TResourceIDRec& type, const TResourceIDRec& name,
                           std::int32_t language, std::span<const std::uint8_t> data);

/// The bytes of a resource as they stand in the file (or as last updated). False when not found.
bool GetResItemData(TResUpdate& update, const TResourceIDRec& type, const TResourceIDRec& name,
                    std::int32_t language, std::vector<std::uint8_t>& bytes);

/// The bytes behind a leaf of the tree.
std::span<const std::uint8_t> ResItemBytes(const TResUpdate& update, const TResItem& leaf);

/// The tree read or built so far (the root directory).
const TResItem& ResUpdateRoot(const TResUpdate& update);

/// Ends the update. With discard nothing is written. Otherwise the module is rebuilt into a
/// temporary file beside it, re-read and checked (it parses, its checksum is right, every resource
/// equals the tree), and then replaces the original. False on any failure: the original is untouched.
bool EndResUpdate(TResUpdatePtr update, bool discard, std::string* failureReason = nullptr);

/// Same as EndResUpdate without discard, but writes the rebuilt module to another file (which must
/// not be the source) and leaves the source alone.
bool EndResUpdateTo(TResUpdatePtr update, const std::string& targetFileName,
                    std::string* failureReason = nullptr);

/// Facts about a module's headers, for inspection and for the tests.
struct TPEInfo {
    bool isPE32 = false;
    std::uint32_t checksum = 0;
    std::uint64_t checksumOffset = 0;
    std::uint32_t fileAlignment = 0;
    std::uint32_t sectionAlignment = 0;
    std::uint32_t sizeOfImage = 0;
    struct Section {
        std::string name;
        std::uint32_t virtualSize, virtualAddress, sizeOfRawData, pointerToRawData;
    };
    std::vector<Section> sections;
    std::uint32_t dataDirectoryVA[16] = {};
    std::uint32_t dataDirectorySize[16] = {};
};

/// Reads the headers of a PE image held in memory; throws EReadError when they are not a PE image.
TPEInfo ReadPEInfo(std::span<const std::uint8_t> image);

/// Standard PE checksum of an image.
std::uint32_t ComputePEChecksum(std::span<const std::uint8_t> image);

} // namespace ballforge
