#include "formats/TPartDecoder.h"

#include "documents/ByteReader.h"
#include "documents/Errors.h"
#include "documents/FileUtils.h"
#include "documents/ResourceID.h"
#include "formats/EDamagedfile.h"

#include <algorithm>
#include <cstring>

namespace ballforge {

namespace {
constexpr const char* kLoadInfo = "LOADINFO";
constexpr const char* kPicture = "Picture";
constexpr std::uint32_t kExtendedTag2 = 0x0ACB0002;
constexpr std::uint32_t kExtendedTag3 = 0x0ACB0003;
constexpr std::size_t kHeaderExtension = 16;

std::uint32_t LittleEndian32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}
} // namespace

std::string LoadInfoText(const TPartNode& loadInfo, std::size_t offset) {
    if (offset >= loadInfo.data.size()) return {};
    const std::size_t available = std::min<std::size_t>(256, loadInfo.data.size() - offset);
    const char* start = reinterpret_cast<const char*>(loadInfo.data.data() + offset);
    const void* zero = std::memchr(start, 0, available);
    return std::string(start, zero ? static_cast<const char*>(zero) - start : available);
}

void TPartDecoder::LoadFromFile(const std::string& fileName, bool verify) {
    const std::vector<std::uint8_t> bytes = ReadWholeFile(fileName);
    LoadFromStream(bytes, verify);
}

void TPartDecoder::LoadFromStream(std::span<const std::uint8_t> bytes, bool verify) {
    ClearParts();
    lnzGapValue = 0;
    // A header block cut short cannot hold the checksums: say the file is damaged, not merely unreadable.
    if (bytes.size() < layout_.headerSize) throw EDamagedfile();
    ByteReader in(bytes);
    std::size_t headerSize = layout_.headerSize;
    if (layout_.tagExtends) {
        const std::uint32_t tag = in.peek<std::uint32_t>(kFormatTagOffset);
        if (tag == kExtendedTag2 || tag == kExtendedTag3) headerSize += kHeaderExtension;
        if (bytes.size() < headerSize) throw EDamagedfile();
    }
    const auto header = in.take(headerSize);
    TPartNode& loadInfo = PartByName(kLoadInfo);
    loadInfo.data.assign(header.begin(), header.end());
    headerChecksum = in.peek<std::uint16_t>(kHeaderChecksumOffset);
    bodyChecksum = in.peek<std::uint16_t>(kBodyChecksumOffset);

    // The opening marker is skipped without a look, as the games do.
    in.seek(std::min<std::size_t>(in.position() + layout_.lead.size(), in.size()));
    for (std::size_t i = 0; i < layout_.parts.size(); ++i) {
        const auto& entry = layout_.parts[i];
        CopyUntilSeparator(in, PartByName(entry.name).data, entry.separator);
        if (i == layout_.valueAfter) {
            // After a missing separator the reader sits at the end; the value then stays 0 as the
            // following parts stay empty.
            std::uint8_t value[4] = {};
            const std::size_t n = std::min<std::size_t>(4, in.remaining());
            std::memcpy(value, in.take(n).data(), n);
            lnzGapValue = LittleEndian32(value);
        }
    }
    const auto rest = in.take(in.remaining());
    PartByName(kPicture).data.assign(rest.begin(), rest.end());
    if (verify) VerifyChecksums();
}

void TPartDecoder::VerifyChecksums() const {
    if (ComputeChecksums() != TPartChecksums{headerChecksum, bodyChecksum}) throw EDamagedfile();
}

const TPartNode& TPartDecoder::RequiredPart(const char* name) const {
    const TPartNode* part = FindPart(name);
    if (!part) throw eerrormessage(std::string("Missing ") + name + "!");
    return *part;
}

TPartChecksums TPartDecoder::ComputeChecksums() const {
    const TPartNode& loadInfo = RequiredPart(kLoadInfo);
    if (loadInfo.data.size() < layout_.headerSize) throw eerrormessage("Missing LOADINFO!");
    RequiredPart(layout_.parts[1].name); // the two LNZ parts must exist
    RequiredPart(layout_.parts[2].name);

    // The body is never built: its sum is the sum of its pieces.
    std::uint32_t body = ByteSum(layout_.lead);
    for (std::size_t i = 0; i < layout_.parts.size(); ++i) {
        const auto& entry = layout_.parts[i];
        if (const TPartNode* part = FindPart(entry.name)) body = ByteSum(part->data, body);
        if (i + 1 < layout_.parts.size()) body = ByteSum(entry.separator, body);
        if (i == layout_.valueAfter)
            body += (lnzGapValue & 0xFF) + (lnzGapValue >> 8 & 0xFF) + (lnzGapValue >> 16 & 0xFF) +
                    (lnzGapValue >> 24);
    }
    TPartChecksums result;
    result.body = static_cast<std::uint16_t>(body);
    const auto& h = loadInfo.data;
    std::uint32_t header = ByteSum(h);
    header -= h[kHeaderChecksumOffset] + h[kHeaderChecksumOffset + 1];
    header -= h[kBodyChecksumOffset] + h[kBodyChecksumOffset + 1];
    header += (result.body & 0xFF) + (result.body >> 8);
    result.header = static_cast<std::uint16_t>(header);
    return result;
}

void TPartDecoder::SaveToStream(ByteWriter& target) {
    const TPartChecksums sums = ComputeChecksums(); // raises first when LOADINFO or an LNZ part is missing
    // Other missing parts are written empty; creating them keeps later listings in the file's order.
    for (const auto& entry : layout_.parts)
        PartByName(entry.name);
    PartByName(kPicture);
    TPartNode& loadInfo = PartByName(kLoadInfo);
    auto put16 = [&loadInfo](std::size_t offset, std::uint16_t value) {
        loadInfo.data[offset] = static_cast<std::uint8_t>(value & 0xFF);
        loadInfo.data[offset + 1] = static_cast<std::uint8_t>(value >> 8);
    };
    put16(kBodyChecksumOffset, sums.body);
    put16(kHeaderChecksumOffset, sums.header);
    bodyChecksum = sums.body;
    headerChecksum = sums.header;

    target.bytes(loadInfo.data);
    WriteSeparator(target, layout_.lead);
    for (std::size_t i = 0; i < layout_.parts.size(); ++i) {
        const auto& entry = layout_.parts[i];
        target.bytes(FindPart(entry.name)->data);
        WriteSeparator(target, entry.separator);
        if (i == layout_.valueAfter) target.u32(lnzGapValue);
    }
    target.bytes(FindPart(kPicture)->data);
}

std::vector<std::uint8_t> TPartDecoder::SaveToBytes() {
    std::size_t total = layout_.lead.size() + 4;
    for (std::size_t i = 0; i < PartCount(); ++i)
        total += Part(i).data.size() + 17;
    ByteWriter out(total);
    SaveToStream(out);
    return out.take();
}

std::vector<std::uint8_t>& TPartDecoder::AdultLNZ() {
    return PartByName(layout_.parts[1].name).data;
}
std::vector<std::uint8_t>& TPartDecoder::ChildLNZ() {
    return PartByName(layout_.parts[2].name).data;
}

std::uint32_t TPartDecoder::FormatTag() const {
    const TPartNode* loadInfo = FindPart(kLoadInfo);
    if (!loadInfo || loadInfo->data.size() < kFormatTagOffset + 4) throw eerrormessage("Missing LOADINFO!");
    return LittleEndian32(loadInfo->data.data() + kFormatTagOffset);
}

TPartNode* TPartDecoder::PFSPart(const std::string& name) const {
    const std::string file = StripPFSName(name);
    if (SameText(file, "adult.lnz")) return FindPart(layout_.parts[1].name);
    if (SameText(file, "child.lnz")) return FindPart(layout_.parts[2].name);
    return nullptr;
}

void TPartDecoder::ExportFile(const std::string& name, std::vector<std::uint8_t>& target) {
    if (const TPartNode* part = PFSPart(name))
        target.insert(target.end(), part->data.begin(), part->data.end());
}

void TPartDecoder::ImportFile(const std::string& name, std::span<const std::uint8_t> source) {
    if (TPartNode* part = PFSPart(name)) part->data.assign(source.begin(), source.end());
}

void TPartDecoder::ListFiles(int, std::vector<TPFSFile>& list) {
    list.push_back({"adult.lnz", 0});
    list.push_back({"child.lnz", 0});
}

void TPartDecoder::CheckReadsBack(std::span<const std::uint8_t> bytes) const {
    // The plain splitter of the same layout: the family tree needs no second reading.
    TPartDecoder checker(layout_);
    std::string failed;
    try {
        checker.LoadFromStream(bytes, true);
    } catch (const EDamagedfile&) {
        failed = "the parts"; // shifted parts no longer match the checksums
    }
    for (std::size_t i = 0; i < PartCount() && failed.empty(); ++i) {
        const TPartNode& part = Part(i);
        const TPartNode* back = checker.FindPart(part.name);
        if (!back || back->data != part.data) failed = "the part \"" + part.name + "\"";
    }
    if (!failed.empty())
        throw eerrormessage(
            "The file would not read back as it is: " + failed +
            " would come out cut or shifted (an empty part, or one that contains its separator)");
}

std::string StripPFSName(const std::string& name) {
    if (!name.empty() && (name[0] == '/' || name[0] == '\\')) return name.substr(1);
    return name;
}

} // namespace ballforge
