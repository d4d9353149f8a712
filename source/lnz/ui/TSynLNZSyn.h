#pragma once
// The LNZ lexer of the source editor: a thin adapter that styles text with the core scanner.
#include "lnz/synLNZhighlighter.h"

#include <Qsci/qscilexercustom.h>

#include <string>

namespace ballforge {

/// Styles LNZ text token by token. Style numbers are the scanner's token kinds, so the editor shows
/// each kind with its attribute. Lines are independent: an edit restyles from the start of its line.
class TSynLNZSyn : public QsciLexerCustom {
    Q_OBJECT
public:
    explicit TSynLNZSyn(QObject* parent = nullptr);

    using QsciLexer::defaultColor;
    using QsciLexer::defaultFont;
    using QsciLexer::defaultPaper;

    const char* language() const override { return "General"; }
    QString description(int style) const override;
    QColor defaultColor(int style) const override;
    QColor defaultPaper(int style) const override;
    QFont defaultFont(int style) const override;
    const char* wordCharacters() const override { return wordChars_.c_str(); }
    void styleText(int start, int end) override;
    void setEditor(QsciScintilla* editor) override;

    /// The scanner with its attributes and settings; call Changed() after changing them.
    TLNZScanner& scanner() { return scanner_; }
    const TLNZScanner& scanner() const { return scanner_; }
    /// The look the LNZ editor frame gives the text (navy sections, purple variations, grey italic
    /// comments, red numbers, any run of non-blanks a word).
    void ApplyFrameSettings();
    /// Takes over changed attributes and word characters and restyles the whole text.
    void Changed();
    /// The attribute that draws a style, or null for styles no token has.
    const TSynHighlighterAttributes* AttributeOf(int style) const;

private:
    TLNZScanner scanner_;
    std::string wordChars_;
    std::string styles_; // reused buffer of style bytes
};

} // namespace ballforge
