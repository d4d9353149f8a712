#include "lnz/TLNZTextLines.h"

#include <stdexcept>

namespace ballforge {

void TLNZTextLines::SetText(std::string_view text) {
    changed_ = 0;
    lineBreak_ = SplitTextLinesInto(text, lines_);
    if (text.empty()) lines_.clear();
}

std::string TLNZTextLines::Text() const {
    const std::vector<std::uint8_t> bytes = JoinTextLines(lines_, lineBreak_);
    return std::string(bytes.begin(), bytes.end());
}

void TLNZTextLines::LoadFromBytes(std::span<const std::uint8_t> bytes) {
    SetText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::vector<std::uint8_t> TLNZTextLines::SaveToBytes() const { return JoinTextLines(lines_, lineBreak_); }

const std::string& TLNZTextLines::Get(std::size_t index) {
    return index < lines_.size() ? lines_[index] : empty_;
}

void TLNZTextLines::Put(std::size_t index, const std::string& text) {
    if (index >= lines_.size()) throw std::out_of_range("line index past the end of the text");
    if (lines_[index] == text) return;
    lines_[index] = text;
    ++changed_;
}

} // namespace ballforge
