#include "documents/TextLines.h"

namespace ballforge {

TTextLineBreak SplitTextLinesInto(std::string_view text, std::vector<std::string>& lines) {
    lines.clear();
    bool sawCR = false;
    bool sawLF = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (c == '\r') {
            sawCR = true;
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                sawLF = true;
                ++i;
            }
        } else {
            sawLF = true;
        }
        start = i + 1;
    }
    // The text after the last break is a line even when it is empty, so a trailing break survives.
    lines.emplace_back(text.substr(start));
    if (sawCR && !sawLF) return TTextLineBreak::lbCR;
    if (sawLF && !sawCR) return TTextLineBreak::lbLF;
    return TTextLineBreak::lbCRLF;
}

TTextLines SplitTextLines(std::span<const std::uint8_t> bytes) {
    TTextLines result;
    result.style = SplitTextLinesInto(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                                      result.lines);
    return result;
}

const char* LineBreakText(TTextLineBreak style) {
    switch (style) {
    case TTextLineBreak::lbLF:
        return "\n";
    case TTextLineBreak::lbCR:
        return "\r";
    case TTextLineBreak::lbCRLF:
        break;
    }
    return "\r\n";
}

std::vector<std::uint8_t> JoinTextLines(const std::vector<std::string>& lines, TTextLineBreak style) {
    const std::string brk = LineBreakText(style);
    std::size_t total = 0;
    for (const auto& l : lines)
        total += l.size() + brk.size();
    std::vector<std::uint8_t> out;
    out.reserve(total);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) out.insert(out.end(), brk.begin(), brk.end());
        out.insert(out.end(), lines[i].begin(), lines[i].end());
    }
    return out;
}

std::vector<std::uint8_t> NormaliseLineBreaks(std::span<const std::uint8_t> bytes, TTextLineBreak style) {
    return JoinTextLines(SplitTextLines(bytes).lines, style);
}

} // namespace ballforge
