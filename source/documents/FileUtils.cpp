#include "documents/FileUtils.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <random>
#include <system_error>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace ballforge {

namespace fs = std::filesystem;

fs::path ToPath(const std::string& utf8) {
    return fs::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

std::string FromPath(const fs::path& path) {
    auto u8 = path.u8string();
    return std::string(reinterpret_cast<const char*>(u8.data()), u8.size());
}

static std::string ErrnoText(const std::string& what, const std::string& fileName) {
    return what + " \"" + fileName + "\": " + std::strerror(errno);
}

std::vector<std::uint8_t> ReadWholeFile(const std::string& fileName) {
    std::ifstream in(ToPath(fileName), std::ios::binary);
    if (!in) throw EFileOpenError(ErrnoText("Cannot open", fileName));
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) throw EFileOpenError("Cannot read \"" + fileName + "\"");
    in.seekg(0, std::ios::beg);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (size > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), size))
        throw EFileOpenError(ErrnoText("Cannot read", fileName));
    return bytes;
}

std::vector<std::uint8_t> ReadFileRange(const std::string& fileName, std::uint64_t offset, std::uint64_t count) {
    std::ifstream in(ToPath(fileName), std::ios::binary);
    if (!in) throw EFileOpenError(ErrnoText("Cannot open", fileName));
    in.seekg(0, std::ios::end);
    const auto size = static_cast<std::uint64_t>(in.tellg());
    if (offset >= size) return {};
    count = std::min(count, size - offset);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count));
    in.seekg(static_cast<std::streamoff>(offset));
    if (count && !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(count)))
        throw EFileOpenError(ErrnoText("Cannot read", fileName));
    return bytes;
}

std::uint64_t FileSizeOf(const std::string& fileName) {
    std::error_code ec;
    auto size = fs::file_size(ToPath(fileName), ec);
    if (ec) throw EFileOpenError("Cannot open \"" + fileName + "\": " + ec.message());
    return size;
}

bool FileExists(const std::string& fileName) {
    std::error_code ec;
    return fs::is_regular_file(ToPath(fileName), ec);
}

bool CanWriteFile(const std::string& fileName) {
#ifdef _WIN32
    const auto path = ToPath(fileName);
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    CloseHandle(h);
    return true;
#else
    return FileExists(fileName) && ::access(ToPath(fileName).c_str(), W_OK) == 0;
#endif
}

static std::string UniqueTempName(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    std::random_device rd;
    const auto stamp = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    const fs::path t = ToPath(target);
    fs::path dir = t.parent_path();
    std::string base = FromPath(t.filename());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = "." + base + ".bf" + std::to_string((stamp ^ rd()) % 1000000007ULL) + "-" +
                                 std::to_string(counter++) + ".tmp";
        fs::path candidate = dir.empty() ? fs::path(ToPath(name)) : dir / ToPath(name);
        std::error_code ec;
        if (!fs::exists(candidate, ec)) return FromPath(candidate);
    }
    throw EFileOpenError("Cannot create a temporary file beside \"" + target + "\"");
}

TSafeFileWriter::TSafeFileWriter(const std::string& target) : target_(target), temp_(UniqueTempName(target)) {}

TSafeFileWriter::~TSafeFileWriter() {
    if (!done_) discard();
}

void TSafeFileWriter::discard() {
    std::error_code ec;
    fs::remove(ToPath(temp_), ec);
    done_ = true;
}

void TSafeFileWriter::commit() {
    const fs::path from = ToPath(temp_);
    const fs::path to = ToPath(target_);
#ifdef _WIN32
    // Make the new content durable before it takes the old file's place.
    HANDLE h = CreateFileW(from.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        FlushFileBuffers(h);
        CloseHandle(h);
    }
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        throw EFileOpenError("Cannot replace \"" + target_ + "\"");
#else
    struct stat st {};
    if (::stat(to.c_str(), &st) == 0) ::chmod(from.c_str(), st.st_mode & 07777);
    // Make the new content durable before it takes the old file's place, and the rename after it.
    if (std::FILE* f = std::fopen(from.c_str(), "rb")) {
        ::fsync(fileno(f));
        std::fclose(f);
    }
    if (::rename(from.c_str(), to.c_str()) != 0) throw EFileOpenError(ErrnoText("Cannot replace", target_));
    const fs::path dir = to.has_parent_path() ? to.parent_path() : fs::path(".");
    if (std::FILE* d = std::fopen(dir.c_str(), "r")) {
        ::fsync(fileno(d));
        std::fclose(d);
    }
#endif
    done_ = true;
}

bool WriteFileSafely(const std::string& fileName, std::span<const std::uint8_t> bytes) {
    try {
        if (FileExists(fileName) && !CanWriteFile(fileName)) return false;
        TSafeFileWriter writer(fileName);
        {
            std::ofstream out(ToPath(writer.tempName()), std::ios::binary | std::ios::trunc);
            if (!out) return false;
            if (!bytes.empty()) out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
            out.flush();
            if (!out) return false;
        }
        writer.commit();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace ballforge
