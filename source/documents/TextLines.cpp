#include "documents/TextLines.h"

namespace ballforge {

TTextLines SplitTextLines(std::span<const std::uint8_t> bytes) {
    TTextLines result;
    bool sawCR = false;
    bool sawLF = false;
    std::string line;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::uint8_t b = bytes[i];
        if (b == '\r' || b == '\n') {
            if (b == '\r') {
                sawCR = true;
                if (i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                    sawLF = true;
                    ++i;
                }
            } else {
                sawLF = true;
            }
            result.lines.push_back(std::move(line));
            line.clear();
        } else {
            line.push_back(static_cast<char>(b));
        }
    }
    // The text after the last break is a line even when it is empty, so a trailing break survives.
    result.lines.push_back(std::move(line));
    if (sawCR && !sawLF)
        result.style = TTextLineBreak::lbCR;
    else if (sawLF && !sawCR)
        result.style = TTextLineBreak::lbLF;
    else
        result.style = TTextLineBreak::lbCRLF;
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
