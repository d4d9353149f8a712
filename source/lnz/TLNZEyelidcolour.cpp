#include "lnz/TLNZEyelidcolour.h"

#include "lnz/LNZLineFields.h"

namespace ballforge {

using namespace lnzfields;

void TLNZEyelidcolour::ParseText(std::string_view code) {
    const auto& f = FieldsOf(code, 1);
    colour = Int(f, 0);
}

std::string TLNZEyelidcolour::FormatText() const {
    return S(colour);
}

std::string TLNZEyelidcolour::GetHint() const {
    return "Color " + S(colour);
}

} // namespace ballforge
