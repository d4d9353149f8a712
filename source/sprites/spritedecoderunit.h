#pragma once
// The sprite frame codec: "SPR" containers, their animations and frames, decoded to 32-bit pictures.
#include "formats/TBitmap32.h"
#include "sprites/TGenAnimation.h"
#include "sprites/TGendecoder.h"
#include "sprites/TGenframe.h"
#include "sprites/TSPRAnimation.h"
#include "sprites/TSPRDecoder.h"
#include "sprites/TSPRFrame.h"
