#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace dabwick {

// One piece of built-in content: a colouring page, palette, clip, tune, cursor or page of
// instructions, found by its name and type as the rest of the program knows it.
struct Resource {
    std::string_view name;
    std::string_view type;
    std::span<const std::uint8_t> bytes;
};

// The built-in content compiled into the program. Lookups ignore letter case, as they do
// for every name in the program.
class ResourceTable {
public:
    explicit ResourceTable(std::span<const Resource> entries) : entries_(entries) {}

    // The resource of that name and type, or nullptr when the program holds none.
    const Resource* find(std::string_view name, std::string_view type) const;
    std::span<const Resource> entries() const { return entries_; }

private:
    std::span<const Resource> entries_;
};

// The program's own table, generated from assets/ at build time and linked into the program.
const ResourceTable& builtInResources();

}  // namespace dabwick
