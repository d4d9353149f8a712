// Styling a 100,000-line LNZ text in the editor with the LNZ lexer, beside QScintilla's own INI
// lexer on the same text in the same run (target <= 2x its time); and "Check for errors" from the
// editor's menu to the filled message list, beside the core checker's run on the same lines.
#include "BenchSupport.h"

#include "editors/ui/TSourceEditor.h"
#include "lnz/TLNZChecker.h"
#include "lnz/TLNZLines.h"
#include "lnz/ui/TSynLNZSyn.h"
#include "lnz/ui/TframeLNZSynedit.h"

#include <Qsci/qscilexerproperties.h>
#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QApplication>
#include <QListWidget>

#include <cstdio>
#include <random>
#include <span>
#include <string>
#include <vector>

static void InitManual() {
    Q_INIT_RESOURCE(manual);
}

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

/// The text's lines for the core checker (the editor's own line type lives beside the LNZ one).
class TVectorLines : public TLNZLines {
public:
    explicit TVectorLines(const std::string& text) {
        std::size_t start = 0;
        while (start <= text.size()) {
            std::size_t end = text.find("\r\n", start);
            if (end == std::string::npos) end = text.size();
            lines_.push_back(text.substr(start, end - start));
            start = end + 2;
        }
    }
    std::size_t Count() const override { return lines_.size(); }
    const std::string& Get(std::size_t i) override { return i < lines_.size() ? lines_[i] : empty_; }
    void Put(std::size_t i, const std::string& t) override { lines_[i] = t; }

private:
    std::vector<std::string> lines_;
    std::string empty_;
};

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
    InitManual();
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

    // "Check for errors" from the menu: the editor's lines through the checker into the message list.
    TframeLNZSynedit frame;
    frame.resize(900, 700);
    frame.SynEdit1->LoadBytes(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    int entries = 0;
    const double menuTime = BestOf(3, [&] {
        frame.Checkforerrors1->trigger();
        entries = frame.lstMessages->count();
    });
    TVectorLines textLines(text);
    const double coreTime = BestOf(3, [&] {
        TLNZChecker checker;
        checker.CheckForErrors(textLines);
    });
    std::printf("check, core checker on the same lines (baseline):   %8.1f ms\n", coreTime * 1e3);
    std::printf("\"Check for errors\" from the menu to the message list: %8.1f ms  %s (%d entries)\n",
                menuTime * 1e3, Ratio(menuTime, coreTime).c_str(), entries);
    return 0;
}
