// The program's named cursors: assets/cursors/<name>.svg, drawn at 32 by 32, becomes resource
// <name> of type "CURSOR" with the hot spot the cursor table gives it, in the format CursorLib.h
// describes.
#include <set>
#include <stdexcept>
#include <string>

#include "BuiltResource.h"
#include "SvgRender.h"
#include "ui/CursorLib.h"

namespace assets {

namespace {

std::vector<std::uint8_t> cursorBytes(const NamedCursor& cursor, const std::filesystem::path& drawing)
{
    const QImage picture = renderSvg(drawing);
    if (picture.width() != kCursorSize || picture.height() != kCursorSize)
        throw std::runtime_error(drawing.string() + ": a cursor is drawn at 32 by 32 pixels");
    if (!picture.rect().contains(cursor.hotX, cursor.hotY))
        throw std::runtime_error(drawing.string() + ": the hot spot lies outside the picture");
    std::vector<std::uint8_t> bytes = {std::uint8_t(cursor.hotX), std::uint8_t(cursor.hotY)};
    const std::vector<std::uint8_t> png = encodePng(picture, drawing);
    bytes.insert(bytes.end(), png.begin(), png.end());
    return bytes;
}

}  // namespace

std::vector<BuiltResource> buildCursors(const std::filesystem::path& assetsFolder)
{
    const std::filesystem::path folder = assetsFolder / "cursors";
    std::vector<BuiltResource> cursors;
    std::set<std::filesystem::path> used;
    for (const NamedCursor& cursor : kNamedCursors) {
        const std::filesystem::path drawing = folder / (std::string(cursor.name) + ".svg");
        cursors.push_back({cursor.name, "CURSOR", cursorBytes(cursor, drawing)});
        used.insert(drawing);
    }
    // A drawing no slot names would be left out without a word.
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (!used.contains(entry.path()))
            throw std::runtime_error(entry.path().string() + ": no cursor slot takes this file");
    }
    return cursors;
}

}  // namespace assets
