#pragma once
// "Saving breed...": whether a copy saved under a new name becomes a new breed, and its breed ID.
#include <QWizard>

class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace ballforge {

class TfrmSaveAsNewBreed : public QWizard {
    Q_OBJECT
public:
    enum { pgWelcome, pgBreedID };
    explicit TfrmSaveAsNewBreed(QWidget* parent = nullptr);

    QRadioButton* rdoNewBreed = nullptr;
    QRadioButton* rdoSaveAnyway = nullptr;
    QLabel* lblNewBreed = nullptr;
    QLabel* lblSaveAnyway = nullptr;
    QSpinBox* SpinEdit1 = nullptr;
    QLineEdit* edtHex = nullptr;

    /// The welcome page's buttons follow the choice: "&Next >" for a new breed, "&Finish" otherwise.
    void UpdateButtons();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SpinEdit1Change();
    void edtHexChange();
    bool guard_ = false;
};

} // namespace ballforge
