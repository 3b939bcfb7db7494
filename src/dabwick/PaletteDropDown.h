#pragma once

#include <functional>
#include <string>
#include <vector>

namespace dabwick {

// Where an editable list box (`TEnhCombo`: the palette chooser, the clip categories) drops its
// list, in screen pixels.
struct DropDownPlace {
    int fixedWidth = 0;  // `DropDownFixedWidth`; below 1 the items are measured
    int scrollBarWidth = 0;  // of a vertical scroll bar
    int boxLeft = 0;  // the box's left edge
    int boxWidth = 0;  // the list is never narrower than the box, as the system has it
    int screenRight = 0;  // the first column past the right edge of the screen
};

// The width of the dropped list. A fixed width of 1 or more is used as it is. Otherwise each item
// counts as its text width plus the scroll bar plus 8; an item wider than the width so far makes
// the width its own plus 8 (so an item at most 8 wider than an earlier one changes nothing), and a
// list that would reach past the screen's right edge is narrowed to end 2 pixels short of it.
// Either way the list is never narrower than the box.
int dropDownWidth(const std::vector<std::string>& items, const std::function<int(const std::string&)>& textWidth,
    const DropDownPlace& place);

}  // namespace dabwick
