#include "engine/resource/cResource.h"

namespace Engine {

void cResource::InitResource(const std::string& new_name, const std::string& new_source) {
    if (!new_name.empty()) name = new_name;
    if (!new_source.empty()) source = new_source;
    refCount = 1;
}

int32_t cResource::DropRef() {
    if (refCount > 0) --refCount;
    return refCount;
}

void cResource::ClearIdentity() {
    name.clear();
    source.clear();
}

}  // namespace Engine
