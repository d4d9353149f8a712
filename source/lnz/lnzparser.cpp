#include "lnz/lnzparser.h"

#include <initializer_list>

namespace ballforge {

namespace {

// One field list per thread, reused: the checker parses every line of large texts.
const std::vector<std::string>& FieldsOf(std::string_view code, int required) {
    thread_local std::vector<std::string> fields;
    SplitFieldsInto(code, fields);
    if (fields.size() < std::size_t(required)) throw EPEWrongNum(int(fields.size()), required);
    return fields;
}

std::int32_t Int(const std::vector<std::string>& fields, std::size_t i) {
    return LNZStrToInt(fields[i]);
}

std::string Join(std::initializer_list<std::string> fields) {
    return JoinFields(std::vector<std::string>(fields));
}

std::string S(std::int32_t v) {
    return std::to_string(v);
}

bool RefersTo(std::string_view number, std::initializer_list<const std::int32_t*> refs) {
    for (const std::int32_t* r : refs)
        if (r && S(*r) == number) return true;
    return false;
}

void Remap(const TNumberMap& map, std::int32_t& ref) {
    const std::string text = S(ref);
    for (const auto& [from, to] : map)
        if (from == text) {
            ref = LNZStrToInt(to);
            return;
        }
}

// A required reference: deleting the ball it names leaves the line without meaning.
bool RenumberRequired(std::int32_t& ref, std::int32_t index, bool inserting) {
    if (inserting) {
        if (ref >= index) ++ref;
        return true;
    }
    if (index == ref) return false;
    if (index < ref) --ref;
    return true;
}

void RenumberOptional(std::int32_t& ref, bool& present, std::int32_t index, bool inserting) {
    if (!present) return;
    if (inserting) {
        if (ref >= index) ++ref;
    } else if (index < ref) {
        --ref;
    } else if (index == ref) {
        present = false;
    }
}

void RenumberTexture(std::int32_t& ref, std::int32_t index, bool inserting) {
    if (inserting) {
        if (ref >= index) ++ref;
    } else if (index < ref) {
        --ref;
    } else if (index == ref) {
        ref = -1;
    }
}

} // namespace

EPEWrongNum::EPEWrongNum(int found, int required)
    : EParseError("Wrong number of parameters: " + std::to_string(found) + " found, " +
                  std::to_string(required) + " required.") {}

bool TLNZLine::Renumber(std::uint8_t, std::int32_t, bool) {
    return true;
}

void TLNZLine::AssignTo(TLNZLine& destination) const {
    const IPFLine* from = Supports<IPFLine>(*this);
    IPFLine* to = Supports<IPFLine>(destination);
    if (!from || !to)
        throw ECantAssign("Can't assign a " + std::string(destination.ClassName()) + " to a " +
                          std::string(ClassName()));
    to->ParseText(from->FormatText());
}

bool Supports(const TLNZLine& line, std::string_view guid) {
    if (guid == IPFLine::GUID) return Supports<IPFLine>(line) != nullptr;
    if (guid == IPFLineHint::GUID) return Supports<IPFLineHint>(line) != nullptr;
    if (guid == IPFBallRefs::GUID) return Supports<IPFBallRefs>(line) != nullptr;
    if (guid == IPFTextureRefs::GUID) return Supports<IPFTextureRefs>(line) != nullptr;
    if (guid == IPFXMLItem::GUID) return Supports<IPFXMLItem>(line) != nullptr;
    return false;
}

// --- TLNZBallRef and the one-ball lines

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

void TLNZPaintball::ParseText(std::string_view code) {
    const auto& f = FieldsOf(code, 11);
    ball = Int(f, 0);
    diameter = Int(f, 1);
    directionX = LNZStrToFloat(f[2]);
    directionY = LNZStrToFloat(f[3]);
    directionZ = LNZStrToFloat(f[4]);
    colour = Int(f, 5);
    outlineColour = Int(f, 6);
    fuzz = Int(f, 7);
    outline = Int(f, 8);
    group = Int(f, 9);
    texture = Int(f, 10);
}
std::string TLNZPaintball::FormatText() const {
    return Join({S(ball), S(diameter), FloatToShortText(directionX), FloatToShortText(directionY),
                 FloatToShortText(directionZ), S(colour), S(outlineColour), S(fuzz), S(outline), S(group),
                 S(texture)});
}
std::string TLNZPaintball::GetHint() const {
    return "Base " + S(ball);
}
std::string TLNZPaintball::ColumnHeader() const {
    return ";Base ball,diameter(% of baseball),direction (x,y,z),colour,outline "
           "colour,fuzz,outline,group,texture";
}
bool TLNZPaintball::Renumber(std::uint8_t what, std::int32_t index, bool inserting) {
    if (what == rnTextures) {
        RenumberTexture(texture, index, inserting);
        return true;
    }
    return TLNZBallRef::Renumber(what, index, inserting);
}

// --- Lines of their own shape

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

void TLNZAddball::ParseText(std::string_view code) {
    const auto& f = FieldsOf(code, 13);
    std::int32_t* slots[] = {&base, &x,     &y,       &z,        &color,    &outlineColor, &speckleColor,
                             &fuzz, &group, &outline, &ballsize, &bodyarea, &addGroup};
    for (std::size_t i = 0; i < std::size(slots); ++i)
        *slots[i] = Int(f, i);
    texture = f.size() >= 14 ? Int(f, 13) : -1;
    hasExtraBall = false;
    if (f.size() >= 15) {
        extraBall = Int(f, 14);
        hasExtraBall = extraBall >= 0;
    }
}
std::string TLNZAddball::FormatText() const {
    std::vector<std::string> f{S(base),         S(x),      S(y),     S(z),       S(color),    S(outlineColor),
                               S(speckleColor), S(fuzz),   S(group), S(outline), S(ballsize), S(bodyarea),
                               S(addGroup),     S(texture)};
    if (hasExtraBall) f.push_back(S(extraBall));
    return JoinFields(f);
}
std::string TLNZAddball::GetHint() const {
    return "Base " + S(base);
}
std::string TLNZAddball::ColumnHeader() const {
    return ";Base,x,y,z,color,outline color,speckle "
           "color,fuzz,group,outline,ballsize,bodyarea,addGroup,texture";
}
bool TLNZAddball::Renumber(std::uint8_t what, std::int32_t index, bool inserting) {
    if (what == rnTextures) {
        RenumberTexture(texture, index, inserting);
        return true;
    }
    if (what != rnBalls) return true;
    const bool kept = RenumberRequired(base, index, inserting);
    RenumberOptional(extraBall, hasExtraBall, index, inserting);
    return kept;
}
bool TLNZAddball::RefersToBall(std::string_view number) const {
    return RefersTo(number, {&base, hasExtraBall ? &extraBall : nullptr});
}
void TLNZAddball::RemapBalls(const TNumberMap& map) {
    Remap(map, base);
    if (hasExtraBall) Remap(map, extraBall);
}
bool TLNZAddball::RefersToTexture(std::string_view number) const {
    return RefersTo(number, {&texture});
}
void TLNZAddball::RemapTextures(const TNumberMap& map) {
    Remap(map, texture);
}

void TLNZLinez::ParseText(std::string_view code) {
    const auto& f = FieldsOf(code, 8);
    std::int32_t* slots[] = {&startBall,  &endBall,     &fuzz,           &colour,
                             &leftColour, &rightColour, &startThickness, &endThickness};
    for (std::size_t i = 0; i < std::size(slots); ++i)
        *slots[i] = Int(f, i);
    // -1 is the games' shorthand for the default thickness.
    if (startThickness == -1) startThickness = 100;
    if (endThickness == -1) endThickness = 100;
}
std::string TLNZLinez::FormatText() const {
    return Join({S(startBall), S(endBall), S(fuzz), S(colour), S(leftColour), S(rightColour),
                 S(startThickness), S(endThickness)});
}
std::string TLNZLinez::GetHint() const {
    return "Start " + S(startBall) + " End " + S(endBall);
}
std::string TLNZLinez::ColumnHeader() const {
    return ";Start ball,end ball,fuzz,colour,left colour,right colour,start thickness,end thickness";
}
bool TLNZLinez::Renumber(std::uint8_t what, std::int32_t index, bool inserting) {
    if (what != rnBalls) return true;
    const bool a = RenumberRequired(startBall, index, inserting);
    const bool b = RenumberRequired(endBall, index, inserting);
    return a && b;
}
bool TLNZLinez::RefersToBall(std::string_view number) const {
    return RefersTo(number, {&startBall, &endBall});
}
void TLNZLinez::RemapBalls(const TNumberMap& map) {
    Remap(map, startBall);
    Remap(map, endBall);
}

void TLNZBallinfo::ParseText(std::string_view code) {
    const auto& f = FieldsOf(code, 8);
    std::int32_t* slots[] = {&colour,      &outlineColour,  &speckleColour, &fuzz,
                             &outlineType, &sizeDifference, &group,         &texture};
    for (std::size_t i = 0; i < std::size(slots); ++i)
        *slots[i] = Int(f, i);
}
std::string TLNZBallinfo::FormatText() const {
    return Join({S(colour), S(outlineColour), S(speckleColour), S(fuzz), S(outlineType), S(sizeDifference),
                 S(group), S(texture)});
}
std::string TLNZBallinfo::GetHint() const {
    return "Col" + S(colour) + " OutCol" + S(outlineColour) + " SpkCol" + S(speckleColour) + " Fuzz" +
           S(fuzz);
}
std::string TLNZBallinfo::ColumnHeader() const {
    return ";-1 = no outline, 0 = half outline, > 0 = outline thickness\r\n"
           ";Color,outline color,speckle color,fuzz,outline type,size difference,group,texture,ball number";
}
bool TLNZBallinfo::Renumber(std::uint8_t what, std::int32_t index, bool inserting) {
    if (what == rnTextures) RenumberTexture(texture, index, inserting);
    return true;
}
bool TLNZBallinfo::RefersToTexture(std::string_view number) const {
    return RefersTo(number, {&texture});
}
void TLNZBallinfo::RemapTextures(const TNumberMap& map) {
    Remap(map, texture);
}

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

// --- The class of each kind

namespace {
template <class T> std::unique_ptr<TLNZLine> Make() {
    return std::make_unique<T>();
}
} // namespace

TLNZLineClass LineKindClass(std::uint8_t kind) {
    switch (kind) {
    case lkOmissions:
        return &Make<TLNZOmissions>;
    case lkEyelidColour:
        return &Make<TLNZEyelidcolour>;
    case lkMove:
        return &Make<TLNZmove>;
    case lkProjectBall:
        return &Make<TLNZBallProjection>;
    case lkAddBall:
        return &Make<TLNZAddball>;
    case lkLinez:
        return &Make<TLNZLinez>;
    case lkPaintBallz:
        return &Make<TLNZPaintball>;
    case lkBallzInfo:
        return &Make<TLNZBallinfo>;
    case lkTextureList:
        return &Make<TLNZtexturelist>;
    case lkColourOverride:
        return &Make<TLNZColourOverride>;
    case lkFuzzOverride:
        return &Make<TLNZfuzzoverride>;
    case lkBallSizeOverride:
        return &Make<TLNZballsizeoverride>;
    case lkThinFat:
        return &Make<TLNZThinfat>;
    default:
        return &Make<TPFGenericLine>;
    }
}

} // namespace ballforge
