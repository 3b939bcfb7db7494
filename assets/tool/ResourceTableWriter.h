#pragma once

#include <filesystem>
#include <vector>

#include "BuiltResource.h"

namespace assets {

// Writes each resource's bytes to outFolder/blobs/ and outFolder/resource_table.cpp, which
// embeds them with the assembler's .incbin and defines dabwick::builtInResources().
// Also writes outFolder/manifest.tsv: blob file, type and name, one resource a line.
// Refuses two resources whose names and types differ only in letter case.
void writeResourceTable(const std::vector<BuiltResource>& resources, const std::filesystem::path& outFolder);

}  // namespace assets
