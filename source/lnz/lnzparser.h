#pragma once
// The LNZ line model: one class per section kind that parses a body line into typed fields, writes
// it back in canonical form, describes it, and tells and renumbers the balls and textures it uses.
#include "lnz/LNZLineInterfaces.h"
#include "lnz/LNZParseErrors.h"
#include "lnz/TLNZAddball.h"
#include "lnz/TLNZBallProjection.h"
#include "lnz/TLNZBallRef.h"
#include "lnz/TLNZBallinfo.h"
#include "lnz/TLNZColourOverride.h"
#include "lnz/TLNZEyelidcolour.h"
#include "lnz/TLNZLine.h"
#include "lnz/TLNZLinez.h"
#include "lnz/TLNZOmissions.h"
#include "lnz/TLNZPaintball.h"
#include "lnz/TLNZThinfat.h"
#include "lnz/TLNZballsizeoverride.h"
#include "lnz/TLNZfuzzoverride.h"
#include "lnz/TLNZmove.h"
#include "lnz/TLNZtexturelist.h"
#include "lnz/TPFGenericLine.h"

#include <cstdint>
#include <memory>

namespace ballforge {

/// A line class: makes a new, empty line object.
using TLNZLineClass = std::unique_ptr<TLNZLine> (*)();

/// The class that parses the body lines of a section of this kind (TPFGenericLine for 0, 1 and unknown
/// kinds).
TLNZLineClass LineKindClass(std::uint8_t kind);

} // namespace ballforge
