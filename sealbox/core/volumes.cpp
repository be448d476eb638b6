#include "sealbox/core/volumes.h"

#include "sealbox/core/file_search.h"

namespace vortalis {

std::string VolumeHolding(const std::string& folder, const std::vector<std::string>& mountPoints) {
    const std::string inside = WithTrailingSeparator(folder);
    std::string best = "/";
    for (const std::string& mountPoint : mountPoints) {
        if (inside.starts_with(WithTrailingSeparator(mountPoint)) &&
            mountPoint.size() > best.size())
            best = mountPoint;
    }
    return best;
}

}  // namespace vortalis
