#pragma once
// How the colour grid and the swatch draw a palette colour: greyed when disabled, and whether
// text on it is white (dark colour) or black (light colour).
#include "formats/PetzPalettes.h"

#include <QColor>

namespace ballforge {

/// The palette entry as an opaque colour.
QColor PaletteEntryColour(const TPetzPalette& palette, int index);
/// Perceived lightness, (61 red + 174 green + 21 blue) / 256.
int ColourLightness(const QColor& colour);
/// Dark colours take white text and marks, light ones black.
bool IsDarkColour(const QColor& colour);
/// The greyed look of a disabled control: each channel (channel + 3 lightness) / 4, opaque.
QColor GreyedColour(const QColor& colour);
/// The colour as a control draws it: greyed unless enabled.
QColor ShownColour(const QColor& colour, bool enabled);
/// White on a dark colour, black on a light one.
QColor TextColourOn(const QColor& colour);

} // namespace ballforge
