#pragma once
// The abstract sprite container: a list of animations sharing one palette.
#include "documents/ByteReader.h"
#include "sprites/TGenAnimation.h"

#include <memory>
#include <span>
#include <vector>

namespace ballforge {

/// Owns the animations read from a container; every frame draws with the decoder's palette.
class TGendecoder {
public:
    TGendecoder() = default;
    virtual ~TGendecoder() = default;
    TGendecoder(const TGendecoder&) = delete;
    TGendecoder& operator=(const TGendecoder&) = delete;

    std::size_t AnimationCount() const { return animations_.size(); }
    TGenAnimation& Animation(std::size_t index) const { return *animations_.at(index); }
    TGenAnimation* AddAnimation(std::unique_ptr<TGenAnimation> animation);
    /// Frees every animation and its frames.
    void ClearAnimations() { animations_.clear(); }

    /// Hands the palette to every frame loaded so far and to those loaded later.
    void SetPalette(const TPetzPalette& palette);
    const TPetzPalette& palette() const { return *palette_; }
    std::int32_t transparentIndex() const { return transparentIndex_; }

    /// Replaces the animations by the container read from the start of the stream. A container that
    /// ends early raises EReadError and keeps what was read before the fault.
    virtual void LoadFromStream(ByteReader& stream) = 0;
    void LoadFromStream(std::span<const std::uint8_t> bytes) {
        ByteReader reader(bytes);
        LoadFromStream(reader);
    }

private:
    std::vector<std::unique_ptr<TGenAnimation>> animations_;
    const TPetzPalette* palette_ = &PaletteColours(pfpPetz);
    std::int32_t transparentIndex_ = SpriteTransparentIndex;
};

} // namespace ballforge
