#pragma once
// The games' installation keys, read only, and the paths they hold.
#include <optional>
#include <string>

namespace ballforge {

/// The local-machine registry, as far as the games' keys go.
class TGameRegistry {
public:
    virtual ~TGameRegistry() = default;
    /// None when the key does not exist; an empty text when the key exists without the value.
    virtual std::optional<std::string> ReadMachineString(const std::string& key,
                                                         const std::string& value) const = 0;
    /// A path as the games wrote it ("C:\Petz 5") in the form this system opens; empty when it has none.
    virtual std::string NativePath(const std::string& registryPath) const = 0;
};

/// True when the file exists, matching each part of the path without regard to case where the file
/// system itself does not (the games' folders are written in whatever case their installer chose).
bool FileExistsIgnoringCase(const std::string& path);

} // namespace ballforge
