#pragma once
// The file-like view that pet and baby decoders give of their LNZ parts (and a baby's owner record).
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace ballforge {

/// One file a container offers.
struct TPFSFile {
    std::string name;
    int value = 0;
};

/// Names lose one leading "/" or "\" and compare without regard to case; unknown names do nothing.
class IPFSContainer {
public:
    virtual ~IPFSContainer() = default;
    /// Appends the named file's bytes to target.
    virtual void ExportFile(const std::string& name, std::vector<std::uint8_t>& target) = 0;
    /// Replaces the named file's bytes with the whole of source.
    virtual void ImportFile(const std::string& name, std::span<const std::uint8_t> source) = 0;
    /// Appends one entry per offered file; the number is not used.
    virtual void ListFiles(int unused, std::vector<TPFSFile>& list) = 0;
};

/// The name with one leading "/" or "\" removed.
std::string StripPFSName(const std::string& name);

} // namespace ballforge
