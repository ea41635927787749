#include "platform/common/ResourceTable.h"

namespace platform {

std::span<const uint8_t> findResource(ResourceType type, int id) {
    for (std::size_t i = 0; i < resourceCount; ++i) {
        const ResourceEntry& entry = resourceTable[i];
        if (entry.type == type && entry.id == id) return {entry.data, entry.size};
    }
    return {};
}

}  // namespace platform
