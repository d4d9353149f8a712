#include "lnz/TLNZBallProjection.h"

#include "lnz/LNZLineFields.h"

namespace ballforge {

using namespace lnzfields;

void TLNZBallProjection::ParseText(std::string_view code) {
    const auto& f = FieldsOf(code, 3);
    anchor = Int(f, 0);
    ball = Int(f, 1);
    distance = Int(f, 2);
}

std::string TLNZBallProjection::FormatText() const {
    return Join({S(anchor), S(ball), S(distance)});
}

std::string TLNZBallProjection::GetHint() const {
    return "Anchor " + S(anchor) + " Ball " + S(ball) + " Distance " + S(distance) + "%";
}

bool TLNZBallProjection::Renumber(std::uint8_t what, std::int32_t index, bool inserting) {
    if (what != rnBalls) return true;
    const bool a = RenumberRequired(anchor, index, inserting);
    const bool b = RenumberRequired(ball, index, inserting);
    return a && b;
}

bool TLNZBallProjection::RefersToBall(std::string_view number) const {
    return RefersTo(number, {&anchor, &ball});
}

void TLNZBallProjection::RemapBalls(const TNumberMap& map) {
    Remap(map, anchor);
    Remap(map, ball);
}

} // namespace ballforge
