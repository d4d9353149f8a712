#include "lnz/TLNZLinez.h"

#include "lnz/LNZLineFields.h"

namespace ballforge {

using namespace lnzfields;

void TLNZLinez::ParseText(std::string_view code) {
    const auto& f = FieldsOf(code, 8);
    std::int32_t* slots[] = {&startBall,  &endBall,     &fuzz,           &colour,
                             &leftColour, &rightColour, &startThickness, &endThickness};
    for (std::size_t i = 0; i < std::size(slots); ++i)
        *slots[i] = Int(f, i);
    // -1 is the games' shorthand for the default thickness.
    if (startThickness == -1) startThickness = 100;
    if (endThickness == -1) endThickness = 100;
}

std::string TLNZLinez::FormatText() const {
    return Join({S(startBall), S(endBall), S(fuzz), S(colour), S(leftColour), S(rightColour),
                 S(startThickness), S(endThickness)});
}

std::string TLNZLinez::GetHint() const {
    return "Start " + S(startBall) + " End " + S(endBall);
}

std::string TLNZLinez::ColumnHeader() const {
    return ";Start ball,end ball,fuzz,colour,left colour,right colour,start thickness,end thickness";
}

bool TLNZLinez::Renumber(std::uint8_t what, std::int32_t index, bool inserting) {
    if (what != rnBalls) return true;
    const bool a = RenumberRequired(startBall, index, inserting);
    const bool b = RenumberRequired(endBall, index, inserting);
    return a && b;
}

bool TLNZLinez::RefersToBall(std::string_view number) const {
    return RefersTo(number, {&startBall, &endBall});
}

void TLNZLinez::RemapBalls(const TNumberMap& map) {
    Remap(map, startBall);
    Remap(map, endBall);
}

} // namespace ballforge
