#include "editors/ui/TSourceEditor.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>

namespace ballforge {

TSourceEditor::TSourceEditor(QWidget* parent) : QsciScintilla(parent) {
    // The games' texts are 8-bit in their own code page; the bytes must come back as they went in.
    setUtf8(false);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(13);
    setFont(font);
    // Without a lexer the editor draws in its default style, which knows nothing of the widget's font;
    // systems without Courier New get the closest fixed-pitch family.
    const QFontInfo info(font);
    const QByteArray family = info.family().toLatin1();
    SendScintilla(SCI_STYLESETFONT, STYLE_DEFAULT, family.constData());
    SendScintilla(SCI_STYLESETSIZEFRACTIONAL, STYLE_DEFAULT, static_cast<long>(info.pointSizeF() * 100));
    SendScintilla(SCI_STYLECLEARALL);
    setMarginType(0, QsciScintilla::NumberMargin);
    setMarginLineNumbers(0, true);
    setGutterFont(font);
    // The horizontal scroll bar follows the longest line instead of a fixed width.
    SendScintilla(SCI_SETSCROLLWIDTH, 1);
    SendScintilla(SCI_SETSCROLLWIDTHTRACKING, 1);
    setIndentationsUseTabs(true);
    setTabWidth(8);
    setBraceMatching(QsciScintilla::NoBraceMatch);
    setWrapMode(QsciScintilla::WrapNone);
    connect(this, &QsciScintilla::textChanged, this, [this] {
        if (!loading_) modified_ = true;
    });
}

QFont TSourceEditor::textFont() const {
    QFont points = font();
    points.setPointSizeF(QFontInfo(font()).pointSizeF());
    return points;
}

void TSourceEditor::setGutterFont(const QFont& font) {
    // The editor sizes fonts in points; fonts given in pixels would otherwise come out tiny.
    QFont points = font;
    points.setPointSizeF(QFontInfo(font).pointSizeF());
    setMarginsFont(points);
    setMarginWidth(0, QStringLiteral("00000"));
}

static void SetRawText(QsciScintilla& sci, const std::vector<std::uint8_t>& bytes) {
    sci.SendScintilla(QsciScintillaBase::SCI_CLEARALL);
    if (!bytes.empty())
        sci.SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, static_cast<unsigned long>(bytes.size()),
                          reinterpret_cast<const char*>(bytes.data()));
}

void TSourceEditor::LoadBytes(std::span<const std::uint8_t> bytes) {
    const TTextLines text = SplitTextLines(bytes);
    style_ = text.style;
    setEolMode(style_ == TTextLineBreak::lbCRLF ? EolWindows : style_ == TTextLineBreak::lbLF ? EolUnix : EolMac);
    loading_ = true;
    const bool wasReadOnly = isReadOnly();
    setReadOnly(false);
    SetRawText(*this, JoinTextLines(text.lines, style_));
    setReadOnly(wasReadOnly);
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SendScintilla(SCI_SETSAVEPOINT);
    loading_ = false;
    modified_ = false;
}

std::vector<std::uint8_t> TSourceEditor::Bytes() const {
    const long length = SendScintilla(SCI_GETLENGTH);
    if (length <= 0) return {};
    // GETTEXT copies the document as it is, zero bytes included, and adds a terminator.
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    SendScintilla(SCI_GETTEXT, static_cast<unsigned long>(buffer.size()), buffer.data());
    return {buffer.begin(), buffer.begin() + length};
}

void TSourceEditor::SetBytes(std::span<const std::uint8_t> bytes) {
    SendScintilla(SCI_BEGINUNDOACTION);
    SetRawText(*this, {bytes.begin(), bytes.end()});
    SendScintilla(SCI_ENDUNDOACTION);
    modified_ = true;
}

std::vector<std::uint8_t> TSourceEditor::StoreBytes() {
    // Pasted text may bring breaks of another kind; they are written in the style the text came with.
    auto out = NormaliseLineBreaks(Bytes(), style_);
    modified_ = false;
    return out;
}

} // namespace ballforge
