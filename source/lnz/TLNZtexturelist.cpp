#include "lnz/TLNZtexturelist.h"

#include "lnz/LNZLineFields.h"
#include "lnz/petzcommon.h"

namespace ballforge {

using namespace lnzfields;

void TLNZtexturelist::ParseText(std::string_view code) {
    const auto& f = FieldsOf(code, 2);
    textureFile = f[0];
    argument = Int(f, 1);
}

std::string TLNZtexturelist::FormatText() const {
    return textureFile + "  " + S(argument);
}

std::string TLNZtexturelist::GetHint() const {
    return "\"" + textureFile + "\" Argument " + S(argument);
}

void TLNZtexturelist::ReadXML(const pugi::xml_node& element) {
    const std::string name = element.attribute("Name").value();
    if (name.empty()) throw EParseError("Texture list: Missing texture name");
    const std::string path = element.attribute("Path").value();
    if (path.empty()) throw EParseError("Texture list: Missing texture path");
    const pugi::xml_attribute blend = element.attribute("BlendMode");
    const std::int32_t arg = blend ? LNZStrToInt(blend.value()) : 1;
    displayName = name;
    textureFile = path;
    argument = arg;
}

void TLNZtexturelist::WriteXML(pugi::xml_node& parent) const {
    pugi::xml_node node = parent.append_child("Texture");
    node.append_attribute("Name") = displayName.c_str();
    node.append_attribute("Path") = textureFile.c_str();
    if (argument != 1) node.append_attribute("BlendMode") = S(argument).c_str();
}

} // namespace ballforge
