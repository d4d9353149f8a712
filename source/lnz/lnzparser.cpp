#include "lnz/lnzparser.h"

#include "lnz/petzcommon.h"

namespace ballforge {

namespace {
template <class T> std::unique_ptr<TLNZLine> Make() {
    return std::make_unique<T>();
}
} // namespace

TLNZLineClass LineKindClass(std::uint8_t kind) {
    switch (kind) {
    case lkOmissions:
        return &Make<TLNZOmissions>;
    case lkEyelidColour:
        return &Make<TLNZEyelidcolour>;
    case lkMove:
        return &Make<TLNZmove>;
    case lkProjectBall:
        return &Make<TLNZBallProjection>;
    case lkAddBall:
        return &Make<TLNZAddball>;
    case lkLinez:
        return &Make<TLNZLinez>;
    case lkPaintBallz:
        return &Make<TLNZPaintball>;
    case lkBallzInfo:
        return &Make<TLNZBallinfo>;
    case lkTextureList:
        return &Make<TLNZtexturelist>;
    case lkColourOverride:
        return &Make<TLNZColourOverride>;
    case lkFuzzOverride:
        return &Make<TLNZfuzzoverride>;
    case lkBallSizeOverride:
        return &Make<TLNZballsizeoverride>;
    case lkThinFat:
        return &Make<TLNZThinfat>;
    default:
        return &Make<TPFGenericLine>;
    }
}

} // namespace ballforge
