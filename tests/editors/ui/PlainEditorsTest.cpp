// The plain editors and the first LNZ frame: bytes in, bytes out, and what they show.
#include "UiTestSupport.h"

#include "editors/ui/THexEdit.h"
#include "editors/ui/TViewFrameHexEditor.h"
#include "editors/ui/TViewframeBitmapView.h"
#include "editors/ui/TViewframeIniEditor.h"
#include "editors/ui/TViewframeTextEditor.h"
#include "editors/ui/TViewframeXMLEditor.h"
#include "lnz/ui/TViewframeLNZSynedit.h"

#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <Qsci/qscilexer.h>
#include <Qsci/qscilexerproperties.h>
#include <Qsci/qscilexerxml.h>

using namespace ballforge;
using namespace ballforge::test;

class PlainEditorsTest : public QObject {
    Q_OBJECT
    template <typename Frame> std::unique_ptr<Frame> Open(tresourcenode& node) {
        auto frame = std::make_unique<Frame>(&host, &node);
        frame->LoadFromNode();
        return frame;
    }
    QWidget host;

private slots:
    void sourceEditorsStoreTextsUnchangedWhenNothingWasEdited_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("lines");
        QTest::newRow("two lines, LF, final LF") << QByteArray("one\ntwo\n") << 3;
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << 3;
        QTest::newRow("CR") << QByteArray("a\rb") << 2;
        QTest::newRow("no break") << QByteArray("single") << 1;
        QTest::newRow("empty") << QByteArray() << 1;
        QTest::newRow("8-bit and zero bytes") << QByteArray("\xE9t\xE9\0x\n", 6) << 2;
    }
    void sourceEditorsStoreTextsUnchangedWhenNothingWasEdited() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, lines);
        const std::vector<std::uint8_t> original(bytes.begin(), bytes.end());
        tresourcenode node;
        node.data = original;
        auto text = Open<TViewframeTextEditor>(node);
        QCOMPARE(text->sourceEditor()->lines(), lines);
        QVERIFY(!text->IsModified());
        text->StoreToNode();
        QCOMPARE(node.data, original);
        auto lnz = Open<TViewframeLNZSynedit>(node);
        lnz->StoreToNode();
        QCOMPARE(node.data, original);
        QVERIFY(lnz->panel()->SynEdit1->marginLineNumbers(0));
    }

    void anEditUndoneStillStoresTheSameBytesAndEveryChangeSetsTheMark() {
        tresourcenode node;
        node.data = Bytes("one\ntwo\n");
        auto frame = Open<TViewframeTextEditor>(node);
        TSourceEditor* editor = frame->sourceEditor();
        editor->setCursorPosition(0, 3);
        editor->insert(QStringLiteral("X"));
        QVERIFY(frame->IsModified());
        editor->undo();
        frame->StoreToNode();
        QCOMPARE(node.data, Bytes("one\ntwo\n"));
        QVERIFY(!frame->IsModified());

        // Pasted breaks of another kind are written in the text's own style.
        editor->SetBytes(Bytes("a\r\nb\nc"));
        QVERIFY(frame->IsModified());
        frame->StoreToNode();
        QCOMPARE(node.data, Bytes("a\nb\nc"));
    }

    void iniAndXmlEditorsUseTheirLexersAndColours() {
        tresourcenode node;
        node.data = Bytes("[Section]\nkey=1\n; note\n");
        auto ini = Open<TViewframeIniEditor>(node);
        auto* props = qobject_cast<QsciLexerProperties*>(ini->sourceEditor()->lexer());
        QVERIFY(props);
        QCOMPARE(props->color(QsciLexerProperties::Section), QColor(0, 0, 0x80));
        QVERIFY(!props->font(QsciLexerProperties::Section).bold());
        QCOMPARE(props->color(QsciLexerProperties::Key), QColor(0x80, 0, 0));
        QCOMPARE(props->color(QsciLexerProperties::Comment), QColor(Qt::gray));
        ini->StoreToNode();
        QCOMPARE(node.data, Bytes("[Section]\nkey=1\n; note\n"));

        node.data = Bytes("<a><!-- c --></a>");
        auto xml = Open<TViewframeXMLEditor>(node);
        auto* lexer = qobject_cast<QsciLexerXML*>(xml->sourceEditor()->lexer());
        QVERIFY(lexer);
        QCOMPARE(lexer->color(QsciLexerHTML::Tag), QColor(0, 0, 0x80));
        QVERIFY(!lexer->font(QsciLexerHTML::Tag).bold());
        QVERIFY(lexer->font(QsciLexerHTML::HTMLComment).italic());
        QCOMPARE(xml->sourceEditor()->braceMatching(), QsciScintilla::NoBraceMatch);
    }

    void hexEditorShowsRowsOfSixteenAndThePosition() {
        tresourcenode node;
        for (int i = 0; i < 20; ++i)
            node.data.push_back(static_cast<std::uint8_t>('A' + i));
        auto frame = Open<TViewFrameHexEditor>(node);
        THexEdit* hex = frame->panel()->HexEdit;
        QCOMPARE(hex->rowCount(), 2);
        QVERIFY(hex->rowText(1).startsWith(QStringLiteral("0x00000010  51 52 53 54")));
        QVERIFY(hex->rowText(0).endsWith(QStringLiteral("ABCDEFGHIJKLMNOP")));
        QCOMPARE(frame->panel()->StatusTimer->interval(), 300);
        hex->setFocus();
        QTest::keyClick(hex, Qt::Key_End, Qt::ControlModifier);
        frame->panel()->UpdateStatus();
        QCOMPARE(frame->panel()->StatusBar->text(), QStringLiteral("Position: 19"));

        QVERIFY(!frame->IsModified());
        QTest::keyClicks(hex, QStringLiteral("7a"));
        QVERIFY(frame->IsModified());
        QVERIFY(hex->isChanged(19));
        frame->StoreToNode();
        QCOMPARE(node.data.back(), std::uint8_t{0x7A});
        QCOMPARE(node.data.size(), std::size_t{20});
        QVERIFY(!frame->IsModified());
    }

    void bitmapViewShowsFilesAndHeaderlessBitmapsAndNothingForDamagedData() {
        QImage picture(3, 2, QImage::Format_RGB32);
        picture.fill(QColor(10, 200, 30));
        QByteArray file;
        QBuffer buffer(&file);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "BMP");
        tresourcenode node;
        node.data.assign(file.begin(), file.end());
        auto view = Open<TViewframeBitmapView>(node);
        QCOMPARE(view->image().size(), QSize(3, 2));
        QCOMPARE(view->image().pixelColor(1, 1), QColor(10, 200, 30));
        QVERIFY(!view->IsModified());

        node.data.assign(file.begin() + 14, file.end()); // as a numeric bitmap resource holds it
        view = Open<TViewframeBitmapView>(node);
        QCOMPARE(view->image().size(), QSize(3, 2));
        QCOMPARE(view->image().pixelColor(0, 0), QColor(10, 200, 30));

        node.data.assign(file.begin(), file.begin() + 20); // damaged
        view = Open<TViewframeBitmapView>(node);
        QVERIFY(view->image().isNull());
        QVERIFY(view->panel()->Image->pixmap().isNull());
        const auto before = node.data;
        view->StoreToNode();
        QCOMPARE(node.data, before);
    }

    void aFrameOwnsItsPanelAndFreesItWithItself() {
        tresourcenode node;
        node.data = Bytes("x");
        QPointer<QWidget> panel;
        {
            auto frame = Open<TViewframeTextEditor>(node);
            panel = frame->editor();
            QCOMPARE(panel->parentWidget(), &host);
        }
        QVERIFY(panel.isNull());
    }
};

QTEST_MAIN(PlainEditorsTest)
#include "PlainEditorsTest.moc"
