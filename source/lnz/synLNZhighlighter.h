#pragma once
// The LNZ highlighter's scanner: a line in, tokens out. The editor control's lexer is a thin adapter
// over it; the command-line "tokens" output and the tests use it too. No state carries over lines.
#include <array>
#include <bitset>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ballforge {

enum TtkTokenKind : std::uint8_t {
    tkComment = 0,
    tkIdentifier = 1,
    tkKey = 2,
    tkNull = 3, // end of line
    tkNumber = 4,
    tkPreprocessor = 5,
    tkSpace = 6,
    tkString = 7,
    tkSymbol = 8, // "("
    tkUnknown = 9,
    tkSection = 10,
    tkVariation = 11,
};

/// A short lower-case name of a token kind ("section", "number"), as the tokens listing prints it.
std::string_view TokenKindName(TtkTokenKind kind);

/// RGB colours as 0xRRGGBB; clDefault stands for the editor's own colour.
using TColor = std::uint32_t;
inline constexpr TColor clDefault = 0xFFFFFFFFu;
inline constexpr TColor clRed = 0xFF0000, clNavy = 0x000080, clPurple = 0x800080, clGray = 0x808080;

enum TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

/// A display attribute the user can change: colours and font style, under a storage name.
struct TSynHighlighterAttributes {
    std::string name;
    TColor foreground = clDefault;
    TColor background = clDefault;
    std::uint8_t style = 0;
};

enum TStringDelim : std::uint8_t { sdSingleQuote, sdDoubleQuote };

/// Roles the editor asks default attributes for.
enum TAttributeRole : std::uint8_t {
    SYN_ATTR_COMMENT,
    SYN_ATTR_IDENTIFIER,
    SYN_ATTR_KEYWORD,
    SYN_ATTR_STRING,
    SYN_ATTR_WHITESPACE,
    SYN_ATTR_SYMBOL,
    SYN_ATTR_OTHER,
};

/// One token of a line: where it starts, how long it is, what it is.
struct TLNZToken {
    std::size_t start = 0;
    std::size_t length = 0;
    TtkTokenKind kind = tkNull;
};

/// The LNZ highlighter ("General"): sections, variation markers, comments, numbers, words, strings.
class TSynLNZSyn {
public:
    TSynLNZSyn();

    TSynHighlighterAttributes SectionAttri, VariationAttri, CommentAttri, IdentifierAttri, KeyAttri,
        NumberAttri, SpaceAttri, StringAttri, SymbolAttri, PreprocessorAttri;

    static constexpr std::string_view LanguageName = "General";

    // The scanning contract: SetLine, then Next until GetEol.
    void SetLine(std::string_view text, std::int32_t lineNumber);
    void Next();
    bool GetEol() const { return tokenKind_ == tkNull; }
    std::string_view GetToken() const {
        return std::string_view(line_).substr(tokenStart_, run_ - tokenStart_);
    }
    TtkTokenKind GetTokenKind() const { return tokenKind_; }
    std::size_t GetTokenPos() const { return tokenStart_; }
    /// The attribute of the current token; null for the end of the line.
    const TSynHighlighterAttributes* GetTokenAttribute() const;
    std::int32_t lineNumber() const { return lineNumber_; }

    // Ranges: the scanner keeps nothing between lines, so the range is always "normal" (0).
    std::intptr_t GetRange() const { return range_; }
    void SetRange(std::intptr_t value) { range_ = value; }
    void ResetRange() { range_ = 0; }

    const TSynHighlighterAttributes* GetDefaultAttribute(TAttributeRole role) const;

    /// Sorted, upper-cased keywords; the keyword test looks words up here.
    const std::vector<std::string>& KeyWords() const { return keyWords_; }
    void SetKeyWords(const std::vector<std::string>& words);
    bool IsKeyword(std::string_view word) const;

    TStringDelim StringDelim() const { return stringDelim_; }
    void SetStringDelim(TStringDelim delim);
    char StringDelimChar() const { return stringDelim_ == sdSingleQuote ? '\'' : '"'; }

    /// The editor's word characters; the scanner itself does not use them.
    const std::bitset<256>& IdentifierChars() const { return identifierChars_; }
    void SetIdentifierChars(const std::bitset<256>& chars) { identifierChars_ = chars; }

    bool DetectPreprocessor() const { return detectPreprocessor_; }
    void SetDetectPreprocessor(bool value);

    /// Called when a setting changes the look of the text, so the editor repaints.
    std::function<void()> OnChange;

    /// Every token of a line up to its end (the end-of-line token itself not included).
    std::vector<TLNZToken> ScanLine(std::string_view text);

private:
    enum class TRule : std::uint8_t {
        Null,
        Space,
        LineBreak,
        Variation,
        Hex,
        Paren,
        Number,
        Comment,
        Word,
        Section,
        String,
        Unknown
    };

    void MakeMethodTables();
    char At(std::size_t p) const { return p < line_.size() ? line_[p] : '\0'; }
    static bool EndsLine(char c) { return c == '\0' || c == '\r' || c == '\n'; }
    void ToEndOfLine();

    std::array<TRule, 256> procTable_{};
    std::string line_;
    std::size_t tokenStart_ = 0, run_ = 0;
    TtkTokenKind tokenKind_ = tkNull;
    std::int32_t lineNumber_ = 0;
    std::intptr_t range_ = 0;
    std::vector<std::string> keyWords_;
    TStringDelim stringDelim_ = sdSingleQuote;
    std::bitset<256> identifierChars_;
    bool detectPreprocessor_ = false;
};

/// The settings the LNZ editor frame gives its highlighter: navy sections, purple variations, grey
/// italic comments, red numbers, no keywords, apostrophe strings, every character from "!" a word character.
void ApplyLNZFrameSettings(TSynLNZSyn& highlighter);

} // namespace ballforge
