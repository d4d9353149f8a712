#include "documents/ui/Childwin.h"

#include <QLabel>

#include "app/TSettings.h"
#include "documents/Errors.h"
#include "documents/FileUtils.h"
#include "documents/OpenContainer.h"
#include "documents/TDLLresfile.h"
#include "documents/TFlatresfile.h"
#include "documents/ui/EAbort.h"
#include "documents/ui/TFrameRegistry.h"
#include "documents/ui/TPrompts.h"
#include "documents/ui/TfrmAddResource.h"
#include "lnz/petzcommon.h"
#include "tools/NewBreed.h"
#include "tools/ui/TfrmSaveAsNewBreed.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <Qsci/qsciscintilla.h>

#include <filesystem>
#include <functional>

namespace ballforge {

namespace {

constexpr int NodeRole = Qt::UserRole + 1;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// In-place editing hands the accepted text to the window instead of writing it into the item: the
// item's text follows the node, which may show a type number as its name.
class TResourceItemDelegate : public QStyledItemDelegate {
public:
    TResourceItemDelegate(TMDIChild* window, QObject* parent)
        : QStyledItemDelegate(parent), window_(window) {}
    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override {
        auto* edit = qobject_cast<QLineEdit*>(editor);
        if (!edit) return;
        auto* node = reinterpret_cast<tresourcenode*>(index.data(NodeRole).value<quintptr>());
        const QString text = edit->text();
        // Renaming rebuilds items; let the view finish its editing first.
        QTimer::singleShot(0, window_, [w = window_, node, text] { w->RenameNode(node, text); });
    }

private:
    TMDIChild* window_;
};

QString ItemText(const tresourcenode& node) {
    if (!node.isNumeric()) return Q(node.name);
    if (node.Level() == 0) return Q(ResourceTypeName(node.number));
    return QString::number(node.number);
}

} // namespace

TMDIChild::TMDIChild(const std::string& fileName, QWidget* parent) : QMdiSubWindow(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Loading..."));
    CreateControls();
    CreateActions();

    try {
        const TContainerKind kind = ContainerKindFor(fileName);
        container_ = CreateContainer(kind, fileName);
        if (!fileName.empty()) container_->Load();
    } catch (const eerrormessage& e) {
        // A pet or baby that cannot be trusted (EDamagedfile, "File is damaged or invalid") gets its own
        // plain message, and the opening ends without another word. Modules' messages go to the filter.
        if (!container_ || !IsPartContainer()) throw;
        Prompts().Message(QString::fromStdString(e.what()));
        throw EAbort();
    } catch (const EFileOpenError&) {
        Prompts().Message(
            QStringLiteral("Sorry, couldn't open the file \"%1\". Check that it is not open in another "
                           "application and try again.")
                .arg(Q(fileName)));
        throw EAbort();
    }

    RebuildTree();
    const bool flat = dynamic_cast<TFlatresfile*>(container_.get()) != nullptr;
    pnlLeft->setVisible(!flat);
    aAddResource->setEnabled(IsPEDocument());

    if (flat) {
        const bool lnz = fileName.empty() || UpperExtension(fileName) == ".LNZ";
        auto frame = CreateViewFrame(lnz ? TFrameKind::LNZSynedit : TFrameKind::TextEditor, pnlRight,
                                     &container_->root());
        frame_ = std::move(frame);
        frame_->LoadFromNode();
    }
    UpdateNothingShown();

    setWindowTitle(Q(fileName) + QStringLiteral("[*]"));
    SetModified(false);
    UpdateSelectionActions();
}

TMDIChild::~TMDIChild() {
    // The frame stores pending edits into its node before the tree goes.
    try {
        SetFrame(nullptr);
    } catch (...) {
    }
    if (isMinimized())
        Settings().childWindowState = wsMinimized;
    else if (isMaximized())
        Settings().childWindowState = wsMaximized;
    else
        Settings().childWindowState = wsNormal;
}

void TMDIChild::CreateControls() {
    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    splitter = new QSplitter(Qt::Horizontal, content);
    splitter->setChildrenCollapsible(false);
    pnlLeft = new QWidget(splitter);
    auto* leftLayout = new QVBoxLayout(pnlLeft);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    vstResources = new QTreeWidget(pnlLeft);
    vstResources->setObjectName(QStringLiteral("vstResources"));
    vstResources->setColumnCount(1);
    vstResources->header()->hide();
    vstResources->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    vstResources->setExpandsOnDoubleClick(true);
    vstResources->setItemDelegate(new TResourceItemDelegate(this, vstResources));
    vstResources->setContextMenuPolicy(Qt::CustomContextMenu);
    leftLayout->addWidget(vstResources);
    pnlRight = new QWidget(splitter);
    pnlRight->setObjectName(QStringLiteral("pnlRight"));
    auto* rightLayout = new QVBoxLayout(pnlRight);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    lblNothingShown = new QLabel(pnlRight);
    lblNothingShown->setObjectName(QStringLiteral("lblNothingShown"));
    lblNothingShown->setAlignment(Qt::AlignCenter);
    lblNothingShown->setWordWrap(true);
    lblNothingShown->setEnabled(false); // drawn in the greyed text colour
    rightLayout->addWidget(lblNothingShown);
    splitter->addWidget(pnlLeft);
    splitter->addWidget(pnlRight);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({161, 600});
    layout->addWidget(splitter);
    setWidget(content);
    resize(760, 520);

    connect(vstResources, &QTreeWidget::currentItemChanged, this, [this] { vstResourcesChange(); });
    connect(vstResources, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        // A right click selects the item under the mouse before the menu opens.
        if (QTreeWidgetItem* item = vstResources->itemAt(pos)) vstResources->setCurrentItem(item);
        popupMenu->popup(vstResources->viewport()->mapToGlobal(pos));
    });

    Timer1 = new QTimer(this);
    Timer1->setInterval(200);
    connect(Timer1, &QTimer::timeout, this, &TMDIChild::Timer1Timer);
    Timer1->start();
}

// The standard editing commands act on whatever control has the focus.
static void OnFocused(const std::function<void(QsciScintilla*)>& sci,
                      const std::function<void(QLineEdit*)>& line,
                      const std::function<void(QPlainTextEdit*)>& plain) {
    QWidget* w = QApplication::focusWidget();
    if (auto* s = qobject_cast<QsciScintilla*>(w))
        sci(s);
    else if (auto* l = qobject_cast<QLineEdit*>(w))
        line(l);
    else if (auto* p = qobject_cast<QPlainTextEdit*>(w))
        plain(p);
}

void TMDIChild::CreateActions() {
    auto make = [this](const QString& caption, const QKeySequence& key = {}) {
        auto* a = new QAction(caption, this);
        if (!key.isEmpty()) a->setShortcut(key);
        a->setProperty("category", QStringLiteral("Edit"));
        return a;
    };
    aUndo = make(QStringLiteral("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    aCut = make(QStringLiteral("Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X));
    aCut->setStatusTip(QStringLiteral("Cuts the selection and puts it on the Clipboard"));
    aCut->setToolTip(QStringLiteral("Cut"));
    aCopy = make(QStringLiteral("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    aCopy->setStatusTip(QStringLiteral("Copies the selection and puts it on the Clipboard"));
    aCopy->setToolTip(QStringLiteral("Copy"));
    aPaste = make(QStringLiteral("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V));
    aPaste->setStatusTip(QStringLiteral("Inserts Clipboard contents"));
    aPaste->setToolTip(QStringLiteral("Paste"));
    aSelectAll = make(QStringLiteral("Select &All"), QKeySequence(Qt::CTRL | Qt::Key_A));
    aReplaceFromFile = make(QStringLiteral("Replace from file..."));
    aExport = make(QStringLiteral("Save to file..."));
    aAddResource = make(QStringLiteral("Add resource..."));
    aDeleteResource = make(QStringLiteral("Delete resource..."));
    aRename = make(QStringLiteral("Rename"));
    aReplaceFromFile->setEnabled(false);
    aExport->setEnabled(false);
    aDeleteResource->setEnabled(false);
    aRename->setEnabled(false);

    connect(aUndo, &QAction::triggered, this, [] {
        OnFocused([](QsciScintilla* s) { s->undo(); }, [](QLineEdit* l) { l->undo(); },
                  [](QPlainTextEdit* p) { p->undo(); });
    });
    connect(aCut, &QAction::triggered, this, [] {
        OnFocused([](QsciScintilla* s) { s->cut(); }, [](QLineEdit* l) { l->cut(); },
                  [](QPlainTextEdit* p) { p->cut(); });
    });
    connect(aCopy, &QAction::triggered, this, [] {
        OnFocused([](QsciScintilla* s) { s->copy(); }, [](QLineEdit* l) { l->copy(); },
                  [](QPlainTextEdit* p) { p->copy(); });
    });
    connect(aPaste, &QAction::triggered, this, [] {
        OnFocused([](QsciScintilla* s) { s->paste(); }, [](QLineEdit* l) { l->paste(); },
                  [](QPlainTextEdit* p) { p->paste(); });
    });
    connect(aSelectAll, &QAction::triggered, this, [] {
        OnFocused([](QsciScintilla* s) { s->selectAll(); }, [](QLineEdit* l) { l->selectAll(); },
                  [](QPlainTextEdit* p) { p->selectAll(); });
    });
    connect(aReplaceFromFile, &QAction::triggered, this, &TMDIChild::aReplaceFromFileExecute);
    connect(aExport, &QAction::triggered, this, &TMDIChild::aExportExecute);
    connect(aAddResource, &QAction::triggered, this, &TMDIChild::aAddResourceExecute);
    connect(aDeleteResource, &QAction::triggered, this, &TMDIChild::aDeleteResourceExecute);
    connect(aRename, &QAction::triggered, this, &TMDIChild::aRenameExecute);

    mnuEdit = new QMenu(QStringLiteral("Edit"), this);
    mnuEdit->addAction(aUndo);
    mnuEdit->addSeparator();
    mnuEdit->addAction(aCut);
    mnuEdit->addAction(aCopy);
    mnuEdit->addAction(aPaste);
    mnuEdit->addSeparator();
    mnuEdit->addAction(aSelectAll);
    mnuEdit->addSeparator();
    mnuEdit->addAction(aAddResource);
    mnuEdit->addAction(aDeleteResource);
    mnuEdit->addAction(aRename);
    mnuEdit->addSeparator();
    mnuEdit->addAction(aReplaceFromFile);
    mnuEdit->addAction(aExport);

    popupMenu = new QMenu(this);
    popupMenu->setObjectName(QStringLiteral("popupMenu")); // the LNZ editor shows it as its context menu
    popupMenu->addAction(aAddResource);
    popupMenu->addAction(aDeleteResource);
    popupMenu->addAction(aRename);
    popupMenu->addSeparator();
    popupMenu->addAction(aExport);
    popupMenu->addAction(aReplaceFromFile);
    popupMenu->addSeparator();
    popupMenu->addAction(QStringLiteral("Cancel"));
}

bool TMDIChild::IsPartContainer() const {
    const std::string ext = UpperExtension(container_->fileName());
    return ext == ".PET" || ext == ".BABY";
}

bool TMDIChild::IsPEDocument() const {
    return dynamic_cast<TDLLresfile*>(container_.get()) != nullptr;
}

void TMDIChild::SetModified(bool value) {
    modified_ = value;
    setWindowModified(value);
    emit menuStateChanged();
}

void TMDIChild::SetFrame(std::unique_ptr<TViewFrame> frame) {
    flushframe();
    frame_.reset();
    frame_ = std::move(frame);
    UpdateNothingShown();
}

void TMDIChild::UpdateNothingShown() {
    if (!lblNothingShown) return;
    lblNothingShown->setVisible(!frame_);
    if (frame_) return;
    const tresourcenode* shown = ShownNode();
    QString text;
    if (!vstResources->currentItem())
        text = QStringLiteral("Select a resource in the tree to view or edit it.");
    else if (shown && shown->count() > 1)
        text = QStringLiteral("This entry holds several resources: select one of them to view or edit it.");
    else if (shown && shown->data.empty())
        text = QStringLiteral("This resource is empty.");
    lblNothingShown->setText(text);
}

void TMDIChild::flushframe() {
    if (frame_ && frame_->IsModified()) {
        SetModified(true);
        frame_->StoreToNode();
        frame_->node()->changed = true;
    }
    if (!modified_ && container_ && container_->root().AnyChanged()) SetModified(true);
    emit menuStateChanged();
}

void TMDIChild::RebuildTree() {
    vstResources->setUpdatesEnabled(false);
    const QSignalBlocker block(vstResources);
    vstResources->clear();
    const bool editable = IsPEDocument();
    std::vector<QTreeWidgetItem*> closed;
    // Answers whether the item was expanded, so that every path to an editor opens.
    std::function<bool(QTreeWidgetItem*, tresourcenode&)> add = [&](QTreeWidgetItem* item,
                                                                    tresourcenode& node) {
        item->setText(0, ItemText(node));
        item->setData(0, NodeRole, QVariant::fromValue(reinterpret_cast<quintptr>(&node)));
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (editable) flags |= Qt::ItemIsEditable;
        item->setFlags(flags);
        bool expanded = !IsBaseFrame(node.frameclass);
        for (std::size_t i = 0; i < node.count(); ++i) {
            auto* child = new QTreeWidgetItem(item);
            if (add(child, *node.child(i))) expanded = true;
        }
        if (!expanded && item->childCount() > 0) closed.push_back(item);
        return expanded;
    };
    tresourcenode& root = container_->root();
    // The items are built apart from the tree and handed over in one step, which the tree takes
    // far faster than thousands of single insertions.
    QList<QTreeWidgetItem*> top;
    for (std::size_t i = 0; i < root.count(); ++i) {
        auto* item = new QTreeWidgetItem;
        add(item, *root.child(i));
        top << item;
    }
    vstResources->addTopLevelItems(top);
    // Expanding items one by one lays the tree out each time; nearly every path leads to an editor,
    // so open everything at once and close the few branches without one.
    vstResources->expandAll();
    for (QTreeWidgetItem* item : closed)
        item->setExpanded(false);
    vstResources->setCurrentItem(nullptr);
    vstResources->clearSelection();
    vstResources->setUpdatesEnabled(true);
    UpdateSelectionActions();
    UpdateNothingShown();
}

tresourcenode* TMDIChild::NodeOf(const QTreeWidgetItem* item) const {
    if (!item) return nullptr;
    return reinterpret_cast<tresourcenode*>(item->data(0, NodeRole).value<quintptr>());
}

tresourcenode* TMDIChild::SelectedNode() const {
    QTreeWidgetItem* item = vstResources->currentItem();
    return item && item->isSelected() ? NodeOf(item) : nullptr;
}

QTreeWidgetItem* TMDIChild::ItemOf(const tresourcenode* node) const {
    for (QTreeWidgetItemIterator it(vstResources); *it; ++it)
        if (NodeOf(*it) == node) return *it;
    return nullptr;
}

void TMDIChild::SelectNode(const tresourcenode* node) {
    QTreeWidgetItem* item = node ? ItemOf(node) : nullptr;
    if (item) {
        vstResources->setCurrentItem(item);
    } else {
        vstResources->setCurrentItem(nullptr);
        vstResources->clearSelection();
        vstResourcesChange();
    }
}

tresourcenode* TMDIChild::ShownNodeFor(tresourcenode* selected) {
    tresourcenode* node = selected;
    while (node && node->data.empty() && node->count() == 1)
        node = node->child(0);
    return node;
}

tresourcenode* TMDIChild::ShownNode() const {
    return ShownNodeFor(SelectedNode());
}

void TMDIChild::UpdateSelectionActions() {
    tresourcenode* selected = SelectedNode();
    const bool canChange = selected && IsPEDocument();
    aDeleteResource->setEnabled(canChange);
    aRename->setEnabled(canChange);
    QString caption = QStringLiteral("Delete resource...");
    if (canChange) {
        const int level = selected->Level();
        auto text = [this](const tresourcenode* n) { return Q(container_->IdentifierText(*n)); };
        if (level == 0)
            caption = QStringLiteral("Delete all '%1' resources...").arg(text(selected));
        else if (level == 1)
            caption = QStringLiteral("Delete '%1:%2'...").arg(text(selected->parent()), text(selected));
        else if (level == 2)
            caption = QStringLiteral("Delete '%1:%2:%3'...")
                          .arg(text(selected->parent()->parent()), text(selected->parent()), text(selected));
    }
    aDeleteResource->setText(caption);
    tresourcenode* shown = ShownNode();
    const bool hasData = shown && !shown->data.empty();
    aReplaceFromFile->setEnabled(hasData);
    aExport->setEnabled(hasData);
}

void TMDIChild::vstResourcesChange() {
    SetFrame(nullptr);
    UpdateSelectionActions();
    if (tresourcenode* shown = ShownNode()) {
        if (!shown->data.empty() && !IsBaseFrame(shown->frameclass)) {
            frame_ = CreateViewFrame(shown->frameclass, pnlRight, shown);
            if (frame_) frame_->LoadFromNode();
        }
    }
    UpdateNothingShown();
    emit menuStateChanged();
}

void TMDIChild::Timer1Timer() {
    if (frame_) SetModified(modified_ || frame_->IsModified());
    UpdateEditActions();
}

void TMDIChild::UpdateEditActions() {
    QWidget* w = QApplication::focusWidget();
    bool canUndo = false, hasSelection = false, canPaste = false, editable = false;
    if (auto* s = qobject_cast<QsciScintilla*>(w)) {
        editable = !s->isReadOnly();
        canUndo = s->isUndoAvailable();
        hasSelection = s->hasSelectedText();
        canPaste = editable;
    } else if (auto* l = qobject_cast<QLineEdit*>(w)) {
        editable = !l->isReadOnly();
        canUndo = l->isUndoAvailable();
        hasSelection = l->hasSelectedText();
        canPaste = editable;
    } else if (auto* p = qobject_cast<QPlainTextEdit*>(w)) {
        editable = !p->isReadOnly();
        canUndo = p->document()->isUndoAvailable();
        hasSelection = p->textCursor().hasSelection();
        canPaste = editable;
    } else {
        aUndo->setEnabled(false);
        aCut->setEnabled(false);
        aCopy->setEnabled(false);
        aPaste->setEnabled(false);
        aSelectAll->setEnabled(false);
        return;
    }
    aUndo->setEnabled(canUndo);
    aCut->setEnabled(hasSelection && editable);
    aCopy->setEnabled(hasSelection);
    aPaste->setEnabled(canPaste);
    aSelectAll->setEnabled(true);
}

void TMDIChild::aDeleteResourceExecute() {
    tresourcenode* selected = SelectedNode();
    if (!selected || !IsPEDocument()) return;
    auto text = [this](const tresourcenode* n) { return Q(container_->IdentifierText(*n)); };
    QString question = QStringLiteral("Are you sure that you want to delete ");
    switch (selected->Level()) {
    case 0:
        question += QStringLiteral("all '%1' resources?").arg(text(selected));
        break;
    case 1:
        question += QStringLiteral("the resource '%1:%2'?").arg(text(selected->parent()), text(selected));
        break;
    case 2:
        question += QStringLiteral("the resource '%1:%2:%3'?")
                        .arg(text(selected->parent()->parent()), text(selected->parent()), text(selected));
        break;
    default:
        throw std::runtime_error("Unknown depth level when picking resources for deletion!");
    }
    if (Prompts().Question(question, true) != TAnswer::aYes) return;
    SetFrame(nullptr);
    selected->parent()->DeleteChild(selected);
    RebuildTree();
    SetModified(true);
}

void TMDIChild::aRenameExecute() {
    QTreeWidgetItem* item = vstResources->currentItem();
    if (item && IsPEDocument()) vstResources->editItem(item, 0);
}

void TMDIChild::RenameNode(tresourcenode* node, const QString& text) {
    if (!node || !IsPEDocument()) return;
    const TResourceIDRec id = ParseResourceID(text.toStdString());
    if (node->Level() == 2 && !id.isNumber()) return;
    // A module stores numbers of 16 bits only; such a name would make every later save fail.
    if (!FitsPEIdentifier(id)) {
        Prompts().Message(
            QStringLiteral("\"%1\" cannot be used: resource types, names and languages given as "
                           "numbers must lie between 0 and 65535.")
                .arg(text));
        return;
    }
    if (id.isNumber())
        node->SetID(id.number);
    else
        node->SetName(id.name);
    SetModified(true);
    if (QTreeWidgetItem* item = ItemOf(node)) {
        item->setText(0, ItemText(*node));
        const QSignalBlocker block(vstResources);
        vstResources->setCurrentItem(item);
    }
    vstResourcesChange();
}

void TMDIChild::aExportExecute() {
    TFileDialogRequest request;
    request.title = QStringLiteral("Save current resource to file...");
    request.filter = QStringLiteral("All files (*.*)|*.*");
    const QString target = Prompts().SaveFile(request);
    if (target.isEmpty()) return;
    flushframe();
    tresourcenode* shown = ShownNode();
    if (!shown) return;
    if (!WriteFileSafely(target.toStdString(), shown->data))
        throw std::runtime_error("Could not write the file " + target.toStdString());
}

void TMDIChild::aReplaceFromFileExecute() {
    TFileDialogRequest request;
    request.title = QStringLiteral("Select file to replace current resource...");
    request.filter = QStringLiteral("All files (*.*)|*.*");
    request.mustExist = true;
    const QStringList chosen = Prompts().OpenFiles(request);
    if (chosen.isEmpty()) return;
    flushframe();
    tresourcenode* shown = ShownNode();
    if (!shown) return;
    // Read first: a file that cannot be read leaves the resource as it was.
    auto bytes = ReadWholeFile(chosen.front().toStdString());
    SetFrame(nullptr);
    shown->data = std::move(bytes);
    shown->changed = true;
    SetModified(true);
    vstResourcesChange();
}

void TMDIChild::aAddResourceExecute() {
    if (!IsPEDocument()) return;
    TfrmAddResource dialog(this);
    QStringList types;
    for (std::size_t i = 0; i < container_->root().count(); ++i)
        types << Q(container_->IdentifierText(*container_->root().child(i)));
    dialog.SetTypes(types);
    if (Prompts().Exec(dialog) != QDialog::Accepted) return;

    const std::string typeText = dialog.edtType->currentText().toStdString();
    const std::string nameText = dialog.edtName->text().toStdString();
    const TResourceIDRec typeID = ParseResourceID(typeText);
    const TResourceIDRec nameID = ParseResourceID(nameText);
    bool languageOk = false;
    const qlonglong language = dialog.edtLanguage->text().trimmed().toLongLong(&languageOk);
    if (!FitsPEIdentifier(typeID) || !FitsPEIdentifier(nameID) || !languageOk || language < 0 ||
        language > 0xFFFF) {
        Prompts().Message(
            QStringLiteral("This resource cannot be added: resource types, names and languages given "
                           "as numbers must lie between 0 and 65535."));
        return;
    }
    try {
        auto bytes = ReadWholeFile(dialog.edtFile->text().toStdString());
        tresourcenode* type = container_->root().GetOrAddChild(typeID);
        tresourcenode* name = type->GetOrAddChild(nameID);
        tresourcenode* leaf = name->GetOrAddChildByID(static_cast<std::int32_t>(language));
        // A resource that exists already takes the file's bytes in place of its own; an editor open on
        // it must not write its old text over them later.
        if (frame_ && frame_->node() == leaf) SetFrame(nullptr);
        leaf->data = std::move(bytes);
        leaf->changed = true;
        leaf->frameclass = FrameClassFor(TResourceIDRec::Name(UpperCase(typeText)),
                                         TResourceIDRec::Name(UpperCase(nameText)));
    } catch (const std::exception&) {
        Prompts().Message(
            QStringLiteral("Couldn't open the new file for reading. Make sure that it isn't open by "
                           "another application and try again."));
        return;
    }
    RebuildTree();
    vstResources->viewport()->update();
    SetModified(true);
}

bool TMDIChild::SaveDocument(const std::string& fileName) {
    if (fileName.empty()) return SaveDocumentAs();
    flushframe();
    const bool saved = container_->SaveTo(fileName);
    SetModified(!saved);
    if (!saved) {
        Prompts().Message(
            QStringLiteral("Couldn't save. Make sure that Petz is not running and the file is not open "
                           "in another program and try again"));
        return false;
    }
    setWindowTitle(Q(fileName) + QStringLiteral("[*]"));
    return true;
}

static std::string FilePart(const std::string& name) {
    std::string base = name;
    if (auto slash = base.find_last_of("/\\"); slash != std::string::npos) base = base.substr(slash + 1);
    return base;
}

bool TMDIChild::SaveDocumentAs() {
    TFileDialogRequest request;
    request.title = QStringLiteral("Save As");
    const std::string current = container_->fileName();
    const TContainerKind kind = IsPEDocument()                                  ? TContainerKind::DLL
                                : dynamic_cast<TFlatresfile*>(container_.get()) ? TContainerKind::Flat
                                                                                : ContainerKindFor(current);
    if (kind == TContainerKind::DLL) {
        const Species species = SpeciesOfFile(current);
        if (species == spDog) {
            request.filter = QStringLiteral("Dog breed (*.dog)|*.dog");
            request.defaultExt = QStringLiteral("dog");
        } else if (species == spCat) {
            request.filter = QStringLiteral("Cat breed (*.cat)|*.cat");
            request.defaultExt = QStringLiteral("cat");
        } else {
            QString e = Q(FromPath(ToPath(current).extension()));
            if (e.startsWith('.')) e.remove(0, 1);
            request.filter = QStringLiteral("%1 file (*.%1)|*.%1").arg(e);
            request.defaultExt = e;
        }
    } else if (kind == TContainerKind::Pet) {
        request.filter = QStringLiteral("Pet file (*.pet)|*.pet");
        request.defaultExt = QStringLiteral("pet");
    } else if (kind == TContainerKind::Baby) {
        request.filter = QStringLiteral("Baby file (*.baby)|*.baby");
        request.defaultExt = QStringLiteral("baby");
    } else {
        request.filter = QStringLiteral("All files (*.*)|*.*");
    }
    lastSaveFilter_ = request.filter;
    // After a failed save the dialog offers the name the user chose then, not the old one again.
    request.fileName = failedSaveName_.isEmpty() ? Q(current) : failedSaveName_;
    const QString chosenQ = Prompts().SaveFile(request);
    if (chosenQ.isEmpty()) return false;
    const std::string chosen = chosenQ.toStdString();
    failedSaveName_ = chosenQ;
    const bool saved = SaveChosen(chosen, kind);
    if (saved) failedSaveName_.clear();
    return saved;
}

bool TMDIChild::SaveChosen(const std::string& chosen, TContainerKind kind) {
    const std::string current = container_->fileName();

    if (kind != TContainerKind::DLL) return SaveDocument(chosen);

    SetFrame(nullptr);
    const QString copyFailed =
        QStringLiteral("There was a problem trying to save. Make sure the file is not open by "
                       "another application and try again.");
    // The copy goes through a temporary beside the target, so a failed copy never leaves a file
    // there that is half old and half new.
    auto copyFile = [&]() {
        try {
            TSafeFileWriter writer(chosen);
            std::error_code ec;
            std::filesystem::copy_file(ToPath(current), ToPath(writer.tempName()),
                                       std::filesystem::copy_options::overwrite_existing, ec);
            if (ec) return false;
            writer.commit();
            return true;
        } catch (const std::exception&) {
            return false;
        }
    };
    if (SameText(FilePart(current), FilePart(chosen))) {
        if (!SameText(current, chosen) && !copyFile()) {
            Prompts().Message(copyFailed);
            return false;
        }
        return SaveDocument(chosen);
    }

    // A new file name: the copy may become a breed of its own.
    tresourcenode* spriteList = FindSpriteListLeaf(container_->root());
    bool newBreed = false;
    std::uint16_t breedID = 0;
    if (spriteList) {
        const std::uint32_t currentID = BreedIDOfSpriteList(*spriteList);
        TfrmSaveAsNewBreed wizard(this);
        wizard.SpinEdit1->setValue(static_cast<int>(currentID));
        if (Prompts().Exec(wizard) != QDialog::Accepted) return false;
        newBreed = wizard.rdoNewBreed->isChecked();
        breedID = static_cast<std::uint16_t>(wizard.SpinEdit1->value());
    }
    if (!copyFile()) {
        Prompts().Message(copyFailed);
        return false;
    }
    if (spriteList && newBreed) {
        SetBreedID(*spriteList, breedID);
        spriteList->changed = true;
        tresourcenode* strings = FindBreedStringsLeaf(container_->root());
        bool ok = strings != nullptr;
        if (ok) {
            try {
                SetBreedName(*strings, BreedNameFromFileName(chosen));
                strings->changed = true;
            } catch (const std::exception&) {
                ok = false;
            }
        }
        if (!ok) {
            Prompts().Message(
                QStringLiteral("There is a problem with the breed which prevents it from being saved: "
                               "The string list section is missing or corrupt!"));
            return false;
        }
        RebuildTree();
    }
    return SaveDocument(chosen);
}

void TMDIChild::closeEvent(QCloseEvent* event) {
    if (modified_) {
        switch (
            Prompts().Question(QStringLiteral("Do you want to save your changes before closing?"), false)) {
        case TAnswer::aCancel:
            event->ignore();
            return;
        case TAnswer::aYes:
            if (!SaveDocument(container_->fileName())) {
                event->ignore();
                return;
            }
            break;
        case TAnswer::aNo:
            break;
        }
    }
    QMdiSubWindow::closeEvent(event);
}

void TMDIChild::changeEvent(QEvent* event) {
    QMdiSubWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) emit menuStateChanged();
}

} // namespace ballforge
