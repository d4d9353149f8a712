// Pictures of the LNZ editor on a breed: the message list after a check, section help, the ball
// number picker and the colour picker. scripts/screenshots-lnz.sh runs it under Xvfb.
#include "app/TSettings.h"
#include "app/ui/TBallforgeApplication.h"
#include "app/ui/TfrmLNZMain.h"
#include "documents/ui/Childwin.h"
#include "editors/ui/TSourceEditor.h"
#include "formats/ui/TPetzColourGrid.h"
#include "formats/ui/TPetzColourPicker.h"
#include "formats/ui/TfrmColourPicker.h"
#include "lnz/ui/TViewframeLNZSynedit.h"
#include "lnz/ui/TfrmBallNumber.h"

#include <QDir>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <iostream>

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
    const QStringList args = QApplication::arguments();
    if (args.size() != 3) {
        std::cerr << "usage: ballforge-lnz-screenshots OUTDIR BREEDFILE\n";
        return 2;
    }
    const QString out = args[1];
    QDir().mkpath(out);
    Settings().childWindowState = wsMaximized;
    Settings().helpPaneHeight = 180;
    TfrmLNZMain main;
    main.resize(1100, 760);
    main.move(0, 0);
    main.show();
    TMDIChild* doc = main.OpenDocument(args[2].toStdString());
    doc->showMaximized();
    for (QTreeWidgetItemIterator it(doc->vstResources); *it; ++it) {
        tresourcenode* node = doc->NodeOf(*it);
        if (node && TMDIChild::ShownNodeFor(node) == node && node->frameclass == TFrameKind::LNZSynedit) {
            doc->SelectNode(node);
            break;
        }
    }
    auto* frame = dynamic_cast<TViewframeLNZSynedit*>(doc->frame());
    if (!frame) {
        std::cerr << "no LNZ resource in " << args[2].toStdString() << "\n";
        return 1;
    }
    TframeLNZSynedit* editor = frame->panel();
    Save(main, out + "/lnz-1-editor.png");
    // A mistake or two, so that the list has entries to show.
    editor->SynEdit1->insertAt(QStringLiteral("[Paint Balz]\r\n"), 30, 0);
    editor->Checkforerrors1->trigger();
    editor->lstMessages->setCurrentRow(0);
    editor->lstMessages->scrollToItem(editor->lstMessages->item(0));
    editor->lstMessagesDblClick();
    Save(main, out + "/lnz-2-messages.png");
    // F1 on a line of a known section.
    for (int line = 0; line < editor->SynEdit1->lines(); ++line) {
        if (editor->SynEdit1->text(line).startsWith(QStringLiteral("[Move]"))) {
            editor->SynEdit1->setCursorPosition(line + 1, 0);
            break;
        }
    }
    editor->SynEdit1KeyDown(Qt::Key_F1);
    Save(main, out + "/lnz-3-help.png");

    TfrmBallNumber& picker = frmBallNumber();
    picker.lstDogz->setCurrentRow(24);
    picker.show();
    Save(picker, out + "/dialog-ball-number.png");
    picker.hide();

    TfrmColourPicker colours;
    colours.Prepare(42, true, true, pfpPetz);
    colours.show();
    colours.Timer1Timer();
    Save(colours, out + "/dialog-colour-picker.png");
    colours.rbNoColour->click();
    Save(colours, out + "/dialog-colour-picker-none.png");

    QWidget swatches;
    swatches.resize(180, 45);
    auto* a = new TPetzColourPicker(&swatches);
    a->move(5, 5);
    a->setValue(42);
    auto* b = new TPetzColourPicker(&swatches);
    b->move(65, 5);
    b->setValue(300);
    auto* c = new TPetzColourPicker(&swatches);
    c->move(125, 5);
    c->setValue(170);
    c->setEnabled(false);
    swatches.show();
    Save(swatches, out + "/swatches.png");
    return 0;
}
