#pragma once
// The help window: our own viewer on the manual bundled with the program.
#include <QWidget>

class QTextBrowser;

namespace ballforge {

/// Shows pages of the bundled manual; one window for the whole program.
class THelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit THelpViewer(QWidget* parent = nullptr);
    /// Shows a page of the manual ("index.html" is the start page, topic 1).
    void ShowPage(const QString& page);
    /// The address of a page inside the bundled manual.
    static QUrl PageUrl(const QString& page);
    /// True when the bundled manual is there.
    static bool ManualPresent();
    QTextBrowser* Browser = nullptr;
};

} // namespace ballforge
