#pragma once
// Portable file helpers: whole-file reads and safe replacement of a file through a temporary beside it.
#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace ballforge {

/// The file could not be opened or read (missing, no permission, locked).
class EFileOpenError : public std::runtime_error {
public:
    explicit EFileOpenError(const std::string& message) : std::runtime_error(message) {}
};

/// File names are UTF-8 strings throughout the program; this turns one into a native path.
std::filesystem::path ToPath(const std::string& utf8);
std::string FromPath(const std::filesystem::path& path);

/// Reads a whole file (opened for reading only, shared with other readers and writers).
std::vector<std::uint8_t> ReadWholeFile(const std::string& fileName);

/// Reads at most count bytes at offset; fewer when the file ends first.
std::vector<std::uint8_t> ReadFileRange(const std::string& fileName, std::uint64_t offset, std::uint64_t count);

std::uint64_t FileSizeOf(const std::string& fileName);
bool FileExists(const std::string& fileName);

/// True when the file exists and this process could open it for writing right now
/// (not read-only, and on Windows not held open by another program).
bool CanWriteFile(const std::string& fileName);

/// A temporary file in the same folder as its target. Nothing touches the target until commit(),
/// which replaces it in one step; a TSafeFileWriter that is destroyed uncommitted deletes its temporary.
class TSafeFileWriter {
public:
    explicit TSafeFileWriter(const std::string& target);
    ~TSafeFileWriter();
    TSafeFileWriter(const TSafeFileWriter&) = delete;
    TSafeFileWriter& operator=(const TSafeFileWriter&) = delete;

    const std::string& tempName() const { return temp_; }
    const std::string& target() const { return target_; }
    /// Replaces the target with the temporary (keeping the target's permissions); throws on failure.
    void commit();
    /// Deletes the temporary; the target is left alone.
    void discard();

private:
    std::string target_;
    std::string temp_;
    bool done_ = false;
};

/// Writes bytes as the whole content of fileName through a temporary file; false on any failure,
/// in which case the old file is unchanged.
bool WriteFileSafely(const std::string& fileName, std::span<const std::uint8_t> bytes);

} // namespace ballforge
