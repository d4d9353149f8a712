#include "sprites/TGendecoder.h"

namespace ballforge {

TGenAnimation* TGendecoder::AddAnimation(std::unique_ptr<TGenAnimation> animation) {
    animations_.push_back(std::move(animation));
    return animations_.back().get();
}

void TGendecoder::SetPalette(const TPetzPalette& palette) {
    palette_ = &palette;
    for (const auto& a : animations_)
        for (std::size_t i = 0; i < a->FrameCount(); ++i)
            a->Frame(i).palette = palette_;
}

} // namespace ballforge
