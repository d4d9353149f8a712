#include "app/GameFolders.h"

#include "documents/FileUtils.h"
#include "documents/ResourceID.h"

#include <filesystem>

namespace ballforge {

const std::array<TPetzName, 6> PetzNames = {{
    {"", ""},
    {"", ""},
    {"\\SOFTWARE\\PF.Magic\\Petz II\\1.00.01", "II"},
    {"\\SOFTWARE\\PF.Magic\\Petz 3\\3.00.01", "3"},
    {"\\SOFTWARE\\PF.Magic\\Petz 4\\4.00.00", "4"},
    {"\\SOFTWARE\\StudioMythos\\Petz 5\\4.00.00", "5"},
}};

bool FileExistsIgnoringCase(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path p = ToPath(path);
    if (fs::is_regular_file(p, ec)) return true;
    // Walk down from the root, picking at each level the entry whose name matches ignoring case.
    fs::path current = p.root_path();
    if (current.empty()) current = ".";
    for (const auto& part : p.relative_path()) {
        const std::string want = FromPath(part);
        if (want.empty()) continue;
        if (want == "." || want == "..") {
            current /= part;
            continue;
        }
        if (fs::exists(current / part, ec)) {
            current /= part;
            continue;
        }
        bool found = false;
        for (fs::directory_iterator it(current, ec), end; !ec && it != end; it.increment(ec)) {
            if (SameText(FromPath(it->path().filename()), want)) {
                current = it->path();
                found = true;
                break;
            }
        }
        if (!found) return false;
    }
    return fs::is_regular_file(current, ec);
}

TGameRootFolders FindGameFolders(const TGameRegistry& registry) {
    TGameRootFolders roots;
    for (int index = 5; index >= 2; --index) {
        const TPetzName& row = PetzNames[static_cast<std::size_t>(index)];
        std::string root;
        if (auto value = registry.ReadMachineString(row.key, "Petz Root Path")) {
            root = *value;
            if (!root.empty() && (root.back() == '\\' || root.back() == '/')) root.pop_back();
        }
        std::string native = root.empty() ? std::string() : registry.NativePath(root);
        if (!native.empty() &&
            FileExistsIgnoringCase(native + "/resource/petz " + std::string(row.name) + " rez.dll"))
            roots[static_cast<std::size_t>(index)] = native;
    }
    return roots;
}

} // namespace ballforge
