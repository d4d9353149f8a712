#include "lnz/ui/TSynLNZSyn.h"

#include <Qsci/qsciscintilla.h>

#include <QColor>
#include <QFont>
#include <algorithm>

namespace ballforge {

TSynLNZSyn::TSynLNZSyn(QObject* parent) : QsciLexerCustom(parent) {
    scanner_.OnChange = [this] { Changed(); };
    Changed();
}

void TSynLNZSyn::ApplyFrameSettings() {
    ApplyLNZFrameSettings(scanner_);
    Changed();
}

void TSynLNZSyn::Changed() {
    wordChars_.clear();
    for (int c = 1; c < 256; ++c)
        if (scanner_.IdentifierChars()[std::size_t(c)]) wordChars_.push_back(char(c));
    for (int style = 0; style <= tkVariation; ++style) {
        setColor(defaultColor(style), style);
        setPaper(defaultPaper(style), style);
        setFont(defaultFont(style), style);
    }
    if (QsciScintilla* ed = editor()) {
        ed->SendScintilla(QsciScintillaBase::SCI_SETWORDCHARS, static_cast<unsigned long>(0),
                          wordChars_.c_str());
        ed->recolor();
    }
    emit propertyChanged("", "");
}

void TSynLNZSyn::setEditor(QsciScintilla* ed) {
    QsciLexerCustom::setEditor(ed);
    // The editor takes its word characters from its settings, not from the lexer; give it ours.
    if (ed)
        ed->SendScintilla(QsciScintillaBase::SCI_SETWORDCHARS, static_cast<unsigned long>(0),
                          wordChars_.c_str());
}

const TSynHighlighterAttributes* TSynLNZSyn::AttributeOf(int style) const {
    if (style < 0 || style > tkVariation || style == tkNull) return nullptr;
    // Every kind but the end of the line has an attribute; asking the scanner keeps the one table.
    switch (static_cast<TtkTokenKind>(style)) {
    case tkComment:
        return &scanner_.CommentAttri;
    case tkIdentifier:
        return &scanner_.IdentifierAttri;
    case tkKey:
        return &scanner_.KeyAttri;
    case tkNumber:
        return &scanner_.NumberAttri;
    case tkPreprocessor:
        return &scanner_.PreprocessorAttri;
    case tkSpace:
        return &scanner_.SpaceAttri;
    case tkString:
        return &scanner_.StringAttri;
    case tkSymbol:
    case tkUnknown:
        return &scanner_.SymbolAttri;
    case tkSection:
        return &scanner_.SectionAttri;
    case tkVariation:
        return &scanner_.VariationAttri;
    default:
        return nullptr;
    }
}

QString TSynLNZSyn::description(int style) const {
    if (style == tkNull) return QStringLiteral("Default");
    const auto* a = AttributeOf(style);
    return a ? QString::fromStdString(a->name) : QString();
}

static QColor ToQColor(TColor c) {
    return QColor::fromRgb(int((c >> 16) & 0xFF), int((c >> 8) & 0xFF), int(c & 0xFF));
}

QColor TSynLNZSyn::defaultColor(int style) const {
    const auto* a = AttributeOf(style);
    if (!a || a->foreground == clDefault) return QsciLexer::defaultColor();
    return ToQColor(a->foreground);
}

QColor TSynLNZSyn::defaultPaper(int style) const {
    const auto* a = AttributeOf(style);
    if (!a || a->background == clDefault) return QsciLexer::defaultPaper();
    return ToQColor(a->background);
}

QFont TSynLNZSyn::defaultFont(int style) const {
    QFont f = QsciLexer::defaultFont();
    const auto* a = AttributeOf(style);
    if (!a) return f;
    f.setBold(a->style & fsBold);
    f.setItalic(a->style & fsItalic);
    f.setUnderline(a->style & fsUnderline);
    f.setStrikeOut(a->style & fsStrikeOut);
    return f;
}

void TSynLNZSyn::styleText(int start, int end) {
    QsciScintilla* ed = editor();
    if (!ed || end <= start) return;
    // The editor asks from the end of the styled text, which may lie inside a line; a line is
    // always scanned whole, so start at its beginning.
    const long firstLine = ed->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, start);
    const long from = ed->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, firstLine);
    const long lastLine = ed->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, end);
    const long to = ed->SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION, lastLine);
    const long length = ed->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    // Take the line break of the last line too, so that it is styled as space.
    const long stop = std::min(length, to + 2);
    if (stop <= from) return;
    const char* text = reinterpret_cast<const char*>(
        ed->SendScintilla(QsciScintillaBase::SCI_GETRANGEPOINTER, from, stop - from));
    std::string_view all(text, std::size_t(stop - from));
    const std::size_t body = std::size_t(to - from);
    std::size_t breakLength = 0;
    if (body < all.size() && all[body] == '\r') ++breakLength;
    if (body + breakLength < all.size() && all[body + breakLength] == '\n') ++breakLength;
    all = all.substr(0, body + breakLength);
    styles_.assign(all.size(), char(tkSpace));
    std::size_t lineStart = 0;
    while (lineStart < all.size()) {
        // A line ends after LF, after CR LF, or after a lone CR.
        std::size_t lineEnd = lineStart;
        while (lineEnd < all.size() && all[lineEnd] != '\n' && all[lineEnd] != '\r')
            ++lineEnd;
        if (lineEnd < all.size() && all[lineEnd] == '\r') ++lineEnd;
        if (lineEnd < all.size() && all[lineEnd] == '\n') ++lineEnd;
        for (scanner_.SetLine(all.substr(lineStart, lineEnd - lineStart), 0); !scanner_.GetEol();
             scanner_.Next()) {
            const std::size_t pos = lineStart + scanner_.GetTokenPos();
            const std::size_t len = scanner_.GetToken().size();
            std::fill_n(styles_.begin() + std::ptrdiff_t(pos), len, char(scanner_.GetTokenKind()));
        }
        lineStart = lineEnd;
    }
    startStyling(from);
    ed->SendScintilla(QsciScintillaBase::SCI_SETSTYLINGEX, static_cast<unsigned long>(styles_.size()),
                      styles_.data());
}

} // namespace ballforge
