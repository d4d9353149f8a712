#include "lnz/ui/TframeLNZSynedit.h"

#include "app/TSettings.h"
#include "documents/TextLines.h"
#include "editors/ui/TSourceEditor.h"
#include "formats/ui/TfrmColourPicker.h"
#include "lnz/TLNZLines.h"
#include "lnz/petzcommon.h"
#include "lnz/ui/TLNZEditorPrompts.h"
#include "lnz/ui/TSynLNZSyn.h"
#include "lnz/ui/TfrmBallNumber.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

// The manual is compiled into this library; resources of a static library are registered by name,
// outside any namespace.
static void RegisterManualOnce() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(manual);
        return true;
    }();
    (void)registered;
}

namespace ballforge {

namespace {

// Marker and indicator that draw the line a message jumped to: navy background, white text.
constexpr int HighlightMarker = 1;
constexpr int HighlightIndicator = 8;
constexpr int MinimumBottomPane = 30 + 5;

const QString ManualStartPage = QStringLiteral("index.html");

bool ManualPresent() {
    RegisterManualOnce();
    return QFile::exists(QStringLiteral(":/manual/index.html"));
}

/// The editor's lines for the checker; Put keeps the new text and notes which lines changed.
class TEditorLineList : public TLNZLines {
public:
    explicit TEditorLineList(std::vector<std::string> lines) : lines_(std::move(lines)) {}
    std::size_t Count() const override { return lines_.size(); }
    const std::string& Get(std::size_t index) override {
        return index < lines_.size() ? lines_[index] : empty_;
    }
    void Put(std::size_t index, const std::string& text) override {
        if (index >= lines_.size() || lines_[index] == text) return;
        lines_[index] = text;
        changed_.push_back(index);
    }
    const std::vector<std::string>& lines() const { return lines_; }
    const std::vector<std::size_t>& changed() const { return changed_; }

private:
    std::vector<std::string> lines_;
    std::vector<std::size_t> changed_;
    std::string empty_;
};

int NextHelpWindowNumber() {
    static int counter = 0;
    return ++counter;
}

} // namespace

TframeLNZSynedit::TframeLNZSynedit(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    MainMenu = new QMenuBar(this);
    MainMenu->setNativeMenuBar(false);
    Insert1 = MainMenu->addMenu(QStringLiteral("Insert"));
    BallNumber1 = Insert1->addAction(QStringLiteral("Ball Number..."));
    BallColour1 = Insert1->addAction(QStringLiteral("Ball Colour..."));
    Tools1 = MainMenu->addMenu(QStringLiteral("Tools"));
    Checkforerrors1 = Tools1->addAction(QStringLiteral("Check for errors"));
    Reformatlines1 = Tools1->addAction(QStringLiteral("Reformat lines"));
    Tools1->addSeparator();
    Find1 = Tools1->addAction(QStringLiteral("Find..."));
    Find1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    Replace1 = Tools1->addAction(QStringLiteral("Replace..."));
    Replace1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    for (QAction* a : {Find1, Replace1}) {
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(a);
    }
    layout->addWidget(MainMenu);

    SynEdit1 = new TSourceEditor(this);
    SynEdit1->setObjectName(QStringLiteral("SynEdit1"));
    SynLNZSyn1 = new TSynLNZSyn(SynEdit1);
    SynLNZSyn1->setDefaultFont(SynEdit1->textFont());
    SynLNZSyn1->ApplyFrameSettings();
    SynEdit1->setLexer(SynLNZSyn1);
    QFont gutter(QStringLiteral("Terminal"));
    gutter.setStyleHint(QFont::Monospace);
    gutter.setPixelSize(11);
    SynEdit1->setGutterFont(gutter);
    SynEdit1->installEventFilter(this);
    SynEdit1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(SynEdit1, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        // The document window's popup menu, when the frame sits in one.
        for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
            if (auto* menu = w->findChild<QMenu*>(QStringLiteral("popupMenu"), Qt::FindDirectChildrenOnly)) {
                menu->popup(SynEdit1->mapToGlobal(pos));
                return;
            }
        }
    });
    SynEdit1->SendScintilla(QsciScintillaBase::SCI_MARKERDEFINE, HighlightMarker,
                            QsciScintillaBase::SC_MARK_BACKGROUND);
    SynEdit1->SendScintilla(QsciScintillaBase::SCI_MARKERSETBACK, HighlightMarker, 0x800000L); // navy, as BGR
    SynEdit1->SendScintilla(QsciScintillaBase::SCI_INDICSETSTYLE, HighlightIndicator,
                            QsciScintillaBase::INDIC_TEXTFORE);
    SynEdit1->SendScintilla(QsciScintillaBase::SCI_INDICSETFORE, HighlightIndicator, 0xFFFFFFL);
    connect(SynEdit1, &QsciScintilla::textChanged, this, [this] { SynEdit1Change(); });

    Splitter1 = new QSplitter(Qt::Vertical, this);
    Splitter1->setHandleWidth(5);
    Splitter1->setChildrenCollapsible(false);
    Splitter1->addWidget(SynEdit1);
    PageControl1 = new QTabWidget(Splitter1);
    PageControl1->setMinimumHeight(30);
    helpsheet = new QWidget;
    messagesheet = new QWidget;
    PageControl1->addTab(helpsheet, QStringLiteral("Help"));
    PageControl1->addTab(messagesheet, QStringLiteral("Messages"));
    auto* messagesLayout = new QVBoxLayout(messagesheet);
    messagesLayout->setContentsMargins(0, 0, 0, 0);
    lstMessages = new QListWidget(messagesheet);
    lstMessages->setFrameShape(QFrame::NoFrame);
    messagesLayout->addWidget(lstMessages);
    connect(lstMessages, &QListWidget::itemDoubleClicked, this, [this] { lstMessagesDblClick(); });
    Splitter1->addWidget(PageControl1);
    Splitter1->setStretchFactor(0, 1);
    Splitter1->setStretchFactor(1, 0);
    layout->addWidget(Splitter1);

    connect(BallNumber1, &QAction::triggered, this, [this] { BallNumber1Click(); });
    connect(BallColour1, &QAction::triggered, this, [this] { BallColour1Click(); });
    connect(Checkforerrors1, &QAction::triggered, this, [this] { Checkforerrors1Click(); });
    connect(Reformatlines1, &QAction::triggered, this, [this] { Reformatlines1Click(); });
    connect(Find1, &QAction::triggered, this, [this] { Find1Click(); });
    connect(Replace1, &QAction::triggered, this, [this] { Replace1Click(); });

    // The bottom pane keeps the height the user last gave it, but never less than the splitter allows.
    const int paneHeight = std::max(Settings().helpPaneHeight, MinimumBottomPane);
    PageControl1->resize(PageControl1->width(), paneHeight);
    Splitter1->setSizes({std::max(1, 600 - paneHeight), paneHeight});
    bottomPaneWanted_ = paneHeight;

    ManualPath = QStringLiteral("qrc:/manual/");
    if (!ManualPresent()) LNZEditorPrompts().Message(QStringLiteral("Help file not found\n") + ManualPath);
    PageControl1->setCurrentWidget(helpsheet);
}

TframeLNZSynedit::~TframeLNZSynedit() {
    Settings().helpPaneHeight = BottomPaneHeight();
}

int TframeLNZSynedit::BottomPaneHeight() const {
    if (!bottomPaneSized_) return bottomPaneWanted_;
    return PageControl1->height();
}

void TframeLNZSynedit::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The stored height is the pane's; the editor takes whatever is left.
    if (!bottomPaneSized_ && Splitter1->height() > bottomPaneWanted_ + Splitter1->handleWidth()) {
        Splitter1->setSizes(
            {Splitter1->height() - bottomPaneWanted_ - Splitter1->handleWidth(), bottomPaneWanted_});
        bottomPaneSized_ = true;
    }
}

void TframeLNZSynedit::SetupHelpWindow() {
    HelpWindowType = QStringLiteral("embedwindow") + QString::number(NextHelpWindowNumber());
    if (!ManualPresent()) return;
    auto* sheetLayout = new QVBoxLayout(helpsheet);
    sheetLayout->setContentsMargins(0, 0, 0, 0);
    sheetLayout->setSpacing(0);
    auto* bar = new QToolBar(helpsheet);
    bar->setIconSize(QSize(12, 12));
    QAction* back = bar->addAction(QStringLiteral("Back"));
    back->setEnabled(false);
    sheetLayout->addWidget(bar);
    HelpWindow = new QTextBrowser(helpsheet);
    HelpWindow->setObjectName(HelpWindowType);
    HelpWindow->setFrameShape(QFrame::NoFrame);
    HelpWindow->setSearchPaths({QStringLiteral(":/manual")});
    sheetLayout->addWidget(HelpWindow);
    connect(back, &QAction::triggered, HelpWindow, &QTextBrowser::backward);
    connect(HelpWindow, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    ShowHelpPage(ManualStartPage);
}

void TframeLNZSynedit::ShowHelpPage(const QString& page) {
    ShownHelpPage = page;
    ++HelpShows;
    if (HelpWindow) HelpWindow->setSource(QUrl(ManualPath + page));
}

std::int32_t TframeLNZSynedit::HelpContextOf(std::string_view sectionName) {
    return ballforge::HelpContextOf(sectionName);
}

std::vector<std::string> TframeLNZSynedit::EditorLines() const {
    const std::vector<std::uint8_t> bytes = SynEdit1->Bytes();
    return SplitTextLines(bytes).lines;
}

void TframeLNZSynedit::BuildSectionExtents() {
    SectionExtents = ballforge::BuildSectionExtents(EditorLines());
}

bool TframeLNZSynedit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == SynEdit1 && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            SynEdit1KeyDown(Qt::Key_F1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TframeLNZSynedit::SynEdit1KeyDown(int key) {
    if (key != Qt::Key_F1) return;
    BuildSectionExtents();
    int line = 0, index = 0;
    SynEdit1->getCursorPosition(&line, &index);
    for (const TExtent& e : SectionExtents) {
        if (e.helpContext < 0 || line < e.first || line > e.last) continue;
        if (e.helpContext == LastHelpContext) return;
        LastHelpContext = e.helpContext;
        ShowHelpPage(QString::fromStdString(ManualTopicPage(e.helpContext)));
        PageControl1->setCurrentWidget(helpsheet);
        return;
    }
    // Above the first header, or in a section without a page: the start page, shown even when it is
    // already there.
    ShowHelpPage(ManualStartPage);
    LastHelpContext = 1;
    PageControl1->setCurrentWidget(helpsheet);
}

void TframeLNZSynedit::BallNumber1Click() {
    TfrmBallNumber& picker = frmBallNumber();
    if (LNZEditorPrompts().Exec(picker) != QDialog::Accepted) return;
    SynEdit1->replaceSelectedText(QString::number(picker.BallNumber));
}

void TframeLNZSynedit::BallColour1Click() {
    int index = -1;
    try {
        index = LNZStrToInt(SynEdit1->selectedText().toLatin1().toStdString());
    } catch (const EConvertError&) {
        index = -1;
    }
    if (!PickPetzColour(index, true, true)) return;
    SynEdit1->replaceSelectedText(QString::number(index));
}

void TframeLNZSynedit::RunChecker(bool reformatting) {
    TEditorLineList lines(EditorLines());
    Checker.Run(lines, reformatting);
    if (!lines.changed().empty()) {
        // Each rewritten line replaces the editor's line as an edit would, so the text counts as changed.
        SynEdit1->SendScintilla(QsciScintillaBase::SCI_BEGINUNDOACTION);
        for (std::size_t i : lines.changed()) {
            const long start = SynEdit1->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, long(i));
            const long end = SynEdit1->SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION, long(i));
            const std::string& text = lines.lines()[i];
            SynEdit1->SendScintilla(QsciScintillaBase::SCI_SETTARGETSTART, start);
            SynEdit1->SendScintilla(QsciScintillaBase::SCI_SETTARGETEND, end);
            SynEdit1->SendScintilla(QsciScintillaBase::SCI_REPLACETARGET, long(text.size()), text.c_str());
        }
        SynEdit1->SendScintilla(QsciScintillaBase::SCI_ENDUNDOACTION);
    }
    lstMessages->setUpdatesEnabled(false);
    lstMessages->clear();
    for (const TLNZMessage& m : Checker.messages) {
        auto* item = new QListWidgetItem(QString::fromLatin1(m.text.data(), qsizetype(m.text.size())));
        item->setData(Qt::UserRole, m.line);
        lstMessages->addItem(item);
    }
    lstMessages->setUpdatesEnabled(true);
    if (lstMessages->count() > 0) {
        QListWidgetItem* last = lstMessages->item(lstMessages->count() - 1);
        lstMessages->setCurrentItem(last);
        lstMessages->scrollToItem(last, QAbstractItemView::PositionAtTop);
    }
    if (!reformatting) PageControl1->setCurrentWidget(messagesheet);
}

void TframeLNZSynedit::Checkforerrors1Click() {
    RunChecker(false);
}

void TframeLNZSynedit::Reformatlines1Click() {
    RunChecker(true);
}

void TframeLNZSynedit::Find1Click() {
    if (!FindDialog1) {
        FindDialog1 = new TFindDialog(this);
        FindDialog1->setWindowFlag(Qt::Tool);
        connect(FindDialog1, &TFindDialog::onFind, this, [this] { FindDialog1Find(FindDialog1); });
    }
    FindDialog1->show();
    FindDialog1->raise();
}

void TframeLNZSynedit::Replace1Click() {
    if (!ReplaceDialog1) {
        ReplaceDialog1 = new TReplaceDialog(this);
        ReplaceDialog1->setWindowFlag(Qt::Tool);
        connect(ReplaceDialog1, &TFindDialog::onFind, this, [this] { FindDialog1Find(ReplaceDialog1); });
        connect(ReplaceDialog1, &TFindDialog::onReplace, this, [this] { FindDialog1Find(ReplaceDialog1); });
    }
    ReplaceDialog1->show();
    ReplaceDialog1->raise();
}

void TframeLNZSynedit::FindDialog1Find(TFindDialog* dialog) {
    const TFindOptions o = dialog->EventOptions;
    TSynSearchOptions options = ssoPrompt;
    if (o & frMatchCase) options |= ssoMatchCase;
    if (o & frWholeWord) options |= ssoWholeWord;
    if (!(o & frDown)) options |= ssoBackwards;
    if (o & frReplace) options |= ssoReplace;
    if (o & frReplaceAll) options |= ssoReplaceAll;
    const QByteArray search = dialog->FindText().toLatin1();
    QByteArray replace;
    if (auto* r = qobject_cast<TReplaceDialog*>(dialog)) replace = r->ReplaceText().toLatin1();
    if (SearchReplace(search, replace, options) != 0) return;
    QApplication::beep();
    long start = SynEdit1->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONSTART);
    long end = SynEdit1->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONEND);
    if (options & ssoBackwards)
        end = start;
    else
        start = end;
    SynEdit1->SendScintilla(QsciScintillaBase::SCI_SETSEL, start, end);
}

int TframeLNZSynedit::SearchReplace(const QByteArray& search, const QByteArray& replace,
                                    TSynSearchOptions options) {
    if (search.isEmpty()) return 0;
    const bool backwards = options & ssoBackwards;
    const bool replacing = options & (ssoReplace | ssoReplaceAll);
    int flags = 0;
    if (options & ssoMatchCase) flags |= QsciScintillaBase::SCFIND_MATCHCASE;
    if (options & ssoWholeWord) flags |= QsciScintillaBase::SCFIND_WHOLEWORD;
    SynEdit1->SendScintilla(QsciScintillaBase::SCI_SETSEARCHFLAGS, flags);
    const long selStart = SynEdit1->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONSTART);
    const long selEnd = SynEdit1->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONEND);
    // Replacing starts at the selection, so that a selected match is the first one handled; finding
    // starts after it.
    long from = backwards ? (replacing ? selEnd : selStart) : (replacing ? selStart : selEnd);
    bool ask = options & ssoPrompt;
    int found = 0;
    bool undoOpen = false;
    while (true) {
        const long length = SynEdit1->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
        SynEdit1->SendScintilla(QsciScintillaBase::SCI_SETTARGETSTART, from);
        SynEdit1->SendScintilla(QsciScintillaBase::SCI_SETTARGETEND, backwards ? 0L : length);
        const long at = SynEdit1->SendScintilla(QsciScintillaBase::SCI_SEARCHINTARGET, long(search.size()),
                                                search.constData());
        if (at < 0) break;
        const long matchEnd = SynEdit1->SendScintilla(QsciScintillaBase::SCI_GETTARGETEND);
        ++found;
        SynEdit1->SendScintilla(QsciScintillaBase::SCI_SETSEL, at, matchEnd);
        if (!replacing) break;
        TSynReplaceAction action = raReplace;
        if (ask) action = SynEdit1ReplaceText(search, replace, at, matchEnd);
        if (action == raCancel) break;
        if (action == raReplaceAll) ask = false;
        long next = backwards ? at : matchEnd;
        if (action != raSkip) {
            if (!undoOpen) {
                SynEdit1->SendScintilla(QsciScintillaBase::SCI_BEGINUNDOACTION);
                undoOpen = true;
            }
            SynEdit1->SendScintilla(QsciScintillaBase::SCI_SETTARGETSTART, at);
            SynEdit1->SendScintilla(QsciScintillaBase::SCI_SETTARGETEND, matchEnd);
            SynEdit1->SendScintilla(QsciScintillaBase::SCI_REPLACETARGET, long(replace.size()),
                                    replace.constData());
            const long replacedEnd = at + long(replace.size());
            SynEdit1->SendScintilla(QsciScintillaBase::SCI_SETSEL, at, replacedEnd);
            next = backwards ? at : replacedEnd;
        }
        if (!(options & ssoReplaceAll) && action != raReplaceAll) break;
        if (backwards && next == 0) break;
        from = next;
    }
    if (undoOpen) SynEdit1->SendScintilla(QsciScintillaBase::SCI_ENDUNDOACTION);
    return found;
}

TSynReplaceAction TframeLNZSynedit::SynEdit1ReplaceText(const QByteArray& search, const QByteArray& replace,
                                                        long matchStart, long matchEnd) {
    // Replacing a match by the same text changes nothing: no need to ask.
    const long length = matchEnd - matchStart;
    QByteArray match(int(length), '\0');
    if (length > 0) {
        SynEdit1->SendScintilla(QsciScintillaBase::SCI_SETTARGETSTART, matchStart);
        SynEdit1->SendScintilla(QsciScintillaBase::SCI_SETTARGETEND, matchEnd);
        SynEdit1->SendScintilla(QsciScintillaBase::SCI_GETTARGETTEXT, static_cast<unsigned long>(0),
                                match.data());
    }
    if (match == replace) return raSkip;
    if (!confirmReplace_) confirmReplace_ = new TConfirmReplaceDialog(this);
    const int x = int(SynEdit1->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0L, matchStart));
    const int y = int(SynEdit1->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0L, matchStart));
    const int lineHeight = int(SynEdit1->SendScintilla(QsciScintillaBase::SCI_TEXTHEIGHT, 0L));
    const QPoint topLeft = SynEdit1->viewport()->mapToGlobal(QPoint(x, y));
    confirmReplace_->Prepare(QString::fromLatin1(search), QRect(topLeft, QSize(1, lineHeight)));
    const int result = LNZEditorPrompts().Exec(*confirmReplace_);
    switch (result) {
    case raSkip:
    case raReplace:
    case raReplaceAll:
        return TSynReplaceAction(result);
    default:
        return raCancel;
    }
}

void TframeLNZSynedit::lstMessagesDblClick() {
    QListWidgetItem* item = lstMessages->currentItem();
    if (!item) return;
    const int index = item->data(Qt::UserRole).toInt();
    if (index < 1) return;
    SetHighlightedLine(index + 1);
    SynEdit1->SendScintilla(QsciScintillaBase::SCI_SETFIRSTVISIBLELINE, long(std::max(1, index - 9) - 1));
    SynEdit1->viewport()->update();
}

int TframeLNZSynedit::TopLine() const {
    return int(SynEdit1->SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE)) + 1;
}

void TframeLNZSynedit::SetHighlightedLine(std::int32_t line) {
    SynEdit1->SendScintilla(QsciScintillaBase::SCI_MARKERDELETEALL, HighlightMarker);
    SynEdit1->SendScintilla(QsciScintillaBase::SCI_SETINDICATORCURRENT, HighlightIndicator);
    SynEdit1->SendScintilla(QsciScintillaBase::SCI_INDICATORCLEARRANGE, 0L,
                            SynEdit1->SendScintilla(QsciScintillaBase::SCI_GETLENGTH));
    HighlightedLine = line;
    if (line < 1) return;
    SynEdit1->SendScintilla(QsciScintillaBase::SCI_MARKERADD, long(line - 1), HighlightMarker);
    const long start = SynEdit1->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, long(line - 1));
    const long end = SynEdit1->SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION, long(line - 1));
    SynEdit1->SendScintilla(QsciScintillaBase::SCI_INDICATORFILLRANGE, start, end - start);
}

void TframeLNZSynedit::SynEdit1Change() {
    if (HighlightedLine != -1) SetHighlightedLine(-1);
}

} // namespace ballforge
