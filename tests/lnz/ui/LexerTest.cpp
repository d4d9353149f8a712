// The LNZ lexer: token kinds become styles, edits restyle from the start of their line.
#include "lnz/ui/TSynLNZSyn.h"

#include <Qsci/qsciscintilla.h>

#include <QTest>

#include <random>
#include <string>
#include <utility>
#include <vector>

using namespace ballforge;

namespace {

using Runs = std::vector<std::pair<int, std::string>>;

/// The runs of equal style on one line (line break excluded).
Runs LineRuns(QsciScintilla& ed, int line) {
    ed.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0L, -1L);
    const long from = ed.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
    const long to = ed.SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION, line);
    Runs runs;
    for (long p = from; p < to; ++p) {
        const int style = int(ed.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, p));
        const char c = char(ed.SendScintilla(QsciScintillaBase::SCI_GETCHARAT, p));
        if (runs.empty() || runs.back().first != style)
            runs.emplace_back(style, std::string(1, c));
        else
            runs.back().second.push_back(c);
    }
    return runs;
}

void SetText(QsciScintilla& ed, const std::string& text) {
    ed.SendScintilla(QsciScintillaBase::SCI_SETTEXT, text.c_str());
}

} // namespace

class LexerTest : public QObject {
    Q_OBJECT
    QsciScintilla* ed = nullptr;
    TSynLNZSyn* lexer = nullptr;

private slots:
    void init() {
        ed = new QsciScintilla;
        ed->setUtf8(false);
        lexer = new TSynLNZSyn(ed);
        lexer->ApplyFrameSettings();
        ed->setLexer(lexer);
    }
    void cleanup() { delete ed; }

    void styles_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("expected"); // one style letter per run, see below
        // Letters: S section, V variation, C comment, I identifier, K keyword, N number, W space,
        // T string, P "(", O other character.
        QTest::newRow("header and comment") << QByteArray("[Paint Ballz] ; header") << QByteArray("SWC");
        QTest::newRow("open header") << QByteArray("[Paint Ballz") << QByteArray("S");
        QTest::newRow("variation") << QByteArray("#3.a ; first") << QByteArray("V");
        QTest::newRow("numbers and minus") << QByteArray("12,\t-0.5") << QByteArray("NOWON");
        QTest::newRow("hex") << QByteArray("0x1F") << QByteArray("N");
        QTest::newRow("two dots") << QByteArray("1..2") << QByteArray("NON");
        QTest::newRow("word") << QByteArray("ankleL") << QByteArray("I");
        QTest::newRow("strings") << QByteArray("'it's'") << QByteArray("TIT");
        QTest::newRow("paren") << QByteArray("(x") << QByteArray("PI");
    }
    void styles() {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, expected);
        SetText(*ed, line.toStdString());
        const Runs runs = LineRuns(*ed, 0);
        QByteArray got;
        for (const auto& [style, text] : runs) {
            const char* letters = "CIK?NPWTPOSV"; // by token kind 0 to 11; kinds 8 and 9 both shown
            got.push_back(style == tkSymbol ? 'P' : letters[style]);
        }
        QCOMPARE(got, expected);
    }

    void keywordsFollowTheScannersList() {
        SetText(*ed, "ankleL AnKlEl x");
        lexer->scanner().SetKeyWords({"ankleL"});
        const Runs runs = LineRuns(*ed, 0);
        QCOMPARE(runs.front(), (std::pair<int, std::string>(tkKey, "ankleL")));
        QCOMPARE(runs[2], (std::pair<int, std::string>(tkKey, "AnKlEl")));
        QCOMPARE(runs.back(), (std::pair<int, std::string>(tkIdentifier, "x")));
    }

    void attributesAndWordCharacters() {
        QCOMPARE(QString::fromLatin1(lexer->language()), QStringLiteral("General"));
        QCOMPARE(lexer->description(tkSection), QStringLiteral("Section"));
        QCOMPARE(lexer->description(tkVariation), QStringLiteral("Special Variable"));
        QCOMPARE(lexer->description(tkKey), QStringLiteral("Reserved Word"));
        QCOMPARE(lexer->color(tkSection), QColor(0x00, 0x00, 0x80));
        QCOMPARE(lexer->color(tkVariation), QColor(0x80, 0x00, 0x80));
        QCOMPARE(lexer->color(tkComment), QColor(0x80, 0x80, 0x80));
        QVERIFY(lexer->font(tkComment).italic());
        QCOMPARE(lexer->color(tkNumber), QColor(0xFF, 0x00, 0x00));
        QVERIFY(lexer->font(tkKey).bold());
        QCOMPARE(lexer->color(tkIdentifier), lexer->defaultColor());
        // Defaults before the frame's settings.
        TSynLNZSyn fresh;
        QCOMPARE(fresh.color(tkSection), QColor(0xFF, 0x00, 0x00));
        QCOMPARE(fresh.color(tkNumber), fresh.defaultColor());
        QVERIFY(fresh.font(tkComment).italic());
        // A word is any run of non-blanks: "a,b" is one word for the editor.
        SetText(*ed, "xx a,b;\xe9 yy");
        const long end = ed->SendScintilla(QsciScintillaBase::SCI_WORDENDPOSITION, 3L, 1L);
        QCOMPARE(end, 8L);
    }

    void editsInTheMiddleRestyleTheirLine() {
        std::string text;
        for (int i = 0; i < 300; ++i)
            text += "1, 2 ; line\r\n";
        SetText(*ed, text);
        QCOMPARE(LineRuns(*ed, 150).front().first, int(tkNumber));
        // Typing "[" at the start of line 150 makes it a header; only that line changes.
        const long at = ed->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, 150L);
        ed->SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, at, "[");
        QCOMPARE(LineRuns(*ed, 150), (Runs{{tkSection, "[1, 2 ; line"}}));
        QCOMPARE(LineRuns(*ed, 151).front(), (std::pair<int, std::string>(tkNumber, "1")));
        // Closing the header in mid-line lets the rest scan normally again.
        ed->SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, at + 2, "]");
        QCOMPARE(LineRuns(*ed, 150), (Runs{{tkSection, "[1]"},
                                           {tkUnknown, ","},
                                           {tkSpace, " "},
                                           {tkNumber, "2"},
                                           {tkSpace, " "},
                                           {tkComment, "; line"}}));
        // A comment typed in the middle of a line, then a line break typed inside the comment.
        const long mid = ed->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, 200L) + 1;
        ed->SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, mid, ";");
        QCOMPARE(LineRuns(*ed, 200), (Runs{{tkNumber, "1"}, {tkComment, ";, 2 ; line"}}));
        ed->SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, mid + 2, "\r\n#2 ");
        QCOMPARE(LineRuns(*ed, 200), (Runs{{tkNumber, "1"}, {tkComment, ";,"}}));
        QCOMPARE(LineRuns(*ed, 201), (Runs{{tkVariation, "#2  2 ; line"}}));
        QCOMPARE(LineRuns(*ed, 202).front().first, int(tkNumber));
        // Deleting the header's "[" turns it back into numbers.
        ed->SendScintilla(QsciScintillaBase::SCI_DELETERANGE, at, 1L);
        QCOMPARE(LineRuns(*ed, 150).front(), (std::pair<int, std::string>(tkNumber, "1")));
    }

    void randomEditsStyleAsAFreshText() {
        // Whatever is typed or deleted where, the styles match those of the same text styled anew.
        std::mt19937 rng(7);
        const std::string alphabet = "[]#;.0123xab '\t\r\n";
        std::string text;
        for (int i = 0; i < 60; ++i)
            text += (i % 7 == 0 ? "[Move] ;x\r\n" : i % 5 == 0 ? "#2.a\r\n" : "1, 2, 0x1F ; c 'q'\r\n");
        SetText(*ed, text);
        ed->SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0L, -1L);
        QsciScintilla fresh;
        fresh.setUtf8(false);
        auto* freshLexer = new TSynLNZSyn(&fresh);
        freshLexer->ApplyFrameSettings();
        fresh.setLexer(freshLexer);
        for (int step = 0; step < 300; ++step) {
            const long length = ed->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
            const long at = std::uniform_int_distribution<long>(0, length)(rng);
            if (step % 3 == 2 && at < length) {
                ed->SendScintilla(QsciScintillaBase::SCI_DELETERANGE, at, std::min(3L, length - at));
            } else {
                const std::string piece(
                    1, alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(rng)]);
                ed->SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, at, piece.c_str());
            }
            ed->SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0L, -1L);
            if (step % 10 != 9) continue;
            const long n = ed->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
            std::string now(std::size_t(n) + 1, '\0');
            ed->SendScintilla(QsciScintillaBase::SCI_GETTEXT, static_cast<unsigned long>(n + 1), now.data());
            now.resize(std::size_t(n));
            SetText(fresh, now);
            fresh.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0L, -1L);
            for (long p = 0; p < n; ++p)
                if (ed->SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, p) !=
                    fresh.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, p))
                    QFAIL(qPrintable(QStringLiteral("step %1: style differs at %2").arg(step).arg(p)));
        }
    }

    void loneCarriageReturnsEndLines() {
        SetText(*ed, "[a]\r1\r;c");
        ed->SendScintilla(QsciScintillaBase::SCI_SETEOLMODE, long(QsciScintillaBase::SC_EOL_CR));
        QCOMPARE(LineRuns(*ed, 1), (Runs{{tkNumber, "1"}}));
        QCOMPARE(LineRuns(*ed, 2), (Runs{{tkComment, ";c"}}));
    }
};

QTEST_MAIN(LexerTest)
#include "LexerTest.moc"
