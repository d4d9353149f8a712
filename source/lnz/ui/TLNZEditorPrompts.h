#pragma once
// The LNZ editor's messages and modal dialogs go through here, so that tests answer them.
#include <QString>

class QDialog;

namespace ballforge {

class TLNZEditorPrompts {
public:
    virtual ~TLNZEditorPrompts() = default;
    /// A plain message with an OK button.
    virtual void Message(const QString& text);
    /// Shows a prepared dialog modally and answers its result code.
    virtual int Exec(QDialog& dialog);
};

/// The prompts in use: the real ones unless a test installed its own.
TLNZEditorPrompts& LNZEditorPrompts();
/// Installs prompts (not owned); nullptr brings back the real ones.
void SetLNZEditorPrompts(TLNZEditorPrompts* prompts);

} // namespace ballforge
