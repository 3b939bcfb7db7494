#include "dabwick/PrintLayout.h"

#include <cstdlib>

namespace dabwick {

int SheetResolution(const std::vector<int>& offered)
{
    constexpr int kCommon = 300;
    int chosen = offered.empty() ? kCommon : offered.front();
    for (const int dotsPerInch : offered) {
        const int nearer = std::abs(dotsPerInch - kCommon) - std::abs(chosen - kCommon);
        if (nearer < 0 || (nearer == 0 && dotsPerInch < chosen))
            chosen = dotsPerInch;
    }
    return chosen;
}

PrintLayout LayOutPrintedPage(int width, int height)
{
    // 3 : 2 is near enough to the pad's 660 : 444 and keeps the steps whole pixels.
    int w = 0;
    int h = 0;
    while (h < height - 3 && w < width - 4) {
        w += 3;
        h += 2;
    }
    PrintLayout layout;
    const int left = (width - 1 - w) / 2;
    const int top = (height - 1 - h) / 2;
    layout.picture = {left, top, left + w, top + h};
    layout.creditLineTop = height - 101;
    return layout;
}

bool PictureFitsSheet(const PrintLayout& layout, int width, int height)
{
    const raster::Rect& r = layout.picture;
    return r.right > 0 && r.bottom > 0 && r.right <= width - 1 && r.bottom <= height - 1;
}

bool IsUncoloured(const raster::Bitmap& picture)
{
    for (int y = 0; y < picture.height(); ++y) {
        const std::uint8_t* row = picture.row(y);
        // A pixel is black or white exactly when its three bytes are all 0 or all 255.
        for (std::size_t i = 0; i < picture.rowBytes(); i += 3) {
            const std::uint8_t b = row[i];
            if ((b != 0 && b != 255) || row[i + 1] != b || row[i + 2] != b)
                return false;
        }
    }
    return true;
}

}  // namespace dabwick
