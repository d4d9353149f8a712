#include "formats/TOwnerInfoDecoder.h"

#include "formats/StreamHelpers.h"

namespace ballforge {

void TOwnerInfoDecoder::LoadFromStream(ByteReader& in) {
    ownerName = ReadString(in);
    comments = ReadString(in);
    adoptionDate = TimestampToDateTime(in.u32());
}

TBabyOwnerInfo ReadBabyOwnerInfo(std::span<const std::uint8_t> part) {
    ByteReader in(part);
    TBabyOwnerInfo info;
    in.skip(4);
    info.ownerName = ReadString(in);
    in.skip(4);
    info.adoptionDate = TimestampToDateTime(in.u32());
    return info;
}

} // namespace ballforge
