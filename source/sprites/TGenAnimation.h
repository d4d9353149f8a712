#pragma once
// An animation: a named sequence of frames.
#include "sprites/TGenframe.h"

#include <memory>
#include <string>
#include <vector>

namespace ballforge {

/// Owns its frames in play order.
class TGenAnimation {
public:
    TGenAnimation() = default;
    virtual ~TGenAnimation() = default;
    TGenAnimation(const TGenAnimation&) = delete;
    TGenAnimation& operator=(const TGenAnimation&) = delete;

    std::size_t FrameCount() const { return frames_.size(); }
    TGenframe& Frame(std::size_t index) const { return *frames_.at(index); }
    /// Takes the frame and makes this animation its owner; answers it.
    TGenframe* AddFrame(std::unique_ptr<TGenframe> frame) {
        frame->owner = this;
        frames_.push_back(std::move(frame));
        return frames_.back().get();
    }

    std::string name; // 8-bit text as stored

private:
    std::vector<std::unique_ptr<TGenframe>> frames_;
};

} // namespace ballforge
