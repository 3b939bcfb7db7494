#pragma once

// Reading and writing Windows bitmap (BMP) files.
//
// Every picture, clip, palette and colouring page the program keeps on disk is a BMP file, and
// any of them may have been replaced by hand, so the reader treats its input as hostile: it checks
// each header field it uses against the bytes actually present before it allocates or decodes
// anything, and it answers with a Bitmap or with one sentence saying what is wrong. Nothing here
// throws. The file size and image size fields are not used: many writers get them wrong.
//
// Reading accepts 1, 4, 8, 16, 24 and 32 bits per pixel; uncompressed, RLE8, RLE4 and bit-field
// pixels; bottom-up and top-down rows; and the 12-byte core, 40/52/56-byte info, 64-byte OS/2,
// 108-byte V4 and 124-byte V5 headers. Alpha is dropped. A colour index beyond the file's colour
// table refuses the file rather than guessing a colour. Pixels that an RLE stream skips (delta,
// end of line, end of bitmap) take colour table entry 0; RLE pixels in a row's padding, which some
// encoders write, are dropped, but a run beyond the padding refuses the file.
//
// Writing produces the uncompressed bottom-up layouts with a 40-byte info header that the
// program's own files use: 24-bit for pictures and clips, 1, 4 and 8 bits with a full colour
// table for the built-in pages, clips and palettes.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "raster/Bitmap.h"
#include "raster/Colour.h"

namespace raster {

// What the codec hands back instead of throwing: a value, or a sentence saying why there is none.
template <typename T> struct BmpResult {
    std::optional<T> value;
    std::string error;  // empty exactly when value is set

    explicit operator bool() const { return value.has_value(); }
};

enum class BmpCompression { None, Rle8, Rle4, Bitfields };

// The shape of a BMP file as its headers declare it, once they have passed every check.
struct BmpInfo {
    int width = 0;
    int height = 0;  // always positive; topDown says which row comes first in the file
    int bitsPerPixel = 0;
    BmpCompression compression = BmpCompression::None;
    bool topDown = false;

    friend bool operator==(const BmpInfo&, const BmpInfo&) = default;
};

// Checks the headers, colour table and pixel-data extent of a BMP file without decoding pixels.
// Everything readBmp refuses because of a header is refused here with the same message; what only
// decoding finds (bad RLE streams, colour indexes beyond the table) passes.
BmpResult<BmpInfo> probeBmp(std::span<const std::uint8_t> file);

// Decodes a whole BMP file held in memory into a 24-bit Bitmap, or says why it cannot.
BmpResult<Bitmap> readBmp(std::span<const std::uint8_t> file);

// Reads the file at path and decodes it as readBmp does; a file that cannot be read is refused
// with the system's reason.
BmpResult<Bitmap> readBmpFile(const std::string& path);

struct BmpWriteOptions {
    std::int32_t pixelsPerMetre = 0;  // written as both resolutions; 3780 is 96 dots per inch
    bool recordImageSize = true;  // false leaves the image size field 0, as the built-in pages have it
};

// Encodes bitmap as an uncompressed bottom-up 24-bit BMP: 54 header bytes, then rows of three
// bytes a pixel padded to a multiple of four. An empty bitmap gives a header that readBmp refuses.
std::vector<std::uint8_t> encodeBmp24(const Bitmap& bitmap, const BmpWriteOptions& options = {});

// Encode bitmap as an uncompressed bottom-up indexed BMP of 1, 4 or 8 bits per pixel. The colour
// table holds 1 to 2, 16 or 256 colours; the file always carries the full table (unused entries
// black), so the pixel data starts at 62, 118 or 1078. Each pixel is written as the first table
// entry of exactly its colour; a pixel whose colour is not in the table fails the whole encoding.
BmpResult<std::vector<std::uint8_t>> encodeBmp1(
    const Bitmap& bitmap, std::span<const Colour> table, const BmpWriteOptions& options = {});
BmpResult<std::vector<std::uint8_t>> encodeBmp4(
    const Bitmap& bitmap, std::span<const Colour> table, const BmpWriteOptions& options = {});
BmpResult<std::vector<std::uint8_t>> encodeBmp8(
    const Bitmap& bitmap, std::span<const Colour> table, const BmpWriteOptions& options = {});

}  // namespace raster
