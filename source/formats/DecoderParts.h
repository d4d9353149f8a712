#pragma once
// The named parts a pet or baby decoder holds, in the order they were first created.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ballforge {

/// One part of a pet or baby file: its name and its bytes.
struct TPartNode {
    std::string name;
    std::vector<std::uint8_t> data;
};

/// An owned list of parts; names compare without regard to case.
class TDecoderParts {
public:
    /// The part, or nullptr when there is none.
    TPartNode* FindPart(const std::string& name) const;
    /// The part, created empty at the end of the list when missing.
    TPartNode& PartByName(const std::string& name);
    void ClearParts() { parts_.clear(); }
    std::size_t PartCount() const { return parts_.size(); }
    const TPartNode& Part(std::size_t i) const { return *parts_.at(i); }

private:
    std::vector<std::unique_ptr<TPartNode>> parts_;
};

} // namespace ballforge
