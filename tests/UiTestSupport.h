#pragma once
// Helpers for the interface tests: prompts answered by the test, scratch folders, fixture files.
#include "documents/ui/TPrompts.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ballforge::test {

/// Answers every prompt from queues the test fills, and records what was asked.
class TScriptedPrompts : public TPrompts {
public:
    TScriptedPrompts() { SetPrompts(this); }
    ~TScriptedPrompts() override { SetPrompts(nullptr); }

    QStringList messages;
    QStringList errorBoxes;
    QStringList questions;
    QStringList crashReports;
    QList<TFileDialogRequest> openRequests;
    QList<TFileDialogRequest> saveRequests;

    QList<TAnswer> answers;                      // Question: the next answer (Cancel when empty)
    QList<QStringList> openAnswers;              // OpenFiles: the next choice (cancelled when empty)
    QStringList saveAnswers;                     // SaveFile: the next name (cancelled when empty)
    QList<std::function<int(QDialog&)>> dialogs; // Exec: fills the dialog, answers its result

    void Message(const QString& text) override { messages << text; }
    void ErrorBox(const QString& text) override { errorBoxes << text; }
    TAnswer Question(const QString& text, bool) override {
        questions << text;
        return answers.isEmpty() ? TAnswer::aCancel : answers.takeFirst();
    }
    QStringList OpenFiles(const TFileDialogRequest& r) override {
        openRequests << r;
        return openAnswers.isEmpty() ? QStringList() : openAnswers.takeFirst();
    }
    QString SaveFile(const TFileDialogRequest& r) override {
        saveRequests << r;
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }
    int Exec(QDialog& dialog) override {
        if (dialogs.isEmpty()) return QDialog::Rejected;
        dialog.show();
        return dialogs.takeFirst()(dialog);
    }
    void CrashReport(const QString& description) override { crashReports << description; }
};

std::string SourceFile(const std::string& relative);
std::string RealFile(const std::string& relative); ///< empty when the real files are absent
std::vector<std::uint8_t> ReadAll(const std::string& file);
void WriteAll(const std::string& file, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> Bytes(const std::string& text);
/// Copies a file into the folder under the given name and answers the copy's path.
QString CopyInto(const QTemporaryDir& dir, const std::string& source, const QString& name);

} // namespace ballforge::test
