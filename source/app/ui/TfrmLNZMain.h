#pragma once
// The main window: the document windows, the File, Window and Help menus, and opening files.
#include "app/GameFolders.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <string>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace ballforge {

class TMDIChild;
class THelpViewer;
class TfrmLNZAbout;

class TfrmLNZMain : public QMainWindow {
    Q_OBJECT
public:
    /// registry: where the games' keys are read (none: this system's own).
    explicit TfrmLNZMain(const TGameRegistry* registry = nullptr, QWidget* parent = nullptr);
    ~TfrmLNZMain() override;

    /// Opens a document window for the file (empty: a new document) and adds a named file to the
    /// recent files. Failures pass on; the name is then not added.
    TMDIChild* OpenDocument(const std::string& fileName);
    void FitIntoWorkArea(QWidget* child);
    /// Opens the files in order; the first failure ends the batch.
    void OpenFiles(const QStringList& files);
    void UpdateMenuItems();
    void FindGameFolders(const TGameRegistry& registry);

    /// The program's arguments (after the program itself), read when the window is first shown.
    void SetCommandLine(const QStringList& arguments) { commandLine_ = arguments; }

    TMDIChild* ActiveDocument() const;
    QList<TMDIChild*> Documents() const;

    TGameRootFolders GameRootFolders;
    QMdiArea* mdiArea = nullptr;
    QMenu* mnuFile = nullptr;
    QMenu* mnuWindow = nullptr;
    QMenu* mnuHelp = nullptr;
    QMenu* mnuOpenRecent = nullptr;
    QAction* FileNew1 = nullptr;
    QAction* FileOpenFolder1 = nullptr;
    QAction* FileOpen1 = nullptr;
    QAction* FileClose1 = nullptr;
    QAction* FileSave1 = nullptr;
    QAction* FileSaveAs1 = nullptr;
    QAction* aConvertToVavoruza = nullptr;
    QAction* FileExit1 = nullptr;
    QAction* WindowCascade1 = nullptr;
    QAction* WindowTileHorizontal1 = nullptr;
    QAction* WindowTileVertical1 = nullptr;
    QAction* WindowMinimizeAll1 = nullptr;
    QAction* WindowArrangeAll1 = nullptr;
    QAction* HelpContents1 = nullptr;
    QAction* HelpAbout1 = nullptr;

    /// The conversion to a Vavoruza is plugged in by the breed tools.
    std::function<void(TMDIChild&)> onConvertToVavoruza;

    /// The folder part of the file last chosen in the Open dialog during this run (empty if none).
    QString lastOpenedFolder() const { return lastOpenedFolder_; }
    THelpViewer* helpViewer();

public slots:
    void FileNew1Execute();
    void FileOpen1Execute();
    void FileSave1Execute();
    void FileSaveAs1Execute();
    void HelpContents1Execute();
    void HelpAbout1Execute();
    void RebuildRecentMenu();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateActions();
    void RestorePlacement();
    void StorePlacement();
    void MergeEditMenu(QMdiSubWindow* active);

    QStringList commandLine_;
    bool shown_ = false;
    QString lastOpenedFolder_;
    QPointer<QMenu> mergedEditMenu_;
    QAction* mergedEditAction_ = nullptr;
    QPointer<THelpViewer> helpViewer_;
};

} // namespace ballforge
