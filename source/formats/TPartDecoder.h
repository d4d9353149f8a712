#pragma once
// The plan that pet and baby files share: a header block, named parts between separators, and two
// byte-sum checksums. TPetDecoder and TBabyDecoder fill in their own layout.
#include "documents/ByteWriter.h"
#include "formats/DecoderParts.h"
#include "formats/IPFSContainer.h"
#include "formats/PartSeparators.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace ballforge {

/// Where the header checksum, the body checksum and the format tag sit in "LOADINFO".
inline constexpr std::size_t kFormatTagOffset = 792;
inline constexpr std::size_t kHeaderChecksumOffset = 796;
inline constexpr std::size_t kBodyChecksumOffset = 798;

/// The shape of one file kind.
struct TPartLayout {
    struct Entry {
        const char* name;
        TSeparator separator; // ends the part; the last part's ends the body
    };
    std::size_t headerSize;
    bool tagExtends;            // a pet header grows by 16 bytes for the tags 0x0ACB0002 and 0x0ACB0003
    TSeparator lead;            // opens the body; skipped unread when decoding
    std::array<Entry, 7> parts; // "Picture" follows the last separator
    std::size_t valueAfter;     // the part after whose separator the 4-byte value sits
};

/// The two checksums a file carries or should carry.
struct TPartChecksums {
    std::uint16_t header = 0;
    std::uint16_t body = 0;
    bool operator==(const TPartChecksums&) const = default;
};

/// Splits a pet or baby file into parts and writes it back with fresh checksums.
class TPartDecoder : public TDecoderParts, public IPFSContainer {
public:
    explicit TPartDecoder(const TPartLayout& layout) : layout_(layout) {}
    virtual ~TPartDecoder() = default;

    /// The value stored between the two LNZ parts, written back unchanged.
    std::uint32_t lnzGapValue = 0;
    std::uint16_t headerChecksum = 0;
    std::uint16_t bodyChecksum = 0;

    /// Reads the whole file (shared for reading) and decodes it.
    void LoadFromFile(const std::string& fileName, bool verify);
    /// Discards all parts and decodes the bytes. A file shorter than its header block, and with verify
    /// a checksum that does not match, raise EDamagedfile.
    virtual void LoadFromStream(std::span<const std::uint8_t> bytes, bool verify);
    /// Encodes every part with fresh checksums, which are also stored into "LOADINFO" and the decoder.
    void SaveToStream(ByteWriter& target);
    std::vector<std::uint8_t> SaveToBytes();

    /// The checksums the parts as they are now would get, computed without changing anything.
    TPartChecksums ComputeChecksums() const;

    std::vector<std::uint8_t>& AdultLNZ();
    std::vector<std::uint8_t>& ChildLNZ();

    /// The format tag at 792 of "LOADINFO".
    std::uint32_t FormatTag() const;

    /// Raises eerrormessage unless bytes decode, checksums included, into exactly the parts this decoder
    /// holds. Parts are cut at separators when a file is read, so a part that is empty or contains its own
    /// separator (a zero byte in an LNZ text, say) would come back cut or shifted.
    void CheckReadsBack(std::span<const std::uint8_t> bytes) const;

    void ExportFile(const std::string& name, std::vector<std::uint8_t>& target) override;
    void ImportFile(const std::string& name, std::span<const std::uint8_t> source) override;
    /// "adult.lnz" and "child.lnz".
    void ListFiles(int unused, std::vector<TPFSFile>& list) override;

protected:
    /// The part an IPFSContainer name addresses, or nullptr.
    virtual TPartNode* PFSPart(const std::string& name) const;
    const TPartLayout& layout() const { return layout_; }
    /// Raises EDamagedfile unless the checksums read match the ones the parts give.
    void VerifyChecksums() const;

private:
    /// A file cut into views of its parts, nothing copied.
    struct TSplitFile {
        std::span<const std::uint8_t> header;
        std::array<std::span<const std::uint8_t>, 7> parts;
        std::span<const std::uint8_t> picture;
        std::uint32_t value = 0;
        TPartChecksums stored;
    };
    TSplitFile Split(std::span<const std::uint8_t> bytes) const;
    TPartChecksums ChecksumsOf(std::span<const std::uint8_t> header,
                               const std::array<std::span<const std::uint8_t>, 7>& parts,
                               std::uint32_t value) const;
    const TPartNode& RequiredPart(const char* name) const;
    const TPartLayout& layout_;
};

/// An 8-bit text field of "LOADINFO": up to 256 bytes, ending at the first zero byte.
std::string LoadInfoText(const TPartNode& loadInfo, std::size_t offset);

} // namespace ballforge
