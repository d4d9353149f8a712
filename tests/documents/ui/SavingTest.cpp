// Saving: Save and Save As for every container, the new breed, the failure table, and one edit
// carried from the editor into the file and back.
#include "UiTestSupport.h"

#include "documents/Errors.h"
#include "documents/OpenContainer.h"
#include "documents/TDLLresfile.h"
#include "documents/ui/Childwin.h"
#include "editors/ui/TSourceViewFrame.h"
#include "tools/NewBreed.h"
#include "tools/ui/TfrmSaveAsNewBreed.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <map>

using namespace ballforge;
using namespace ballforge::test;

namespace {
std::string Sample() {
    return SourceFile("examples/Sample.dog");
}

using TResourceMap = std::map<std::string, std::vector<std::uint8_t>>;

// Every resource of a module by "type/name/language".
TResourceMap Resources(const std::string& file) {
    auto c = OpenContainer(file);
    TResourceMap out;
    tresourcenode& root = c->root();
    for (std::size_t t = 0; t < root.count(); ++t)
        for (std::size_t n = 0; n < root.child(t)->count(); ++n)
            for (std::size_t l = 0; l < root.child(t)->child(n)->count(); ++l) {
                tresourcenode* leaf = root.child(t)->child(n)->child(l);
                out[c->IdentifierText(*root.child(t)) + "/" + c->IdentifierText(*root.child(t)->child(n)) +
                    "/" + std::to_string(leaf->number)] = leaf->data;
            }
    return out;
}

std::function<int(QDialog&)> Wizard(bool newBreed, int id, std::optional<int>* shownID = nullptr) {
    return [=](QDialog& d) {
        auto& w = static_cast<TfrmSaveAsNewBreed&>(d);
        if (shownID) *shownID = w.SpinEdit1->value();
        (newBreed ? w.rdoNewBreed : w.rdoSaveAnyway)->setChecked(true);
        w.SpinEdit1->setValue(id);
        return int(QDialog::Accepted);
    };
}

const QString kCantSave = QStringLiteral("Couldn't save. Make sure that Petz is not running and the file is "
                                         "not open in another program and try again");
const QString kCopyFailed = QStringLiteral("There was a problem trying to save. Make sure the file is not "
                                           "open by another application and try again.");
const QString kNoStrings =
    QStringLiteral("There is a problem with the breed which prevents it from being saved: The "
                   "string list section is missing or corrupt!");
} // namespace

class SavingTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    std::unique_ptr<TMDIChild> Open(const QString& name, const std::string& source = Sample()) {
        return std::make_unique<TMDIChild>(CopyInto(dir, source, name).toStdString());
    }

private slots:
    void endToEndAnEditInTheLNZEditorReachesTheFileAndNothingElseChanges() {
        TScriptedPrompts prompts;
        const QString file = CopyInto(dir, Sample(), QStringLiteral("EndToEnd.dog"));
        const TResourceMap before = Resources(file.toStdString());
        auto doc = std::make_unique<TMDIChild>(file.toStdString());
        tresourcenode* adult =
            doc->container().root().FindChildByName("LNZ")->FindChildByName("SAMPLE")->child(0);
        doc->SelectNode(adult);
        auto* frame = dynamic_cast<TSourceViewFrame*>(doc->frame());
        QVERIFY(frame);
        frame->sourceEditor()->insertAt(QStringLiteral(";Edited by the test\r\n"), 0, 0);
        doc->Timer1Timer();
        QVERIFY(doc->modified());
        QVERIFY(doc->SaveDocument(file.toStdString()));
        QVERIFY(!doc->modified());
        QVERIFY(doc->frame()); // Save keeps the frame
        doc.reset();

        TResourceMap after = Resources(file.toStdString());
        const std::string key = "LNZ/SAMPLE/1033";
        std::vector<std::uint8_t> expected = Bytes(";Edited by the test\r\n");
        expected.insert(expected.end(), before.at(key).begin(), before.at(key).end());
        QCOMPARE(after.at(key), expected);
        after.erase(key);
        TResourceMap rest = before;
        rest.erase(key);
        QVERIFY(after == rest);
        QVERIFY(prompts.messages.isEmpty());
    }

    void saveAsOfAModuleUnderTheSameFileNameCopiesWithoutTheWizard() {
        TScriptedPrompts prompts;
        auto doc = Open(QStringLiteral("Pug.dog"));
        QDir(dir.path()).mkpath("other");
        const QString target = dir.filePath("other/Pug.dog");
        prompts.saveAnswers = {target};
        QVERIFY(doc->SaveDocumentAs());
        QCOMPARE(prompts.saveRequests.last().filter, QStringLiteral("Dog breed (*.dog)|*.dog"));
        QCOMPARE(prompts.saveRequests.last().defaultExt, QStringLiteral("dog"));
        QCOMPARE(prompts.saveRequests.last().fileName, dir.filePath("Pug.dog"));
        QVERIFY(prompts.dialogs.isEmpty());
        QCOMPARE(doc->container().fileName(), target.toStdString());
        QCOMPARE(doc->windowTitle(), target + "[*]");
        QVERIFY(!doc->frame());
        QVERIFY(Resources(target.toStdString()) == Resources(dir.filePath("Pug.dog").toStdString()));

        // The same full name saves in place.
        prompts.saveAnswers = {target};
        QVERIFY(doc->SaveDocumentAs());
    }

    void saveAsFiltersFollowTheKindOfDocument() {
        TScriptedPrompts prompts;
        struct Case {
            QString name;
            QString filter;
            QString ext;
        } cases[] = {{"Kitty.cat", "Cat breed (*.cat)|*.cat", "cat"},
                     {"Ball.Toy", "Toy file (*.Toy)|*.Toy", "Toy"},
                     {"notes.txt", "All files (*.*)|*.*", ""}};
        WriteAll(dir.filePath("notes.txt").toStdString(), Bytes("x"));
        for (const auto& c : cases) {
            auto doc = c.name.endsWith(".txt")
                           ? std::make_unique<TMDIChild>(dir.filePath(c.name).toStdString())
                           : Open(c.name);
            QVERIFY(!doc->SaveDocumentAs()); // cancelled
            QCOMPARE(prompts.saveRequests.last().filter, c.filter);
            QCOMPARE(prompts.saveRequests.last().defaultExt, c.ext);
        }
        // Save on a new document asks for a name, and a plain file is written directly.
        TMDIChild fresh{std::string()};
        auto* frame = dynamic_cast<TSourceViewFrame*>(fresh.frame());
        frame->sourceEditor()->SetBytes(Bytes("[Ballz Info]"));
        prompts.saveAnswers = {dir.filePath("fresh.lnz")};
        QVERIFY(fresh.SaveDocument(std::string()));
        QCOMPARE(prompts.saveRequests.last().filter, QStringLiteral("All files (*.*)|*.*"));
        QCOMPARE(ReadAll(dir.filePath("fresh.lnz").toStdString()), Bytes("[Ballz Info]"));
        QCOMPARE(fresh.container().fileName(), dir.filePath("fresh.lnz").toStdString());
    }

    void saveAsANewBreedWritesTheIDAndTheName() {
        TScriptedPrompts prompts;
        auto doc = Open(QStringLiteral("Rex.dog"));
        const std::uint32_t oldID = BreedIDOfSpriteList(*FindSpriteListLeaf(doc->container().root()));
        std::optional<int> shown;
        prompts.dialogs = {Wizard(true, 1234, &shown)};
        prompts.saveAnswers = {dir.filePath("Spotty.dog")};
        QVERIFY(doc->SaveDocumentAs());
        QCOMPARE(*shown, int(oldID));
        auto saved = OpenContainer(dir.filePath("Spotty.dog").toStdString());
        QCOMPARE(BreedIDOfSpriteList(*FindSpriteListLeaf(saved->root())), 1234u);
        tresourcenode* strings = FindBreedStringsLeaf(saved->root());
        tresourcenode expected;
        expected.data = FindBreedStringsLeaf(OpenContainer(Sample())->root())->data;
        SetBreedName(expected, "Spotty");
        QCOMPARE(strings->data, expected.data);
        // The old file is untouched.
        QVERIFY(Resources(dir.filePath("Rex.dog").toStdString()) == Resources(Sample()));

        // "Just save it" keeps the old ID and name.
        prompts.dialogs = {Wizard(false, 999)};
        prompts.saveAnswers = {dir.filePath("Backup.dog")};
        QVERIFY(doc->SaveDocumentAs());
        QVERIFY(Resources(dir.filePath("Backup.dog").toStdString()) ==
                Resources(dir.filePath("Spotty.dog").toStdString()));
    }

    void theFailureTable() {
        TScriptedPrompts prompts;
        auto doc = Open(QStringLiteral("Fail.dog"));
        const std::string original = doc->container().fileName();
        tresourcenode* readme = doc->container().root().FindChildByName("TXT")->child(0)->child(0);
        readme->data = Bytes("kept in memory");
        doc->SetModified(true);

        // The container cannot write: still modified, old name and caption.
        QDir(dir.path()).mkpath("adir.dog");
        QVERIFY(!doc->SaveDocument(dir.filePath("adir.dog").toStdString()));
        QCOMPARE(prompts.messages.takeLast(), kCantSave);
        QVERIFY(doc->modified());
        QCOMPARE(doc->container().fileName(), original);
        QCOMPARE(doc->windowTitle(), QString::fromStdString(original) + "[*]");
        QCOMPARE(readme->data, Bytes("kept in memory"));

        // The copy to another folder fails.
        prompts.saveAnswers = {dir.filePath("no/such/folder/Fail.dog")};
        QVERIFY(!doc->SaveDocumentAs());
        QCOMPARE(prompts.messages.takeLast(), kCopyFailed);
        QCOMPARE(doc->container().fileName(), original);
        // ... and the next Save As offers the name the user chose.
        QVERIFY(!doc->SaveDocumentAs());
        QCOMPARE(prompts.saveRequests.last().fileName, dir.filePath("no/such/folder/Fail.dog"));

        // The wizard cancelled: nothing written.
        prompts.dialogs = {[](QDialog&) { return int(QDialog::Rejected); }};
        prompts.saveAnswers = {dir.filePath("Cancelled.dog")};
        QVERIFY(!doc->SaveDocumentAs());
        QVERIFY(!QFile::exists(dir.filePath("Cancelled.dog")));

        // A new breed without the breed strings: the message; the copy stays unchanged; the old name stays.
        tresourcenode* table = doc->container().root().FindChildByID(6);
        table->DeleteChild(table->FindChildByID(63));
        prompts.dialogs = {Wizard(true, 77)};
        prompts.saveAnswers = {dir.filePath("NoStrings.dog")};
        QVERIFY(!doc->SaveDocumentAs());
        QCOMPARE(prompts.messages.takeLast(), kNoStrings);
        QCOMPARE(doc->container().fileName(), original);
        QVERIFY(Resources(dir.filePath("NoStrings.dog").toStdString()) == Resources(Sample()));
        QCOMPARE(BreedIDOfSpriteList(*FindSpriteListLeaf(doc->container().root())), 77u);
        // ... while "Just save it" saves it normally.
        prompts.dialogs = {Wizard(false, 0)};
        prompts.saveAnswers = {dir.filePath("NoStrings.dog")};
        QVERIFY(doc->SaveDocumentAs());
        QVERIFY(!doc->modified());
    }

    void aSpriteListWithoutEntriesStopsTheNewNameWithAClearMessage() {
        TScriptedPrompts prompts;
        auto doc = Open(QStringLiteral("Empty.dog"));
        FindSpriteListLeaf(doc->container().root())->data = {0, 0, 0, 0};
        prompts.saveAnswers = {dir.filePath("Other.dog")};
        try {
            doc->SaveDocumentAs();
            QFAIL("saved");
        } catch (const eerrormessage& e) {
            QVERIFY(std::string(e.what()).find("no entries") != std::string::npos);
        }
        QVERIFY(!QFile::exists(dir.filePath("Other.dog")));
    }

    void aModuleWithoutSpriteListIsCopiedAndSavedWithoutTheWizard() {
        TScriptedPrompts prompts;
        auto doc = Open(QStringLiteral("Ball.toy"));
        tresourcenode& root = doc->container().root();
        root.DeleteChild(root.FindChildByID(10));
        prompts.saveAnswers = {dir.filePath("Ball2.toy")};
        QVERIFY(doc->SaveDocumentAs());
        QCOMPARE(Resources(dir.filePath("Ball2.toy").toStdString()).count("RCData/1003/1033"),
                 std::size_t{0});
    }

    void theWizardKeepsTheTwoFieldsInStepAndItsButtonsFollowTheChoice() {
        TfrmSaveAsNewBreed w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Saving breed..."));
        w.show();
        QVERIFY(w.rdoNewBreed->isChecked());
        QVERIFY(w.button(QWizard::NextButton)->isVisible());
        QVERIFY(!w.button(QWizard::FinishButton)->isVisible());
        QCOMPARE(w.button(QWizard::NextButton)->text(), QStringLiteral("&Next >"));
        w.rdoSaveAnyway->click();
        QVERIFY(!w.button(QWizard::NextButton)->isVisible());
        QVERIFY(w.button(QWizard::FinishButton)->isVisible());
        QCOMPARE(w.button(QWizard::FinishButton)->text(), QStringLiteral("&Finish"));
        QTest::mouseClick(w.lblNewBreed, Qt::LeftButton);
        QVERIFY(w.rdoNewBreed->isChecked());
        QVERIFY(w.button(QWizard::NextButton)->isVisible());

        w.SpinEdit1->setValue(1234);
        QCOMPARE(w.edtHex->text(), QStringLiteral("D204"));
        struct Case {
            const char* typed;
            int id;
        } cases[] = {{"FFFF", 65535}, {"0100", 1}, {"", 0}, {"ab", 0xAB00}};
        for (const auto& c : cases) {
            w.edtHex->clear();
            QTest::keyClicks(w.edtHex, c.typed);
            QCOMPARE(w.SpinEdit1->value(), c.id);
        }
        w.edtHex->clear();
        QTest::keyClicks(w.edtHex, "zq1f-");
        QCOMPARE(w.edtHex->text(), QStringLiteral("1F"));
        QTest::keyClicks(w.edtHex, "12345");
        QCOMPARE(w.edtHex->text().size(), 4);
    }
};

QTEST_MAIN(SavingTest)
#include "SavingTest.moc"
