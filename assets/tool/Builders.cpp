#include "BuiltResource.h"

namespace assets {

const std::vector<Builder>& allBuilders()
{
    static const std::vector<Builder> builders = {};
    return builders;
}

}  // namespace assets
