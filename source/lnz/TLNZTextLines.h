#pragma once
// An LNZ text held as lines, loaded from and saved to bytes with the line-break style it came with.
#include "documents/TextLines.h"
#include "lnz/TLNZLines.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ballforge {

/// Splits by SplitTextLines (an empty text has no lines). Saving joins the
/// lines with the remembered break and none after the last, so an unchanged text saves byte for byte.
class TLNZTextLines : public TLNZLines {
public:
    TLNZTextLines() = default;
    explicit TLNZTextLines(std::string_view text) { SetText(text); }
    explicit TLNZTextLines(std::vector<std::string> lines, TTextLineBreak lineBreak = TTextLineBreak::lbCRLF)
        : lines_(std::move(lines)), lineBreak_(lineBreak) {}

    /// CR LF when the text held both CR and LF or neither, LF or CR when it held only that one.
    void SetText(std::string_view text);
    std::string Text() const;
    void LoadFromBytes(std::span<const std::uint8_t> bytes);
    std::vector<std::uint8_t> SaveToBytes() const;

    std::size_t Count() const override { return lines_.size(); }
    const std::string& Get(std::size_t index) override;
    void Put(std::size_t index, const std::string& text) override;

    TTextLineBreak lineBreak() const { return lineBreak_; }
    const std::vector<std::string>& lines() const { return lines_; }
    /// Lines whose text Put changed since the last load.
    std::size_t changedLines() const { return changed_; }

private:
    std::vector<std::string> lines_;
    TTextLineBreak lineBreak_ = TTextLineBreak::lbCRLF;
    std::size_t changed_ = 0;
    std::string empty_;
};

} // namespace ballforge
