#include "lnz/LNZLineFields.h"

#include "lnz/LNZParseErrors.h"
#include "lnz/petzcommon.h"

namespace ballforge::lnzfields {

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

} // namespace ballforge::lnzfields
