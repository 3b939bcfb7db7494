#pragma once

#include <array>
#include <string>

namespace dabwick {

struct DataFolderContent;

// The names of the built-in colouring pages; page i is resource "page" + i of type "image".
inline constexpr std::array<const char*, 36> kColouringPageNames = {
    "Beware of dog", "Boy and his dog", "Bunnies", "Butterfly", "circles", "Dabwick",
    "cruise", "Day at the park", "Down town", "Elves and their toys", "Fatherly advice", "Firehouse",
    "Fishing", "Flower", "Get the paper", "Girl and her dog", "Happy Birthday", "Haunted house",
    "Hello", "Home", "In the kitchen", "Knight and his horse", "Toby loves Tessa", "Tessa feeds Toby",
    "Mom and her kittens", "Old Car", "Pony ride", "Ready to go", "Santa", "Santa's helpers",
    "Shall we dance", "Silly Snakes", "The North pole", "The shed", "Under Water", "Zig Zag",
};

// The folder of the colouring pages inside the data folder.
inline constexpr const char* kColouringPageFolder = "coloring pages/";

// Writes every colouring page whose ".dwp" file is missing from the "coloring pages" folder;
// a page changed on disk stays as it is, a deleted one comes back.
void InstallColouringPages(const DataFolderContent& content);

}  // namespace dabwick
