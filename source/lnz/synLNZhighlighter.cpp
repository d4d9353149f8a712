#include "lnz/synLNZhighlighter.h"

#include <algorithm>

namespace ballforge {

namespace {

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

std::string UpperText(std::string_view s) {
    std::string u(s);
    for (char& c : u)
        c = Upper(c);
    return u;
}

// Case-insensitive order of two upper-cased texts.
int CompareUpper(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = static_cast<unsigned char>(Upper(a[i])),
                            y = static_cast<unsigned char>(Upper(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
bool IsWordChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || IsDigit(c) || c == '_';
}
bool IsSpace(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return u >= 1 && u <= 32 && u != 10 && u != 13;
}

} // namespace

std::string_view TokenKindName(TtkTokenKind kind) {
    switch (kind) {
    case tkComment:
        return "comment";
    case tkIdentifier:
        return "identifier";
    case tkKey:
        return "keyword";
    case tkNull:
        return "eol";
    case tkNumber:
        return "number";
    case tkPreprocessor:
        return "preprocessor";
    case tkSpace:
        return "space";
    case tkString:
        return "string";
    case tkSymbol:
        return "symbol";
    case tkUnknown:
        return "other";
    case tkSection:
        return "section";
    case tkVariation:
        return "variation";
    }
    return "other";
}

TSynLNZSyn::TSynLNZSyn() {
    SectionAttri = {"Section", clRed, clDefault, 0};
    VariationAttri = {"Special Variable", clRed, clDefault, 0};
    CommentAttri = {"Comment", clDefault, clDefault, fsItalic};
    IdentifierAttri = {"Identifier", clDefault, clDefault, 0};
    KeyAttri = {"Reserved Word", clDefault, clDefault, fsBold};
    NumberAttri = {"Number", clDefault, clDefault, 0};
    SpaceAttri = {"Space", clDefault, clDefault, 0};
    StringAttri = {"String", clDefault, clDefault, 0};
    SymbolAttri = {"Symbol", clDefault, clDefault, 0};
    PreprocessorAttri = {"Preprocessor", clDefault, clDefault, 0};
    // The editor's usual word characters until the frame widens them.
    for (int c = 0; c < 256; ++c)
        identifierChars_[std::size_t(c)] = IsWordChar(char(c));
    MakeMethodTables();
}

void TSynLNZSyn::MakeMethodTables() {
    for (int c = 0; c < 256; ++c) {
        TRule rule = TRule::Unknown;
        const char ch = char(c);
        if (c == 0)
            rule = TRule::Null;
        else if (c == 10 || c == 13)
            rule = TRule::LineBreak;
        else if (c <= 32)
            rule = TRule::Space;
        else if (ch == '#')
            rule = TRule::Variation;
        else if (ch == '$')
            rule = TRule::Hex;
        else if (ch == '(')
            rule = TRule::Paren;
        else if (IsDigit(ch))
            rule = TRule::Number;
        else if (ch == ';')
            rule = TRule::Comment;
        else if ((ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || ch == '_')
            rule = TRule::Word;
        else if (ch == '[')
            rule = TRule::Section;
        if (ch == StringDelimChar()) rule = TRule::String;
        procTable_[std::size_t(c)] = rule;
    }
}

void TSynLNZSyn::SetLine(std::string_view text, std::int32_t lineNumber) {
    line_.assign(text);
    lineNumber_ = lineNumber;
    run_ = 0;
    Next();
}

void TSynLNZSyn::ToEndOfLine() {
    while (!EndsLine(At(run_)))
        ++run_;
}

void TSynLNZSyn::Next() {
    tokenStart_ = run_;
    const char c = At(run_);
    switch (procTable_[static_cast<unsigned char>(c)]) {
    case TRule::Null:
        // A NUL ends the line for good: the position stays on it.
        tokenKind_ = tkNull;
        break;
    case TRule::Space:
        ++run_;
        while (IsSpace(At(run_)))
            ++run_;
        tokenKind_ = tkSpace;
        break;
    case TRule::LineBreak:
        ++run_;
        if (c == '\r' && At(run_) == '\n') ++run_;
        tokenKind_ = tkSpace;
        break;
    case TRule::Variation:
        ToEndOfLine();
        tokenKind_ = tkVariation;
        break;
    case TRule::Section:
        ++run_;
        while (!EndsLine(At(run_)) && At(run_) != ']')
            ++run_;
        if (At(run_) == ']') ++run_;
        tokenKind_ = tkSection;
        break;
    case TRule::Comment:
        ToEndOfLine();
        tokenKind_ = tkComment;
        break;
    case TRule::Number:
        ++run_;
        for (;;) {
            const char n = At(run_);
            if (IsDigit(n) || n == 'E' || n == 'e') {
                ++run_;
            } else if (n == '.') {
                if (At(run_ + 1) == '.') break;
                ++run_;
            } else if (n == 'x') {
                ++run_;
                while (IsHexDigit(At(run_)))
                    ++run_;
                break;
            } else {
                break;
            }
        }
        tokenKind_ = tkNumber;
        break;
    case TRule::Hex:
        ++run_;
        while (IsHexDigit(At(run_)))
            ++run_;
        tokenKind_ = tkNumber;
        break;
    case TRule::Paren:
        ++run_;
        tokenKind_ = tkSymbol;
        break;
    case TRule::Word:
        while (IsWordChar(At(run_)))
            ++run_;
        tokenKind_ = IsKeyword(GetToken()) ? tkKey : tkIdentifier;
        break;
    case TRule::String: {
        const char delim = StringDelimChar();
        tokenKind_ = tkString;
        if (At(run_ + 1) == delim && At(run_ + 2) == delim) run_ += 2;
        do {
            ++run_;
        } while (!EndsLine(At(run_)) && At(run_) != delim);
        if (At(run_) == delim) ++run_;
        break;
    }
    case TRule::Unknown:
        ++run_;
        tokenKind_ = tkUnknown;
        break;
    }
}

const TSynHighlighterAttributes* TSynLNZSyn::GetTokenAttribute() const {
    switch (tokenKind_) {
    case tkComment:
        return &CommentAttri;
    case tkIdentifier:
        return &IdentifierAttri;
    case tkKey:
        return &KeyAttri;
    case tkNumber:
        return &NumberAttri;
    case tkPreprocessor:
        return &PreprocessorAttri;
    case tkSpace:
        return &SpaceAttri;
    case tkString:
        return &StringAttri;
    case tkSymbol:
    case tkUnknown:
        return &SymbolAttri;
    case tkSection:
        return &SectionAttri;
    case tkVariation:
        return &VariationAttri;
    case tkNull:
        return nullptr;
    }
    return nullptr;
}

const TSynHighlighterAttributes* TSynLNZSyn::GetDefaultAttribute(TAttributeRole role) const {
    switch (role) {
    case SYN_ATTR_COMMENT:
        return &CommentAttri;
    case SYN_ATTR_IDENTIFIER:
        return &IdentifierAttri;
    case SYN_ATTR_KEYWORD:
        return &KeyAttri;
    case SYN_ATTR_STRING:
        return &StringAttri;
    case SYN_ATTR_WHITESPACE:
        return &SpaceAttri;
    case SYN_ATTR_SYMBOL:
        return &SymbolAttri;
    default:
        return nullptr;
    }
}

void TSynLNZSyn::SetKeyWords(const std::vector<std::string>& words) {
    keyWords_.clear();
    for (const auto& w : words)
        keyWords_.push_back(UpperText(w));
    std::sort(keyWords_.begin(), keyWords_.end(),
              [](const std::string& a, const std::string& b) { return CompareUpper(a, b) < 0; });
    if (OnChange) OnChange();
}

bool TSynLNZSyn::IsKeyword(std::string_view word) const {
    if (keyWords_.empty()) return false;
    const std::string upper = UpperText(word);
    std::size_t lo = 0, hi = keyWords_.size();
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo) / 2;
        const int c = CompareUpper(keyWords_[mid], upper);
        if (c == 0) return true;
        if (c < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    return false;
}

void TSynLNZSyn::SetStringDelim(TStringDelim delim) {
    if (delim == stringDelim_) return;
    stringDelim_ = delim;
    MakeMethodTables();
}

void TSynLNZSyn::SetDetectPreprocessor(bool value) {
    if (value == detectPreprocessor_) return;
    detectPreprocessor_ = value;
    if (OnChange) OnChange();
}

std::vector<TLNZToken> TSynLNZSyn::ScanLine(std::string_view text) {
    std::vector<TLNZToken> tokens;
    for (SetLine(text, 0); !GetEol(); Next())
        tokens.push_back({tokenStart_, run_ - tokenStart_, tokenKind_});
    return tokens;
}

void ApplyLNZFrameSettings(TSynLNZSyn& h) {
    h.SectionAttri.foreground = clNavy;
    h.VariationAttri.foreground = clPurple;
    h.CommentAttri.foreground = clGray;
    h.CommentAttri.style = fsItalic;
    h.NumberAttri.foreground = clRed;
    h.SetKeyWords({});
    h.SetStringDelim(sdSingleQuote);
    std::bitset<256> chars;
    for (int c = 33; c < 256; ++c)
        chars[std::size_t(c)] = true;
    h.SetIdentifierChars(chars);
    h.SetDetectPreprocessor(false);
}

} // namespace ballforge
