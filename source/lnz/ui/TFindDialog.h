#pragma once
// The find dialog of the LNZ editor (modeless); the replace dialog extends it.
#include <QDialog>

#include <cstdint>

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ballforge {

/// The options a find or replace dialog reports.
enum TFindOption : std::uint8_t {
    frDown = 1,
    frMatchCase = 2,
    frWholeWord = 4,
    frReplace = 8,
    frReplaceAll = 16
};
using TFindOptions = std::uint8_t;

/// Find what, match case, whole word, direction; "Find Next" raises onFind.
class TFindDialog : public QDialog {
    Q_OBJECT
public:
    explicit TFindDialog(QWidget* parent = nullptr);

    QLineEdit* edtFind = nullptr;
    QCheckBox* cbMatchCase = nullptr;
    QCheckBox* cbWholeWord = nullptr;
    QRadioButton* rbUp = nullptr;
    QRadioButton* rbDown = nullptr;
    QPushButton* btnFindNext = nullptr;
    QPushButton* btnCancel = nullptr;

    QString FindText() const;
    /// The options as the dialog stands, without the replace options.
    TFindOptions Options() const;
    void setOptions(TFindOptions options);
    /// The options of the last event (the replace options included).
    TFindOptions EventOptions = 0;

signals:
    void onFind();
    void onReplace();

protected:
    QGridLayout* grid_ = nullptr;
};

/// The replace dialog: the find dialog with a replacement and "Replace" / "Replace All".
class TReplaceDialog : public TFindDialog {
    Q_OBJECT
public:
    explicit TReplaceDialog(QWidget* parent = nullptr);

    QLineEdit* edtReplace = nullptr;
    QPushButton* btnReplace = nullptr;
    QPushButton* btnReplaceAll = nullptr;

    QString ReplaceText() const;
};

} // namespace ballforge
