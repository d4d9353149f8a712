#include "lnz/petzcommon.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace ballforge {

const std::array<tconvrecord, 75> LNZSections = {{
    {lkGeneric, "Ear Extension"},
    {lkGeneric, "Eyes"},
    {lkEyelidColour, "256 Eyelid Color"},
    {lkGeneric, "Face Extension"},
    {lkGeneric, "Body Extension"},
    {lkGeneric, "Draw Small Balls"},
    {lkGeneric, "Force To Male"},
    {lkGeneric, "Force To Female"},
    {lkGeneric, "Z Shade Slope"},
    {lkGeneric, "Default Glue Ball"},
    {lkGeneric, "Line Render Mode"},
    {lkGeneric, "Circle Render Mode"},
    {lkGeneric, "Draw Linez Before Ballz"},
    {lkGeneric, "Species"},
    {lkGeneric, "Lnz Version"},
    {lkGeneric, "Num Ballz"},
    {lkGeneric, "Additional Frames"},
    {lkGeneric, "Little one"},
    {lkGeneric, "Default Linez File"},
    {lkGeneric, "Breed Name"},
    {lkGeneric, "Sounds"},
    {lkGeneric, "Default Scales"},
    {lkGeneric, "Feet Enlargement"},
    {lkGeneric, "Head Enlargement"},
    {lkGeneric, "Leg Extension"},
    {lkGeneric, "Head Tilt Limits"},
    {lkGeneric, "Head Rotation Limits"},
    {lkPaintBallz, "Paint Ballz"},
    {lkGeneric, "Whiskers"},
    {lkBallzInfo, "Ballz Info"},
    {lkLinez, "Linez"},
    {lkGeneric, "Default Linez Thickness"},
    {lkOmissions, "Omissions"},
    {lkProjectBall, "Project Ball"},
    {lkMove, "Move"},
    {lkThinFat, "Thin/Fat"},
    {lkAddBall, "Add Ball"},
    {lkGeneric, "Head Shot"},
    {lkGeneric, "No Texture Rotate"},
    {lkTextureList, "Texture List"},
    {lkColourOverride, "Outline Color Override"},
    {lkFuzzOverride, "Fuzz Override"},
    {lkBallSizeOverride, "Ball Size Override"},
    {lkColourOverride, "Color Info Override"},
    {lkGeneric, "Add Ball Override"},
    {lkGeneric, "Extra Head Balls"},
    {lkGeneric, "Extra Balls"},
    {lkGeneric, "Left Brow Balls"},
    {lkGeneric, "Right Brow Balls"},
    {lkGeneric, "Jowlz Balls"},
    {lkGeneric, "Whisker Balls"},
    {lkGeneric, "Tail Balls"},
    {lkGeneric, "Left Ear Balls"},
    {lkGeneric, "Right Ear Balls"},
    {lkGeneric, "Left Arm Balls"},
    {lkGeneric, "Right Arm Balls"},
    {lkGeneric, "Head Balls"},
    {lkGeneric, "Left Foot Balls"},
    {lkGeneric, "Right Foot Balls"},
    {lkGeneric, "Left Hand Balls"},
    {lkGeneric, "Right Hand Balls"},
    {lkGeneric, "Left Leg Balls"},
    {lkGeneric, "Right Leg Balls"},
    {lkGeneric, "Body Balls"},
    {lkGeneric, "Key Balls"},
    {lkGeneric, "Fur Color Areas"},
    {lkGeneric, "Fur Pattern Balls"},
    {lkGeneric, "Fur Markings"},
    {lkGeneric, "Marking Factor"},
    {lkGeneric, "Spot Factor"},
    {lkGeneric, "Adjust Clothing"},
    {lkGeneric, "Flat Clothing"},
    {lkGeneric, "Add Clothing"},
    {lkGeneric, "Polygons"},
    {lkGeneric, "Eyelash Info"},
}};

const std::array<std::string_view, 67> DogzBallNames = {
    "L ankle", "L eyebrow1", "L eyebrow2", "L eyebrow3", "L ear1", "L ear2", "L ear3", "L elbow",
    "L eye",   "L finger1",  "L finger2",  "L finger3",  "L foot", "L hand", "L iris", "L jowl",
    "L knee",  "L nostril",  "L shoulder", "L hip",      "L toe1", "L toe2", "L toe3", "L wrist",
    "R ankle", "R eyebrow1", "R eyebrow2", "R eyebrow3", "R ear1", "R ear2", "R ear3", "R elbow",
    "R eye",   "R finger1",  "R finger2",  "R finger3",  "R foot", "R hand", "R iris", "R jowl",
    "R knee",  "R nostril",  "R shoulder", "R hip",      "R toe1", "R toe2", "R toe3", "R wrist",
    "Belly",   "Butt",       "Chest",      "Chin",       "Head",   "Jaw",    "Neck",   "Nose (bottom)",
    "Snout",   "Tail1",      "Tail2",      "Tail3",      "Tail4",  "Tail5",  "Tail6",  "Tongue1",
    "Tongue2", "Z-trans",    "Z-orient",
};

const std::array<std::string_view, 67> CatzBallNames = {
    "ankleL",   "ankleR",    "belly",     "butt",      "cheekL",    "cheekR",    "chest",     "chin",
    "earL1",    "earL2",     "earR1",     "earR2",     "elbowL",    "elbowR",    "eyeL",      "eyeR",
    "fingerL1", "fingerL2",  "fingerL3",  "fingerR1",  "fingerR2",  "fingerR3",  "handL",     "handR",
    "head",     "hipL",      "hipR",      "irisL",     "irisR",     "jaw",       "jowlL",     "jowlR",
    "kneeL",    "kneeR",     "knuckleL",  "knuckleR",  "neck",      "nose",      "shoulderL", "shoulderR",
    "snout",    "soleL",     "soleR",     "tail1",     "tail2",     "tail3",     "tail4",     "tail5",
    "tail6",    "toeL1",     "toeL2",     "toeL3",     "toeR1",     "toeR2",     "toeR3",     "tongue1",
    "tongue2",  "whiskerL1", "whiskerL2", "whiskerL3", "whiskerR1", "whiskerR2", "whiskerR3", "wristL",
    "wristR",   "zorient",   "ztrans",
};

const std::array<std::string_view, 120> BabyzBallNames = {
    "ankleL",
    "ankleR",
    "archL",
    "archR",
    "belly",
    "bigtoeL",
    "bigtoeR",
    "bridge",
    "cheekL",
    "cheekR",
    "chestL",
    "chestR",
    "chin1",
    "chin2",
    "chin3",
    "chin4",
    "ear1L",
    "ear1R",
    "ear2L",
    "ear2R",
    "ear3L",
    "ear3R",
    "ear4L",
    "ear4R",
    "ear5L",
    "ear5R",
    "ear6L",
    "ear6R",
    "earcenterL",
    "earcenterR",
    "elbowL",
    "elbowR",
    "extra1",
    "extra2",
    "extra3",
    "eyeL",
    "eyeR",
    "eyebrow1L",
    "eyebrow1R",
    "eyebrow2L",
    "eyebrow2R",
    "eyebrow3L",
    "eyebrow3R",
    "eyebrow4L",
    "eyebrow4R",
    "eyebrow5L",
    "eyebrow5R",
    "finger_index1L",
    "finger_index1R",
    "finger_index2L",
    "finger_index2R",
    "finger_middle1L",
    "finger_middle1R",
    "finger_middle2L",
    "finger_middle2R",
    "finger_pinky1L",
    "finger_pinky1R",
    "finger_pinky2L",
    "finger_pinky2R",
    "football1L",
    "football1R",
    "football2L",
    "football2R",
    "head",
    "heelL",
    "heelR",
    "hipL",
    "hipR",
    "irisL",
    "irisR",
    "jock",
    "kneeL",
    "kneeR",
    "lowerLip1",
    "lowerLip2",
    "lowerLip3",
    "lowerLip4",
    "lowerLip5",
    "lowerLip6",
    "mouthTopL",
    "mouthTopR",
    "neck",
    "nose1",
    "nose2",
    "nosemiddle",
    "nostrilL",
    "nostrilR",
    "origin",
    "palm1L",
    "palm1R",
    "palm2L",
    "palm2R",
    "palm3L",
    "palm3R",
    "shoulderL",
    "shoulderR",
    "templeL",
    "templeR",
    "thumb1L",
    "thumb1R",
    "thumb2L",
    "thumb2R",
    "toe_indexL",
    "toe_indexR",
    "toe_middleL",
    "toe_middleR",
    "toe_pinkyL",
    "toe_pinkyR",
    "tongue1",
    "underchin",
    "upperLip1",
    "upperLip2",
    "upperLip3",
    "upperLip4",
    "upperLip5",
    "upperLip6",
    "wristL",
    "wristR",
    "zorient",
    "ztrans",
};

std::uint8_t SectionKindOf(std::string_view name) {
    for (const tconvrecord& row : LNZSections)
        if (row.name == name) return row.kind;
    return lkUnknownSection;
}

std::string SectionNameOf(std::string_view headerLine) {
    const std::size_t open = headerLine.find('[');
    const std::size_t close = headerLine.find(']');
    if (open == std::string_view::npos || close == std::string_view::npos || close < open) return {};
    return std::string(headerLine.substr(open + 1, close - open - 1));
}

Species SpeciesOfFile(std::string_view fileName) {
    const std::size_t sep = fileName.find_last_of("\\/:");
    const std::string_view base = sep == std::string_view::npos ? fileName : fileName.substr(sep + 1);
    const std::size_t dot = base.rfind('.');
    if (dot == std::string_view::npos) return spUnknown;
    std::string ext(base.substr(dot));
    for (char& c : ext)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    if (ext == ".DOG") return spDog;
    if (ext == ".CAT") return spCat;
    return spUnknown;
}

std::string_view TrimBlanks(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && IsBlank(text[b]))
        ++b;
    while (e > b && IsBlank(text[e - 1]))
        --e;
    return text.substr(b, e - b);
}

std::string LineCodePart(std::string_view line) {
    const std::size_t semi = line.find(';');
    if (semi == std::string_view::npos) return std::string(line);
    return std::string(TrimBlanks(line.substr(0, semi)));
}

std::string LineCommentPart(std::string_view line) {
    const std::size_t semi = line.find(';');
    if (semi == std::string_view::npos) return {};
    return std::string(TrimBlanks(line.substr(semi + 1)));
}

void SplitFieldsInto(std::string_view text, std::vector<std::string>& fields) {
    // A NUL ends the text: read literally, the rules below would never move past it.
    if (const std::size_t nul = text.find('\0'); nul != std::string_view::npos) text = text.substr(0, nul);
    std::size_t used = 0;
    auto next = [&]() -> std::string& {
        if (used == fields.size()) fields.emplace_back();
        std::string& f = fields[used++];
        f.clear();
        return f;
    };
    auto skipBlanks = [&](std::size_t p) {
        while (p < text.size() && IsBlank(text[p]))
            ++p;
        return p;
    };
    std::size_t p = skipBlanks(0);
    while (p < text.size()) {
        std::string& field = next();
        if (text[p] == '"') {
            ++p;
            while (p < text.size()) {
                if (text[p] == '"') {
                    if (p + 1 < text.size() && text[p + 1] == '"') {
                        field.push_back('"');
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                field.push_back(text[p++]);
            }
        } else {
            const std::size_t start = p;
            while (p < text.size() && !IsBlank(text[p]) && text[p] != ',')
                ++p;
            field.assign(text.substr(start, p - start));
        }
        p = skipBlanks(p);
        if (p < text.size() && text[p] == ',') {
            if (p + 1 == text.size()) next();
            p = skipBlanks(p + 1);
        }
    }
    fields.resize(used);
}

std::vector<std::string> SplitFields(std::string_view text) {
    std::vector<std::string> fields;
    SplitFieldsInto(text, fields);
    return fields;
}

std::string JoinFields(const std::vector<std::string>& fields) {
    std::string result;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) result += ",\t";
        result += fields[i];
    }
    return result;
}

std::int32_t FirstNumberIn(std::string_view text) {
    auto isNumberChar = [](char c) { return (c >= '0' && c <= '9') || c == '-'; };
    std::size_t b = 0;
    while (b < text.size() && !isNumberChar(text[b]))
        ++b;
    if (b == text.size()) return 0;
    std::size_t e = b;
    while (e < text.size() && isNumberChar(text[e]))
        ++e;
    return LNZStrToInt(text.substr(b, e - b));
}

namespace {

[[noreturn]] void NotAnInteger(std::string_view text) {
    throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

std::int32_t LNZStrToInt(std::string_view text) {
    std::size_t p = 0;
    while (p < text.size() && text[p] == ' ')
        ++p;
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) negative = text[p++] == '-';
    int base = 10;
    if (p < text.size() && (text[p] == '$' || text[p] == 'x' || text[p] == 'X')) {
        base = 16;
        ++p;
    } else if (p + 1 < text.size() && text[p] == '0' && (text[p + 1] == 'x' || text[p + 1] == 'X')) {
        base = 16;
        p += 2;
    }
    if (p == text.size()) NotAnInteger(text);
    // The magnitude may reach 2^31 for a negative value; anything beyond is out of range.
    const std::uint64_t limit = negative ? 0x80000000ull : 0x7FFFFFFFull;
    std::uint64_t value = 0;
    for (; p < text.size(); ++p) {
        const int d =
            base == 16 ? HexDigit(text[p]) : (text[p] >= '0' && text[p] <= '9' ? text[p] - '0' : -1);
        if (d < 0) NotAnInteger(text);
        value = value * std::uint64_t(base) + std::uint64_t(d);
        if (value > limit) NotAnInteger(text);
    }
    return negative ? std::int32_t(-std::int64_t(value)) : std::int32_t(value);
}

float LNZStrToFloat(std::string_view text) {
    auto fail = [&]() -> float {
        throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
    };
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t p = 0;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) ++p;
    const std::size_t mantissa = p;
    std::size_t digits = 0;
    while (p < text.size() && isDigit(text[p]))
        ++p, ++digits;
    if (p < text.size() && text[p] == '.') {
        ++p;
        while (p < text.size() && isDigit(text[p]))
            ++p, ++digits;
    }
    if (digits == 0) return fail();
    bool underflowAllowed = false;
    if (p < text.size() && (text[p] == 'e' || text[p] == 'E')) {
        ++p;
        if (p < text.size() && (text[p] == '+' || text[p] == '-')) underflowAllowed = text[p++] == '-';
        const std::size_t expStart = p;
        while (p < text.size() && isDigit(text[p]))
            ++p;
        if (p == expStart) return fail();
    }
    if (p != text.size()) return fail();
    // from_chars reads "5." and ".5" and never looks at the locale; it does not take a "+".
    double value = 0;
    std::string_view body = text.substr(mantissa);
    const auto [ptr, ec] = std::from_chars(body.data(), body.data() + body.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (!underflowAllowed) return fail();
        value = 0; // too small to tell from zero
    } else if (ec != std::errc() || ptr != body.data() + body.size()) {
        return fail();
    }
    if (text[0] == '-') value = -value;
    if (!std::isfinite(value) || std::fabs(value) > double(FLT_MAX)) return fail();
    const float result = float(value);
    if (!std::isfinite(result)) return fail();
    return result;
}

std::string FloatToShortText(float value) {
    if (value == 0 || !std::isfinite(value))
        return value == 0 ? "0" : std::isnan(value) ? "NAN" : value > 0 ? "INF" : "-INF";
    // Round to 7 significant digits first: the notation follows the rounded value.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.6e", double(value));
    std::string s(buf);
    const bool negative = s[0] == '-';
    if (negative) s.erase(0, 1);
    const std::size_t e = s.find('e');
    const int exponent = std::atoi(s.c_str() + e + 1);
    std::string digits = s.substr(0, 1) + s.substr(2, e - 2);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    std::string out = negative ? "-" : "";
    if (exponent >= -5 && exponent <= 6) {
        if (exponent < 0) {
            out += "0." + std::string(std::size_t(-exponent - 1), '0') + digits;
        } else {
            const std::size_t intDigits = std::size_t(exponent) + 1;
            if (digits.size() <= intDigits) {
                out += digits + std::string(intDigits - digits.size(), '0');
            } else {
                out += digits.substr(0, intDigits) + "." + digits.substr(intDigits);
            }
        }
        return out;
    }
    out += digits.substr(0, 1);
    if (digits.size() > 1) out += "." + digits.substr(1);
    char exp[16];
    std::snprintf(exp, sizeof exp, "E%s%03d", exponent < 0 ? "-" : "", exponent < 0 ? -exponent : exponent);
    return out + exp;
}

} // namespace ballforge
