#include "lnz/TLNZmove.h"

#include "lnz/LNZLineFields.h"

namespace ballforge {

using namespace lnzfields;

void TLNZmove::ParseText(std::string_view code) {
    const auto& f = FieldsOf(code, 4);
    ball = Int(f, 0);
    x = Int(f, 1);
    y = Int(f, 2);
    z = Int(f, 3);
    hasRelative = f.size() >= 5;
    if (hasRelative) relativeBall = Int(f, 4);
}

std::string TLNZmove::FormatText() const {
    std::vector<std::string> f{S(ball), S(x), S(y), S(z)};
    if (hasRelative) f.push_back(S(relativeBall));
    return JoinFields(f);
}

std::string TLNZmove::GetHint() const {
    std::string hint = "Ball " + S(ball) + " X " + S(x) + " Y " + S(y) + " Z " + S(z);
    if (hasRelative) hint += " Relative " + S(relativeBall);
    return hint;
}

bool TLNZmove::Renumber(std::uint8_t what, std::int32_t index, bool inserting) {
    if (what != rnBalls) return true;
    const bool kept = RenumberRequired(ball, index, inserting);
    RenumberOptional(relativeBall, hasRelative, index, inserting);
    return kept;
}

bool TLNZmove::RefersToBall(std::string_view number) const {
    return RefersTo(number, {&ball, hasRelative ? &relativeBall : nullptr});
}

void TLNZmove::RemapBalls(const TNumberMap& map) {
    Remap(map, ball);
    if (hasRelative) Remap(map, relativeBall);
}

} // namespace ballforge
