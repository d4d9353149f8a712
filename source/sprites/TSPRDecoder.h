#pragma once
// Reader of the games' "SPR" sprite containers.
#include "sprites/TGendecoder.h"

namespace ballforge {

/// Loads an "SPR" resource into TSPRAnimation and TSPRFrame objects.
class TSPRDecoder : public TGendecoder {
public:
    using TGendecoder::LoadFromStream;
    void LoadFromStream(ByteReader& stream) override;
};

} // namespace ballforge
