#pragma once
// The LNZ vocabulary: section names and their line kinds, the numbered balls of the three body
// types, the species of a breed file, and the text functions every LNZ line goes through.
//
// LNZ text is 8-bit text in the games' code page; every function here works on its bytes as they are.
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ballforge {

/// A number that does not follow the integer or real rule of LNZ fields.
class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const std::string& message) : std::runtime_error(message) {}
};

/// One row of the section table: the line kind of a section's body and the section's name.
struct tconvrecord {
    std::uint8_t kind;
    std::string_view name;
};

/// Line kinds; the value selects the line class of a section body.
enum : std::uint8_t {
    lkUnknownSection = 0,
    lkGeneric = 1,
    lkOmissions = 2,
    lkEyelidColour = 3,
    lkMove = 4,
    lkProjectBall = 5,
    lkAddBall = 6,
    lkLinez = 7,
    lkPaintBallz = 8,
    lkBallzInfo = 9,
    lkTextureList = 10,
    lkColourOverride = 11,
    lkFuzzOverride = 12,
    lkBallSizeOverride = 13,
    lkThinFat = 14,
};

/// The 75 sections the program knows, in the order that decides between equally close suggestions.
extern const std::array<tconvrecord, 75> LNZSections;

/// Ball names by ball number.
extern const std::array<std::string_view, 67> DogzBallNames;
extern const std::array<std::string_view, 67> CatzBallNames;
extern const std::array<std::string_view, 120> BabyzBallNames;

enum Species : std::uint8_t { spUnknown = 0, spDog = 1, spCat = 2 };

/// The kind of the section with exactly this name (case-sensitive, untrimmed), or 0.
std::uint8_t SectionKindOf(std::string_view name);
/// The text between the first "[" and the first "]" of a header line; empty when "]" comes first.
std::string SectionNameOf(std::string_view headerLine);
/// ".dog" gives spDog and ".cat" spCat (any case); "\", "/" and ":" end the folder part.
Species SpeciesOfFile(std::string_view fileName);

/// Blanks are the characters 0 to 32.
inline bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}
std::string_view TrimBlanks(std::string_view text);

/// The text before the first ";", trimmed; the whole line, untrimmed, when it holds no ";".
std::string LineCodePart(std::string_view line);
/// The text after the first ";", trimmed; empty when the line holds no ";".
std::string LineCommentPart(std::string_view line);
/// Splits a text into fields: commas, spaces and tabs separate them, double quotes enclose a field.
/// A NUL ends the text; a quoted field with no closing quote runs to the end.
std::vector<std::string> SplitFields(std::string_view text);
/// As SplitFields, reusing the strings already in fields (the checker calls it for every line).
void SplitFieldsInto(std::string_view text, std::vector<std::string>& fields);
/// The fields joined by "," and a TAB.
std::string JoinFields(const std::vector<std::string>& fields);
/// The first run of digits and "-" in the text, read with the integer rule; 0 when there is none.
std::int32_t FirstNumberIn(std::string_view text);

/// The integer rule of LNZ fields: leading spaces, a sign, decimal digits or hexadecimal digits after
/// "$", "x", "X", "0x" or "0X"; the value must fit 32 bits signed. Raises EConvertError otherwise.
std::int32_t LNZStrToInt(std::string_view text);
/// The real rule: sign, digits, fraction after ".", exponent; kept in single precision.
/// Blanks, "inf", "nan" and values beyond the single-precision range raise EConvertError.
float LNZStrToFloat(std::string_view text);
/// The short real form: at most 7 significant digits, fixed or scientific ("1E-006") notation.
std::string FloatToShortText(float value);

} // namespace ballforge
