#include "dabwick/PaletteDropDown.h"

#include <algorithm>

namespace dabwick {

int dropDownWidth(const std::vector<std::string>& items, const std::function<int(const std::string&)>& textWidth,
    const DropDownPlace& place)
{
    if (place.fixedWidth >= 1)
        return std::max(place.fixedWidth, place.boxWidth);
    int width = 0;
    for (const std::string& item : items) {
        const int measured = textWidth(item) + place.scrollBarWidth + 8;
        if (measured > width)
            width = measured + 8;
    }
    if (place.boxLeft + width > place.screenRight)
        width = place.screenRight - place.boxLeft - 2;
    return std::max(width, place.boxWidth);
}

}  // namespace dabwick
