#include "BuiltResource.h"

namespace assets {

// Each builder lives in its own file.
std::vector<BuiltResource> buildClips(const std::filesystem::path& assetsFolder);
std::vector<BuiltResource> buildCursors(const std::filesystem::path& assetsFolder);
std::vector<BuiltResource> buildGlyphs(const std::filesystem::path& assetsFolder);
std::vector<BuiltResource> buildInstructions(const std::filesystem::path& assetsFolder);
std::vector<BuiltResource> buildOpening(const std::filesystem::path& assetsFolder);
std::vector<BuiltResource> buildPages(const std::filesystem::path& assetsFolder);
std::vector<BuiltResource> buildPalettes(const std::filesystem::path& assetsFolder);
std::vector<BuiltResource> buildTunes(const std::filesystem::path& assetsFolder);

const std::vector<Builder>& allBuilders()
{
    static const std::vector<Builder> builders = {
        {"button glyphs", buildGlyphs},
        {"clips", buildClips},
        {"cursors", buildCursors},
        {"instruction pages", buildInstructions},
        {"colouring pages", buildPages},
        {"opening drawing", buildOpening},
        {"palettes", buildPalettes},
        {"tunes", buildTunes},
    };
    return builders;
}

}  // namespace assets
