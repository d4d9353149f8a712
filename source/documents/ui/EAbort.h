#pragma once
// The silent abort: an opening that was cancelled and has already told the user why.
#include <stdexcept>

namespace ballforge {

/// Ends an operation without any further message (the reason has been shown already).
class EAbort : public std::runtime_error {
public:
    EAbort() : std::runtime_error("Operation aborted") {}
};

} // namespace ballforge
