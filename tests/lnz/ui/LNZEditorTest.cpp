// The LNZ editor frame: F1 help, the message list and its jump, the Insert and Tools commands,
// find and replace, the bottom pane's height.
#include "app/TSettings.h"
#include "documents/tresourcenode.h"
#include "documents/ui/Childwin.h"
#include "editors/ui/TSourceEditor.h"
#include "formats/ui/TPetzColourGrid.h"
#include "formats/ui/TfrmColourPicker.h"
#include "lnz/ui/TLNZEditorPrompts.h"
#include "lnz/ui/TSynLNZSyn.h"
#include "lnz/ui/TViewframeLNZSynedit.h"
#include "lnz/ui/TfrmBallNumber.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

#include <fstream>
#include <iterator>

#include <functional>
#include <memory>

static void InitManual() {
    Q_INIT_RESOURCE(manual);
}
static void CleanupManual() {
    Q_CLEANUP_RESOURCE(manual);
}

using namespace ballforge;

namespace {

/// Answers the editor's dialogs from a queue and records its messages.
class TTestPrompts : public TLNZEditorPrompts {
public:
    TTestPrompts() { SetLNZEditorPrompts(this); }
    ~TTestPrompts() override { SetLNZEditorPrompts(nullptr); }
    QStringList messages;
    QList<std::function<int(QDialog&)>> dialogs;
    int asked = 0;
    void Message(const QString& text) override { messages << text; }
    int Exec(QDialog& dialog) override {
        ++asked;
        if (dialogs.isEmpty()) return QDialog::Rejected;
        return dialogs.takeFirst()(dialog);
    }
};

std::vector<std::uint8_t> Bytes(const std::string& s) {
    return {s.begin(), s.end()};
}

std::string Text(const std::vector<std::uint8_t>& b) {
    return {b.begin(), b.end()};
}

} // namespace

class LNZEditorTest : public QObject {
    Q_OBJECT
    QWidget* host = nullptr;
    tresourcenode node;
    std::unique_ptr<TViewframeLNZSynedit> frame;
    std::unique_ptr<TTestPrompts> prompts;

    TframeLNZSynedit* Open(const std::string& text) {
        node.data = Bytes(text);
        frame = std::make_unique<TViewframeLNZSynedit>(host, &node);
        frame->LoadFromNode();
        return frame->panel();
    }
    void Caret(int line) { frame->panel()->SynEdit1->setCursorPosition(line, 0); }

private slots:
    void init() {
        prompts = std::make_unique<TTestPrompts>();
        host = new QWidget;
        host->resize(700, 600);
        host->show();
    }
    void cleanup() {
        frame.reset();
        delete host;
        prompts.reset();
        SetColourPickerRunner({});
    }

    void menusAndLayout() {
        Settings().helpPaneHeight = 150;
        TframeLNZSynedit* f = Open("[Move]\r\n");
        QCOMPARE(f->Insert1->title(), QStringLiteral("Insert"));
        QCOMPARE(f->BallNumber1->text(), QStringLiteral("Ball Number..."));
        QCOMPARE(f->BallColour1->text(), QStringLiteral("Ball Colour..."));
        QCOMPARE(f->Tools1->title(), QStringLiteral("Tools"));
        const auto tools = f->Tools1->actions();
        QCOMPARE(tools.size(), 5);
        QCOMPARE(tools[0]->text(), QStringLiteral("Check for errors"));
        QCOMPARE(tools[1]->text(), QStringLiteral("Reformat lines"));
        QVERIFY(tools[2]->isSeparator());
        QCOMPARE(tools[3]->shortcut(), QKeySequence(QStringLiteral("Ctrl+F")));
        QCOMPARE(tools[4]->shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));
        QCOMPARE(f->PageControl1->tabText(0), QStringLiteral("Help"));
        QCOMPARE(f->PageControl1->tabText(1), QStringLiteral("Messages"));
        QCOMPARE(f->PageControl1->currentWidget(), f->helpsheet);
        QCOMPARE(f->Splitter1->handleWidth(), 5);
        QVERIFY(prompts->messages.isEmpty()); // the manual is there
        QVERIFY(f->HelpWindow);
        QCOMPARE(f->HelpWindow->source(), QUrl(QStringLiteral("qrc:/manual/index.html")));
        QVERIFY(f->HelpWindowType.startsWith(QStringLiteral("embedwindow")));
        QCOMPARE(f->SynLNZSyn1->color(tkSection), QColor(0, 0, 0x80));
        // The shortcuts reach the frame from the editor.
        QApplication::setActiveWindow(host);
        QVERIFY(QTest::qWaitForWindowActive(host));
        f->SynEdit1->setFocus();
        QTest::keyClick(f->SynEdit1, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(f->FindDialog1 && f->FindDialog1->isVisible());
        QTest::keyClick(f->SynEdit1, Qt::Key_R, Qt::ControlModifier);
        QVERIFY(f->ReplaceDialog1 && f->ReplaceDialog1->isVisible());
    }

    void bottomPaneHeightComesFromTheSettingsAndGoesBack() {
        Settings().helpPaneHeight = 10;
        QCOMPARE(Open("")->BottomPaneHeight(), 35);
        frame.reset();
        QCOMPARE(Settings().helpPaneHeight, 35);
        Settings().helpPaneHeight = 200;
        TframeLNZSynedit* f = Open("");
        QTRY_COMPARE(f->PageControl1->height(), 200);
        const int total = f->Splitter1->sizes()[0] + f->Splitter1->sizes()[1];
        f->Splitter1->setSizes({total - 120, 120});
        frame.reset();
        QCOMPARE(Settings().helpPaneHeight, 120);
        Settings().helpPaneHeight = 150;
    }

    void missingManualIsReportedOnce() {
        Open(""); // the editor registers the manual it carries
        frame.reset();
        CleanupManual();
        TframeLNZSynedit* f = Open("");
        InitManual();
        QCOMPARE(prompts->messages, QStringList{QStringLiteral("Help file not found\nqrc:/manual/")});
        QVERIFY(!f->HelpWindow);
        f->SynEdit1KeyDown(Qt::Key_F1); // still works, without a window
        QCOMPARE(f->ShownHelpPage, QStringLiteral("index.html"));
    }

    void f1FollowsTheSectionUnderTheCaret() {
        TframeLNZSynedit* f = Open(";top\r\n[Paint Ballz]\r\n1,2\r\n[Unknown Thing]\r\nx\r\n[move]\r\n3");
        const int shows = f->HelpShows;
        f->PageControl1->setCurrentWidget(f->messagesheet);
        Caret(2);
        QTest::keyClick(f->SynEdit1, Qt::Key_F1);
        QCOMPARE(f->ShownHelpPage, QStringLiteral("topic1042.html"));
        QCOMPARE(f->HelpWindow->source(), QUrl(QStringLiteral("qrc:/manual/topic1042.html")));
        QVERIFY(f->HelpWindow->toPlainText().contains(QStringLiteral("[Paint Ballz]")));
        QCOMPARE(f->LastHelpContext, 1042);
        QCOMPARE(f->PageControl1->currentWidget(), f->helpsheet);
        QCOMPARE(f->HelpShows, shows + 1);
        // Pressing again in the same section does nothing, not even switching tabs.
        f->PageControl1->setCurrentWidget(f->messagesheet);
        Caret(1);
        QTest::keyClick(f->SynEdit1, Qt::Key_F1);
        QCOMPARE(f->HelpShows, shows + 1);
        QCOMPARE(f->PageControl1->currentWidget(), f->messagesheet);
        // Case does not matter for the lookup.
        Caret(6);
        QTest::keyClick(f->SynEdit1, Qt::Key_F1);
        QCOMPARE(f->ShownHelpPage, QStringLiteral("topic1037.html"));
        // Above the first header: the start page, every time.
        Caret(0);
        QTest::keyClick(f->SynEdit1, Qt::Key_F1);
        QCOMPARE(f->ShownHelpPage, QStringLiteral("index.html"));
        QCOMPARE(f->LastHelpContext, 1);
        QTest::keyClick(f->SynEdit1, Qt::Key_F1);
        QCOMPARE(f->HelpShows, shows + 4);
        // An unknown section falls back to the start page too.
        Caret(2);
        QTest::keyClick(f->SynEdit1, Qt::Key_F1);
        Caret(4);
        QTest::keyClick(f->SynEdit1, Qt::Key_F1);
        QCOMPARE(f->ShownHelpPage, QStringLiteral("index.html"));
        QCOMPARE(f->HelpShows, shows + 6);
        QCOMPARE(TframeLNZSynedit::HelpContextOf("PAINT BALLZ"), 1042);
        QCOMPARE(TframeLNZSynedit::HelpContextOf("Unknown Thing"), -1);
    }

    void checkFillsTheMessagesAndAJumpMarksTheLine() {
        std::string text = "[Move]\r\n";
        for (int i = 1; i < 100; ++i)
            text += (i == 24 ? "abc" : "1, 2, 3, 4") + std::string("\r\n");
        TframeLNZSynedit* f = Open(text);
        f->Checkforerrors1->trigger();
        QCOMPARE(f->PageControl1->currentWidget(), f->messagesheet);
        QCOMPARE(f->lstMessages->count(), 2);
        QCOMPARE(f->lstMessages->item(0)->text(),
                 QStringLiteral("[Error] (25) Wrong number of parameters: 1 found, 4 required."));
        QCOMPARE(
            f->lstMessages->item(1)->text(),
            QStringLiteral("Error check complete. 0 warnings, 1 errors, 0 hints. Double click an entry to "
                           "jump to that line"));
        QCOMPARE(f->lstMessages->currentRow(), 1);
        QVERIFY(!frame->IsModified());
        Caret(60);
        // The summary carries no line: nothing happens.
        f->lstMessagesDblClick();
        QCOMPARE(f->HighlightedLine, -1);
        f->lstMessages->setCurrentRow(0);
        f->lstMessages->scrollToItem(f->lstMessages->item(0)); // the check scrolled the summary to the top
        const QPoint entry = f->lstMessages->visualItemRect(f->lstMessages->item(0)).center();
        QTest::mouseClick(f->lstMessages->viewport(), Qt::LeftButton, {}, entry);
        QTest::mouseDClick(f->lstMessages->viewport(), Qt::LeftButton, {}, entry);
        QCOMPARE(f->HighlightedLine, 25);
        QCOMPARE(f->TopLine(), 15);
        QCOMPARE(f->SynEdit1->SendScintilla(QsciScintillaBase::SCI_MARKERGET, 24L) & (1 << 1), 2L);
        int line = 0, index = 0;
        f->SynEdit1->getCursorPosition(&line, &index);
        QCOMPARE(line, 60); // the caret stays
        // An entry about the first line counts as none.
        f->lstMessages->item(0)->setData(Qt::UserRole, 0);
        f->SynEdit1->setFirstVisibleLine(40);
        f->lstMessagesDblClick();
        QCOMPARE(f->HighlightedLine, 25);
        QCOMPARE(f->TopLine(), 41);
        // Typing removes the mark.
        QTest::keyClick(f->SynEdit1, Qt::Key_A);
        QCOMPARE(f->HighlightedLine, -1);
        QCOMPARE(f->SynEdit1->SendScintilla(QsciScintillaBase::SCI_MARKERGET, 24L), 0L);
    }

    void jumpNearTheTopKeepsLineOne() {
        TframeLNZSynedit* f = Open("[Move]\r\n1\r\nabc\r\n");
        f->Checkforerrors1->trigger();
        f->lstMessages->setCurrentRow(0);
        QCOMPARE(f->lstMessages->currentItem()->data(Qt::UserRole).toInt(), 1);
        f->lstMessagesDblClick();
        QCOMPARE(f->HighlightedLine, 2);
        QCOMPARE(f->TopLine(), 1);
    }

    void reformatMarksTheTextChangedSoTheNextFlushStoresIt() {
        TframeLNZSynedit* f = Open("[Move]\r\n1 2   3 4 ;c\r\n[Omissions]\r\n5   ;kept\r\n");
        QVERIFY(!frame->IsModified());
        f->PageControl1->setCurrentWidget(f->helpsheet);
        f->Reformatlines1->trigger();
        QVERIFY(frame->IsModified());
        QCOMPARE(f->PageControl1->currentWidget(), f->helpsheet); // a reformat leaves the pane alone
        QCOMPARE(f->lstMessages->item(f->lstMessages->count() - 1)->text(),
                 QStringLiteral("The lines have been reformatted"));
        frame->StoreToNode();
        QCOMPARE(Text(node.data), std::string("[Move]\r\n1,\t2,\t3,\t4 ;c\r\n[Omissions]\r\n5   ;kept\r\n"));
        QVERIFY(!frame->IsModified());
        // Undo takes the whole reformat back in one step.
        f->SynEdit1->undo();
        QCOMPARE(Text(f->SynEdit1->Bytes()),
                 std::string("[Move]\r\n1 2   3 4 ;c\r\n[Omissions]\r\n5   ;kept\r\n"));
    }

    void aReformatInTheDocumentWindowIsSaved() {
        QTemporaryDir dir;
        const std::string file = dir.filePath(QStringLiteral("body.lnz")).toStdString();
        std::ofstream(file, std::ios::binary) << "[Move]\r\n1 2 3 4\r\n";
        TMDIChild doc(file);
        doc.show();
        for (QTreeWidgetItemIterator it(doc.vstResources); *it; ++it)
            if (tresourcenode* n = doc.NodeOf(*it); n && n->frameclass == TFrameKind::LNZSynedit)
                doc.SelectNode(n);
        auto* lnz = dynamic_cast<TViewframeLNZSynedit*>(doc.frame());
        QVERIFY(lnz);
        // The editor's context menu is the document window's popup menu.
        emit lnz->panel()->SynEdit1->customContextMenuRequested(QPoint(5, 5));
        QVERIFY(doc.popupMenu->isVisible());
        doc.popupMenu->hide();
        lnz->panel()->Reformatlines1->trigger();
        doc.Timer1Timer();
        QVERIFY(doc.modified());
        QVERIFY(doc.SaveDocument(file));
        std::ifstream in(file, std::ios::binary);
        QCOMPARE(std::string(std::istreambuf_iterator<char>(in), {}),
                 std::string("[Move]\r\n1,\t2,\t3,\t4\r\n"));
    }

    void ballNumberInsertsThePickedNumber() {
        TframeLNZSynedit* f = Open("[Move]\r\nX, 1, 2, 3");
        f->SynEdit1->setSelection(1, 0, 1, 1);
        prompts->dialogs << [](QDialog& d) {
            auto& picker = static_cast<TfrmBallNumber&>(d);
            picker.lstDogz->setCurrentRow(24);
            picker.btnOkClick();
            return picker.result();
        };
        f->BallNumber1->trigger();
        QCOMPARE(Text(f->SynEdit1->Bytes()), std::string("[Move]\r\n24, 1, 2, 3"));
        // The same picker comes back with its selection; cancelling inserts nothing.
        TfrmBallNumber* seen = nullptr;
        prompts->dialogs << [&](QDialog& d) {
            seen = static_cast<TfrmBallNumber*>(&d);
            return int(QDialog::Rejected);
        };
        f->BallNumber1->trigger();
        QCOMPARE(seen, &frmBallNumber());
        QCOMPARE(seen->lstDogz->currentRow(), 24);
        QCOMPARE(Text(f->SynEdit1->Bytes()), std::string("[Move]\r\n24, 1, 2, 3"));
    }

    void ballColourOpensThePickerOnTheSelectedNumber_data() {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("given");
        QTest::newRow("number") << QStringLiteral("12") << 12;
        QTest::newRow("hexadecimal") << QStringLiteral("$10") << 16;
        QTest::newRow("not a number") << QStringLiteral("abc") << -1;
        QTest::newRow("nothing selected") << QString() << -1;
    }
    void ballColourOpensThePickerOnTheSelectedNumber() {
        QFETCH(QString, selected);
        QFETCH(int, given);
        TframeLNZSynedit* f = Open("a " + selected.toStdString() + " b");
        if (!selected.isEmpty())
            f->SynEdit1->setSelection(0, 2, 0, 2 + selected.size());
        else
            f->SynEdit1->setCursorPosition(0, 2);
        int seenGiven = -99;
        bool allowNone = false, paletteShown = false;
        SetColourPickerRunner([&](TfrmColourPicker& d) {
            seenGiven = d.GivenIndex;
            allowNone = d.rbNoColour->isEnabled();
            paletteShown = !d.cbPalette->isHidden();
            d.rbNoColour->click();
            d.btnOkClick();
            return d.result();
        });
        f->BallColour1->trigger();
        QCOMPARE(seenGiven, given);
        QVERIFY(allowNone);
        QVERIFY(paletteShown);
        QCOMPARE(Text(f->SynEdit1->Bytes()), "a -1 b");
    }

    void replacingXByXSkipsEveryMatchWithoutAsking() {
        TframeLNZSynedit* f = Open("x 1 x\r\nxx");
        QCOMPARE(f->SearchReplace("x", "x", ssoPrompt | ssoReplaceAll), 4);
        QCOMPARE(prompts->asked, 0);
        QCOMPARE(Text(f->SynEdit1->Bytes()), std::string("x 1 x\r\nxx"));
        QVERIFY(!frame->IsModified());
    }

    void replaceAsksForEachMatchFromTheDialog() {
        TframeLNZSynedit* f = Open("a x b x c x d x");
        f->Replace1->trigger();
        TReplaceDialog* d = f->ReplaceDialog1;
        QVERIFY(d && d->isVisible() && !d->isModal());
        d->edtFind->setText(QStringLiteral("x"));
        d->edtReplace->setText(QStringLiteral("Y"));
        QString question;
        prompts->dialogs << [&](QDialog& dlg) {
            auto& c = static_cast<TConfirmReplaceDialog&>(dlg);
            question = c.lblConfirmation->text();
            return c.windowTitle() == QStringLiteral("Confirm replace") ? int(raReplace) : int(raCancel);
        } << [](QDialog&) {
            return int(raSkip);
        } << [](QDialog&) { return int(raReplaceAll); };
        QTest::mouseClick(d->btnReplaceAll, Qt::LeftButton);
        QCOMPARE(question, QStringLiteral("Replace this occurence of \"x\"?"));
        QCOMPARE(prompts->asked, 3);
        QCOMPARE(Text(f->SynEdit1->Bytes()), std::string("a Y b x c Y d Y"));
        QVERIFY(frame->IsModified());
        // Cancel stops at once.
        f->SynEdit1->setCursorPosition(0, 0);
        d->edtReplace->setText(QStringLiteral("Z"));
        prompts->dialogs << [](QDialog&) { return int(raCancel); };
        QTest::mouseClick(d->btnReplaceAll, Qt::LeftButton);
        QCOMPARE(Text(f->SynEdit1->Bytes()), std::string("a Y b x c Y d Y"));
        // Match case and whole words map to the search.
        d->edtFind->setText(QStringLiteral("y"));
        d->cbMatchCase->setChecked(true);
        f->SynEdit1->setCursorPosition(0, 0);
        QTest::mouseClick(d->btnReplaceAll, Qt::LeftButton);
        QCOMPARE(Text(f->SynEdit1->Bytes()), std::string("a Y b x c Y d Y"));
    }

    void findSelectsTheNextMatchOrCollapsesTheSelection() {
        TframeLNZSynedit* f = Open("ab ab abc");
        f->Find1->trigger();
        TFindDialog* d = f->FindDialog1;
        d->edtFind->setText(QStringLiteral("ab"));
        d->cbWholeWord->setChecked(true);
        QTest::mouseClick(d->btnFindNext, Qt::LeftButton);
        QCOMPARE(f->SynEdit1->selectedText(), QStringLiteral("ab"));
        QCOMPARE(f->SynEdit1->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONSTART), 0L);
        QTest::mouseClick(d->btnFindNext, Qt::LeftButton);
        QCOMPARE(f->SynEdit1->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONSTART), 3L);
        // "abc" is no whole word "ab": nothing more is found; the selection collapses to its end.
        QTest::mouseClick(d->btnFindNext, Qt::LeftButton);
        QCOMPARE(f->SynEdit1->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONSTART), 5L);
        QCOMPARE(f->SynEdit1->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONEND), 5L);
        // Upwards it finds the one before; failing upwards collapses to the start.
        d->rbUp->setChecked(true);
        QTest::mouseClick(d->btnFindNext, Qt::LeftButton);
        QCOMPARE(f->SynEdit1->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONSTART), 3L);
        QTest::mouseClick(d->btnFindNext, Qt::LeftButton);
        QCOMPARE(f->SynEdit1->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONSTART), 0L);
        QTest::mouseClick(d->btnFindNext, Qt::LeftButton);
        QCOMPARE(f->SynEdit1->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONSTART), 0L);
        QCOMPARE(f->SynEdit1->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONEND), 0L);
    }
};

QTEST_MAIN(LNZEditorTest)
#include "LNZEditorTest.moc"
