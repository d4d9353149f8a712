// Opens files in the desktop program, selects one resource of each editor kind, and saves a picture
// of the main window for each: scripts/screenshots.sh runs it under Xvfb.
#include "app/TSettings.h"
#include "app/ui/TBallforgeApplication.h"
#include "app/ui/THelpViewer.h"
#include "app/ui/TfrmLNZAbout.h"
#include "app/ui/TfrmLNZMain.h"
#include "documents/ui/TfrmAddResource.h"
#include "tools/ui/TfrmSaveAsNewBreed.h"

#include "documents/FrameKind.h"
#include "documents/ui/Childwin.h"
#include <QSpinBox>

#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QTest>
#include <QTreeWidget>

#include <iostream>
#include <set>

static void InitManual() {
    Q_INIT_RESOURCE(manual);
}

using namespace ballforge;

static void Save(QWidget& window, const QString& file) {
    QApplication::processEvents();
    QTest::qWait(150);
    window.grab().save(file);
    std::cout << file.toStdString() << "\n";
}

int main(int argc, char** argv) {
    TBallforgeApplication app(argc, argv);
    InitManual();
    QApplication::setApplicationName(QStringLiteral("Ballforge"));
    QApplication::setApplicationVersion(QStringLiteral("0.1.0"));
    const QStringList args = QApplication::arguments();
    if (args.size() < 3) {
        std::cerr << "usage: ballforge-screenshots OUTDIR FILE...\n";
        return 2;
    }
    const QString out = args[1];
    QDir().mkpath(out);
    Settings().childWindowState = wsMaximized;
    TfrmLNZMain main;
    main.resize(1000, 700);
    main.move(0, 0);
    main.show();
    for (int i = 2; i < args.size(); ++i) {
        const QString base = QFileInfo(args[i]).completeBaseName().replace(' ', '_');
        TMDIChild* doc = main.OpenDocument(args[i].toStdString());
        doc->showMaximized();
        Save(main, QStringLiteral("%1/%2-0-opened.png").arg(out, base));
        std::set<TFrameKind> seen;
        int n = 1;
        for (QTreeWidgetItemIterator it(doc->vstResources); *it; ++it) {
            tresourcenode* node = doc->NodeOf(*it);
            tresourcenode* shown = TMDIChild::ShownNodeFor(node);
            if (!shown || shown->data.empty() || IsBaseFrame(shown->frameclass) || shown != node) continue;
            if (!seen.insert(shown->frameclass).second) continue;
            doc->SelectNode(node);
            Save(main, QStringLiteral("%1/%2-%3-%4.png")
                           .arg(out, base)
                           .arg(n++)
                           .arg(QString::fromLatin1(FrameClassName(shown->frameclass).data())));
        }
    }
    // The dialogs, each on its own.
    TfrmLNZAbout about(&main);
    about.show();
    Save(about, out + "/dialog-about.png");
    TfrmAddResource add(&main);
    add.SetTypes({"BMP", "LNZ", "TXT", "String list", "RCData"});
    add.show();
    Save(add, out + "/dialog-add-resource.png");
    TfrmSaveAsNewBreed wizard(&main);
    wizard.show();
    Save(wizard, out + "/dialog-new-breed-1.png");
    wizard.next();
    wizard.SpinEdit1->setValue(1234);
    Save(wizard, out + "/dialog-new-breed-2.png");
    main.HelpContents1Execute();
    Save(*main.helpViewer(), out + "/help.png");
    return 0;
}
