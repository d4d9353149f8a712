#include "sprites/TSPRDecoder.h"

#include "sprites/TSPRAnimation.h"
#include "sprites/TSPRFrame.h"

#include <string>

namespace ballforge {

namespace {

// Raised with a description of where the container broke; callers see it as an EReadError.
class EContainerDamaged : public EReadError {
public:
    explicit EContainerDamaged(const std::string& what) : EReadError("Sprite container damaged: " + what) {}
};

[[noreturn]] void Fail(const std::string& what) {
    throw EContainerDamaged(what);
}

} // namespace

void TSPRDecoder::LoadFromStream(ByteReader& stream) {
    ClearAnimations();
    stream.seek(0);
    const std::uint32_t count = stream.u32();
    // Check every count against the bytes that are really there before allocating for it.
    if (std::uint64_t(count) * 4 > stream.remaining()) Fail("the offset table runs past the end");
    std::vector<std::uint32_t> starts(count);
    for (auto& s : starts)
        s = stream.u32();
    const std::uint64_t base = stream.position();

    for (std::uint32_t i = 0; i < count; ++i) {
        auto* anim = static_cast<TSPRAnimation*>(AddAnimation(std::make_unique<TSPRAnimation>()));
        const std::string where = "animation " + std::to_string(i);
        try {
            stream.seek(base + starts[i]);
            anim->name = stream.readString(stream.u8());
            stream.skip(1);
            anim->firstWord = stream.u32();
            const std::uint32_t frames = stream.u32();
            if (std::uint64_t(frames) * TSPRFrame::HeaderSize > stream.remaining())
                Fail(where + " announces more frame headers than the resource holds");
            std::vector<TSPRFrame*> added;
            added.reserve(frames);
            for (std::uint32_t f = 0; f < frames; ++f) {
                auto frame = std::make_unique<TSPRFrame>(&palette(), transparentIndex());
                frame->SetHeaderBytes(stream.take(TSPRFrame::HeaderSize));
                added.push_back(static_cast<TSPRFrame*>(anim->AddFrame(std::move(frame))));
            }
            anim->secondWord = stream.u32();
            for (std::uint32_t f = 0; f < frames; ++f) {
                const std::uint32_t size = stream.u32();
                if (size < 4) Fail(where + ", frame " + std::to_string(f) + ": data block size below 4");
                if (size - 4 > stream.remaining())
                    Fail(where + ", frame " + std::to_string(f) + ": data block runs past the end");
                const auto bytes = stream.take(size - 4);
                added[f]->pixelData.assign(bytes.begin(), bytes.end());
            }
        } catch (const EContainerDamaged&) {
            throw;
        } catch (const EReadError&) {
            Fail(where + " runs past the end"); // a plain short read: say where it happened
        }
    }
}

} // namespace ballforge
