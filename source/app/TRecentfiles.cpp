#include "app/TRecentfiles.h"

#include "documents/ByteReader.h"
#include "documents/ByteWriter.h"
#include "documents/ResourceID.h"

#include <algorithm>

namespace ballforge {

void TRecentfiles::AddFile(const std::string& fileName) {
    for (std::size_t i = files_.size(); i-- > 0;) {
        if (SameText(files_[i], fileName)) {
            files_.erase(files_.begin() + static_cast<std::ptrdiff_t>(i));
            break;
        }
    }
    files_.push_back(fileName);
    while (files_.size() > MaxFiles)
        files_.erase(files_.begin());
    Changed();
}

std::vector<TRecentfiles::TMenuEntry> TRecentfiles::MenuEntries() const {
    std::vector<TMenuEntry> entries;
    for (std::size_t i = files_.size(); i-- > 0;)
        if (files_[i].size() < MaxMenuLength) entries.push_back({i, files_[i]});
    return entries;
}

void TRecentfiles::LoadFrom(const TSettingsStore& store) {
    files_.clear();
    if (store.KeyExists()) {
        if (auto bytes = store.ReadBinary("RecentFiles")) {
            // A value larger than the buffer the list was always read into is not ours: keep the default.
            if (bytes->size() <= MaxStoredBytes) files_ = DecodeRecentFiles(*bytes);
        }
    }
    // The list never grows past its limit, however many entries a damaged value announces.
    while (files_.size() > MaxFiles)
        files_.erase(files_.begin());
    Changed();
}

void TRecentfiles::SaveTo(TSettingsStore& store) const {
    const auto bytes = EncodeRecentFiles(files_);
    if (store.OpenForWriting()) store.WriteBinary("RecentFiles", bytes);
}

std::vector<std::uint8_t> EncodeRecentFiles(const std::vector<std::string>& files) {
    ByteWriter w;
    w.u32(static_cast<std::uint32_t>(files.size()));
    for (const auto& f : files) {
        w.u32(static_cast<std::uint32_t>(f.size()));
        w.bytes(std::span(reinterpret_cast<const std::uint8_t*>(f.data()), f.size()));
    }
    return w.take();
}

std::vector<std::string> DecodeRecentFiles(std::span<const std::uint8_t> bytes) {
    std::vector<std::string> files;
    ByteReader r(bytes);
    if (r.remaining() < 4) return files;
    const std::uint32_t count = r.u32();
    for (std::uint32_t i = 0; i < count && r.remaining() >= 4; ++i) {
        const std::uint32_t length = r.u32();
        const std::size_t take = std::min<std::uint64_t>(length, r.remaining());
        auto part = r.slice(r.position(), take);
        files.emplace_back(reinterpret_cast<const char*>(part.data()), part.size());
        r.skip(take);
        if (take < length) break;
    }
    return files;
}

} // namespace ballforge
