// The main window: menus in step with the active document, opening files, recent files, start-up rules,
// placement, settings storage, help, About, and failures reaching the top.
#include "UiTestSupport.h"

#include "app/TSettings.h"
#include "app/TWineRegistry.h"
#include "app/ui/TBallforgeApplication.h"
#include "app/ui/THelpViewer.h"
#include "app/ui/TQtSettingsStore.h"
#include "app/ui/TfrmLNZAbout.h"
#include "app/ui/TfrmLNZMain.h"
#include "documents/Errors.h"
#include "documents/ui/Childwin.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

static void InitManual() {
    Q_INIT_RESOURCE(manual);
}

using namespace ballforge;
using namespace ballforge::test;

namespace {
// No game is installed in an empty Wine prefix.
const TWineRegistry& NoGames() {
    static TWineRegistry reg("/nowhere", "");
    return reg;
}
std::string Sample() {
    return SourceFile("examples/Sample.dog");
}

QStringList MenuTexts(QMenu* menu) {
    QStringList out;
    for (QAction* a : menu->actions())
        out << a->text();
    return out;
}
} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void init() { Settings() = TSettings(); }

    void menuItemsFollowTheActiveDocument() {
        TScriptedPrompts prompts;
        TfrmLNZMain main(&NoGames());
        main.show();
        QVERIFY(!main.FileSave1->isEnabled());
        QVERIFY(!main.FileSaveAs1->isEnabled());
        QVERIFY(!main.aConvertToVavoruza->isEnabled());

        TMDIChild* breed = main.OpenDocument(CopyInto(dir, Sample(), "Menu.dog").toStdString());
        main.mdiArea->setActiveSubWindow(breed);
        QVERIFY(main.FileSaveAs1->isEnabled());
        QVERIFY(!main.FileSave1->isEnabled());
        QVERIFY(main.aConvertToVavoruza->isEnabled());
        breed->SetModified(true);
        QVERIFY(main.FileSave1->isEnabled());
        // The document's Edit menu sits between File and Window while it is active.
        const QStringList bar = [&] {
            QStringList t;
            for (QAction* a : main.menuBar()->actions())
                t << a->text();
            return t;
        }();
        QCOMPARE(bar, (QStringList{"&File", "Edit", "&Window", "&Help"}));

        struct Case {
            QString name;
            std::string source;
            bool convert;
        } cases[] = {{"Ball.toy", Sample(), false}, {"Text.dog", {}, false}, {"Kitty.cat", Sample(), true}};
        for (const auto& c : cases) {
            QString file = dir.filePath(c.name);
            if (c.source.empty())
                WriteAll(file.toStdString(), Bytes("plain text"));
            else
                file = CopyInto(dir, c.source, c.name);
            TMDIChild* doc = main.OpenDocument(file.toStdString());
            main.mdiArea->setActiveSubWindow(doc);
            QCOMPARE(main.aConvertToVavoruza->isEnabled(), c.convert);
            QVERIFY(!main.FileSave1->isEnabled());
        }
        for (TMDIChild* d : main.Documents())
            d->SetModified(false);
        main.mdiArea->closeAllSubWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!main.FileSaveAs1->isEnabled());
    }

    void aNewDocumentWindowFitsTheWorkArea() {
        TScriptedPrompts prompts;
        TfrmLNZMain main(&NoGames());
        main.resize(680, 580); // the size of a first run
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        TMDIChild* doc = main.OpenDocument(CopyInto(dir, Sample(), "Fit.dog").toStdString());
        const QRect area(QPoint(0, 0), main.mdiArea->viewport()->size());
        QVERIFY2(area.contains(doc->geometry()), "the document window reaches outside the work area");
        QVERIFY(doc->width() > area.width() / 2);
        doc->close();
    }

    void openingFilesInOrderFillsTheRecentFilesAndAFailureEndsTheBatch() {
        TScriptedPrompts prompts;
        TfrmLNZMain main(&NoGames());
        QVERIFY(!main.mnuOpenRecent->isEnabled());
        QStringList files;
        for (const char* n : {"a.lnz", "b.txt", "c.lnz"}) {
            files << dir.filePath(n);
            WriteAll(files.last().toStdString(), Bytes(n));
        }
        prompts.openAnswers = {files};
        main.FileOpen1Execute();
        QCOMPARE(prompts.openRequests.last().filter.left(41),
                 QStringLiteral("All Petz and Babyz types|*.dog;*.cat;*.pe"));
        QVERIFY(prompts.openRequests.last().multiple);
        QCOMPARE(main.Documents().size(), 3);
        QCOMPARE(main.Documents()[0]->container().fileName(), files[0].toStdString());
        QCOMPARE(main.Documents()[2]->container().fileName(), files[2].toStdString());
        std::vector<std::string> expected;
        for (const auto& f : files)
            expected.push_back(f.toStdString());
        QCOMPARE(Settings().recentFiles.files(), expected);
        QVERIFY(main.mnuOpenRecent->isEnabled());
        QCOMPARE(MenuTexts(main.mnuOpenRecent).size(), 3);
        QCOMPARE(main.mnuOpenRecent->actions().first()->data().toString(), files[2]);
        QCOMPARE(main.lastOpenedFolder(), dir.path() + "/");

        prompts.openAnswers = {{files[0], dir.filePath("missing.lnz"), files[1]}};
        main.FileOpen1Execute();
        QCOMPARE(main.Documents().size(), 4);
        QCOMPARE(prompts.messages.size(), 1);
        QCOMPARE(Settings().recentFiles.files().back(), files[0].toStdString());

        // A recent file opens again and becomes the newest.
        main.mnuOpenRecent->actions().last()->trigger();
        QCOMPARE(main.Documents().size(), 5);
        QCOMPARE(Settings().recentFiles.files().back(), files[1].toStdString());
        for (TMDIChild* d : main.Documents())
            d->SetModified(false);
    }

    void theCommandLineOpensExactlyOneFile() {
        TScriptedPrompts prompts;
        const QString file = CopyInto(dir, Sample(), "Args.dog");
        for (int count : {0, 1, 2}) {
            TfrmLNZMain main(&NoGames());
            QStringList args;
            for (int i = 0; i < count; ++i)
                args << file;
            main.SetCommandLine(args);
            main.show();
            QCoreApplication::processEvents();
            QCOMPARE(main.Documents().size(), count == 1 ? 1 : 0);
        }
    }

    void placementComesFromTheSettingsAndGoesBackToThem() {
        {
            TfrmLNZMain main(&NoGames());
            QCOMPARE(main.pos(), QPoint(20, 20));
            QCOMPARE(main.size(), QSize(680, 580));
            main.move(40, 50);
            main.resize(700, 500);
        }
        QCOMPARE(Settings().WindowPositionText(), std::string("40,50,740,550"));
        Settings().lastFolder = "/remembered/";
        { TfrmLNZMain main(&NoGames()); }
        QCOMPARE(Settings().lastFolder, std::string("/remembered/")); // the Open dialog was not used
        Settings().windowRight = 90;                                  // too narrow: the centred default
        TfrmLNZMain narrow(&NoGames());
        QVERIFY(narrow.width() > 100);
    }

    void settingsStoreKeepsValueKindsAndTheRecentFilesBytes() {
        const QString ini = dir.filePath("settings.ini");
        TSettings s;
        s.recentFiles.AddFile("C:\\Breeds\\Rex.dog");
        s.recentFiles.AddFile("/home/p/\xC3\xA9.lnz");
        s.helpPaneHeight = 200;
        {
            TQtSettingsStore store(ini);
            QVERIFY(!store.KeyExists());
            s.Save(store, "ballforge");
            store.Sync();
        }
        TQtSettingsStore store(ini);
        QVERIFY(store.KeyExists());
        QCOMPARE(*store.ReadBinary("RecentFiles"), EncodeRecentFiles(s.recentFiles.files()));
        QCOMPARE(store.ReadString("WindowPosition"), std::optional<std::string>("20,20,700,600"));
        TSettings back;
        back.Load(store);
        QCOMPARE(back.helpPaneHeight, 200);
        QCOMPARE(back.recentFiles.files(), s.recentFiles.files());
        QVERIFY(!store.ReadBinary("lastpath"));
    }

    void helpAndAbout() {
        TScriptedPrompts prompts;
        QVERIFY(THelpViewer::ManualPresent());
        TfrmLNZMain main(&NoGames());
        main.HelpContents1Execute();
        QVERIFY(main.helpViewer()->isVisible());
        QVERIFY(main.helpViewer()->Browser->toPlainText().contains("Ballforge"));

        QString shownTitle;
        prompts.dialogs = {[&](QDialog& d) {
            shownTitle = d.windowTitle();
            auto* about = static_cast<TfrmLNZAbout*>(&d);
            if (!about->lblProgram->text().contains("V" + QApplication::applicationVersion())) return 0;
            for (QPushButton* b : d.findChildren<QPushButton*>())
                if (b->text() == "Ok") b->click();
            return d.result();
        }};
        main.HelpAbout1Execute();
        QCOMPARE(shownTitle, QStringLiteral("About"));
    }

    void failuresThatReachTheEventLoopAreFiltered() {
        TScriptedPrompts prompts;
        QTimer::singleShot(0, [] { throw eerrormessage("Couldn't read resources from the file."); });
        QTimer::singleShot(0, [] { throw std::logic_error("unexpected"); });
        QTRY_COMPARE(prompts.crashReports.size(), 1);
        QCOMPARE(prompts.errorBoxes, QStringList{"Couldn't read resources from the file."});
        QCOMPARE(prompts.crashReports, QStringList{"unexpected"});
    }
};

int main(int argc, char** argv) {
    TBallforgeApplication app(argc, argv);
    InitManual();
    QApplication::setApplicationVersion(QStringLiteral("0.1.0"));
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "MainWindowTest.moc"
