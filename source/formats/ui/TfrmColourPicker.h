#pragma once
// The colour picker dialog, and PickPetzColour, which shows it.
#include "formats/PetzPalettes.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QPushButton;
class QRadioButton;
class QTimer;

namespace ballforge {

class TPetzColourGrid;

/// Lets the user pick a palette index, or "no colour" when the caller allows it.
class TfrmColourPicker : public QDialog {
    Q_OBJECT
public:
    explicit TfrmColourPicker(QWidget* parent = nullptr);

    QRadioButton* rbNoColour = nullptr;
    QRadioButton* rbPickColour = nullptr;
    QComboBox* cbPalette = nullptr;
    TPetzColourGrid* grid = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
    QTimer* Timer1 = nullptr;

    /// Prepares the dialog for one use: the given index (0 or more) selected, "No colour/default
    /// colour" enabled only when none is allowed, the palette list shown only when asked for.
    void Prepare(int index, bool allowNone, bool showPaletteChoice, TPFPalType palette);
    /// The index the caller handed over (-1 for none).
    int GivenIndex = -1;
    /// The index chosen by "Ok": the grid's selection, or -1 when "No colour/default colour" is checked.
    int Result = -1;

    void RadioClick();
    void btnOkClick();
    /// Each tick of the 200 ms timer advances the grid's selection animation.
    void Timer1Timer();
};

/// Shows the picker; on "Ok" index becomes the chosen index, or -1 for no colour. True when confirmed.
bool PickPetzColour(int& index, bool allowNone, bool showPaletteChoice, TPFPalType palette = pfpPetz);

/// Runs a dialog modally and answers its result; tests set their own to answer for the user.
using TColourPickerRunner = std::function<int(TfrmColourPicker&)>;
/// Replaces how PickPetzColour runs the dialog (an empty runner restores QDialog::exec).
void SetColourPickerRunner(TColourPickerRunner runner);

} // namespace ballforge
