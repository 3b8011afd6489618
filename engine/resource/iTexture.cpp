#include "engine/resource/iTexture.h"

namespace Engine {

void iTexture::Setup(const std::string& new_name, const std::string& new_source, int32_t new_type,
                     int32_t new_width, int32_t new_height, int32_t new_mip_levels, int32_t new_format) {
    InitResource(new_name, new_source);
    type = new_type;
    width = new_width;
    height = new_height;
    mipLevels = new_mip_levels;
    format = new_format;
    stage = 0;
}

void iTexture::ClearDescription() {
    ClearIdentity();
    type = width = height = mipLevels = format = stage = 0;
}

}  // namespace Engine
