#include "dabwick/Resources.h"

#include "dabwick/Names.h"

namespace dabwick {

const Resource* ResourceTable::find(std::string_view name, std::string_view type) const
{
    for (const Resource& entry : entries_) {
        if (sameNameIgnoringCase(entry.name, name) && sameNameIgnoringCase(entry.type, type))
            return &entry;
    }
    return nullptr;
}

}  // namespace dabwick
