#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <cstdint>
#include <span>

// Decodes one of our PNGs; a null image when the bytes are not one. Only Qt's own PNG reader
// is asked, so the image-format plugins (SVG, JPEG and the rest) are never loaded.
QImage readPng(std::span<const std::uint8_t> bytes);

// The button glyphs and the program picture, drawn in assets/glyphs/ and kept in the resource
// table as PNGs of type "GLYPH" under the name of the control that shows them ("btnsave",
// "pattern_cross", "program"). Each is decoded once and then served from the pixmap cache.
// A name the table lacks gives a null pixmap or icon, so a button simply shows no picture.
QPixmap glyphPixmap(const char* name);
QIcon glyphIcon(const char* name);
