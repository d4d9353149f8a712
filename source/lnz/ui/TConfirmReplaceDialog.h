#pragma once
// The question the editor asks before each replacement.
#include <QDialog>

class QLabel;
class QPushButton;

namespace ballforge {

enum TSynReplaceAction { raCancel, raSkip, raReplace, raReplaceAll };

/// "Confirm replace": Yes, No, Cancel and Yes to all. Its result code is a TSynReplaceAction.
class TConfirmReplaceDialog : public QDialog {
    Q_OBJECT
public:
    explicit TConfirmReplaceDialog(QWidget* parent = nullptr);
    /// Sets the question for the search text and places the dialog near the match (global rectangle)
    /// without covering it.
    void Prepare(const QString& searchText, const QRect& match);

    QLabel* lblConfirmation = nullptr;
    QPushButton* btnReplace = nullptr;
    QPushButton* btnSkip = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnReplaceAll = nullptr;
};

} // namespace ballforge
