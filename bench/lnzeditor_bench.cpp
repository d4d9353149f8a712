// Styling a 100,000-line LNZ text in the editor with the LNZ lexer, beside QScintilla's own INI
// lexer on the same text in the same run (target <= 2x its time).
#include "BenchSupport.h"

#include "lnz/ui/TSynLNZSyn.h"

#include <Qsci/qscilexerproperties.h>
#include <Qsci/qsciscintilla.h>

#include <QApplication>

#include <cstdio>
#include <random>
#include <string>

using namespace ballforge;
using namespace ballforge::bench;

namespace {

// Sections, comments, variation markers and number-heavy body lines, as breed files have them.
std::string MakeText(std::size_t targetLines) {
    std::mt19937 rng(77);
    auto n = [&](int lo, int hi) { return std::to_string(std::uniform_int_distribution<int>(lo, hi)(rng)); };
    std::string text;
    std::size_t lines = 0;
    auto line = [&](const std::string& l) {
        text += l;
        text += "\r\n";
        ++lines;
    };
    while (lines < targetLines) {
        line("[Breed Name] ; the name");
        line("Benchmark Terrier");
        line("[Move]");
        line(";Ball number,x,y,z,(relative ball num)");
        for (int i = 0; i < 8; ++i)
            line(n(0, 66) + ",\t" + n(-50, 50) + ",\t" + n(-50, 50) + ",\t" + n(-50, 50));
        line("#2.a ; variation");
        line("[Paint Ballz]");
        for (int i = 0; i < 8; ++i)
            line(n(0, 66) + ",\t" + n(10, 90) + ",\t0." + n(0, 99) + ",\t-0." + n(0, 99) + ",\t1.0,\t" +
                 n(0, 255) + ",\t-1,\t" + n(0, 9) + ",\t-1,\t-1,\t-1 ; paint " + n(0, 99));
        line("");
        line("[Texture List]");
        line("\\textures\\fur'" + n(1, 9) + "'.bmp  1");
    }
    return text;
}

double TimeStyling(QsciScintilla& editor, QsciLexer* lexer) {
    editor.setLexer(lexer);
    return BestOf(3, [&] {
        editor.SendScintilla(QsciScintillaBase::SCI_CLEARDOCUMENTSTYLE);
        editor.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0L, -1L);
    });
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const std::string text = MakeText(100000);
    QsciScintilla editor;
    editor.setUtf8(false);
    editor.SendScintilla(QsciScintillaBase::SCI_SETTEXT, text.c_str());
    const long lines = editor.lines();

    auto* ini = new QsciLexerProperties(&editor);
    auto* lnz = new TSynLNZSyn(&editor);
    lnz->ApplyFrameSettings();
    const double iniTime = TimeStyling(editor, ini);
    const double lnzTime = TimeStyling(editor, lnz);
    // Make sure the LNZ run styled the whole text: the last line's number is a number.
    const long endStyled = editor.SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED);
    const long lastNumber = editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH) - 8;
    std::printf("styled to %ld of %ld bytes; style near the end: %ld\n", endStyled,
                long(editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH)),
                long(editor.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, lastNumber)));
    std::printf("text: %ld lines, %.1f MB\n", lines, double(text.size()) / 1e6);
    std::printf("styling with QScintilla's INI lexer (baseline): %8.1f ms\n", iniTime * 1e3);
    std::printf("styling with TSynLNZSyn:                        %8.1f ms  %s (target <= 2x)\n",
                lnzTime * 1e3, Ratio(lnzTime, iniTime).c_str());
    std::fflush(stdout);
    return 0;
}
