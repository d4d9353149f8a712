#pragma once
// The source editor under the text, INI, XML and LNZ frames: 8-bit text held byte for byte.
#include "documents/TextLines.h"

#include <Qsci/qsciscintilla.h>

#include <cstdint>
#include <span>
#include <vector>

namespace ballforge {

/// A QScintilla editor with line numbers that loads bytes as lines and stores them in the
/// line-break style it found.
class TSourceEditor : public QsciScintilla {
    Q_OBJECT
public:
    explicit TSourceEditor(QWidget* parent = nullptr);

    /// Replaces the text by the bytes split into lines; clears the modified mark and the undo history.
    void LoadBytes(std::span<const std::uint8_t> bytes);
    /// The lines joined by the line break noted at load; clears the modified mark.
    std::vector<std::uint8_t> StoreBytes();
    /// The editor's raw bytes, as they stand.
    std::vector<std::uint8_t> Bytes() const;
    /// Replaces the whole text as an edit by the user would (marks it modified).
    void SetBytes(std::span<const std::uint8_t> bytes);

    /// The text font in points, as lexers take it.
    QFont textFont() const;
    /// The line-number gutter's font, given in pixels or points.
    void setGutterFont(const QFont& font);

    bool modifiedMark() const { return modified_; }
    void setModifiedMark(bool value) { modified_ = value; }
    TTextLineBreak lineBreakStyle() const { return style_; }

private:
    bool modified_ = false;
    bool loading_ = false;
    TTextLineBreak style_ = TTextLineBreak::lbCRLF;
};

} // namespace ballforge
