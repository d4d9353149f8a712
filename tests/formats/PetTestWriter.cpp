#include "formats/PetTestWriter.h"

#include <algorithm>
#include <stdexcept>

namespace ballforge::test {

namespace {
void Put32(Bytes& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(std::uint8_t(v >> (8 * i)));
}
void PutString(Bytes& out, const std::string& s) {
    Put32(out, std::uint32_t(s.size()));
    out.insert(out.end(), s.begin(), s.end());
}
void Append(Bytes& out, const Bytes& b) {
    out.insert(out.end(), b.begin(), b.end());
}
void AppendText(Bytes& out, const std::string& s, bool withZero) {
    out.insert(out.end(), s.begin(), s.end());
    if (withZero) out.push_back(0);
}
void PutFields(Bytes& out, const AncestorSpec& r) {
    out.insert(out.end(), 16, r.identity);
    PutString(out, r.name);
    PutString(out, r.breed);
    PutString(out, r.owner);
    Put32(out, r.adoption);
    Put32(out, r.birth);
    Put32(out, r.generation);
    out.push_back(r.flags);
}
void PutRecord(Bytes& out, const AncestorSpec& r) {
    PutFields(out, r);
    for (const auto* parent : {&r.parent1, &r.parent2}) {
        if (*parent) {
            out.push_back(1);
            PutRecord(out, **parent);
        } else {
            out.push_back(r.noParentMarker);
        }
    }
}
std::uint32_t Sum(const Bytes& b, std::size_t from, std::size_t to) {
    std::uint32_t s = 0;
    for (std::size_t i = from; i < to; ++i)
        s += b[i];
    return s;
}
} // namespace

Bytes B(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

Bytes WriteAncestor(const AncestorSpec& record) {
    Bytes out;
    PutRecord(out, record);
    return out;
}

Bytes FamilyTreePart(const Bytes& record, const std::string& ownerName, const std::string& comments,
                     std::uint32_t adoption) {
    Bytes out = {0x10, 0, 0, 0};
    Append(out, record);
    PutString(out, ownerName);
    PutString(out, comments);
    Put32(out, adoption);
    return out;
}

Bytes AncestorChain(std::size_t depth) {
    Bytes out;
    for (std::size_t i = 0; i < depth; ++i) {
        AncestorSpec r;
        r.name = "G" + std::to_string(i);
        r.generation = std::uint32_t(i);
        PutFields(out, r);
        out.push_back(i + 1 < depth ? 1 : 0); // first parent
    }
    out.insert(out.end(), depth, 0); // every second parent marker, innermost first
    return out;
}

namespace {
Bytes Finish(Bytes header, const Bytes& body, const std::string& closing, const Bytes& picture) {
    const std::uint32_t bodySum = Sum(body, 0, body.size()) & 0xFFFF;
    header[798] = std::uint8_t(bodySum);
    header[799] = std::uint8_t(bodySum >> 8);
    const std::uint32_t headerSum = (Sum(header, 0, header.size()) - header[796] - header[797]) & 0xFFFF;
    header[796] = std::uint8_t(headerSum);
    header[797] = std::uint8_t(headerSum >> 8);
    Bytes out = header;
    Append(out, body);
    AppendText(out, closing, true);
    Append(out, picture);
    return out;
}
} // namespace

std::size_t PetHeaderSize(const PetSpec& recipe) {
    return recipe.formatTag == 0x0ACB0002 || recipe.formatTag == 0x0ACB0003 ? 816 : 800;
}

Bytes WritePet(const PetSpec& recipe) {
    Bytes header(PetHeaderSize(recipe), 0);
    for (std::size_t i = 0; i < header.size(); ++i)
        header[i] = std::uint8_t(i * 7 + 3); // unlisted bytes kept
    std::fill(header.begin() + 2, header.begin() + 514, 0);
    std::copy(recipe.petName.begin(), recipe.petName.begin() + std::min<std::size_t>(256, recipe.petName.size()),
              header.begin() + 2);
    std::copy(recipe.breedName.begin(), recipe.breedName.end(), header.begin() + 258);
    for (int i = 0; i < 4; ++i)
        header[792 + i] = std::uint8_t(recipe.formatTag >> (8 * i));
    const std::string a = "p.f.magicpetzIII";
    Bytes body;
    AppendText(body, a, true);
    Append(body, recipe.misc);
    AppendText(body, a, true);
    Append(body, recipe.adult);
    body.push_back(0);
    Put32(body, recipe.value);
    Append(body, recipe.child);
    body.push_back(0);
    Append(body, recipe.clothes);
    AppendText(body, a, true);
    Append(body, recipe.petzInfo);
    AppendText(body, a, true);
    Append(body, recipe.genome);
    AppendText(body, "PfMaGiCpEtZIII", true);
    Append(body, recipe.familyTree);
    return Finish(header, body, "PFMAGICPETZIII", recipe.picture);
}

Bytes BabyOwnerRecord(const std::string& owner, std::uint32_t adoption) {
    Bytes out = {9, 9, 9, 9};
    PutString(out, owner);
    Put32(out, 0x55555555);
    Put32(out, adoption);
    return out;
}

Bytes WriteBaby(const BabySpec& recipe) {
    Bytes header(1077, 0);
    for (std::size_t i = 0; i < header.size(); ++i)
        header[i] = std::uint8_t(i * 5 + 1);
    std::fill(header.begin() + 2, header.begin() + 514, 0);
    std::copy(recipe.name.begin(), recipe.name.end(), header.begin() + 2);
    Bytes body;
    AppendText(body, "pfmagic1", true);
    Append(body, recipe.colourInfo);
    AppendText(body, "pfmagic1", true);
    Append(body, recipe.adult);
    body.push_back(0);
    Put32(body, recipe.value);
    Append(body, recipe.child);
    body.push_back(0);
    Append(body, recipe.clothes);
    AppendText(body, "pfmagic1", true);
    Append(body, recipe.block1);
    AppendText(body, "pfmagic1", true);
    Append(body, recipe.genome);
    AppendText(body, "pfmagic3", true);
    Append(body, recipe.ownerInfo.empty() ? BabyOwnerRecord("Owner", 86400) : recipe.ownerInfo);
    return Finish(header, body, "pfmagic2", recipe.picture);
}

Bytes ReplaceFirst(Bytes bytes, const Bytes& what, const Bytes& with, std::size_t from) {
    auto it = std::search(bytes.begin() + std::ptrdiff_t(from), bytes.end(), what.begin(), what.end());
    if (it == bytes.end()) throw std::logic_error("ReplaceFirst: pattern not found");
    const auto at = it - bytes.begin();
    bytes.erase(it, it + std::ptrdiff_t(what.size()));
    bytes.insert(bytes.begin() + at, with.begin(), with.end());
    return bytes;
}

} // namespace ballforge::test
