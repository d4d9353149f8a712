#include "TestSupport.h"

#include <fstream>
#include <random>
#include <stdexcept>

namespace ballforge::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::random_device rd;
    path_ = fs::temp_directory_path() / ("ballforge-test-" + std::to_string(rd()) + std::to_string(rd()));
    fs::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

std::string FixturePath(const std::string& name) { return std::string(BALLFORGE_FIXTURES) + "/" + name; }

std::string RealDataPath(const std::string& relative) {
    fs::path p = fs::path(BALLFORGE_REALDATA) / relative;
    std::error_code ec;
    return fs::exists(p, ec) ? p.string() : std::string();
}

std::vector<std::uint8_t> ReadBytes(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + file);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + file);
}

std::string CopyTo(const TempDir& dir, const std::string& source, const std::string& name) {
    const std::string target = dir.file(name.empty() ? fs::path(source).filename().string() : name);
    fs::copy_file(source, target, fs::copy_options::overwrite_existing);
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add);
    return target;
}

} // namespace ballforge::test
