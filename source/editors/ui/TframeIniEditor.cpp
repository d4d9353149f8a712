#include "editors/ui/TframeIniEditor.h"

#include <Qsci/qscilexerproperties.h>

namespace ballforge {

TframeIniEditor::TframeIniEditor(QWidget* parent) : TSourceEditor(parent) {
    auto* lexer = new QsciLexerProperties(this);
    const QFont text = textFont();
    lexer->setDefaultFont(text);
    for (int style = 0; style < 8; ++style)
        lexer->setFont(text, style);
    lexer->setColor(Qt::gray, QsciLexerProperties::Comment);
    lexer->setColor(QColor(0x00, 0x00, 0x80), QsciLexerProperties::Section);
    lexer->setColor(QColor(0x80, 0x00, 0x00), QsciLexerProperties::Key);
    // The lexer has no style of its own for numbers; values, where they stand, get the numbers' red.
    lexer->setColor(Qt::red, QsciLexerProperties::DefaultValue);
    setLexer(lexer);
    setGutterFont(font());
}

} // namespace ballforge
