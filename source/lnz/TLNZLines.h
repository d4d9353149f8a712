#pragma once
// The line list the checker and reformatter work on: the editor's live text or a file's lines.
#include <cstddef>
#include <string>

namespace ballforge {

/// Lines indexed from 0. Reading at or past the end yields the empty text, which is how a pass over
/// section bodies stops at the end of the text.
class TLNZLines {
public:
    virtual ~TLNZLines() = default;
    virtual std::size_t Count() const = 0;
    /// The text of line index; the reference stays valid until the next call on this list.
    virtual const std::string& Get(std::size_t index) = 0;
    /// Replaces the text of an existing line.
    virtual void Put(std::size_t index, const std::string& text) = 0;
};

} // namespace ballforge
