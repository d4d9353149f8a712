#pragma once
// Field helpers shared by the LNZ line classes (not part of the public model).
#include "lnz/LNZLineInterfaces.h"
#include "lnz/petzcommon.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace ballforge {

namespace lnzfields {

/// The fields of a code text; raises EPEWrongNum when there are fewer than required. The list is
/// reused by the next call on the same thread.
const std::vector<std::string>& FieldsOf(std::string_view code, int required);
/// Field i read with the integer rule.
std::int32_t Int(const std::vector<std::string>& fields, std::size_t i);
std::string Join(std::initializer_list<std::string> fields);
std::string S(std::int32_t v);
/// True when one of the references (null ones skipped) reads as number.
bool RefersTo(std::string_view number, std::initializer_list<const std::int32_t*> refs);
void Remap(const TNumberMap& map, std::int32_t& ref);
/// Follows an insertion or deletion; false when the deleted ball was this reference.
bool RenumberRequired(std::int32_t& ref, std::int32_t index, bool inserting);
/// As above, but a deleted reference is dropped (present becomes false).
void RenumberOptional(std::int32_t& ref, bool& present, std::int32_t index, bool inserting);
/// As above, but a deleted texture becomes -1 (no texture).
void RenumberTexture(std::int32_t& ref, std::int32_t index, bool inserting);

} // namespace lnzfields

} // namespace ballforge
