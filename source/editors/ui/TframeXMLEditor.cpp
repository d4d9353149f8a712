#include "editors/ui/TframeXMLEditor.h"

#include <Qsci/qscilexerxml.h>

namespace ballforge {

TframeXMLEditor::TframeXMLEditor(QWidget* parent) : TSourceEditor(parent) {
    auto* lexer = new QsciLexerXML(this);
    const QFont text = textFont();
    lexer->setDefaultFont(text);
    for (int style = 0; style < 32; ++style)
        lexer->setFont(text, style);
    lexer->setColor(QColor(0x00, 0x00, 0x80), QsciLexerHTML::Tag);
    lexer->setColor(QColor(0x00, 0x00, 0x80), QsciLexerHTML::UnknownTag);
    QFont italic = text;
    italic.setItalic(true);
    lexer->setFont(italic, QsciLexerHTML::HTMLComment);
    setLexer(lexer);
    setGutterFont(font());
    setBraceMatching(QsciScintilla::NoBraceMatch);
}

} // namespace ballforge
