// Button glyphs and the program picture: every drawing in assets/glyphs/ becomes a PNG resource of
// type "GLYPH", named after its file, at the size the drawing itself declares.
#include <algorithm>

#include "BuiltResource.h"
#include "SvgRender.h"

namespace assets {

std::vector<BuiltResource> buildGlyphs(const std::filesystem::path& assetsFolder)
{
    std::vector<std::filesystem::path> drawings;
    for (const auto& entry : std::filesystem::directory_iterator(assetsFolder / "glyphs")) {
        if (entry.path().extension() == ".svg")
            drawings.push_back(entry.path());
    }
    // Directory order differs between file systems; the table must not.
    std::sort(drawings.begin(), drawings.end());

    std::vector<BuiltResource> glyphs;
    for (const std::filesystem::path& drawing : drawings)
        glyphs.push_back({drawing.stem().string(), "GLYPH", encodePng(renderSvg(drawing), drawing)});
    return glyphs;
}

}  // namespace assets
