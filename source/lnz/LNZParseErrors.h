#pragma once
// The exceptions of the LNZ line model; their texts become checker messages.
#include <stdexcept>
#include <string>

namespace ballforge {

/// A body line that does not fit its section's grammar.
class EParseError : public std::runtime_error {
public:
    explicit EParseError(const std::string& message) : std::runtime_error(message) {}
};

/// Fewer fields than the line class needs.
class EPEWrongNum : public EParseError {
public:
    EPEWrongNum(int found, int required);
};

/// Copying between two line objects of which one has no text form.
class ECantAssign : public std::runtime_error {
public:
    explicit ECantAssign(const std::string& message) : std::runtime_error(message) {}
};

} // namespace ballforge
