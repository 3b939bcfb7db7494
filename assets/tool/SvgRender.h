#pragma once

#include <QImage>

#include <cstdint>
#include <filesystem>
#include <vector>

namespace assets {

// Draws an SVG at the size its svg element declares in whole pixels, on transparent ground.
// Throws std::runtime_error naming the file when QtSvg cannot read it, warns while drawing it
// (it skips what it cannot draw and carries on), or when the drawing renders to nothing.
QImage renderSvg(const std::filesystem::path& drawing);

// The image as PNG bytes; `drawing` only names the source in the error.
std::vector<std::uint8_t> encodePng(const QImage& image, const std::filesystem::path& drawing);

}  // namespace assets
