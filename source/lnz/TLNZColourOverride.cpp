#include "lnz/TLNZColourOverride.h"

#include "lnz/LNZLineFields.h"

namespace ballforge {

using namespace lnzfields;

void TLNZColourOverride::ParseText(std::string_view code) {
    const auto& f = FieldsOf(code, 2);
    ball = Int(f, 0);
    colour = Int(f, 1);
    hasGroup = f.size() >= 3;
    if (hasGroup) group = Int(f, 2);
    hasTexture = f.size() >= 4;
    if (hasTexture) texture = Int(f, 3);
}

std::string TLNZColourOverride::FormatText() const {
    std::vector<std::string> f{S(ball), S(colour)};
    if (hasGroup) f.push_back(S(group));
    if (hasTexture) f.push_back(S(texture));
    return JoinFields(f);
}

std::string TLNZColourOverride::GetHint() const {
    std::string hint = "Ball " + S(ball) + " Color " + S(colour);
    if (hasGroup) hint += " Group " + S(group);
    if (hasTexture) hint += " Texture " + S(texture);
    return hint;
}

} // namespace ballforge
