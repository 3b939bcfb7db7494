#pragma once

#include <array>
#include <string>
#include <vector>

namespace dabwick {

struct DataFolderContent;

// The built-in palettes in slot order; slot i is resource "palette" + i of type "palette",
// written as name + ".dwl" into the palette folder.
inline constexpr std::array<const char*, 8> kPaletteNames
    = {"Dark", "Indoors", "Gradient", "Hot", "Ocean", "Outdoors", "Shades of grey", "Sepa"};
inline constexpr const char* kPaletteType = "palette";

// The folder of the palette files inside the data folder.
inline constexpr const char* kPaletteFolder = "Color palettes/";
inline constexpr const char* kPaletteExtension = ".dwl";

// Creates the palette folder, opens it to every user and writes every built-in palette whose
// file is missing. A palette changed on disk stays as it is; a deleted one comes back. A file
// that cannot be written is noted in the first-run record and the next palette is tried.
void InstallPalettes(const DataFolderContent& content);

// The names the palette chooser offers after "<Main>": every "*.dwl*" file of the palette folder,
// trimmed, without its last four characters, sorted without regard to case. An NTFS folder lists
// its files in that order anyway, and it keeps the list the same on every computer, where the
// raw order of a Linux folder changes from disk to disk.
std::vector<std::string> ListPalettes(const std::string& dataFolder);

}  // namespace dabwick
