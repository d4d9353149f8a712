#pragma once
// Exception classes shared by the whole core.
#include <stdexcept>
#include <string>

namespace ballforge {

/// A failure meant for the user: the interface shows its text in a box titled "Error".
class eerrormessage : public std::runtime_error {
public:
    explicit eerrormessage(const std::string& message) : std::runtime_error(message) {}
};

/// Raised by the bounds-checked readers when input ends early or points outside itself.
class EReadError : public std::runtime_error {
public:
    explicit EReadError(const std::string& message) : std::runtime_error(message) {}
};

/// An internal fault: a broken invariant of the program itself.
class EInternalError : public std::logic_error {
public:
    explicit EInternalError(const std::string& message) : std::logic_error(message) {}
};

} // namespace ballforge
