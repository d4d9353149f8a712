#include "lnz/TLNZLine.h"

#include "lnz/LNZLineFields.h"

namespace ballforge {

using namespace lnzfields;

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

} // namespace ballforge
