#include "app/ui/TfrmLNZMain.h"

#include <algorithm>

#include "app/StartupRules.h"
#include "app/TSettings.h"
#include "app/ui/THelpViewer.h"
#include "app/ui/TQtGameRegistry.h"
#include "app/ui/TfrmLNZAbout.h"
#include "documents/OpenContainer.h"
#include "documents/TDLLresfile.h"
#include "documents/ui/Childwin.h"
#include "documents/ui/EAbort.h"
#include "documents/ui/TPrompts.h"
#include "lnz/petzcommon.h"

#include <QAction>
#include <QCloseEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace ballforge {

static const char* const kOpenFilter =
    "All Petz and Babyz types|*.dog;*.cat;*.pet;*.baby;*.toy;*.env;*.lnz;*.clo|Petz Breed file (*.dog; "
    "*.cat)|*.dog;*.cat|Pet file/Baby file (*.pet; *.baby)|*.pet;*.baby|Toy file (*.toy)|*.toy|Playscene "
    "(*.env)|*.env|Raw LNZ file (*.lnz)|*.lnz|Plain text file (*.txt)|*.txt|Clothes (*.clo)|*.clo|All files "
    "(*.*)|*.*";

TfrmLNZMain::TfrmLNZMain(const TGameRegistry* registry, QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Ballforge"));
    setAcceptDrops(true);
    mdiArea = new QMdiArea(this);
    mdiArea->setBackground(palette().brush(QPalette::Dark));
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea);
    CreateActions();
    statusBar()->show();

    if (registry) {
        FindGameFolders(*registry);
    } else {
        const auto system = SystemGameRegistry();
        FindGameFolders(*system);
    }
    connect(mdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* active) {
        MergeEditMenu(active);
        UpdateMenuItems();
    });
    RestorePlacement();

    Settings().recentFiles.onChanged = [this] { RebuildRecentMenu(); };
    RebuildRecentMenu();
    UpdateMenuItems();
}

TfrmLNZMain::~TfrmLNZMain() {
    Settings().recentFiles.onChanged = nullptr;
    StorePlacement();
    // The document windows go first, while this window is whole: they flush their editors as they go.
    disconnect(mdiArea, nullptr, this, nullptr);
    for (QMdiSubWindow* w : mdiArea->subWindowList()) {
        disconnect(w, nullptr, this, nullptr);
        delete w;
    }
}

void TfrmLNZMain::CreateActions() {
    auto make = [this](const QString& caption, const QString& hint, const QKeySequence& key = {}) {
        auto* a = new QAction(caption, this);
        if (!key.isEmpty()) a->setShortcut(key);
        if (!hint.isEmpty()) {
            // "Short|Long": the short part is the button's tip, the long one the status bar's text.
            const QStringList parts = hint.split('|');
            a->setToolTip(parts.front());
            a->setStatusTip(parts.size() > 1 ? parts[1] : parts[0]);
        }
        return a;
    };
    QStyle* s = style();
    FileNew1 = make(QStringLiteral("&New"), QStringLiteral("New|Create a new file"),
                    QKeySequence(Qt::CTRL | Qt::Key_N));
    FileNew1->setIcon(s->standardIcon(QStyle::SP_FileIcon));
    FileOpenFolder1 = make(QStringLiteral("Open folder"), {});
    FileOpen1 = make(QStringLiteral("&Open..."), QStringLiteral("Open|Open a file"),
                     QKeySequence(Qt::CTRL | Qt::Key_O));
    FileOpen1->setIcon(s->standardIcon(QStyle::SP_DialogOpenButton));
    FileClose1 = make(QStringLiteral("&Close"), QStringLiteral("Close|Close current file"));
    FileSave1 = make(QStringLiteral("&Save"), QStringLiteral("Save|Save current file"),
                     QKeySequence(Qt::CTRL | Qt::Key_S));
    FileSave1->setIcon(s->standardIcon(QStyle::SP_DialogSaveButton));
    FileSaveAs1 =
        make(QStringLiteral("Save &As..."), QStringLiteral("Save As|Save current file with different name"));
    aConvertToVavoruza = make(QStringLiteral("Convert to Vavoruza..."), {});
    aConvertToVavoruza->setEnabled(false);
    FileExit1 = make(QStringLiteral("E&xit"), QStringLiteral("Exit|Exit application"));
    WindowCascade1 = make(QStringLiteral("&Cascade"), QStringLiteral("Cascade|Arrange windows overlapped"));
    WindowTileHorizontal1 = make(QStringLiteral("Tile &Horizontally"),
                                 QStringLiteral("Tile Horizontally|Arrange windows side by side"));
    WindowTileVertical1 = make(QStringLiteral("Tile &Vertically"),
                               QStringLiteral("Tile Vertically|Arrange windows one above the other"));
    WindowMinimizeAll1 = make(QStringLiteral("&Minimize All"), {});
    WindowArrangeAll1 = make(QStringLiteral("&Arrange All"), {});
    HelpContents1 = make(QStringLiteral("&Rar Uvedaro Vediri"), {});
    HelpAbout1 = make(QStringLiteral("&About"),
                      QStringLiteral("About|Displays program information, version number, and copyright"));

    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->menuAction()->setStatusTip(QStringLiteral("File related commands"));
    mnuFile->addAction(FileNew1);
    mnuFile->addSeparator();
    mnuFile->addAction(FileOpenFolder1);
    mnuFile->addAction(FileOpen1);
    mnuOpenRecent = mnuFile->addMenu(QStringLiteral("Open Recent..."));
    mnuFile->addAction(FileClose1);
    mnuFile->addAction(FileSave1);
    mnuFile->addAction(FileSaveAs1);
    mnuFile->addSeparator();
    mnuFile->addAction(aConvertToVavoruza);
    mnuFile->addSeparator();
    mnuFile->addAction(FileExit1);
    mnuWindow = menuBar()->addMenu(QStringLiteral("&Window"));
    mnuWindow->menuAction()->setStatusTip(QStringLiteral("Window related commands"));
    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->menuAction()->setStatusTip(QStringLiteral("Help topics"));
    mnuHelp->addAction(HelpContents1);
    mnuHelp->addAction(HelpAbout1);

    // The window menu lists the open windows after the arrangements, as it is opened.
    connect(mnuWindow, &QMenu::aboutToShow, this, [this] {
        mnuWindow->clear();
        mnuWindow->addAction(WindowCascade1);
        mnuWindow->addAction(WindowTileHorizontal1);
        mnuWindow->addAction(WindowTileVertical1);
        mnuWindow->addAction(WindowMinimizeAll1);
        mnuWindow->addAction(WindowArrangeAll1);
        const auto windows = mdiArea->subWindowList();
        if (!windows.isEmpty()) mnuWindow->addSeparator();
        int n = 1;
        for (QMdiSubWindow* w : windows) {
            QString title = w->windowTitle().replace(QStringLiteral("[*]"), QString());
            if (title.isEmpty()) title = QStringLiteral("(new file)");
            QAction* a = mnuWindow->addAction(QStringLiteral("&%1 %2").arg(n++).arg(title));
            a->setCheckable(true);
            a->setChecked(w == mdiArea->activeSubWindow());
            connect(a, &QAction::triggered, this, [this, w] { mdiArea->setActiveSubWindow(w); });
        }
    });
    emit mnuWindow->aboutToShow();

    auto* toolbar = addToolBar(QStringLiteral("Standard"));
    toolbar->setObjectName(QStringLiteral("ToolBar1"));
    toolbar->addAction(FileNew1);
    toolbar->addAction(FileOpen1);
    toolbar->addAction(FileSave1);
    toolbar->addSeparator();
    WindowCascade1->setIcon(s->standardIcon(QStyle::SP_TitleBarNormalButton));
    WindowTileHorizontal1->setIcon(s->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton));
    WindowTileVertical1->setIcon(s->standardIcon(QStyle::SP_ToolBarVerticalExtensionButton));
    toolbar->addAction(WindowCascade1);
    toolbar->addAction(WindowTileHorizontal1);
    toolbar->addAction(WindowTileVertical1);

    connect(FileNew1, &QAction::triggered, this, &TfrmLNZMain::FileNew1Execute);
    connect(FileOpen1, &QAction::triggered, this, &TfrmLNZMain::FileOpen1Execute);
    connect(FileClose1, &QAction::triggered, mdiArea, &QMdiArea::closeActiveSubWindow);
    connect(FileSave1, &QAction::triggered, this, &TfrmLNZMain::FileSave1Execute);
    connect(FileSaveAs1, &QAction::triggered, this, &TfrmLNZMain::FileSaveAs1Execute);
    connect(aConvertToVavoruza, &QAction::triggered, this, [this] {
        if (TMDIChild* doc = ActiveDocument(); doc && onConvertToVavoruza) onConvertToVavoruza(*doc);
    });
    connect(FileExit1, &QAction::triggered, this, &QWidget::close);
    connect(WindowCascade1, &QAction::triggered, mdiArea, &QMdiArea::cascadeSubWindows);
    connect(WindowTileHorizontal1, &QAction::triggered, mdiArea, &QMdiArea::tileSubWindows);
    connect(WindowTileVertical1, &QAction::triggered, this, [this] {
        // Qt tiles in a grid; one above the other needs placing by hand.
        const auto windows = mdiArea->subWindowList();
        if (windows.isEmpty()) return;
        const int h = mdiArea->viewport()->height() / static_cast<int>(windows.size());
        int y = 0;
        for (QMdiSubWindow* w : windows) {
            w->showNormal();
            w->setGeometry(0, y, mdiArea->viewport()->width(), h);
            y += h;
        }
    });
    connect(WindowMinimizeAll1, &QAction::triggered, this, [this] {
        for (QMdiSubWindow* w : mdiArea->subWindowList())
            w->showMinimized();
    });
    connect(WindowArrangeAll1, &QAction::triggered, mdiArea, &QMdiArea::tileSubWindows);
    connect(HelpContents1, &QAction::triggered, this, &TfrmLNZMain::HelpContents1Execute);
    connect(HelpAbout1, &QAction::triggered, this, &TfrmLNZMain::HelpAbout1Execute);
    // Folder browsing comes with the folder browser windows; until then the command has nothing to open.
    FileOpenFolder1->setEnabled(false);
}

void TfrmLNZMain::FindGameFolders(const TGameRegistry& registry) {
    GameRootFolders = ballforge::FindGameFolders(registry);
}

void TfrmLNZMain::RestorePlacement() {
    const TSettings& s = Settings();
    resize(800, 600);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
        if (auto placement =
                PlacementFromSettings(s, screen->geometry().width(), screen->geometry().height())) {
            move(placement->left, placement->top);
            resize(placement->width, placement->height);
        }
    }
    if (s.mainWindowState == wsMinimized)
        setWindowState(Qt::WindowMinimized);
    else if (s.mainWindowState == wsMaximized)
        setWindowState(Qt::WindowMaximized);
}

void TfrmLNZMain::StorePlacement() {
    TSettings& s = Settings();
    // A run without the Open dialog keeps the folder remembered from before.
    if (!lastOpenedFolder_.isEmpty()) s.lastFolder = lastOpenedFolder_.toStdString();
    const QRect r = (isMaximized() || isMinimized()) ? normalGeometry() : geometry();
    const QPoint p = (isMaximized() || isMinimized()) ? r.topLeft() : pos();
    s.windowLeft = p.x();
    s.windowTop = p.y();
    s.windowRight = p.x() + r.width();
    s.windowBottom = p.y() + r.height();
    s.mainWindowState = isMinimized() ? wsMinimized : isMaximized() ? wsMaximized : wsNormal;
}

void TfrmLNZMain::RebuildRecentMenu() {
    mnuOpenRecent->clear();
    const QFontMetrics metrics(font());
    for (const auto& entry : Settings().recentFiles.MenuEntries()) {
        const QString path = QString::fromStdString(entry.fileName);
        QString caption = metrics.elidedText(path, Qt::ElideMiddle, 300);
        if (caption.isEmpty()) caption = path;
        QAction* a = mnuOpenRecent->addAction(caption.replace('&', QStringLiteral("&&")));
        a->setData(path);
        connect(a, &QAction::triggered, this, [this, path] { OpenDocument(path.toStdString()); });
    }
    mnuOpenRecent->setEnabled(!Settings().recentFiles.files().empty());
}

// A new document window never starts larger than the work area (on a first run the main window is
// small): it keeps its cascaded place when it fits there, else it starts at the top left corner.
void TfrmLNZMain::FitIntoWorkArea(QWidget* child) {
    const QSize area = mdiArea->viewport()->size();
    if (area.width() < 200 || area.height() < 150) return;
    QPoint at = child->pos();
    if (at.x() < 0 || at.y() < 0 || at.x() + 300 > area.width() || at.y() + 200 > area.height()) at = QPoint(0, 0);
    const QSize size(std::min(child->width(), area.width() - at.x()), std::min(child->height(), area.height() - at.y()));
    child->setGeometry(QRect(at, size));
}

TMDIChild* TfrmLNZMain::OpenDocument(const std::string& fileName) {
    auto* child = new TMDIChild(fileName, nullptr);
    connect(child, &TMDIChild::menuStateChanged, this, &TfrmLNZMain::UpdateMenuItems);
    mdiArea->addSubWindow(child);
    switch (Settings().childWindowState) {
    case wsMinimized:
        child->showMinimized();
        break;
    case wsMaximized:
        child->showMaximized();
        break;
    default:
        child->show();
        FitIntoWorkArea(child);
        break;
    }
    if (!fileName.empty()) Settings().recentFiles.AddFile(fileName);
    UpdateMenuItems();
    return child;
}

void TfrmLNZMain::OpenFiles(const QStringList& files) {
    for (const QString& f : files) {
        try {
            OpenDocument(f.toStdString());
        } catch (const EAbort&) {
            return; // the reason is shown already; the rest of the batch is dropped too
        }
    }
}

TMDIChild* TfrmLNZMain::ActiveDocument() const {
    QMdiSubWindow* active = mdiArea->activeSubWindow();
    if (!active && !mdiArea->subWindowList().isEmpty()) active = mdiArea->currentSubWindow();
    return qobject_cast<TMDIChild*>(active);
}

QList<TMDIChild*> TfrmLNZMain::Documents() const {
    QList<TMDIChild*> docs;
    for (QMdiSubWindow* w : mdiArea->subWindowList())
        if (auto* d = qobject_cast<TMDIChild*>(w)) docs << d;
    return docs;
}

void TfrmLNZMain::UpdateMenuItems() {
    TMDIChild* doc = mdiArea->subWindowList().isEmpty() ? nullptr : ActiveDocument();
    if (doc) {
        FileSaveAs1->setEnabled(true);
        FileSave1->setEnabled(doc->modified());
        const Species species = SpeciesOfFile(doc->container().fileName());
        const bool breed =
            dynamic_cast<TDLLresfile*>(&doc->container()) && (species == spDog || species == spCat);
        aConvertToVavoruza->setEnabled(breed);
    } else {
        FileSaveAs1->setEnabled(false);
        FileSave1->setEnabled(false);
        aConvertToVavoruza->setEnabled(false);
    }
}

void TfrmLNZMain::MergeEditMenu(QMdiSubWindow* active) {
    if (mergedEditAction_) {
        menuBar()->removeAction(mergedEditAction_);
        mergedEditAction_ = nullptr;
    }
    auto* doc = qobject_cast<TMDIChild*>(active);
    if (!doc) return;
    mergedEditMenu_ = doc->editMenu();
    mergedEditAction_ = doc->editMenu()->menuAction();
    menuBar()->insertAction(mnuWindow->menuAction(), mergedEditAction_);
    connect(doc, &QObject::destroyed, this, [this, action = mergedEditAction_] {
        if (mergedEditAction_ == action) mergedEditAction_ = nullptr;
    });
}

void TfrmLNZMain::FileNew1Execute() {
    OpenDocument(std::string());
}

void TfrmLNZMain::FileOpen1Execute() {
    TFileDialogRequest request;
    request.title = QStringLiteral("Open");
    request.filter = QString::fromLatin1(kOpenFilter);
    request.multiple = true;
    request.mustExist = true;
    request.folder = QString::fromStdString(Settings().lastFolder);
    const QStringList files = Prompts().OpenFiles(request);
    if (files.isEmpty()) return;
    lastOpenedFolder_ = QFileInfo(files.back()).absolutePath() + '/';
    OpenFiles(files);
}

void TfrmLNZMain::FileSave1Execute() {
    if (TMDIChild* doc = ActiveDocument()) doc->SaveDocument(doc->container().fileName());
}

void TfrmLNZMain::FileSaveAs1Execute() {
    if (TMDIChild* doc = ActiveDocument()) doc->SaveDocumentAs();
}

THelpViewer* TfrmLNZMain::helpViewer() {
    if (!helpViewer_) helpViewer_ = new THelpViewer(this);
    return helpViewer_;
}

void TfrmLNZMain::HelpContents1Execute() {
    THelpViewer* viewer = helpViewer();
    viewer->ShowPage(QStringLiteral("index.html"));
    viewer->show();
    viewer->raise();
}

void TfrmLNZMain::HelpAbout1Execute() {
    TfrmLNZAbout about(this);
    Prompts().Exec(about);
}

void TfrmLNZMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    std::vector<std::string> args;
    for (const QString& a : commandLine_)
        args.push_back(a.toStdString());
    if (auto file = FileToOpenFromArguments(args)) {
        const QString name = QString::fromStdString(*file);
        QMetaObject::invokeMethod(
            this, [this, name] { OpenFiles({name}); }, Qt::QueuedConnection);
    }
}

void TfrmLNZMain::closeEvent(QCloseEvent* event) {
    for (QMdiSubWindow* w : mdiArea->subWindowList()) {
        mdiArea->setActiveSubWindow(w);
        if (!w->close()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

void TfrmLNZMain::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TfrmLNZMain::dropEvent(QDropEvent* event) {
    QStringList files;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) files << url.toLocalFile();
    event->acceptProposedAction();
    OpenFiles(files);
}

} // namespace ballforge
