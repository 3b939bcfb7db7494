#pragma once

#include <QImage>

#include "raster/Bitmap.h"

namespace assets {

// Black where the drawing's anti-aliased grey is darker than the ink threshold, white elsewhere:
// the pure line art that the fill and the region pass need.
raster::Bitmap lineArtFrom(const QImage& drawing);

// Fills with ink every white area smaller than `smallest` pixels. Lines that nearly touch leave
// such specks: no child could hit them, and a fill that cannot be seen only confuses.
void closeSpecks(raster::Bitmap& art, int smallest);

}  // namespace assets
