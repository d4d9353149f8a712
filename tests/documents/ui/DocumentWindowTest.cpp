// The document window: opening, the tree, frames, the resource commands, the close question.
#include "UiTestSupport.h"

#include "documents/Errors.h"
#include "documents/OpenContainer.h"
#include "documents/TDLLresfile.h"
#include "documents/TFlatresfile.h"
#include "documents/ui/Childwin.h"
#include "documents/ui/EAbort.h"
#include "documents/ui/ExceptionFilter.h"
#include "documents/ui/TfrmAddResource.h"
#include "editors/ui/TSourceViewFrame.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace ballforge;
using namespace ballforge::test;

namespace {
std::string Sample() {
    return SourceFile("examples/Sample.dog");
}

tresourcenode* Find(TMDIChild& doc, const TResourceIDRec& type, const TResourceIDRec& name = {},
                    std::optional<int> language = std::nullopt) {
    tresourcenode* t = doc.container().root().FindChild(type);
    if (!t || (name.name.empty() && !name.isNumber())) return t;
    tresourcenode* n = t->FindChild(name);
    if (!n || !language) return n;
    return n->FindChildByID(*language);
}
TResourceIDRec N(std::int32_t n) {
    return TResourceIDRec::Number(n);
}
TResourceIDRec S(const char* s) {
    return TResourceIDRec::Name(s);
}
} // namespace

class DocumentWindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    std::unique_ptr<TMDIChild> OpenCopy(const std::string& source, const QString& name) {
        return std::make_unique<TMDIChild>(CopyInto(dir, source, name).toStdString());
    }

private slots:
    void opensEachKindOfFileWithItsContainerAndFirstView() {
        TScriptedPrompts prompts;
        auto pe = OpenCopy(Sample(), QStringLiteral("open.dog"));
        QVERIFY(dynamic_cast<TDLLresfile*>(&pe->container()));
        QVERIFY(!pe->pnlLeft->isHidden());
        QVERIFY(pe->aAddResource->isEnabled());
        QVERIFY(!pe->frame());
        QVERIFY(!pe->modified());
        QCOMPARE(pe->windowTitle(), dir.filePath("open.dog") + "[*]");
        QVERIFY(!pe->vstResources->currentItem());

        WriteAll(dir.filePath("text.dog").toStdString(), Bytes("Not a module\r\n"));
        WriteAll(dir.filePath("body.lnz").toStdString(), Bytes("[Ballz Info]\r\n"));
        WriteAll(dir.filePath("notes.txt").toStdString(), Bytes("notes"));
        WriteAll(dir.filePath("one.dog").toStdString(), Bytes("M"));
        struct Case {
            QString file;
            TFrameKind frame;
        } cases[] = {{dir.filePath("text.dog"), TFrameKind::TextEditor},
                     {dir.filePath("body.lnz"), TFrameKind::LNZSynedit},
                     {dir.filePath("notes.txt"), TFrameKind::TextEditor},
                     {dir.filePath("one.dog"), TFrameKind::TextEditor},
                     {QString(), TFrameKind::LNZSynedit}};
        for (const auto& c : cases) {
            TMDIChild doc(c.file.toStdString());
            QVERIFY2(dynamic_cast<TFlatresfile*>(&doc.container()), qPrintable(c.file));
            QVERIFY(doc.pnlLeft->isHidden());
            QVERIFY(!doc.aAddResource->isEnabled());
            QVERIFY(doc.frame());
            QCOMPARE(doc.frame()->kind(), c.frame);
            QCOMPARE(doc.frame()->node(), &doc.container().root());
        }
        QVERIFY(prompts.messages.isEmpty());
    }

    void aFileThatCannotBeOpenedIsReportedOnceAndAborts() {
        TScriptedPrompts prompts;
        const std::string missing = dir.filePath("missing.lnz").toStdString();
        QVERIFY_THROWS_EXCEPTION(EAbort, TMDIChild doc(missing));
        QCOMPARE(prompts.messages,
                 QStringList{QStringLiteral(
                                 "Sorry, couldn't open the file \"%1\". Check that it is not open in another "
                                 "application and try again.")
                                 .arg(QString::fromStdString(missing))});
        // A damaged module is the container's message, shown by the exception filter.
        WriteAll(dir.filePath("broken.dog").toStdString(), Bytes("MZ but nothing else"));
        try {
            TMDIChild doc(dir.filePath("broken.dog").toStdString());
            QFAIL("opened a broken module");
        } catch (const eerrormessage& e) {
            QVERIFY(std::string(e.what()).find("Couldn't") == 0);
        }
    }

    void theTreeShowsNamesAndOpensEveryPathToAnEditor() {
        auto doc = OpenCopy(Sample(), QStringLiteral("tree.dog"));
        QStringList top;
        for (int i = 0; i < doc->vstResources->topLevelItemCount(); ++i)
            top << doc->vstResources->topLevelItem(i)->text(0);
        // The sample may grow; the standard names and the order of the container are what count.
        QCOMPARE(top.mid(0, 2), (QStringList{"BMP", "LNZ"}));
        QVERIFY(top.contains("TXT") && top.indexOf("String list") > 1 &&
                top.indexOf("RCData") > top.indexOf("String list"));
        QCOMPARE(top.size(), int(doc->container().root().count()));
        QCOMPARE(doc->ItemOf(Find(*doc, N(6), N(63)))->text(0), QStringLiteral("63"));
        for (QTreeWidgetItemIterator it(doc->vstResources); *it; ++it)
            if ((*it)->childCount()) QVERIFY((*it)->isExpanded());

        // A branch whose nodes have no editor stays closed; the path to the others stays open.
        tresourcenode* readme = Find(*doc, S("TXT"), S("README"), 1033);
        readme->frameclass = TFrameKind::ViewFrame;
        doc->RebuildTree();
        QVERIFY(!doc->ItemOf(Find(*doc, S("TXT")))->isExpanded());
        QVERIFY(!doc->ItemOf(Find(*doc, S("TXT"), S("README")))->isExpanded());
        QVERIFY(doc->ItemOf(Find(*doc, S("LNZ")))->isExpanded());
    }

    void selectionTurnsIntoTheFrameOfTheShownNode() {
        auto doc = OpenCopy(Sample(), QStringLiteral("select.dog"));
        struct Case {
            tresourcenode* selected;
            tresourcenode* shown;
            std::optional<TFrameKind> frame;
        };
        tresourcenode* readme = Find(*doc, S("TXT"), S("README"), 1033);
        tresourcenode* coat = Find(*doc, S("BMP"), S("COAT"), 1033);
        tresourcenode* lnz = Find(*doc, S("LNZ"));
        tresourcenode* sprites = Find(*doc, N(10), N(1003), 1033);
        tresourcenode* strings = Find(*doc, N(6), N(63), 1033);
        const Case cases[] = {
            {Find(*doc, S("TXT")), readme, TFrameKind::TextEditor}, // single name, single language
            {coat, coat, TFrameKind::BitmapView},
            {lnz, lnz, std::nullopt},                  // two names: nothing shown
            {sprites, sprites, TFrameKind::HexEditor}, // the sprite list editor comes later
            {strings, strings, TFrameKind::HexEditor},
            {Find(*doc, S("LNZ"), S("SAMPLE")), Find(*doc, S("LNZ"), S("SAMPLE"), 1033),
             TFrameKind::LNZSynedit},
        };
        for (const auto& c : cases) {
            doc->SelectNode(c.selected);
            QCOMPARE(TMDIChild::ShownNodeFor(c.selected), c.shown);
            QCOMPARE(doc->frame() != nullptr, c.frame.has_value());
            if (c.frame) {
                QCOMPARE(doc->frame()->kind(), *c.frame);
                QCOMPARE(doc->frame()->node(), c.shown);
            }
            QCOMPARE(doc->aExport->isEnabled(), c.shown != lnz);
        }
        // A leaf without bytes shows nothing, editor or not.
        readme->data.clear();
        doc->SelectNode(readme);
        QVERIFY(!doc->frame());
        QVERIFY(!doc->aExport->isEnabled());
        QVERIFY(!doc->aReplaceFromFile->isEnabled());
    }

    void anEmptyRightSideSaysWhy() {
        auto doc = OpenCopy(Sample(), QStringLiteral("empty-right.dog"));
        auto* label = doc->findChild<QLabel*>(QStringLiteral("lblNothingShown"));
        QVERIFY(label);
        // Opened: nothing selected yet.
        QVERIFY(!label->isHidden());
        QVERIFY(label->text().startsWith(QStringLiteral("Select a resource")));
        doc->SelectNode(Find(*doc, S("LNZ")));
        QVERIFY(!label->isHidden());
        QVERIFY(label->text().contains(QStringLiteral("several resources")));
        doc->SelectNode(Find(*doc, S("BMP")));
        QVERIFY(doc->frame());
        QVERIFY(label->isHidden());
        tresourcenode* readme = Find(*doc, S("TXT"), S("README"), 1033);
        readme->data.clear();
        doc->SelectNode(readme);
        QVERIFY(!label->isHidden());
        QCOMPARE(label->text(), QStringLiteral("This resource is empty."));
    }

    void editsAreFlushedOnSelectionChangeAndTheTimerFollowsTheFrame() {
        auto doc = OpenCopy(Sample(), QStringLiteral("flush.dog"));
        QCOMPARE(doc->Timer1->interval(), 200);
        QVERIFY(doc->Timer1->isActive());
        tresourcenode* adult = Find(*doc, S("LNZ"), S("SAMPLE"), 1033);
        const auto before = adult->data;
        doc->SelectNode(adult);
        auto* frame = dynamic_cast<TSourceViewFrame*>(doc->frame());
        QVERIFY(frame);
        frame->sourceEditor()->insertAt(QStringLiteral("; edited\r\n"), 0, 0);
        QVERIFY(!doc->modified());
        doc->Timer1Timer();
        QVERIFY(doc->modified());
        QCOMPARE(adult->data, before); // the timer stores nothing
        QTRY_VERIFY_WITH_TIMEOUT(doc->modified(), 1000);

        doc->SelectNode(Find(*doc, S("TXT"), S("README"), 1033));
        QVERIFY(adult->changed);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(adult->data.data()), 10),
                 QByteArray("; edited\r\n"));
        QVERIFY(doc->modified());
    }

    void deleteCaptionsAndQuestions() {
        TScriptedPrompts prompts;
        auto doc = OpenCopy(Sample(), QStringLiteral("delete.dog"));
        QCOMPARE(doc->aDeleteResource->text(), QStringLiteral("Delete resource..."));
        QVERIFY(!doc->aDeleteResource->isEnabled());
        struct Case {
            tresourcenode* node;
            QString caption;
            QString question;
        } cases[] = {
            {Find(*doc, N(6)), "Delete all 'String list' resources...",
             "Are you sure that you want to delete all 'String list' resources?"},
            {Find(*doc, N(6), N(63)), "Delete 'String list:63'...",
             "Are you sure that you want to delete the resource 'String list:63'?"},
            {Find(*doc, S("LNZ"), S("SAMPLE"), 1033), "Delete 'LNZ:SAMPLE:1033'...",
             "Are you sure that you want to delete the resource 'LNZ:SAMPLE:1033'?"},
        };
        for (const auto& c : cases) {
            doc->SelectNode(c.node);
            QCOMPARE(doc->aDeleteResource->text(), c.caption);
            prompts.answers = {TAnswer::aNo};
            doc->aDeleteResourceExecute();
            QCOMPARE(prompts.questions.takeLast(), c.question);
            QVERIFY(!doc->modified());
        }
        doc->SelectNode(Find(*doc, N(6), N(63)));
        prompts.answers = {TAnswer::aYes};
        doc->aDeleteResourceExecute();
        QVERIFY(!Find(*doc, N(6), N(63)));
        QVERIFY(Find(*doc, N(6), N(1)));
        QVERIFY(doc->modified());
        QVERIFY(!doc->frame());
    }

    void renameFollowsTheLanguageRulesAndRefusesNumbersAModuleCannotStore() {
        TScriptedPrompts prompts;
        auto doc = OpenCopy(Sample(), QStringLiteral("rename.dog"));
        tresourcenode* leaf = Find(*doc, S("TXT"), S("README"), 1033);
        doc->SelectNode(leaf);
        QVERIFY(doc->aRename->isEnabled());
        QVERIFY(doc->vstResources->currentItem()->flags() & Qt::ItemIsEditable);
        struct Case {
            QString text;
            std::int32_t language;
            bool modified;
        } cases[] = {{"German", 1033, false}, {"1031", 1031, true}, {"Icon", 3, true}, {"70000", 3, true}};
        for (const auto& c : cases) {
            doc->RenameNode(leaf, c.text);
            QCOMPARE(leaf->number, c.language);
            QVERIFY(leaf->isNumeric());
            QCOMPARE(doc->modified(), c.modified);
        }
        QCOMPARE(prompts.messages.size(), 1); // only 70000 was refused, with a message
        QVERIFY(prompts.messages[0].contains("65535"));
        QCOMPARE(doc->ItemOf(leaf)->text(0), QStringLiteral("3"));
        QVERIFY(doc->frame()); // the selection steps ran again

        // A renamed type keeps its resources' editor until the file is opened again.
        tresourcenode* txt = Find(*doc, S("TXT"));
        doc->RenameNode(txt, "lnz");
        QCOMPARE(txt->name, std::string("LNZ"));
        QCOMPARE(leaf->frameclass, TFrameKind::TextEditor);
        doc->RenameNode(txt, "-1");
        QCOMPARE(txt->name, std::string("LNZ"));
    }

    void peCommandsAreRefusedInPlainDocuments() {
        WriteAll(dir.filePath("plain.txt").toStdString(), Bytes("x"));
        TMDIChild doc(dir.filePath("plain.txt").toStdString());
        QVERIFY(!doc.aDeleteResource->isEnabled());
        QVERIFY(!doc.aRename->isEnabled());
        QVERIFY(!doc.aAddResource->isEnabled());
        doc.RenameNode(&doc.container().root(), "X");
        QVERIFY(!doc.modified());
    }

    void exportAndReplaceWorkOnTheShownNode() {
        TScriptedPrompts prompts;
        auto doc = OpenCopy(Sample(), QStringLiteral("export.dog"));
        tresourcenode* readme = Find(*doc, S("TXT"), S("README"), 1033);
        doc->SelectNode(Find(*doc, S("TXT")));
        auto* frame = dynamic_cast<TSourceViewFrame*>(doc->frame());
        frame->sourceEditor()->insertAt(QStringLiteral("Edited "), 0, 0);

        prompts.saveAnswers = {dir.filePath("readme-out.txt")};
        doc->aExportExecute();
        QCOMPARE(prompts.saveRequests.last().title, QStringLiteral("Save current resource to file..."));
        QCOMPARE(prompts.saveRequests.last().filter, QStringLiteral("All files (*.*)|*.*"));
        QCOMPARE(ReadAll(dir.filePath("readme-out.txt").toStdString()), readme->data); // flushed first
        QVERIFY(std::string(readme->data.begin(), readme->data.begin() + 7) == "Edited ");

        WriteAll(dir.filePath("new.txt").toStdString(), Bytes("replacement"));
        prompts.openAnswers = {{dir.filePath("new.txt")}};
        doc->aReplaceFromFileExecute();
        QCOMPARE(prompts.openRequests.last().title,
                 QStringLiteral("Select file to replace current resource..."));
        QCOMPARE(readme->data, Bytes("replacement"));
        QVERIFY(doc->modified());
        QVERIFY(doc->frame());
        QCOMPARE(doc->frame()->node(), readme);

        // An empty file leaves no frame; a file that vanished leaves the bytes as they were.
        WriteAll(dir.filePath("empty.txt").toStdString(), {});
        prompts.openAnswers = {{dir.filePath("empty.txt")}};
        doc->aReplaceFromFileExecute();
        QVERIFY(readme->data.empty());
        QVERIFY(!doc->frame());
        doc->SelectNode(Find(*doc, S("BMP")));
        const auto coat = Find(*doc, S("BMP"), S("COAT"), 1033)->data;
        prompts.openAnswers = {{dir.filePath("gone.bin")}};
        QVERIFY_THROWS_EXCEPTION(std::exception, doc->aReplaceFromFileExecute());
        QCOMPARE(Find(*doc, S("BMP"), S("COAT"), 1033)->data, coat);
    }

    void addResourceDialogEnablesCreateOnlyForUsableFields() {
        TScriptedPrompts prompts;
        WriteAll(dir.filePath("Adult.lnz").toStdString(), Bytes("[Ballz Info]\r\n"));
        TfrmAddResource dialog;
        dialog.SetTypes({"RCData", "String list", "LNZ"});
        QCOMPARE(dialog.edtType->count(), 3);
        QCOMPARE(dialog.edtLanguage->text(), QStringLiteral("1033"));
        dialog.show();
        QVERIFY(!dialog.btnCreate->isEnabled());

        prompts.openAnswers = {{dir.filePath("Adult.lnz")}};
        dialog.btnBrowseClick();
        QCOMPARE(dialog.edtType->currentText(), QStringLiteral("lnz"));
        QCOMPARE(dialog.edtName->text(), QStringLiteral("Adult"));
        QCOMPARE(dialog.edtFile->text(), dir.filePath("Adult.lnz"));
        QVERIFY(dialog.btnCreate->isEnabled());
        struct Case {
            QString language;
            bool enabled;
        } cases[] = {{"", false}, {"1033x", false}, {"0", true}, {"99999999999", false}, {"1031", true}};
        for (const auto& c : cases) {
            dialog.edtLanguage->setText(c.language);
            QCOMPARE(dialog.btnCreate->isEnabled(), c.enabled);
        }
        dialog.edtFile->setText(dir.filePath("nothing-here"));
        QVERIFY(!dialog.btnCreate->isEnabled());

        // A typed type survives a Browse; the name, not yet typed, is filled.
        TfrmAddResource typed;
        typed.show();
        typed.edtType->setEditText("TXT");
        WriteAll(dir.filePath("Notes.bin").toStdString(), Bytes("n"));
        prompts.openAnswers = {{dir.filePath("Notes.bin")}};
        typed.btnBrowseClick();
        QCOMPARE(typed.edtType->currentText(), QStringLiteral("TXT"));
        QCOMPARE(typed.edtName->text(), QStringLiteral("Notes"));
    }

    void addResourceCreatesReplacesAndRefuses() {
        TScriptedPrompts prompts;
        auto doc = OpenCopy(Sample(), QStringLiteral("add.dog"));
        WriteAll(dir.filePath("Adult.lnz").toStdString(), Bytes("[Ballz Info]\r\n"));
        auto fill = [&](QString type, QString name, QString language, QString file) {
            return [=](QDialog& d) -> int {
                auto& a = static_cast<TfrmAddResource&>(d);
                a.edtFile->setText(file);
                a.edtType->setEditText(type);
                a.edtName->setText(name);
                a.edtLanguage->setText(language);
                return a.btnCreate->isEnabled() ? int(QDialog::Accepted) : int(QDialog::Rejected);
            };
        };
        QStringList listed;
        prompts.dialogs = {[&](QDialog& d) {
            auto& a = static_cast<TfrmAddResource&>(d);
            for (int i = 0; i < a.edtType->count(); ++i)
                listed << a.edtType->itemText(i);
            return fill("lnz", "Adult", "1033", dir.filePath("Adult.lnz"))(d);
        }};
        doc->aAddResourceExecute();
        QCOMPARE(listed.mid(0, 2), (QStringList{"BMP", "LNZ"}));
        QVERIFY(listed.contains("String list") && listed.contains("RCData"));
        QCOMPARE(listed.size(), int(doc->container().root().count())); // LNZ was there already
        tresourcenode* added = Find(*doc, S("LNZ"), S("ADULT"), 1033);
        QVERIFY(added);
        QCOMPARE(added->data, Bytes("[Ballz Info]\r\n"));
        QCOMPARE(added->frameclass, TFrameKind::LNZSynedit);
        QVERIFY(doc->modified());

        // A resource that exists already takes the new bytes in place of the old ones.
        doc->SetModified(false);
        prompts.dialogs = {fill("TXT", "README", "1033", dir.filePath("Adult.lnz"))};
        doc->aAddResourceExecute();
        QCOMPARE(Find(*doc, S("TXT"), S("README"), 1033)->data, Bytes("[Ballz Info]\r\n"));
        QVERIFY(doc->modified());

        // Numeric types named in words, and the hex editor until the file is opened again.
        prompts.dialogs = {fill("String list", "64", "1033", dir.filePath("Adult.lnz"))};
        doc->aAddResourceExecute();
        QCOMPARE(Find(*doc, N(6), N(64), 1033)->frameclass, TFrameKind::HexEditor);

        // Numbers a module cannot store are refused with a message.
        const std::size_t types = doc->container().root().count();
        prompts.dialogs = {fill("70000", "X", "1033", dir.filePath("Adult.lnz"))};
        doc->aAddResourceExecute();
        prompts.dialogs = {fill("TXT", "X", "65536", dir.filePath("Adult.lnz"))};
        doc->aAddResourceExecute();
        QCOMPARE(prompts.messages.size(), 2);
        QCOMPARE(doc->container().root().count(), types);
        QVERIFY(!Find(*doc, S("TXT"), S("X")));

        // A file that cannot be read: the message, and the document stays as it was.
        doc->SetModified(false);
        prompts.dialogs = {[&](QDialog& d) {
            auto& a = static_cast<TfrmAddResource&>(d);
            a.edtFile->setText(dir.filePath("vanishing"));
            a.edtType->setEditText("TXT");
            a.edtName->setText("V");
            return int(QDialog::Accepted);
        }};
        doc->aAddResourceExecute();
        QCOMPARE(prompts.messages.last(),
                 QStringLiteral("Couldn't open the new file for reading. Make sure that it "
                                "isn't open by another application and try again."));
        QVERIFY(!doc->modified());
    }

    void closeQuestionDecidesAndYesSaves() {
        TScriptedPrompts prompts;
        const QString file = CopyInto(dir, Sample(), QStringLiteral("close.dog"));
        auto* doc = new TMDIChild(file.toStdString());
        QPointer<TMDIChild> guard(doc);
        QVERIFY(doc->close()); // not modified: no question
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(guard.isNull());
        QVERIFY(prompts.questions.isEmpty());

        doc = new TMDIChild(file.toStdString());
        guard = doc;
        Find(*doc, S("TXT"), S("README"), 1033)->data = Bytes("changed");
        doc->SetModified(true);
        prompts.answers = {TAnswer::aCancel};
        QVERIFY(!doc->close());
        QCOMPARE(prompts.questions.last(),
                 QStringLiteral("Do you want to save your changes before closing?"));
        prompts.answers = {TAnswer::aYes};
        QVERIFY(doc->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(guard.isNull());
        auto reopened = OpenContainer(file.toStdString());
        QCOMPARE(
            reopened->root().FindChildByName("TXT")->FindChildByName("README")->FindChildByID(1033)->data,
            Bytes("changed"));

        doc = new TMDIChild(file.toStdString());
        doc->SetModified(true);
        prompts.answers = {TAnswer::aNo};
        QVERIFY(doc->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void petsAndBabiesOpenAsTheirPartsAndSaveWithoutACopy() {
        TScriptedPrompts prompts;
        const std::string pet = RealFile("pets/Bertha.pet");
        const std::string baby = RealFile("pets/Bonzi.baby");
        if (pet.empty() || baby.empty()) QSKIP("real game files not present");
        auto doc = OpenCopy(pet, QStringLiteral("Bertha.pet"));
        if (dynamic_cast<TFlatresfile*>(&doc->container()))
            QSKIP("the pet container is not part of this build");
        QStringList top;
        for (int i = 0; i < doc->vstResources->topLevelItemCount(); ++i)
            top << doc->vstResources->topLevelItem(i)->text(0);
        QCOMPARE(top, (QStringList{"LNZ", "Petz info", "Genome", "Picture", "Ancestry"}));
        tresourcenode* lnz = doc->container().root().FindChildByName("LNZ");
        QCOMPARE(doc->ItemOf(lnz->child(0))->text(0), QStringLiteral("Child"));
        doc->SelectNode(lnz);
        QVERIFY(!doc->frame()); // two children: nothing shown
        doc->SelectNode(lnz->child(1));
        QCOMPARE(doc->frame()->kind(), TFrameKind::LNZSynedit);
        QVERIFY(!doc->aDeleteResource->isEnabled());
        QVERIFY(!doc->aRename->isEnabled());
        QVERIFY(doc->aExport->isEnabled());
        QVERIFY(!(doc->vstResources->currentItem()->flags() & Qt::ItemIsEditable));

        prompts.saveAnswers = {dir.filePath("Copy.pet")};
        QVERIFY(doc->SaveDocumentAs());
        QCOMPARE(prompts.saveRequests.last().filter, QStringLiteral("Pet file (*.pet)|*.pet"));
        QCOMPARE(ReadAll(dir.filePath("Copy.pet").toStdString()), ReadAll(pet));
        QVERIFY(doc->frame()); // no copy step, so the frame stays

        auto babyDoc = OpenCopy(baby, QStringLiteral("Bonzi.baby"));
        prompts.saveAnswers = {dir.filePath("Copy.baby")};
        QVERIFY(babyDoc->SaveDocumentAs());
        QCOMPARE(prompts.saveRequests.last().filter, QStringLiteral("Baby file (*.baby)|*.baby"));
        QCOMPARE(ReadAll(dir.filePath("Copy.baby").toStdString()), ReadAll(baby));

        // A damaged file: its message once, and no window.
        auto bytes = ReadAll(baby);
        bytes[bytes.size() / 2] ^= 0x5A;
        WriteAll(dir.filePath("Damaged.baby").toStdString(), bytes);
        prompts.messages.clear();
        QVERIFY_THROWS_EXCEPTION(EAbort, TMDIChild damaged(dir.filePath("Damaged.baby").toStdString()));
        QCOMPARE(prompts.messages, QStringList{"File is damaged or invalid"});
    }

    void exceptionFilterShowsMessagesForTheUserInAnErrorBox() {
        TScriptedPrompts prompts;
        QVERIFY(ExceptionFilter(std::make_exception_ptr(eerrormessage("Couldn't open file!"))));
        QCOMPARE(prompts.errorBoxes, QStringList{"Couldn't open file!"});
        QVERIFY(ExceptionFilter(std::make_exception_ptr(EAbort())));
        QVERIFY(!ExceptionFilter(std::make_exception_ptr(std::runtime_error("boom"))));
        HandleTopLevelException(std::make_exception_ptr(std::runtime_error("boom")));
        QCOMPARE(prompts.crashReports, QStringList{"boom"});
        QCOMPARE(prompts.errorBoxes.size(), 1);
    }
};

QTEST_MAIN(DocumentWindowTest)
#include "DocumentWindowTest.moc"
