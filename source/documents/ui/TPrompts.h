#pragma once
// Every modal question, message and file dialog of the program goes through here, so that tests
// can answer them without a user.
#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

namespace ballforge {

enum class TAnswer { aYes, aNo, aCancel };

/// What a file dialog is asked for. The filter keeps the "Description|pattern|..." form.
struct TFileDialogRequest {
    QString title;
    QString filter;
    QString defaultExt;
    QString fileName;
    QString folder;
    bool multiple = false;
    bool mustExist = false;
};

class TPrompts {
public:
    virtual ~TPrompts() = default;
    /// A plain message with an OK button.
    virtual void Message(const QString& text) = 0;
    /// A message box titled "Error", owned by no window.
    virtual void ErrorBox(const QString& text) = 0;
    /// A question with Yes, No and Cancel; warning chooses the warning icon over the question mark.
    virtual TAnswer Question(const QString& text, bool warning) = 0;
    /// The chosen files, in order; empty when cancelled.
    virtual QStringList OpenFiles(const TFileDialogRequest& request) = 0;
    /// The chosen file; empty when cancelled. Replacing an existing file is confirmed by the dialog.
    virtual QString SaveFile(const TFileDialogRequest& request) = 0;
    /// Shows a prepared dialog modally and answers its result code.
    virtual int Exec(QDialog& dialog) = 0;
    /// Something unforeseen reached the top: show the crash report.
    virtual void CrashReport(const QString& description) = 0;
};

/// The prompts in use: the real dialogs unless a test installed its own.
TPrompts& Prompts();
/// Installs prompts (not owned); nullptr brings back the real dialogs.
void SetPrompts(TPrompts* prompts);

/// "Text files|*.txt|All files (*.*)|*.*" in the form Qt's file dialogs take.
QString QtFileFilter(const QString& filter);

/// The real dialogs.
class TDialogPrompts : public TPrompts {
public:
    void Message(const QString& text) override;
    void ErrorBox(const QString& text) override;
    TAnswer Question(const QString& text, bool warning) override;
    QStringList OpenFiles(const TFileDialogRequest& request) override;
    QString SaveFile(const TFileDialogRequest& request) override;
    int Exec(QDialog& dialog) override;
    void CrashReport(const QString& description) override;
};

} // namespace ballforge
