#include "lnz/TLNZPaintball.h"

#include "lnz/LNZLineFields.h"
#include "lnz/petzcommon.h"

namespace ballforge {

using namespace lnzfields;

void TLNZPaintball::ParseText(std::string_view code) {
    const auto& f = FieldsOf(code, 11);
    ball = Int(f, 0);
    diameter = Int(f, 1);
    directionX = LNZStrToFloat(f[2]);
    directionY = LNZStrToFloat(f[3]);
    directionZ = LNZStrToFloat(f[4]);
    colour = Int(f, 5);
    outlineColour = Int(f, 6);
    fuzz = Int(f, 7);
    outline = Int(f, 8);
    group = Int(f, 9);
    texture = Int(f, 10);
}

std::string TLNZPaintball::FormatText() const {
    return Join({S(ball), S(diameter), FloatToShortText(directionX), FloatToShortText(directionY),
                 FloatToShortText(directionZ), S(colour), S(outlineColour), S(fuzz), S(outline), S(group),
                 S(texture)});
}

std::string TLNZPaintball::GetHint() const {
    return "Base " + S(ball);
}

std::string TLNZPaintball::ColumnHeader() const {
    return ";Base ball,diameter(% of baseball),direction (x,y,z),colour,outline "
           "colour,fuzz,outline,group,texture";
}

bool TLNZPaintball::Renumber(std::uint8_t what, std::int32_t index, bool inserting) {
    if (what == rnTextures) {
        RenumberTexture(texture, index, inserting);
        return true;
    }
    return TLNZBallRef::Renumber(what, index, inserting);
}

} // namespace ballforge
