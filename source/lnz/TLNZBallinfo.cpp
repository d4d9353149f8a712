#include "lnz/TLNZBallinfo.h"

#include "lnz/LNZLineFields.h"

namespace ballforge {

using namespace lnzfields;

void TLNZBallinfo::ParseText(std::string_view code) {
    const auto& f = FieldsOf(code, 8);
    std::int32_t* slots[] = {&colour,      &outlineColour,  &speckleColour, &fuzz,
                             &outlineType, &sizeDifference, &group,         &texture};
    for (std::size_t i = 0; i < std::size(slots); ++i)
        *slots[i] = Int(f, i);
}

std::string TLNZBallinfo::FormatText() const {
    return Join({S(colour), S(outlineColour), S(speckleColour), S(fuzz), S(outlineType), S(sizeDifference),
                 S(group), S(texture)});
}

std::string TLNZBallinfo::GetHint() const {
    return "Col" + S(colour) + " OutCol" + S(outlineColour) + " SpkCol" + S(speckleColour) + " Fuzz" +
           S(fuzz);
}

std::string TLNZBallinfo::ColumnHeader() const {
    return ";-1 = no outline, 0 = half outline, > 0 = outline thickness\r\n"
           ";Color,outline color,speckle color,fuzz,outline type,size difference,group,texture,ball number";
}

bool TLNZBallinfo::Renumber(std::uint8_t what, std::int32_t index, bool inserting) {
    if (what == rnTextures) RenumberTexture(texture, index, inserting);
    return true;
}

bool TLNZBallinfo::RefersToTexture(std::string_view number) const {
    return RefersTo(number, {&texture});
}

void TLNZBallinfo::RemapTextures(const TNumberMap& map) {
    Remap(map, texture);
}

} // namespace ballforge
