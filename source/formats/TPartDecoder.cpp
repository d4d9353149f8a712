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

TPartDecoder::TSplitFile TPartDecoder::Split(std::span<const std::uint8_t> bytes) const {
    // A header block cut short cannot hold the checksums: say the file is damaged, not merely unreadable.
    if (bytes.size() < layout_.headerSize) throw EDamagedfile();
    ByteReader in(bytes);
    std::size_t headerSize = layout_.headerSize;
    if (layout_.tagExtends) {
        const std::uint32_t tag = in.peek<std::uint32_t>(kFormatTagOffset);
        if (tag == kExtendedTag2 || tag == kExtendedTag3) headerSize += kHeaderExtension;
        if (bytes.size() < headerSize) throw EDamagedfile();
    }
    TSplitFile split;
    split.header = in.take(headerSize);
    split.stored.header = in.peek<std::uint16_t>(kHeaderChecksumOffset);
    split.stored.body = in.peek<std::uint16_t>(kBodyChecksumOffset);

    // The opening marker is skipped without a look, as the games do.
    in.seek(std::min<std::size_t>(in.position() + layout_.lead.size(), in.size()));
    for (std::size_t i = 0; i < layout_.parts.size(); ++i) {
        ScanUntilSeparator(in, layout_.parts[i].separator, split.parts[i]);
        if (i == layout_.valueAfter) {
            // After a missing separator the reader sits at the end; the value then stays 0 as the
            // following parts stay empty.
            std::uint8_t value[4] = {};
            const std::size_t n = std::min<std::size_t>(4, in.remaining());
            if (n) std::memcpy(value, in.take(n).data(), n);
            split.value = LittleEndian32(value);
        }
    }
    split.picture = in.take(in.remaining());
    return split;
}

void TPartDecoder::LoadFromStream(std::span<const std::uint8_t> bytes, bool verify) {
    ClearParts();
    lnzGapValue = 0;
    const TSplitFile split = Split(bytes);
    PartByName(kLoadInfo).data.assign(split.header.begin(), split.header.end());
    headerChecksum = split.stored.header;
    bodyChecksum = split.stored.body;
    for (std::size_t i = 0; i < layout_.parts.size(); ++i)
        PartByName(layout_.parts[i].name).data.assign(split.parts[i].begin(), split.parts[i].end());
    lnzGapValue = split.value;
    PartByName(kPicture).data.assign(split.picture.begin(), split.picture.end());
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

TPartChecksums TPartDecoder::ChecksumsOf(std::span<const std::uint8_t> header,
                                         const std::array<std::span<const std::uint8_t>, 7>& parts,
                                         std::uint32_t value) const {
    // The body is never built: its sum is the sum of its pieces.
    std::uint32_t body = ByteSum(layout_.lead);
    for (std::size_t i = 0; i < layout_.parts.size(); ++i) {
        body = ByteSum(parts[i], body);
        if (i + 1 < layout_.parts.size()) body = ByteSum(layout_.parts[i].separator, body);
        if (i == layout_.valueAfter)
            body += (value & 0xFF) + (value >> 8 & 0xFF) + (value >> 16 & 0xFF) + (value >> 24);
    }
    TPartChecksums result;
    result.body = static_cast<std::uint16_t>(body);
    std::uint32_t sum = ByteSum(header);
    sum -= header[kHeaderChecksumOffset] + header[kHeaderChecksumOffset + 1];
    sum -= header[kBodyChecksumOffset] + header[kBodyChecksumOffset + 1];
    sum += (result.body & 0xFF) + (result.body >> 8);
    result.header = static_cast<std::uint16_t>(sum);
    return result;
}

TPartChecksums TPartDecoder::ComputeChecksums() const {
    const TPartNode& loadInfo = RequiredPart(kLoadInfo);
    if (loadInfo.data.size() < layout_.headerSize) throw eerrormessage("Missing LOADINFO!");
    RequiredPart(layout_.parts[1].name); // the two LNZ parts must exist
    RequiredPart(layout_.parts[2].name);
    std::array<std::span<const std::uint8_t>, 7> parts;
    for (std::size_t i = 0; i < layout_.parts.size(); ++i)
        if (const TPartNode* part = FindPart(layout_.parts[i].name)) parts[i] = part->data;
    return ChecksumsOf(loadInfo.data, parts, lnzGapValue);
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
    // Compared in place: the family tree needs no second reading and nothing needs copying.
    const TSplitFile split = Split(bytes);
    std::string failed;
    if (ChecksumsOf(split.header, split.parts, split.value) != split.stored)
        failed = "the parts"; // shifted parts no longer match the checksums
    auto same = [](std::span<const std::uint8_t> a, const std::vector<std::uint8_t>& b) {
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
    };
    for (std::size_t i = 0; i < PartCount() && failed.empty(); ++i) {
        const TPartNode& part = Part(i);
        std::span<const std::uint8_t> back;
        bool known = true;
        if (SameText(part.name, kLoadInfo))
            back = split.header;
        else if (SameText(part.name, kPicture))
            back = split.picture;
        else {
            known = false;
            for (std::size_t k = 0; k < layout_.parts.size(); ++k)
                if (SameText(part.name, layout_.parts[k].name)) back = split.parts[k], known = true;
        }
        // A part outside the layout is never written, so it cannot read back.
        if (!known || !same(back, part.data)) failed = "the part \"" + part.name + "\"";
    }
    if (split.value != lnzGapValue) failed = "the value between the LNZ parts";
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
