#include "editors/ui/TframeXMLEditor.h"

#include <Qsci/qscilexerxml.h>

namespace ballforge {

TframeXMLEditor::TframeXMLEditor(QWidget* parent) : TSourceEditor(parent) {
    auto* lexer = new QsciLexerXML(this);
    lexer->setDefaultFont(font());
    for (int style = 0; style < 32; ++style) lexer->setFont(font(), style);
    lexer->setColor(QColor(0x00, 0x00, 0x80), QsciLexerHTML::Tag);
    lexer->setColor(QColor(0x00, 0x00, 0x80), QsciLexerHTML::UnknownTag);
    QFont italic = font();
    italic.setItalic(true);
    lexer->setFont(italic, QsciLexerHTML::HTMLComment);
    setLexer(lexer);
    setBraceMatching(QsciScintilla::NoBraceMatch);
}

} // namespace ballforge
