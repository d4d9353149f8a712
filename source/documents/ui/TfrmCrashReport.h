#pragma once
// The crash reporter: what went wrong, in a form the user can copy into a bug report.
#include <QDialog>

class QPlainTextEdit;

namespace ballforge {

/// Shown for every failure that nothing else handled.
class TfrmCrashReport : public QDialog {
    Q_OBJECT
public:
    explicit TfrmCrashReport(const QString& description, QWidget* parent = nullptr);
    QString reportText() const;

private:
    QPlainTextEdit* details_;
};

} // namespace ballforge
