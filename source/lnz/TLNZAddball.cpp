#include "lnz/TLNZAddball.h"

#include "lnz/LNZLineFields.h"

namespace ballforge {

using namespace lnzfields;

void TLNZAddball::ParseText(std::string_view code) {
    const auto& f = FieldsOf(code, 13);
    std::int32_t* slots[] = {&base, &x,     &y,       &z,        &color,    &outlineColor, &speckleColor,
                             &fuzz, &group, &outline, &ballsize, &bodyarea, &addGroup};
    for (std::size_t i = 0; i < std::size(slots); ++i)
        *slots[i] = Int(f, i);
    texture = f.size() >= 14 ? Int(f, 13) : -1;
    hasExtraBall = false;
    if (f.size() >= 15) {
        extraBall = Int(f, 14);
        hasExtraBall = extraBall >= 0;
    }
}

std::string TLNZAddball::FormatText() const {
    std::vector<std::string> f{S(base),         S(x),      S(y),     S(z),       S(color),    S(outlineColor),
                               S(speckleColor), S(fuzz),   S(group), S(outline), S(ballsize), S(bodyarea),
                               S(addGroup),     S(texture)};
    if (hasExtraBall) f.push_back(S(extraBall));
    return JoinFields(f);
}

std::string TLNZAddball::GetHint() const {
    return "Base " + S(base);
}

std::string TLNZAddball::ColumnHeader() const {
    return ";Base,x,y,z,color,outline color,speckle "
           "color,fuzz,group,outline,ballsize,bodyarea,addGroup,texture";
}

bool TLNZAddball::Renumber(std::uint8_t what, std::int32_t index, bool inserting) {
    if (what == rnTextures) {
        RenumberTexture(texture, index, inserting);
        return true;
    }
    if (what != rnBalls) return true;
    const bool kept = RenumberRequired(base, index, inserting);
    RenumberOptional(extraBall, hasExtraBall, index, inserting);
    return kept;
}

bool TLNZAddball::RefersToBall(std::string_view number) const {
    return RefersTo(number, {&base, hasExtraBall ? &extraBall : nullptr});
}

void TLNZAddball::RemapBalls(const TNumberMap& map) {
    Remap(map, base);
    if (hasExtraBall) Remap(map, extraBall);
}

bool TLNZAddball::RefersToTexture(std::string_view number) const {
    return RefersTo(number, {&texture});
}

void TLNZAddball::RemapTextures(const TNumberMap& map) {
    Remap(map, texture);
}

} // namespace ballforge
