#include "lnz/TLNZfuzzoverride.h"

#include "lnz/LNZLineFields.h"

namespace ballforge {

using namespace lnzfields;

void TLNZfuzzoverride::ParseText(std::string_view code) {
    const auto& f = FieldsOf(code, 2);
    ball = Int(f, 0);
    fuzz = Int(f, 1);
}

std::string TLNZfuzzoverride::FormatText() const {
    return Join({S(ball), S(fuzz)});
}

std::string TLNZfuzzoverride::GetHint() const {
    return "Ball " + S(ball) + " Fuzz " + S(fuzz);
}

} // namespace ballforge
