#pragma once
// The list of recently opened files, kept oldest first, and its "RecentFiles" byte layout.
#include "app/TSettingsStore.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace ballforge {

/// At most eight file names, oldest first. The interface shows them as a submenu, newest first.
class TRecentfiles {
public:
    static constexpr std::size_t MaxFiles = 8;
    /// Entries this long or longer stay in the list but get no menu item.
    static constexpr std::size_t MaxMenuLength = 500;
    /// The most that is read of a stored "RecentFiles" value.
    static constexpr std::size_t MaxStoredBytes = 10000;

    struct TMenuEntry {
        std::size_t index; ///< place in files()
        std::string fileName;
    };

    const std::vector<std::string>& files() const { return files_; }

    /// Puts the file at the newest place, dropping an older entry of the same name (ignoring case).
    void AddFile(const std::string& fileName);

    /// The submenu's items, newest first.
    std::vector<TMenuEntry> MenuEntries() const;

    void LoadFrom(const TSettingsStore& store);
    void SaveTo(TSettingsStore& store) const;

    /// Raised after every change of the list, so the submenu can be rebuilt.
    std::function<void()> onChanged;

private:
    void Changed() const {
        if (onChanged) onChanged();
    }
    std::vector<std::string> files_;
};

/// A 32-bit count, then per entry a 32-bit length and that many bytes; little-endian, oldest first.
std::vector<std::uint8_t> EncodeRecentFiles(const std::vector<std::string>& files);
/// The inverse; an entry whose length runs past the end takes the bytes that are there, and the
/// reading stops after it.
std::vector<std::string> DecodeRecentFiles(std::span<const std::uint8_t> bytes);

} // namespace ballforge
