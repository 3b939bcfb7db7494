#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "dabwick/Resources.h"

// Numbers stored in a built-in resource's bytes, for checking file headers.
namespace testsupport {

// A bitmap file's numbers: `bytes` bytes, least significant first.
inline std::uint32_t littleEndianAt(const dabwick::Resource& resource, std::size_t at, int bytes)
{
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | resource.bytes[at + std::size_t(i)];
    return value;
}

// Every built-in resource of one type, in table order.
inline std::vector<const dabwick::Resource*> resourcesOfType(std::string_view type)
{
    std::vector<const dabwick::Resource*> found;
    for (const dabwick::Resource& resource : dabwick::builtInResources().entries()) {
        if (resource.type == type)
            found.push_back(&resource);
    }
    return found;
}

}  // namespace testsupport
