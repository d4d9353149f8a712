#include "documents/ui/TPrompts.h"

#include "documents/ui/TfrmCrashReport.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>

namespace ballforge {

static TPrompts* installed = nullptr;

TPrompts& Prompts() {
    static TDialogPrompts real;
    return installed ? *installed : real;
}

void SetPrompts(TPrompts* prompts) {
    installed = prompts;
}

QString QtFileFilter(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        // Qt reads the patterns from the last parentheses, so the description's own list goes.
        description.remove(QRegularExpression(R"(\s*\([^()]*\)\s*$)"));
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        out << description + " (" + patterns.simplified() + ")";
    }
    return out.join(";;");
}

static QString ApplicationTitle() {
    return QApplication::applicationName().isEmpty() ? QStringLiteral("Ballforge")
                                                     : QApplication::applicationName();
}

void TDialogPrompts::Message(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), text, QMessageBox::Ok);
    box.exec();
}

void TDialogPrompts::ErrorBox(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Error"), text, QMessageBox::Ok);
    box.exec();
}

TAnswer TDialogPrompts::Question(const QString& text, bool warning) {
    QMessageBox box(warning ? QMessageBox::Warning : QMessageBox::Question,
                    warning ? QStringLiteral("Warning") : QStringLiteral("Confirm"), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QApplication::activeWindow());
    switch (box.exec()) {
    case QMessageBox::Yes:
        return TAnswer::aYes;
    case QMessageBox::No:
        return TAnswer::aNo;
    default:
        return TAnswer::aCancel;
    }
}

static void Prepare(QFileDialog& dialog, const TFileDialogRequest& request) {
    dialog.setWindowTitle(request.title);
    dialog.setNameFilter(QtFileFilter(request.filter));
    dialog.setOption(QFileDialog::DontUseNativeDialog, false);
    if (!request.defaultExt.isEmpty()) dialog.setDefaultSuffix(request.defaultExt);
    if (!request.folder.isEmpty()) dialog.setDirectory(request.folder);
    if (!request.fileName.isEmpty() && request.fileName != "*.*") dialog.selectFile(request.fileName);
}

QStringList TDialogPrompts::OpenFiles(const TFileDialogRequest& request) {
    QFileDialog dialog(QApplication::activeWindow());
    Prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles();
}

QString TDialogPrompts::SaveFile(const TFileDialogRequest& request) {
    QFileDialog dialog(QApplication::activeWindow());
    Prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

int TDialogPrompts::Exec(QDialog& dialog) {
    return dialog.exec();
}

void TDialogPrompts::CrashReport(const QString& description) {
    TfrmCrashReport report(description);
    report.exec();
}

} // namespace ballforge
