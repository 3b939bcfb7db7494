#include "BuiltResource.h"

namespace assets {

const std::vector<Builder>& allBuilders()
{
    static const std::vector<Builder> builders = {
        {"button glyphs", [](const std::filesystem::path& f) { std::vector<BuiltResource> buildGlyphs(const std::filesystem::path&); return buildGlyphs(f); }},
        {"instruction pages", [](const std::filesystem::path& f) { std::vector<BuiltResource> buildInstructions(const std::filesystem::path&); return buildInstructions(f); }},
        {"colouring pages", [](const std::filesystem::path& f) { std::vector<BuiltResource> buildPages(const std::filesystem::path&); return buildPages(f); }},
        {"tunes", [](const std::filesystem::path& f) { std::vector<BuiltResource> buildTunes(const std::filesystem::path&); return buildTunes(f); }},
    };
    return builders;
}

}  // namespace assets
