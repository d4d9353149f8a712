#include "formats/PEResourceWriter.h"

#include "documents/ByteReader.h"
#include "documents/Errors.h"
#include "documents/FileUtils.h"
#include "documents/TextCodec.h"
#include "formats/PEChecksum.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <map>
#include <set>

namespace ballforge {

namespace {

// Offsets inside the headers (relative to the PE signature, or to a section table entry).
constexpr std::uint32_t kFileHeader = 4;
constexpr std::uint32_t kNumberOfSections = kFileHeader + 2;
constexpr std::uint32_t kPointerToSymbolTable = kFileHeader + 8;
constexpr std::uint32_t kSizeOfOptionalHeader = kFileHeader + 16;
constexpr std::uint32_t kOptional = 24;
constexpr std::uint32_t kMagic = kOptional + 0;
constexpr std::uint32_t kSizeOfInitializedData = kOptional + 8;
constexpr std::uint32_t kSectionAlignment = kOptional + 32;
constexpr std::uint32_t kFileAlignment = kOptional + 36;
constexpr std::uint32_t kSizeOfImage = kOptional + 56;
constexpr std::uint32_t kCheckSum = kOptional + 64;
constexpr std::uint32_t kNumberOfRvaAndSizes = kOptional + 92;
constexpr std::uint32_t kDataDirectories = kOptional + 96;
constexpr std::uint32_t kSectionTable = 248; // PE32 with the standard 224-byte optional header
constexpr std::uint32_t kSectionSize = 40;
constexpr std::uint32_t kSecVirtualSize = 8, kSecVirtualAddress = 12, kSecSizeOfRawData = 16,
                        kSecPointerToRawData = 20, kSecPointerToRelocations = 24, kSecPointerToLinenumbers = 28;
constexpr int kDirResource = 2, kDirCertificate = 4, kDirDebug = 6;
constexpr std::uint32_t kDebugEntrySize = 28;
constexpr int kMaxDepth = 8; // real modules nest three deep
constexpr std::uint16_t kPE32Magic = 0x10B, kPE32PlusMagic = 0x20B;

std::uint64_t Align(std::uint64_t x, std::uint64_t a) { return a <= 1 ? x : (x + a - 1) / a * a; }
bool IsPowerOfTwo(std::uint32_t v) { return v && !(v & (v - 1)); }

constexpr std::size_t kChunk = 1 << 20;

std::uint32_t Get32(std::span<const std::uint8_t> b, std::uint64_t off) {
    std::uint32_t v;
    std::memcpy(&v, b.data() + off, 4);
    return v;
}
void Put32(std::vector<std::uint8_t>& b, std::uint64_t off, std::uint32_t v) { std::memcpy(b.data() + off, &v, 4); }

/// Where the headers stand; reading it validates everything used later.
struct TPELayout {
    std::uint64_t sig = 0;      // offset of "PE\0\0"
    std::uint64_t sections = 0; // offset of the section table
    std::uint32_t sectionCount = 0;
    std::uint32_t dirCount = 0; // data directories present
    std::uint32_t fileAlignment = 0, sectionAlignment = 0;

    std::uint64_t dir(int index) const { return sig + kDataDirectories + 8u * unsigned(index); }
    std::uint64_t sec(std::uint32_t i) const { return sections + std::uint64_t(kSectionSize) * i; }
    std::uint64_t headersEnd() const { return sec(sectionCount); }
};

TPELayout ReadLayout(std::span<const std::uint8_t> head) {
    ByteReader r(head);
    if (head.size() < 0x40 || head[0] != 'M' || head[1] != 'Z') throw EReadError("no MZ header");
    TPELayout l;
    l.sig = r.peek<std::uint32_t>(0x3C);
    if (!r.canRead(l.sig, kSectionTable)) throw EReadError("PE header outside the file");
    if (r.peek<std::uint32_t>(l.sig) != 0x00004550) throw EReadError("no PE signature");
    const std::uint16_t magic = r.peek<std::uint16_t>(l.sig + kMagic);
    if (magic == kPE32PlusMagic) throw EReadError("64-bit (PE32+) modules are not supported");
    if (magic != kPE32Magic) throw EReadError("unknown optional header");
    if (r.peek<std::uint16_t>(l.sig + kSizeOfOptionalHeader) != 224) throw EReadError("unusual optional header size");
    l.sections = l.sig + kSectionTable;
    l.sectionCount = r.peek<std::uint16_t>(l.sig + kNumberOfSections);
    if (!r.canRead(l.sections, std::uint64_t(kSectionSize) * l.sectionCount))
        throw EReadError("section table outside the file");
    l.dirCount = std::min<std::uint32_t>(16, r.peek<std::uint32_t>(l.sig + kNumberOfRvaAndSizes));
    l.fileAlignment = r.peek<std::uint32_t>(l.sig + kFileAlignment);
    l.sectionAlignment = r.peek<std::uint32_t>(l.sig + kSectionAlignment);
    if (!IsPowerOfTwo(l.fileAlignment) || !IsPowerOfTwo(l.sectionAlignment)) throw EReadError("bad alignment");
    return l;
}

struct TSectionView {
    std::uint32_t va, vsize, rawSize, rawPtr;
};

TSectionView SectionAt(std::span<const std::uint8_t> head, const TPELayout& l, std::uint32_t i) {
    const auto s = l.sec(i);
    return {Get32(head, s + kSecVirtualAddress), Get32(head, s + kSecVirtualSize), Get32(head, s + kSecSizeOfRawData),
            Get32(head, s + kSecPointerToRawData)};
}

/// Address to file offset through the section table; false when the address is in no section's file data.
bool RvaToOffset(std::span<const std::uint8_t> head, const TPELayout& l, std::uint32_t rva, std::uint64_t& offset) {
    for (std::uint32_t i = 0; i < l.sectionCount; ++i) {
        const auto s = SectionAt(head, l, i);
        if (rva >= s.va && std::uint64_t(rva) - s.va < s.rawSize) {
            offset = std::uint64_t(s.rawPtr) + (rva - s.va);
            return true;
        }
    }
    return false;
}

/// Finds the resource section: the first whose VirtualAddress equals the resource directory's.
bool FindResourceSection(std::span<const std::uint8_t> head, const TPELayout& l, std::uint32_t& index) {
    if (l.dirCount <= kDirResource) return false;
    const std::uint32_t resVA = Get32(head, l.dir(kDirResource));
    for (std::uint32_t i = 0; i < l.sectionCount; ++i)
        if (SectionAt(head, l, i).va == resVA) {
            index = i;
            return true;
        }
    return false;
}

/// The facts about a module that reading and rewriting it need, without its bulk.
struct TModuleHead {
    std::uint64_t fileSize = 0;
    std::vector<std::uint8_t> head; // the file up to the resource section (headers included)
    TPELayout layout;
    std::uint32_t resSection = 0;
    TSectionView res{};
    std::uint64_t sectionBytes = 0; // bytes of the resource section present in the file
};

TModuleHead ReadModuleHead(const std::string& fileName) {
    TModuleHead m;
    m.fileSize = FileSizeOf(fileName);
    std::vector<std::uint8_t> first = ReadFileRange(fileName, 0, 64 * 1024);
    if (first.size() < 0x40) throw EReadError("no MZ header");
    // The section table may lie beyond the first block when the PE header is placed far out.
    const std::uint64_t sig = Get32(first, 0x3C);
    if (sig + kSectionTable <= m.fileSize && sig + kSectionTable > first.size())
        first = ReadFileRange(fileName, 0, sig + kSectionTable);
    if (first.size() >= sig + kSectionTable) {
        ByteReader r(first);
        const std::uint64_t need = sig + kSectionTable + std::uint64_t(kSectionSize) * r.peek<std::uint16_t>(sig + kNumberOfSections);
        if (need > first.size() && need <= m.fileSize) first = ReadFileRange(fileName, 0, need);
    }
    m.layout = ReadLayout(first);
    if (!FindResourceSection(first, m.layout, m.resSection)) throw EReadError("the module has no resource section of its own");
    m.res = SectionAt(first, m.layout, m.resSection);
    if (m.res.rawPtr < m.layout.headersEnd()) throw EReadError("the resource section overlaps the headers");
    if (m.res.rawPtr > m.fileSize) throw EReadError("resource section outside the file");
    m.sectionBytes = std::min<std::uint64_t>(m.res.rawSize, m.fileSize - m.res.rawPtr);
    m.head = m.res.rawPtr <= first.size() ? std::vector<std::uint8_t>(first.begin(), first.begin() + m.res.rawPtr)
                                          : ReadFileRange(fileName, 0, m.res.rawPtr);
    return m;
}

/// Reads the directory tree with every bound checked. The tables must lie in `tables` (the start
/// of the section); data entries are checked against the section and the file.
class TDirectoryReader {
public:
    TDirectoryReader(std::span<const std::uint8_t> tables, const TModuleHead& m) : m_(m), tables_(tables) {}

    std::unique_ptr<TResItem> ReadRoot() { return ReadDirectory(0, 0); }

private:
    std::unique_ptr<TResItem> ReadDirectory(std::uint32_t offset, int depth) {
        if (depth > kMaxDepth) throw EReadError("resource directory nested too deeply");
        if (!visited_.insert(offset).second) throw EReadError("resource directory loops");
        ByteReader r = tables_.sub(offset, 16);
        auto dir = std::make_unique<TResItem>();
        dir->isDirectory = true;
        dir->characteristics = r.u32();
        dir->timeStamp = r.u32();
        dir->majorVersion = r.u16();
        dir->minorVersion = r.u16();
        const std::uint32_t named = r.u16();
        const std::uint32_t numbered = r.u16();
        const std::uint64_t entries = std::uint64_t(named) + numbered;
        // Every entry of a well-formed tree takes room of its own in the section: a budget on the
        // total stops fan-out tricks long before memory or time could run out.
        used_ += 16 + entries * 8;
        if (used_ > m_.sectionBytes) throw EReadError("resource directory larger than its section");
        ByteReader list = tables_.sub(std::uint64_t(offset) + 16, entries * 8);
        std::vector<std::unique_ptr<TResItem>> namedItems, numberedItems;
        for (std::uint64_t i = 0; i < entries; ++i) {
            const std::uint32_t nameWord = list.u32();
            const std::uint32_t target = list.u32();
            std::unique_ptr<TResItem> child =
                (target & 0x80000000u) ? ReadDirectory(target & 0x7FFFFFFFu, depth + 1) : ReadLeaf(target);
            if (nameWord & 0x80000000u) {
                child->name = ReadName(nameWord & 0x7FFFFFFFu);
                child->id = 0;
                ++dir->namedCount;
                namedItems.push_back(std::move(child));
            } else {
                if (nameWord > 0xFFFF) throw EReadError("resource ordinal out of range");
                child->id = static_cast<std::int32_t>(nameWord);
                ++dir->numberedCount;
                numberedItems.push_back(std::move(child));
            }
        }
        for (auto& c : namedItems) dir->children.push_back(std::move(c));
        for (auto& c : numberedItems) dir->children.push_back(std::move(c));
        return dir;
    }

    std::u16string ReadName(std::uint32_t offset) {
        const std::uint16_t length = tables_.peek<std::uint16_t>(offset);
        auto units = tables_.slice(std::uint64_t(offset) + 2, std::uint64_t(length) * 2);
        std::u16string name(length, u'\0');
        std::memcpy(name.data(), units.data(), units.size());
        if (name.empty()) name = u"\0"; // keep it a name: an empty string would read back as a number
        return name;
    }

    std::unique_ptr<TResItem> ReadLeaf(std::uint32_t offset) {
        used_ += 16;
        if (used_ > m_.sectionBytes) throw EReadError("resource directory larger than its section");
        ByteReader r = tables_.sub(offset, 16);
        auto leaf = std::make_unique<TResItem>();
        const std::uint32_t rva = r.u32();
        leaf->size = r.u32();
        leaf->codePage = r.u32();
        leaf->reserved = r.u32();
        std::uint64_t fileOffset = 0;
        if (rva >= m_.res.va && std::uint64_t(rva) - m_.res.va < m_.sectionBytes) {
            fileOffset = std::uint64_t(m_.res.rawPtr) + (rva - m_.res.va);
        } else if (!RvaToOffset(m_.head, m_.layout, rva, fileOffset)) {
            throw EReadError("resource data outside the file");
        }
        if (fileOffset > m_.fileSize || leaf->size > m_.fileSize - fileOffset)
            throw EReadError("resource data runs past the end of the file");
        leaf->source = TResItem::Source::File;
        leaf->fileOffset = fileOffset;
        return leaf;
    }

    const TModuleHead& m_;
    ByteReader tables_;
    std::set<std::uint32_t> visited_;
    std::uint64_t used_ = 0;
};

} // namespace

struct TResUpdate {
    std::string fileName;
    TModuleHead module;
    std::vector<std::uint8_t> section; // the resource section's bytes, when the tree was read
    std::unique_ptr<TResItem> root;
};

void TResUpdateDeleter::operator()(TResUpdate* update) const { delete update; }

namespace {

// Identifiers as the tree stores them.
struct TKey {
    bool named = false;
    std::int32_t id = 0;
    std::u16string name;
};

bool ToKey(const TResourceIDRec& rec, TKey& key) {
    if (rec.isNumber()) {
        if (rec.number < 0 || rec.number > 0xFFFF) return false;
        key = {false, rec.number, {}};
    } else {
        key = {true, 0, Utf8ToUtf16(rec.name)};
        if (key.name.empty()) key.name = u"\0";
    }
    return true;
}

TResItem* FindDir(TResItem& parent, const TKey& key) {
    for (auto& c : parent.children) {
        if (!c->isDirectory) continue;
        if (key.named ? c->name == key.name : (!c->isNamed() && c->id == key.id)) return c.get();
    }
    return nullptr;
}

TResItem* FindLeaf(TResItem& parent, std::int32_t language) {
    for (auto& c : parent.children)
        if (!c->isDirectory && c->id == language) return c.get();
    return nullptr;
}

// The 8-bit form of a name, for ordering named entries.
std::string EightBit(const std::u16string& name) {
    std::string out;
    for (char16_t u : name) out += u < 0x100 ? char(u) : '?';
    return out;
}

TResItem* InsertDir(TResItem& parent, const TKey& key) {
    auto dir = std::make_unique<TResItem>();
    dir->isDirectory = true;
    auto& kids = parent.children;
    std::size_t at = 0;
    if (key.named) {
        dir->name = key.name;
        const std::string mine = EightBit(key.name);
        while (at < kids.size() && kids[at]->isNamed() && EightBit(kids[at]->name) < mine) ++at;
        ++parent.namedCount;
    } else {
        dir->id = key.id;
        while (at < kids.size() && kids[at]->isNamed()) ++at;
        while (at < kids.size() && kids[at]->id < key.id) ++at;
        ++parent.numberedCount;
    }
    kids.insert(kids.begin() + long(at), std::move(dir));
    return kids[at].get();
}

TResItem* InsertLeaf(TResItem& parent, std::int32_t language) {
    auto leaf = std::make_unique<TResItem>();
    leaf->id = language;
    auto& kids = parent.children;
    std::size_t at = 0;
    while (at < kids.size() && kids[at]->id < language) ++at;
    ++parent.numberedCount;
    kids.insert(kids.begin() + long(at), std::move(leaf));
    return kids[at].get();
}

void RemoveChild(TResItem& parent, TResItem* child) {
    auto& kids = parent.children;
    for (auto it = kids.begin(); it != kids.end(); ++it)
        if (it->get() == child) {
            if (child->isNamed())
                --parent.namedCount;
            else
                --parent.numberedCount;
            kids.erase(it);
            return;
        }
}

enum class TDataMode { Copy, Borrow };

bool Update(TResUpdate& u, const TResourceIDRec& type, const TResourceIDRec& name, std::int32_t language,
            const std::uint8_t* data, std::size_t size, TDataMode mode) {
    TKey typeKey, nameKey;
    if (!ToKey(type, typeKey) || !ToKey(name, nameKey) || language < 0 || language > 0xFFFF) return false;
    if (size > 0xFFFFFFFFu) return false;
    TResItem& root = *u.root;
    TResItem* typeDir = FindDir(root, typeKey);
    TResItem* nameDir = typeDir ? FindDir(*typeDir, nameKey) : nullptr;
    TResItem* leaf = nameDir ? FindLeaf(*nameDir, language) : nullptr;
    if (!data) {
        if (leaf) {
            RemoveChild(*nameDir, leaf);
            if (nameDir->children.empty()) RemoveChild(*typeDir, nameDir);
            if (typeDir->children.empty()) RemoveChild(root, typeDir);
        } else if (nameDir) {
            if (language == 0) {
                RemoveChild(*typeDir, nameDir);
                if (typeDir->children.empty()) RemoveChild(root, typeDir);
            }
        } else if (typeDir) {
            if (language == 0 && !nameKey.named && nameKey.id == 0) RemoveChild(root, typeDir);
        }
        return true;
    }
    if (!typeDir) typeDir = InsertDir(root, typeKey);
    if (!nameDir) nameDir = InsertDir(*typeDir, nameKey);
    if (!leaf) leaf = InsertLeaf(*nameDir, language);
    leaf->id = language;
    leaf->size = static_cast<std::uint32_t>(size);
    leaf->codePage = 0;
    leaf->owned.clear();
    leaf->owned.shrink_to_fit();
    leaf->borrowed = {};
    if (mode == TDataMode::Borrow) {
        leaf->source = TResItem::Source::Borrowed;
        leaf->borrowed = std::span<const std::uint8_t>(data, size);
    } else {
        leaf->source = TResItem::Source::Owned;
        leaf->owned.assign(data, data + size);
    }
    return true;
}

std::span<const std::uint8_t> LeafBytes(const TResUpdate& u, const TResItem& leaf) {
    switch (leaf.source) {
    case TResItem::Source::File:
        return std::span<const std::uint8_t>(u.section)
            .subspan(std::size_t(leaf.fileOffset - u.module.res.rawPtr), leaf.size);
    case TResItem::Source::Owned: return leaf.owned;
    case TResItem::Source::Borrowed: return leaf.borrowed;
    case TResItem::Source::None: break;
    }
    return {};
}

/// The sizes of the new section: directory area D, name strings S, data total.
struct TSectionPlan {
    std::uint64_t dirBytes = 0, stringBytes = 0, dataBytes = 0;
    std::vector<const TResItem*> leaves; // pre-order
    std::uint64_t dataStart() const { return Align(dirBytes + stringBytes, 4); }
    std::uint64_t total() const { return dataStart() + dataBytes; }
};

void Measure(const TResItem& item, TSectionPlan& plan) {
    if (!item.isDirectory) {
        plan.dirBytes += 16;
        plan.dataBytes += Align(item.size, 4);
        plan.leaves.push_back(&item);
        return;
    }
    plan.dirBytes += 16 + 8 * item.children.size();
    for (const auto& c : item.children) {
        if (c->isNamed()) plan.stringBytes += 2 + 2 * c->name.size();
        Measure(*c, plan);
    }
}

/// Fills the directory and string area (the first dataStart() bytes of the section).
class TDirectoryWriter {
public:
    TDirectoryWriter(const TSectionPlan& plan, std::uint32_t sectionVA)
        : buf_(std::size_t(plan.dataStart()), 0), strPos_(plan.dirBytes), dataPos_(plan.dataStart()), va_(sectionVA) {}

    std::vector<std::uint8_t> Write(const TResItem& root) {
        WriteDirectory(root);
        return std::move(buf_);
    }

private:
    void WriteDirectory(const TResItem& dir) {
        const std::uint64_t table = pos_;
        std::uint32_t named = 0, numbered = 0;
        for (const auto& c : dir.children) (c->isNamed() ? named : numbered)++;
        Put32(buf_, table + 0, dir.characteristics);
        Put32(buf_, table + 4, dir.timeStamp);
        Put16(table + 8, dir.majorVersion);
        Put16(table + 10, dir.minorVersion);
        Put16(table + 12, std::uint16_t(named));
        Put16(table + 14, std::uint16_t(numbered));
        pos_ += 16 + 8 * dir.children.size();
        std::uint64_t entry = table + 16;
        for (const auto& c : dir.children) {
            if (c->isNamed()) {
                Put32(buf_, entry, 0x80000000u | std::uint32_t(strPos_));
                Put16(strPos_, std::uint16_t(c->name.size()));
                std::memcpy(buf_.data() + strPos_ + 2, c->name.data(), c->name.size() * 2);
                strPos_ += 2 + 2 * c->name.size();
            } else {
                Put32(buf_, entry, std::uint32_t(c->id));
            }
            if (c->isDirectory) {
                Put32(buf_, entry + 4, 0x80000000u | std::uint32_t(pos_));
                WriteDirectory(*c);
            } else {
                Put32(buf_, entry + 4, std::uint32_t(pos_));
                Put32(buf_, pos_ + 0, std::uint32_t(va_ + dataPos_));
                Put32(buf_, pos_ + 4, c->size);
                Put32(buf_, pos_ + 8, c->codePage);
                Put32(buf_, pos_ + 12, c->reserved);
                pos_ += 16;
                dataPos_ += Align(c->size, 4);
            }
            entry += 8;
        }
    }
    void Put16(std::uint64_t off, std::uint16_t v) { std::memcpy(buf_.data() + off, &v, 2); }

    std::vector<std::uint8_t> buf_;
    std::uint64_t pos_ = 0;
    std::uint64_t strPos_;
    std::uint64_t dataPos_;
    std::uint32_t va_;
};

void SetReason(std::string* reason, const std::string& text) {
    if (reason) *reason = text;
}

/// Streams pieces into a file while summing them for the PE checksum.
class TImageStream {
public:
    explicit TImageStream(const std::string& fileName) : buffer_(kChunk) {
        out_.rdbuf()->pubsetbuf(reinterpret_cast<char*>(buffer_.data()), std::streamsize(buffer_.size()));
        out_.open(ToPath(fileName), std::ios::binary | std::ios::trunc);
        if (!out_) throw EFileOpenError("Cannot create \"" + fileName + "\"");
    }
    void Write(std::span<const std::uint8_t> bytes) {
        if (bytes.empty()) return;
        sum_.Add(bytes);
        // Moderate pieces: very large single writes are slower on some systems than a run of small ones.
        for (std::size_t at = 0; at < bytes.size(); at += kChunk) {
            const std::size_t n = std::min(kChunk, bytes.size() - at);
            out_.write(reinterpret_cast<const char*>(bytes.data() + at), std::streamsize(n));
        }
    }
    void Zeros(std::uint64_t count) {
        static const std::uint8_t zeros[4096] = {};
        sum_.AddZeros(count);
        while (count) {
            const auto n = std::min<std::uint64_t>(count, sizeof zeros);
            out_.write(reinterpret_cast<const char*>(zeros), std::streamsize(n));
            count -= n;
        }
    }
    void Finish(std::uint64_t checksumOffset) {
        const std::uint32_t value = sum_.Value();
        out_.seekp(std::streamoff(checksumOffset));
        out_.write(reinterpret_cast<const char*>(&value), 4);
        out_.flush();
        if (!out_) throw EFileOpenError("Cannot write the new module");
        out_.close();
        if (out_.fail()) throw EFileOpenError("Cannot write the new module");
    }

private:
    std::vector<std::uint8_t> buffer_;
    std::ofstream out_;
    TPEChecksum sum_;
};

/// Positioned reads through one open stream, into a reused buffer.
class TChunkReader {
public:
    explicit TChunkReader(const std::string& fileName) : in_(ToPath(fileName), std::ios::binary), buffer_(kChunk) {
        if (!in_) throw EFileOpenError("Cannot open \"" + fileName + "\"");
    }
    /// Calls f with consecutive chunks of [offset, offset + count); throws if the file ends first.
    template <typename F> void Read(std::uint64_t offset, std::uint64_t count, F&& f) {
        in_.clear();
        in_.seekg(std::streamoff(offset));
        while (count) {
            const auto n = std::size_t(std::min<std::uint64_t>(count, buffer_.size()));
            if (!in_.read(reinterpret_cast<char*>(buffer_.data()), std::streamsize(n)))
                throw EReadError("the file ended early");
            f(std::span<const std::uint8_t>(buffer_.data(), n), offset);
            offset += n;
            count -= n;
        }
    }

private:
    std::ifstream in_;
    std::vector<std::uint8_t> buffer_;
};

TResUpdatePtr OpenModule(const std::string& fileName, bool discard) {
    TResUpdatePtr u(new TResUpdate);
    u->fileName = fileName;
    u->module = ReadModuleHead(fileName);
    if (discard) {
        u->root = std::make_unique<TResItem>();
        u->root->isDirectory = true;
        return u;
    }
    u->section = ReadFileRange(fileName, u->module.res.rawPtr, u->module.sectionBytes);
    u->root = TDirectoryReader(u->section, u->module).ReadRoot();
    // Data entries that point outside the resource section are read now, so that every leaf
    // holds bytes of its own or bytes inside the section.
    const std::uint64_t lo = u->module.res.rawPtr, hi = lo + u->section.size();
    std::vector<TResItem*> stack{u->root.get()};
    while (!stack.empty()) {
        TResItem* item = stack.back();
        stack.pop_back();
        for (auto& c : item->children) stack.push_back(c.get());
        if (!item->isDirectory && (item->fileOffset < lo || item->fileOffset + item->size > hi)) {
            item->owned = ReadFileRange(fileName, item->fileOffset, item->size);
            if (item->owned.size() != item->size) throw EReadError("resource data runs past the end of the file");
            item->source = TResItem::Source::Owned;
        }
    }
    return u;
}

/// Writes the rebuilt module to target (a fresh file).
void WriteRebuilt(TResUpdate& u, const std::string& target) {
    TModuleHead& m = u.module;
    auto& head = m.head;
    const TPELayout& l = m.layout;
    TSectionPlan plan;
    Measure(*u.root, plan);
    const std::uint64_t T = plan.total();
    if (T > 0x7FFFFFFFu) throw EReadError("the resources are too large for a module");
    const std::uint64_t P = m.res.rawPtr;
    const std::uint64_t E = P + m.res.rawSize;
    const std::uint64_t newRaw = Align(T, l.fileAlignment);
    const std::int64_t dF = std::int64_t(newRaw) - std::int64_t(m.res.rawSize);
    std::uint32_t oldDirSize = Get32(head, l.dir(kDirResource) + 4);
    if (oldDirSize == 0) oldDirSize = m.res.vsize ? m.res.vsize : m.res.rawSize; // a zero Size still occupied the section
    const std::int64_t dV =
        std::int64_t(Align(T, l.sectionAlignment)) - std::int64_t(Align(oldDirSize, l.sectionAlignment));
    const std::uint32_t resVA = Get32(head, l.dir(kDirResource));

    const std::vector<std::uint8_t> dirArea = TDirectoryWriter(plan, m.res.va).Write(*u.root);

    // Header fields are all in the head; debug entries may also lie in the tail, which is
    // streamed: those changes wait in tailPatches, by their offset in the old file.
    std::map<std::uint64_t, std::uint32_t> tailPatches;
    auto add32 = [&](std::uint64_t off, std::int64_t delta) {
        Put32(head, off, std::uint32_t(std::int64_t(Get32(head, off)) + delta));
    };

    // Debug directory: find its entries with the old addresses, before they move.
    if (l.dirCount > kDirDebug) {
        const std::uint32_t dbgVA = Get32(head, l.dir(kDirDebug));
        const std::uint32_t dbgSize = Get32(head, l.dir(kDirDebug) + 4);
        std::uint64_t off = 0;
        if (dbgSize != 0 && RvaToOffset(head, l, dbgVA, off) && off < m.fileSize) {
            std::uint64_t count = dbgSize % kDebugEntrySize == 0 ? dbgSize / kDebugEntrySize : dbgSize;
            count = std::min<std::uint64_t>(count, (m.fileSize - off) / kDebugEntrySize);
            const bool inHead = off + count * kDebugEntrySize <= std::min<std::uint64_t>(P, head.size());
            const bool inTail = off >= E;
            // Entries inside the old resource section are rewritten with it; nothing to fix there.
            if (count && (inHead || inTail)) {
                const std::vector<std::uint8_t> entries =
                    inHead ? std::vector<std::uint8_t>(head.begin() + off, head.begin() + off + count * kDebugEntrySize)
                           : ReadFileRange(u.fileName, off, count * kDebugEntrySize);
                for (std::uint64_t i = 0; i + 1 <= entries.size() / kDebugEntrySize; ++i) {
                    const std::uint64_t e = i * kDebugEntrySize;
                    std::uint32_t address = Get32(entries, e + 20), pointer = Get32(entries, e + 24);
                    if (pointer <= P) continue;
                    if (pointer != 0) pointer = std::uint32_t(std::int64_t(pointer) + dF);
                    if (address != 0) address = std::uint32_t(std::int64_t(address) + dV);
                    if (inHead) {
                        Put32(head, off + e + 20, address);
                        Put32(head, off + e + 24, pointer);
                    } else {
                        tailPatches[off + e + 20] = address;
                        tailPatches[off + e + 24] = pointer;
                    }
                }
            }
        }
    }

    add32(l.sig + kSizeOfInitializedData, dF);
    Put32(head, l.sec(m.resSection) + kSecSizeOfRawData, std::uint32_t(newRaw));
    Put32(head, l.sec(m.resSection) + kSecVirtualSize, std::uint32_t(T));
    Put32(head, l.dir(kDirResource) + 4, std::uint32_t(T));
    add32(l.sig + kSizeOfImage, dV);
    for (std::uint32_t i = 0; i < l.sectionCount; ++i) {
        const auto s = l.sec(i);
        if (Get32(head, s + kSecVirtualAddress) > resVA) {
            add32(s + kSecVirtualAddress, dV);
            add32(s + kSecPointerToRawData, dF);
            if (Get32(head, s + kSecPointerToLinenumbers) > P) add32(s + kSecPointerToLinenumbers, dF);
            if (Get32(head, s + kSecPointerToRelocations) > P) add32(s + kSecPointerToRelocations, dF);
        }
    }
    for (int d = 0; d < int(l.dirCount); ++d) {
        if (d == kDirResource) continue;
        if (d == kDirCertificate) {
            // The certificate table is located by file offset, not by address.
            if (Get32(head, l.dir(d)) > P) add32(l.dir(d), dF);
            continue;
        }
        if (Get32(head, l.dir(d)) > resVA) add32(l.dir(d), dV);
    }
    if (Get32(head, l.sig + kPointerToSymbolTable) > P) add32(l.sig + kPointerToSymbolTable, dF);
    const std::uint64_t checksumOffset = l.sig + kCheckSum;
    Put32(head, checksumOffset, 0);

    TImageStream out(target);
    out.Write(head);
    out.Zeros(P - head.size());
    out.Write(dirArea);
    for (const TResItem* leaf : plan.leaves) {
        auto bytes = LeafBytes(u, *leaf);
        out.Write(bytes);
        out.Zeros(Align(bytes.size(), 4) - bytes.size());
    }
    out.Zeros(newRaw - T);
    if (E < m.fileSize) {
        TChunkReader tail(u.fileName);
        std::vector<std::uint8_t> chunk;
        tail.Read(E, m.fileSize - E, [&](std::span<const std::uint8_t> bytes, std::uint64_t at) {
            auto first = tailPatches.lower_bound(at >= 3 ? at - 3 : 0);
            if (first == tailPatches.end() || first->first >= at + bytes.size()) {
                out.Write(bytes);
                return;
            }
            chunk.assign(bytes.begin(), bytes.end());
            for (auto it = first; it != tailPatches.end() && it->first < at + bytes.size(); ++it)
                for (int k = 0; k < 4; ++k) {
                    const std::uint64_t pos = it->first + std::uint64_t(k);
                    if (pos >= at && pos < at + chunk.size()) chunk[pos - at] = std::uint8_t(it->second >> (8 * k));
                }
            out.Write(chunk);
        });
    }
    out.Finish(checksumOffset);
}

/// Re-reads a written module and checks it: it parses, its checksum is the standard one, and its
/// tree and bytes equal the tree that was meant to be written.
void VerifyWritten(const std::string& fileName, const TResUpdate& u) {
    const TModuleHead m = ReadModuleHead(fileName);
    TSectionPlan plan;
    Measure(*u.root, plan);
    const std::vector<std::uint8_t> tables = ReadFileRange(fileName, m.res.rawPtr, std::min(plan.dataStart(), m.sectionBytes));
    const std::unique_ptr<TResItem> written = TDirectoryReader(tables, m).ReadRoot();

    // Pair the written leaves with the tree's, then check checksum and bytes in one pass.
    struct TRange {
        std::uint64_t offset;
        std::span<const std::uint8_t> expected;
    };
    std::vector<TRange> ranges;
    std::vector<std::pair<const TResItem*, const TResItem*>> stack{{written.get(), u.root.get()}};
    while (!stack.empty()) {
        auto [a, b] = stack.back();
        stack.pop_back();
        if (a->isDirectory != b->isDirectory || a->id != b->id || a->name != b->name ||
            a->children.size() != b->children.size())
            throw EReadError("the rebuilt module does not hold the resources that were saved");
        if (!a->isDirectory) {
            const auto expected = LeafBytes(u, *b);
            if (a->size != expected.size()) throw EReadError("the rebuilt module does not hold the resources that were saved");
            if (!expected.empty()) ranges.push_back({a->fileOffset, expected});
        }
        for (std::size_t i = 0; i < a->children.size(); ++i) stack.push_back({a->children[i].get(), b->children[i].get()});
    }
    std::sort(ranges.begin(), ranges.end(), [](const TRange& x, const TRange& y) { return x.offset < y.offset; });

    TChunkReader reader(fileName);
    const std::uint64_t checksumOffset = m.layout.sig + kCheckSum;
    TPEChecksum sum;
    std::size_t next = 0;
    reader.Read(0, m.fileSize, [&](std::span<const std::uint8_t> bytes, std::uint64_t at) {
        const std::uint64_t end = at + bytes.size();
        if (checksumOffset + 4 <= at || checksumOffset >= end) {
            sum.Add(bytes);
        } else {
            for (std::size_t i = 0; i < bytes.size(); ++i) {
                const std::uint64_t pos = at + i;
                if (pos >= checksumOffset && pos < checksumOffset + 4) sum.AddZeros(1);
                else sum.Add(bytes.subspan(i, 1));
            }
        }
        while (next < ranges.size() && ranges[next].offset + ranges[next].expected.size() <= at) ++next;
        for (std::size_t k = next; k < ranges.size() && ranges[k].offset < end; ++k) {
            const TRange& r = ranges[k];
            const std::uint64_t from = std::max(at, r.offset);
            const std::uint64_t to = std::min(end, r.offset + r.expected.size());
            if (from < to && std::memcmp(bytes.data() + (from - at), r.expected.data() + (from - r.offset), to - from) != 0)
                throw EReadError("the rebuilt module does not hold the resources that were saved");
        }
    });
    if (sum.Value() != Get32(m.head, checksumOffset)) throw EReadError("the rebuilt module failed its checksum test");
}

bool Commit(TResUpdatePtr u, const std::string& target, std::string* reason) {
    try {
        if (FileExists(target) && !CanWriteFile(target)) {
            SetReason(reason, "The file \"" + target + "\" is read-only or in use by another program");
            return false;
        }
        TSafeFileWriter temp(target);
        WriteRebuilt(*u, temp.tempName());
        VerifyWritten(temp.tempName(), *u);
        u.reset();
        temp.commit();
        return true;
    } catch (const std::exception& e) {
        SetReason(reason, e.what());
        return false;
    }
}

} // namespace

TResUpdatePtr BeginResUpdate(const std::string& fileName, bool discardExisting, std::string* failureReason) {
    if (!FileExists(fileName)) {
        SetReason(failureReason, "open");
        return nullptr;
    }
    if (discardExisting && !CanWriteFile(fileName)) {
        SetReason(failureReason, "The file \"" + fileName + "\" is read-only or in use by another program");
        return nullptr;
    }
    try {
        return OpenModule(fileName, discardExisting);
    } catch (const EFileOpenError&) {
        SetReason(failureReason, "open");
        return nullptr;
    } catch (const std::exception& e) {
        SetReason(failureReason, e.what());
        return nullptr;
    }
}

bool UpdateResItem(TResUpdate& update, const TResourceIDRec& type, const TResourceIDRec& name, std::int32_t language,
                   const std::uint8_t* data, std::size_t size) {
    static const std::uint8_t empty = 0;
    if (data && size == 0) data = &empty;
    return Update(update, type, name, language, data, size, TDataMode::Copy);
}

bool UpdateResItemBorrowed(TResUpdate& update, const TResourceIDRec& type, const TResourceIDRec& name,
                           std::int32_t language, std::span<const std::uint8_t> data) {
    static const std::uint8_t empty = 0;
    return Update(update, type, name, language, data.data() ? data.data() : &empty, data.size(), TDataMode::Borrow);
}

bool GetResItemData(TResUpdate& update, const TResourceIDRec& type, const TResourceIDRec& name, std::int32_t language,
                    std::vector<std::uint8_t>& bytes) {
    TKey typeKey, nameKey;
    if (!ToKey(type, typeKey) || !ToKey(name, nameKey)) return false;
    TResItem* t = FindDir(*update.root, typeKey);
    TResItem* n = t ? FindDir(*t, nameKey) : nullptr;
    TResItem* leaf = n ? FindLeaf(*n, language) : nullptr;
    if (!leaf) return false;
    auto b = LeafBytes(update, *leaf);
    bytes.assign(b.begin(), b.end());
    return true;
}

std::span<const std::uint8_t> ResItemBytes(const TResUpdate& update, const TResItem& leaf) {
    return LeafBytes(update, leaf);
}

const TResItem& ResUpdateRoot(const TResUpdate& update) { return *update.root; }

bool EndResUpdate(TResUpdatePtr update, bool discard, std::string* failureReason) {
    if (!update) return false;
    if (discard) return true;
    const std::string target = update->fileName;
    return Commit(std::move(update), target, failureReason);
}

bool EndResUpdateTo(TResUpdatePtr update, const std::string& targetFileName, std::string* failureReason) {
    if (!update) return false;
    if (ToPath(targetFileName) == ToPath(update->fileName)) return EndResUpdate(std::move(update), false, failureReason);
    return Commit(std::move(update), targetFileName, failureReason);
}

TPEInfo ReadPEInfo(std::span<const std::uint8_t> image) {
    const TPELayout l = ReadLayout(image);
    TPEInfo info;
    info.isPE32 = true;
    info.checksumOffset = l.sig + kCheckSum;
    info.checksum = Get32(image, info.checksumOffset);
    info.fileAlignment = l.fileAlignment;
    info.sectionAlignment = l.sectionAlignment;
    info.sizeOfImage = Get32(image, l.sig + kSizeOfImage);
    for (std::uint32_t i = 0; i < l.sectionCount; ++i) {
        const auto s = SectionAt(image, l, i);
        std::string name(reinterpret_cast<const char*>(image.data() + l.sec(i)), 8);
        name.resize(std::strlen(name.c_str()));
        info.sections.push_back({name, s.vsize, s.va, s.rawSize, s.rawPtr});
    }
    for (std::uint32_t d = 0; d < l.dirCount; ++d) {
        info.dataDirectoryVA[d] = Get32(image, l.dir(int(d)));
        info.dataDirectorySize[d] = Get32(image, l.dir(int(d)) + 4);
    }
    return info;
}

std::uint32_t ComputePEChecksum(std::span<const std::uint8_t> image) {
    ByteReader r(image);
    const std::uint32_t sig = r.peek<std::uint32_t>(0x3C);
    return PEImageChecksum(image, std::uint64_t(sig) + kCheckSum);
}

} // namespace ballforge
