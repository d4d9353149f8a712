#include "lnz/TLNZOmissions.h"

#include "lnz/LNZLineFields.h"

namespace ballforge {

using namespace lnzfields;

void TLNZOmissions::ParseText(std::string_view code) {
    const auto& f = FieldsOf(code, 1);
    ball = Int(f, 0);
}

std::string TLNZOmissions::FormatText() const {
    return S(ball);
}

std::string TLNZOmissions::GetHint() const {
    return "Ball: " + S(ball);
}

} // namespace ballforge
