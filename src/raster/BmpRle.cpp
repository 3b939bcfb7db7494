// RLE8 and RLE4 decoding. The stream is a series of two-byte commands: a non-zero count repeats
// one byte (RLE8) or alternates its two nibbles (RLE4); a zero count escapes to end of line (0),
// end of bitmap (1), a delta jump (2, then dx and dy) or an absolute run of literal pixels (3 and
// up), padded to an even number of bytes. Rows run bottom-up. Some encoders compress the row's
// padding too, so a row holds as many pixels as its uncompressed form would, and those past the
// picture's width are dropped. Any command that would write or move beyond that refuses the whole
// file: guessing would only hide a damaged file.

#include "raster/BmpFormat.h"

namespace raster::bmp {

namespace {

class RleDecoder {
public:
    RleDecoder(std::span<const std::uint8_t> stream, const Layout& layout, Bitmap& out)
        : stream_(stream)
        , palette_(layout.palette)
        , out_(out)
        , rle4_(layout.info.compression == BmpCompression::Rle4)
        , capacity_(int(rowStride(std::uint64_t(out.width()), rle4_ ? 4 : 8) * (rle4_ ? 2 : 1)))
    {
    }

    std::string run()
    {
        for (;;) {
            if (!has(2))
                return truncated();
            const unsigned count = stream_[pos_];
            const unsigned value = stream_[pos_ + 1];
            pos_ += 2;
            std::string why;
            if (count > 0)
                why = repeatRun(count, value);
            else if (value == 0)
                why = endOfLine();
            else if (value == 1)
                return {};
            else if (value == 2)
                why = delta();
            else
                why = absoluteRun(value);
            if (!why.empty())
                return why;
        }
    }

private:
    bool has(std::size_t bytes) const { return stream_.size() - pos_ >= bytes; }

    static std::string truncated() { return "truncated: the RLE data ends before its end-of-bitmap mark"; }

    std::string where() const { return "column " + std::to_string(x_) + " of stored row " + std::to_string(row_); }

    // Empty when count pixels fit from the current position to the end of its stored row.
    std::string checkRun(unsigned count) const
    {
        if (row_ >= out_.height())
            return "an RLE run of " + std::to_string(count) + " pixels follows the last row";
        if (x_ + int(count) > capacity_)
            return "an RLE run of " + std::to_string(count) + " pixels at " + where() + " passes the end of the row";
        return {};
    }

    // Writes one pixel at the current position and moves right; the run was checked to fit.
    std::string put(unsigned index)
    {
        const int y = out_.height() - 1 - row_;
        if (x_ >= out_.width()) {
            ++x_;  // row padding
            return {};
        }
        if (index >= palette_.size())
            return badIndexMessage(x_, y, index, palette_.size());
        out_.setPixel(x_++, y, palette_[index]);
        return {};
    }

    std::string repeatRun(unsigned count, unsigned value)
    {
        if (std::string why = checkRun(count); !why.empty())
            return why;
        for (unsigned i = 0; i < count; ++i) {
            const unsigned index = !rle4_ ? value : i % 2 == 0 ? value >> 4 : value & 0x0F;
            if (std::string why = put(index); !why.empty())
                return why;
        }
        return {};
    }

    std::string absoluteRun(unsigned count)
    {
        const std::size_t bytes = rle4_ ? (count + 1) / 2 : count;
        if (!has(bytes + bytes % 2))
            return truncated();
        if (std::string why = checkRun(count); !why.empty())
            return why;
        const std::uint8_t* literal = stream_.data() + pos_;
        for (unsigned i = 0; i < count; ++i) {
            const unsigned index = !rle4_ ? literal[i] : i % 2 == 0 ? literal[i / 2] >> 4 : literal[i / 2] & 0x0F;
            if (std::string why = put(index); !why.empty())
                return why;
        }
        pos_ += bytes + bytes % 2;
        return {};
    }

    std::string endOfLine()
    {
        // One end of line may close the last row; a further one would leave the picture.
        if (row_ >= out_.height())
            return "an RLE end of line follows the last row";
        x_ = 0;
        ++row_;
        return {};
    }

    std::string delta()
    {
        if (!has(2))
            return truncated();
        const int dx = stream_[pos_];
        const int dy = stream_[pos_ + 1];
        pos_ += 2;
        if (x_ + dx > capacity_ || row_ + dy > out_.height())
            return "an RLE delta of (" + std::to_string(dx) + ", " + std::to_string(dy) + ") from " + where()
                + " leaves the picture";
        x_ += dx;
        row_ += dy;
        return {};
    }

    std::span<const std::uint8_t> stream_;
    const std::vector<Colour>& palette_;
    Bitmap& out_;
    bool rle4_;
    int capacity_;  // pixels in a stored row, padding included
    std::size_t pos_ = 0;
    int x_ = 0;
    int row_ = 0;  // stored row, counted from the bottom of the picture
};

}  // namespace

std::string decodeRle(std::span<const std::uint8_t> stream, const Layout& layout, Bitmap& out)
{
    return RleDecoder(stream, layout, out).run();
}

}  // namespace raster::bmp
