#include "lnz/TLNZballsizeoverride.h"

#include "lnz/LNZLineFields.h"

namespace ballforge {

using namespace lnzfields;

void TLNZballsizeoverride::ParseText(std::string_view code) {
    const auto& f = FieldsOf(code, 2);
    ball = Int(f, 0);
    size = Int(f, 1);
}

std::string TLNZballsizeoverride::FormatText() const {
    return Join({S(ball), S(size)});
}

std::string TLNZballsizeoverride::GetHint() const {
    return "Ball: " + S(ball) + " Size: " + S(size);
}

} // namespace ballforge
