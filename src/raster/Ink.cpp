#include "raster/Ink.h"

namespace raster {

namespace {

// Applies op to each of the three channel bytes of pixels [x0, x1), with the matching pen channel.
template <class Op> void forEachChannel(std::uint8_t* row, int x0, int x1, Colour colour, Op op)
{
    const std::uint8_t channels[3] = {colour.blue(), colour.green(), colour.red()};
    std::uint8_t* p = row + std::size_t(x0) * 3;
    for (int x = x0; x < x1; ++x, p += 3) {
        p[0] = op(p[0], channels[0]);
        p[1] = op(p[1], channels[1]);
        p[2] = op(p[2], channels[2]);
    }
}

// Visits only the painted columns: hatches paint one or two pixels in eight.
void hatchRow(std::uint8_t* row, int x0, int x1, Colour colour, std::uint8_t pattern)
{
    for (int column = 0; column < 8; ++column) {
        if (!(pattern & (1u << column)))
            continue;
        // The first x from x0 on with x % 8 == column.
        for (int x = x0 + ((column - x0) & 7); x < x1; x += 8)
            fillRow(row, x, x + 1, colour);
    }
}

}  // namespace

void inkPen(Bitmap& target, const SpanList& spans, const Pen& pen)
{
    const Colour c = pen.colour();
    for (const Span& s : spans) {
        std::uint8_t* row = target.row(s.y);
        switch (pen.mode()) {
        case PenMode::Copy:
            fillRow(row, s.x0, s.x1, c);
            break;
        case PenMode::NotXor:
            forEachChannel(
                row, s.x0, s.x1, c, [](std::uint8_t px, std::uint8_t pen) { return std::uint8_t(~(pen ^ px)); });
            break;
        case PenMode::Mask:
            forEachChannel(
                row, s.x0, s.x1, c, [](std::uint8_t px, std::uint8_t pen) { return std::uint8_t(pen & px); });
            break;
        }
    }
}

void inkBrush(Bitmap& target, const Span& span, const Brush& brush)
{
    const std::uint8_t pattern = brush.rowPattern(span.y);
    if (pattern == 0xFF)
        fillRow(target.row(span.y), span.x0, span.x1, brush.colour());
    else if (pattern != 0)
        hatchRow(target.row(span.y), span.x0, span.x1, brush.colour(), pattern);
}

void inkBrush(Bitmap& target, const SpanList& spans, const Brush& brush)
{
    for (const Span& s : spans)
        inkBrush(target, s, brush);
}

}  // namespace raster
