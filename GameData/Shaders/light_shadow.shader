// Stages: vertex vsmain, pixel psmain
//
// The lit surfaces of "ShadowMat": the same storybook night as the standard
// shader (cool moonlight and night floor, the kid's warm lantern with its
// soft cone and filtered shadows, texture modulate, emissive glow), for the
// level geometry and props that receive the lantern's shadows. Keyframed
// meshes blend their two frames here too, so the material can be given to
// any model. The catalogue switches on WVPMatrix, WorldMatrix and
// ViewMatrix; the shadow materials' builder switches on the first two.

#ifdef VERTEX_STAGE

layout(location = LOCATION_POSITION) in vec3 aPositionA;
layout(location = LOCATION_NORMAL) in vec3 aNormalA;
layout(location = LOCATION_TEXCOORD) in vec2 aTexCoord;
layout(location = LOCATION_POSITION1) in vec3 aPositionB;
layout(location = LOCATION_NORMAL1) in vec3 aNormalB;

uniform mat4 WVPMatrix = mat4(1.0);
uniform mat4 WorldMatrix = mat4(1.0);
uniform float gAnimationInterpolant = 0.0;
uniform mat4 gKidLightVPMatrix = mat4(1.0);
uniform mat4 gKidLightViewMatrix = mat4(1.0);

layout(location = 0) out vec3 vWorldPosition;
layout(location = 1) out vec3 vWorldNormal;
layout(location = 2) out vec2 vTexCoord;
layout(location = 3) out vec4 vKidLightClip;
layout(location = 4) out float vKidLightDistance;

void vsmain()
{
    // Meshes without a second frame read (0, 0, 0) there and an interpolant of 0.
    vec3 position = mix(aPositionA, aPositionB, gAnimationInterpolant);
    vec3 normal = mix(aNormalA, aNormalB, gAnimationInterpolant);
    vec4 world = WorldMatrix * vec4(position, 1.0);
    gl_Position = WVPMatrix * vec4(position, 1.0);
    vWorldPosition = world.xyz;
    vWorldNormal = mat3(WorldMatrix) * normal;
    vTexCoord = aTexCoord;
    vKidLightClip = gKidLightVPMatrix * world;
    vKidLightDistance = -(gKidLightViewMatrix * world).z;
}

#endif

#ifdef PIXEL_STAGE

layout(binding = 0) uniform sampler2D gDiffuseMap;
layout(binding = 6) uniform sampler2D gKidLightShadowMapSampler;

uniform mat4 ViewMatrix = mat4(1.0);
uniform vec4 gEmissiveMaterial = vec4(0.0);
uniform vec4 gAmbientLight = vec4(0.0);

uniform int gKidLightType = 2;
uniform vec4 gKidLightDiffuse = vec4(0.0);
uniform vec4 gKidLightSpecular = vec4(0.0);
uniform vec4 gKidLightAmbient = vec4(0.0);
uniform vec3 gKidLightPosition = vec3(0.0);
uniform vec3 gKidLightDirection = vec3(0.0, -1.0, 0.0);
uniform float gKidLightRange = 100.0;
uniform float gKidLightFallOff = 1.0;
uniform float gKidLightConstAttn = 1.0;
uniform float gKidLightLinAttn = 0.0;
uniform float gKidLightQuadAttn = 0.0;
uniform float gKidLightInnerCone = 0.5;
uniform float gKidLightOuterCone = 1.0;

uniform vec4 gDirectionalDiffuse = vec4(0.0);
uniform vec3 gDirectionalDirection = vec3(-0.577, -0.577, -0.577);

layout(location = 0) in vec3 vWorldPosition;
layout(location = 1) in vec3 vWorldNormal;
layout(location = 2) in vec2 vTexCoord;
layout(location = 3) in vec4 vKidLightClip;
layout(location = 4) in float vKidLightDistance;

out vec4 fragColour;

// The blue of a night sky that nothing in the world falls below.
const vec3 kNightFloor = vec3(0.030, 0.042, 0.085);
// Moonlight is cool whatever colour the level gives its directional light.
const vec3 kMoonTint = vec3(0.70, 0.85, 1.30);
// The lantern burns warm: candle orange over whatever colour the light carries.
const vec3 kLanternTint = vec3(1.25, 0.95, 0.62);

vec3 SafeNormalize(vec3 v)
{
    float len = length(v);
    return len > 1e-6 ? v / len : vec3(0.0, 1.0, 0.0);
}

// The eye position of the view matrix (rows stored in order: V * p).
vec3 EyePosition()
{
    return -transpose(mat3(ViewMatrix)) * ViewMatrix[3].xyz;
}

// 1 where the kid's lantern reaches the point, 0 where a caster hides it,
// filtered over a 4 x 4 block of shadow-map texels (16 taps).
float KidLightShadow(vec3 normal, vec3 toLight)
{
    if (vKidLightClip.w <= 0.0) return 1.0;
    vec3 ndc = vKidLightClip.xyz / vKidLightClip.w;
    vec2 uv = ndc.xy * 0.5 + 0.5;
    if (any(lessThan(uv, vec2(0.0))) || any(greaterThan(uv, vec2(1.0)))) return 1.0;
    float depth = ndc.z * 0.5 + 0.5;
    // Grazing surfaces and distant ones need more bias against self-shadowing.
    float slope = 1.0 - clamp(dot(normal, toLight), 0.0, 1.0);
    float bias = (0.0004 + 0.0016 * slope) * (1.0 + 0.05 * max(vKidLightDistance, 0.0));
    vec2 texel = 1.0 / vec2(textureSize(gKidLightShadowMapSampler, 0));
    float lit = 0.0;
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            vec2 offset = (vec2(x, y) - 1.5) * texel;
            float occluder = 1.0 - texture(gKidLightShadowMapSampler, uv + offset).r;
            lit += depth - bias <= occluder ? 1.0 : 0.0;
        }
    }
    return lit / 16.0;
}

// The lantern's diffuse and highlight at the point.
vec3 KidLight(vec3 normal, vec3 toEye, vec3 albedo)
{
    vec3 toLight;
    float attenuation = 1.0;
    if (gKidLightType == 1) {
        toLight = SafeNormalize(-gKidLightDirection);
    } else {
        vec3 offset = gKidLightPosition - vWorldPosition;
        float distance = length(offset);
        toLight = offset / max(distance, 1e-4);
        float falloff = gKidLightConstAttn + gKidLightLinAttn * distance +
                        gKidLightQuadAttn * distance * distance;
        attenuation = 1.0 / max(falloff, 1e-3);
        attenuation *= 1.0 - smoothstep(0.85 * gKidLightRange, gKidLightRange, distance);
        if (gKidLightType == 2) {
            // Cone angles are whole angles: the edge sits at half of each.
            float cosine = dot(-toLight, SafeNormalize(gKidLightDirection));
            float outer = cos(0.5 * gKidLightOuterCone);
            float inner = cos(0.5 * max(gKidLightInnerCone, 0.0));
            float cone = smoothstep(outer, max(inner, outer + 1e-3), cosine);
            attenuation *= pow(cone, max(gKidLightFallOff, 0.01));
        }
    }
    if (attenuation <= 0.0) return gKidLightAmbient.rgb * albedo;
    float diffuse = max(dot(normal, toLight), 0.0);
    vec3 halfway = SafeNormalize(toLight + toEye);
    float highlight = diffuse > 0.0 ? pow(max(dot(normal, halfway), 0.0), 24.0) : 0.0;
    float shadow = KidLightShadow(normal, toLight);
    vec3 warm = gKidLightDiffuse.rgb * kLanternTint;
    vec3 lit = warm * albedo * diffuse + gKidLightSpecular.rgb * kLanternTint * highlight * 0.35;
    return gKidLightAmbient.rgb * albedo + lit * attenuation * shadow;
}

// Moonlight from the directional light, with a cool rim on silhouettes.
vec3 Moonlight(vec3 normal, vec3 toEye, vec3 albedo)
{
    vec3 toMoon = SafeNormalize(-gDirectionalDirection);
    // Wrapped diffuse keeps the unlit side of a shape readable at night.
    float wrapped = clamp((dot(normal, toMoon) + 0.35) / 1.35, 0.0, 1.0);
    vec3 moon = gDirectionalDiffuse.rgb * kMoonTint;
    float rim = pow(1.0 - clamp(dot(normal, toEye), 0.0, 1.0), 3.0);
    return moon * albedo * wrapped + (moon + kNightFloor) * rim * 0.6;
}

void psmain()
{
    vec4 albedo = texture(gDiffuseMap, vTexCoord);
    vec3 normal = SafeNormalize(vWorldNormal);
    // Without a view matrix (switched off) there is no eye: no rim, highlights from straight on.
    vec3 toEye = ViewMatrix == mat4(1.0) ? normal : SafeNormalize(EyePosition() - vWorldPosition);
    vec3 ambient = (gAmbientLight.rgb * kMoonTint + kNightFloor) * albedo.rgb;
    vec3 colour = ambient + Moonlight(normal, toEye, albedo.rgb) + KidLight(normal, toEye, albedo.rgb);
    fragColour = vec4(colour + gEmissiveMaterial.rgb, albedo.a);
}

#endif
