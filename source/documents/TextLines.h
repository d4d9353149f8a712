#pragma once
// Text held as lines, and the line-break style that writes it back unchanged: one rule for every
// editor and for the LNZ checker.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ballforge {

enum class TTextLineBreak { lbCRLF, lbLF, lbCR };

/// A text split into lines. The bytes of each line are kept as they are (no code page conversion).
struct TTextLines {
    std::vector<std::string> lines;
    TTextLineBreak style = TTextLineBreak::lbCRLF;
};

/// Lines end at CR, LF or CR LF; a text that ends with a break gets an empty last line. The style is
/// CR when only CRs occurred, LF when only LFs occurred, CR LF otherwise (both kinds, or none).
TTextLines SplitTextLines(std::span<const std::uint8_t> bytes);
/// The same into an existing list (its storage is reused); answers the style.
TTextLineBreak SplitTextLinesInto(std::string_view text, std::vector<std::string>& lines);

/// Every line but the last followed by one break in the given style.
std::vector<std::uint8_t> JoinTextLines(const std::vector<std::string>& lines, TTextLineBreak style);

/// Re-splits edited bytes and joins them in the style noted at load, so mixed breaks come out uniform.
std::vector<std::uint8_t> NormaliseLineBreaks(std::span<const std::uint8_t> bytes, TTextLineBreak style);

/// The break itself ("\r\n", "\n" or "\r").
const char* LineBreakText(TTextLineBreak style);

} // namespace ballforge
