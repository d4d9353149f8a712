#include "lnz/TLNZThinfat.h"

#include "lnz/LNZLineFields.h"

namespace ballforge {

using namespace lnzfields;

void TLNZThinfat::ParseText(std::string_view code) {
    const auto& f = FieldsOf(code, 3);
    ball = Int(f, 0);
    smallest = Int(f, 1);
    biggest = Int(f, 2);
}

std::string TLNZThinfat::FormatText() const {
    return Join({S(ball), S(smallest), S(biggest)});
}

std::string TLNZThinfat::GetHint() const {
    return "Ball " + S(ball) + " Min " + S(smallest) + " Max " + S(biggest);
}

} // namespace ballforge
