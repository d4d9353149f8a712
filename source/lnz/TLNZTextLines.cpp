#include "lnz/TLNZTextLines.h"

#include <stdexcept>

namespace ballforge {

void TLNZTextLines::SetText(std::string_view text) {
    lines_.clear();
    changed_ = 0;
    const bool hasCR = text.find('\r') != std::string_view::npos;
    const bool hasLF = text.find('\n') != std::string_view::npos;
    lineBreak_ = hasCR && !hasLF ? TLineBreak::CR : hasLF && !hasCR ? TLineBreak::LF : TLineBreak::CRLF;
    if (text.empty()) return;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') continue;
        lines_.emplace_back(text.substr(start, i - start));
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    lines_.emplace_back(text.substr(start));
}

std::string TLNZTextLines::Text() const {
    const std::string_view br = lineBreak_ == TLineBreak::CRLF ? "\r\n"
                                : lineBreak_ == TLineBreak::LF ? "\n"
                                                               : "\r";
    std::size_t size = 0;
    for (const auto& l : lines_)
        size += l.size() + br.size();
    std::string text;
    text.reserve(size);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (i) text += br;
        text += lines_[i];
    }
    return text;
}

void TLNZTextLines::LoadFromBytes(std::span<const std::uint8_t> bytes) {
    SetText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::vector<std::uint8_t> TLNZTextLines::SaveToBytes() const {
    const std::string text = Text();
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

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
