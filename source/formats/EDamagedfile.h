#pragma once
// The failure of a pet or baby file whose checksums or records do not hold together.
#include "documents/Errors.h"

#include <string>

namespace ballforge {

/// The message every damaged pet or baby file reports.
inline constexpr const char* kDamagedFileMessage = "File is damaged or invalid";

/// A pet or baby file that cannot be trusted: checksum mismatch, cut short, or with unreadable records.
/// It is a user-facing failure, so the interface shows it like any other eerrormessage.
class EDamagedfile : public eerrormessage {
public:
    EDamagedfile() : eerrormessage(kDamagedFileMessage) {}
    explicit EDamagedfile(const std::string& message) : eerrormessage(message) {}
};

} // namespace ballforge
