#pragma once
// Asks for a file and the type, name and language under which it becomes a resource.
#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace ballforge {

/// "Add new resource...": "Create" is enabled only while every field holds something usable.
class TfrmAddResource : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAddResource(QWidget* parent = nullptr);

    /// The document's types, in tree order, for the type field's list.
    void SetTypes(const QStringList& types);
    void updateButtons();

    QLineEdit* edtFile = nullptr;
    QPushButton* btnBrowse = nullptr;
    QComboBox* edtType = nullptr;
    QLineEdit* edtName = nullptr;
    QLineEdit* edtLanguage = nullptr;
    QPushButton* btnCreate = nullptr;
    QPushButton* btnCancel = nullptr;

    bool fileEdited = false;
    bool typeEdited = false;
    bool nameEdited = false;
    bool languageEdited = false;

public slots:
    void btnBrowseClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool building_ = true;
};

} // namespace ballforge
