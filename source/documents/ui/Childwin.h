#pragma once

// The document window: one open file, its resource tree and the editor of the selected resource.
#include "documents/OpenContainer.h"
#include "documents/Tresourcefile.h"
#include "documents/ui/TViewFrame.h"

#include <QMdiSubWindow>

#include <memory>
#include <string>

class QAction;
class QMenu;
class QSplitter;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

class QLabel;

namespace ballforge {

/// A child window of the main window. It owns the file's container and the installed frame.
class TMDIChild : public QMdiSubWindow {
    Q_OBJECT
public:
    /// Opens the file (an empty name makes a new, unnamed document). Throws EAbort after telling the
    /// user when the file cannot be opened; other failures pass unchanged.
    explicit TMDIChild(const std::string& fileName, QWidget* parent = nullptr);
    ~TMDIChild() override;

    Tresourcefile& container() const { return *container_; }
    bool modified() const { return modified_; }
    TViewFrame* frame() const { return frame_.get(); }
    QMenu* editMenu() const { return mnuEdit; }

    void SetModified(bool value);
    void SetFrame(std::unique_ptr<TViewFrame> frame);
    void flushframe();
    void RebuildTree();

    /// Saves into the named file (an empty name asks for one); true when it was saved.
    bool SaveDocument(const std::string& fileName);
    /// Asks for a file name and saves there; true when it was saved.
    bool SaveDocumentAs();
    /// The filter of the last Save As dialog, in its "Description|pattern" form.
    const QString& saveFilter() const { return lastSaveFilter_; }

    /// The node whose frame a selection shows: down through empty nodes with a single child.
    static tresourcenode* ShownNodeFor(tresourcenode* selected);
    /// The tree item of a node, or none.
    QTreeWidgetItem* ItemOf(const tresourcenode* node) const;
    tresourcenode* NodeOf(const QTreeWidgetItem* item) const;
    tresourcenode* SelectedNode() const;
    /// Selects the node's item (none clears the selection), as a click would.
    void SelectNode(const tresourcenode* node);
    /// Accepts a new text for a node, as in-place editing does.
    void RenameNode(tresourcenode* node, const QString& text);

    // The controls and actions, named as the window's form names them.
    QTreeWidget* vstResources = nullptr;
    QWidget* pnlLeft = nullptr;
    QWidget* pnlRight = nullptr;
    QLabel* lblNothingShown = nullptr; // says why the right side is empty, so it never looks broken
    QSplitter* splitter = nullptr;
    QTimer* Timer1 = nullptr;
    QAction* aUndo = nullptr;
    QAction* aCut = nullptr;
    QAction* aCopy = nullptr;
    QAction* aPaste = nullptr;
    QAction* aSelectAll = nullptr;
    QAction* aReplaceFromFile = nullptr;
    QAction* aExport = nullptr;
    QAction* aAddResource = nullptr;
    QAction* aDeleteResource = nullptr;
    QAction* aRename = nullptr;
    QMenu* mnuEdit = nullptr;
    QMenu* popupMenu = nullptr;

public slots:
    void Timer1Timer();
    void vstResourcesChange();
    void UpdateNothingShown();
    void aReplaceFromFileExecute();
    void aExportExecute();
    void aAddResourceExecute();
    void aDeleteResourceExecute();
    void aRenameExecute();

signals:
    /// The modified flag or the selection changed: the main window updates its menu.
    void menuStateChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void CreateControls();
    void CreateActions();
    void UpdateSelectionActions();
    void UpdateEditActions();
    tresourcenode* ShownNode() const;
    bool IsPEDocument() const;
    bool IsPartContainer() const;
    bool SaveChosen(const std::string& chosen, TContainerKind kind);

    std::unique_ptr<TViewFrame> frame_;
    bool modified_ = false;
    std::unique_ptr<Tresourcefile> container_;
    QString failedSaveName_;
    QString lastSaveFilter_ = QStringLiteral("Raw LNZ file (*.lnz)|*.lnz|All files (*.*)|*.*");
};

} // namespace ballforge
