#include "formats/ui/PetzColourRules.h"

namespace ballforge {

QColor PaletteEntryColour(const TPetzPalette& palette, int index) {
    const std::uint32_t e = palette[std::size_t(index & 0xFF)];
    return QColor(int(e & 0xFF), int((e >> 8) & 0xFF), int((e >> 16) & 0xFF));
}

int ColourLightness(const QColor& c) {
    return (61 * c.red() + 174 * c.green() + 21 * c.blue()) / 256;
}

bool IsDarkColour(const QColor& colour) {
    return ColourLightness(colour) < 128;
}

QColor GreyedColour(const QColor& c) {
    const int l = ColourLightness(c);
    return QColor((c.red() + 3 * l) / 4, (c.green() + 3 * l) / 4, (c.blue() + 3 * l) / 4);
}

QColor ShownColour(const QColor& colour, bool enabled) {
    return enabled ? QColor(colour.red(), colour.green(), colour.blue()) : GreyedColour(colour);
}

QColor TextColourOn(const QColor& colour) {
    return IsDarkColour(colour) ? QColor(Qt::white) : QColor(Qt::black);
}

} // namespace ballforge
