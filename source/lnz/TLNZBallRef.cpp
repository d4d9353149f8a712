#include "lnz/TLNZBallRef.h"

#include "lnz/LNZLineFields.h"

namespace ballforge {

using namespace lnzfields;

bool TLNZBallRef::Renumber(std::uint8_t what, std::int32_t index, bool inserting) {
    if (what != rnBalls) return true;
    return RenumberRequired(ball, index, inserting);
}

bool TLNZBallRef::RefersToBall(std::string_view number) const {
    return RefersTo(number, {&ball});
}

void TLNZBallRef::RemapBalls(const TNumberMap& map) {
    Remap(map, ball);
}

} // namespace ballforge
