#pragma once
// Showing core 32-bit pictures in Qt without copying their pixels.
#include "formats/TBitmap32.h"

#include <QImage>

namespace ballforge {

/// A read-only QImage over the bitmap's own memory (0xAARRGGBB rows without padding are exactly
/// QImage::Format_ARGB32). The image is valid only while the bitmap lives and keeps its size.
inline QImage Bitmap32Image(const TBitmap32& bitmap) {
    return QImage(reinterpret_cast<const uchar*>(bitmap.Bits()), bitmap.width(), bitmap.height(),
                  qsizetype(bitmap.width()) * 4, QImage::Format_ARGB32);
}

} // namespace ballforge
