#pragma once

#include <QIcon>
#include <QPixmap>

// The button glyphs and the program picture, drawn in assets/glyphs/ and kept in the resource
// table as PNGs of type "GLYPH" under the name of the control that shows them ("btnsave",
// "pattern_cross", "program"). Each is decoded once and then served from the pixmap cache.
// A name the table lacks gives a null pixmap or icon, so a button simply shows no picture.
QPixmap glyphPixmap(const char* name);
QIcon glyphIcon(const char* name);
