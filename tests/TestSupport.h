#pragma once
// Shared helpers for the core tests: scratch folders, fixture paths, the real-data folder.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace ballforge::test {

/// A fresh folder under the system's temporary folder, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

std::string FixturePath(const std::string& name);
/// The folder of real game files, or empty when it is not there (tests then skip).
std::string RealDataPath(const std::string& relative = {});
std::vector<std::uint8_t> ReadBytes(const std::string& file);
void WriteBytes(const std::string& file, const std::vector<std::uint8_t>& bytes);
/// Copies a file into a scratch folder and answers the copy's path.
std::string CopyTo(const TempDir& dir, const std::string& source, const std::string& name = {});

} // namespace ballforge::test

#define BALLFORGE_REQUIRE_REALDATA(sub)                                                                   \
    do {                                                                                                  \
        if (ballforge::test::RealDataPath(sub).empty()) GTEST_SKIP() << "real game files not present"; \
    } while (0)
