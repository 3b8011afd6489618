#pragma once
// eSamplerState: the sampler states a texture stage has, and the values the
// filter and address states take, as the texture code numbers them.

#include <cstdint>

namespace Engine {

enum eSamplerState : int32_t {
    SS_MinFilter = 0,
    SS_MagFilter = 1,
    SS_MipFilter = 2,
    SS_AddressU = 3,
    SS_AddressV = 4,
    SS_AddressW = 5,
};

// Filter values; SF_None exists only for the mip filter (no mipmapping) and
// for stages the defaults switch off.
enum eSamplerFilter : int32_t {
    SF_Point = 0,
    SF_Linear = 1,
    SF_Anisotropic = 2,
    SF_None = 3,
};

enum eSamplerAddress : int32_t {
    SA_Wrap = 0,
    SA_Mirror = 1,
    SA_Clamp = 2,
};

constexpr int32_t kSamplerStateCount = 6;

// True for the state indices SetSamplerState acts on.
constexpr bool IsSamplerState(int32_t value) { return value >= SS_MinFilter && value <= SS_AddressW; }
// True for the value indices SetSamplerState accepts (filters and addresses alike).
constexpr bool IsSamplerValue(int32_t value) { return value >= 0 && value <= 2; }
// True for the filter states.
constexpr bool IsFilterState(int32_t state) { return state >= SS_MinFilter && state <= SS_MipFilter; }

}  // namespace Engine
