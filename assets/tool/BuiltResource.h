#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace assets {

// One finished piece of built-in content, in the exact bytes the program will write out.
struct BuiltResource {
    std::string name;
    std::string type;
    std::vector<std::uint8_t> bytes;
};

// A builder turns one folder of editable sources under assets/ into finished resources.
// It throws std::runtime_error with a clear message when a source is broken.
struct Builder {
    const char* what;
    std::function<std::vector<BuiltResource>(const std::filesystem::path& assetsFolder)> build;
};

// Every builder of the program's content, in the order their resources enter the table.
const std::vector<Builder>& allBuilders();

}  // namespace assets
