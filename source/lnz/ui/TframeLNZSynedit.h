#pragma once
// The LNZ editor panel: the highlighted source editor, the LNZ tools, and the help and message pane.
#include "lnz/SectionHelpContexts.h"
#include "lnz/TLNZChecker.h"
#include "lnz/ui/TConfirmReplaceDialog.h"
#include "lnz/ui/TFindDialog.h"

#include <QWidget>

#include <cstdint>
#include <string>
#include <vector>

class QAction;
class QListWidget;
class QMenu;
class QMenuBar;
class QSplitter;
class QTabWidget;
class QTextBrowser;

namespace ballforge {

class TSourceEditor;
class TSynLNZSyn;

/// Search options of the editor.
enum TSynSearchOption : std::uint8_t {
    ssoPrompt = 1,
    ssoMatchCase = 2,
    ssoWholeWord = 4,
    ssoBackwards = 8,
    ssoReplace = 16,
    ssoReplaceAll = 32,
};
using TSynSearchOptions = std::uint8_t;

/// The LNZ editor: insert ball numbers and colours, check and reformat through the checker, find and
/// replace, F1 help on the section under the caret, and the message list that jumps to its lines.
class TframeLNZSynedit : public QWidget {
    Q_OBJECT
public:
    explicit TframeLNZSynedit(QWidget* parent = nullptr);
    ~TframeLNZSynedit() override;

    // Controls.
    QMenuBar* MainMenu = nullptr;
    QMenu* Insert1 = nullptr;
    QMenu* Tools1 = nullptr;
    QAction* BallNumber1 = nullptr;
    QAction* BallColour1 = nullptr;
    QAction* Checkforerrors1 = nullptr;
    QAction* Reformatlines1 = nullptr;
    QAction* Find1 = nullptr;
    QAction* Replace1 = nullptr;
    TSourceEditor* SynEdit1 = nullptr;
    TSynLNZSyn* SynLNZSyn1 = nullptr;
    QSplitter* Splitter1 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* helpsheet = nullptr;
    QWidget* messagesheet = nullptr;
    QListWidget* lstMessages = nullptr;
    /// The embedded help window; null when the manual is missing.
    QTextBrowser* HelpWindow = nullptr;
    TFindDialog* FindDialog1 = nullptr;
    TReplaceDialog* ReplaceDialog1 = nullptr;

    // State.
    std::int32_t HighlightedLine = -1; ///< 1-based, -1 for none
    TLNZChecker Checker;
    std::vector<TExtent> SectionExtents;
    std::int32_t LastHelpContext = 0;
    QString ManualPath;
    QString HelpWindowType;
    /// The page the help window shows, and how often a page was put there (F1 that does nothing
    /// leaves both alone).
    QString ShownHelpPage;
    int HelpShows = 0;

    static std::int32_t HelpContextOf(std::string_view sectionName);
    void BuildSectionExtents();
    /// The editor's lines as they stand (without line breaks).
    std::vector<std::string> EditorLines() const;

    /// Sets up the help window in the Help tab and shows the start page.
    void SetupHelpWindow();
    void SynEdit1KeyDown(int key);
    void BallNumber1Click();
    void BallColour1Click();
    void Checkforerrors1Click();
    void Reformatlines1Click();
    void Find1Click();
    void Replace1Click();
    void FindDialog1Find(TFindDialog* dialog);
    /// Searches (and replaces) in the editor; answers how many matches were found.
    int SearchReplace(const QByteArray& search, const QByteArray& replace, TSynSearchOptions options);
    TSynReplaceAction SynEdit1ReplaceText(const QByteArray& search, const QByteArray& replace,
                                          long matchStart, long matchEnd);
    void lstMessagesDblClick();
    /// The first line shown, 1-based.
    int TopLine() const;
    int BottomPaneHeight() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void RunChecker(bool reformatting);
    void ShowHelpPage(const QString& page);
    void SetHighlightedLine(std::int32_t line);
    void SynEdit1Change();

    TConfirmReplaceDialog* confirmReplace_ = nullptr; // created on first use and kept
    int bottomPaneWanted_ = 150;
    bool bottomPaneSized_ = false;
};

} // namespace ballforge
