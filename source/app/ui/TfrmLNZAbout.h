#pragma once
// The About box.
#include <QDialog>

class QLabel;

namespace ballforge {

class TfrmLNZAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmLNZAbout(QWidget* parent = nullptr);
    QLabel* lblProgram = nullptr;
    QLabel* lblMail = nullptr;
    QLabel* lblWeb = nullptr;
};

} // namespace ballforge
