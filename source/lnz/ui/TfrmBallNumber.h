#pragma once
// The ball number picker: the named balls of dogs, cats and babies, one tab each.
#include <QDialog>

#include <cstdint>

class QListWidget;
class QPushButton;
class QTabWidget;

namespace ballforge {

/// Lets the user pick a ball by its name. Created once and kept, so the active tab and each list's
/// selection stay as the user left them; the caller reads BallNumber after a confirmed show.
class TfrmBallNumber : public QDialog {
    Q_OBJECT
public:
    explicit TfrmBallNumber(QWidget* parent = nullptr);

    std::int32_t BallNumber = 0;

    QTabWidget* PageControl1 = nullptr;
    QListWidget* lstDogz = nullptr;
    QListWidget* lstCatz = nullptr;
    QListWidget* lstBabyz = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;

    /// "Ok" is enabled exactly when the active tab's list has a selected entry.
    void UpdateOkbutton();
    void btnOkClick();
    /// The list of the active tab.
    QListWidget* ActiveList() const;

protected:
    void showEvent(QShowEvent* event) override;
};

/// The program's one ball number picker, created on first use and kept for the whole run.
TfrmBallNumber& frmBallNumber();

} // namespace ballforge
