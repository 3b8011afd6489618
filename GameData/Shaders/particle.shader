// Stages: vertex ParticleVS, pixel ParticlePS
//
// Particles: camera-facing or ground-lying quads whose colour comes from the
// system's texture; each vertex carries only the particle's alpha, which
// fades the texture as the particle ages. The system's blend (alpha or
// additive) is the material's business, not the program's.

#ifdef VERTEX_STAGE

layout(location = LOCATION_POSITION) in vec3 aPosition;
layout(location = LOCATION_COLOUR) in vec4 aColour;
layout(location = LOCATION_TEXCOORD) in vec2 aTexCoord;

uniform mat4 WVPMatrix = mat4(1.0);

layout(location = 0) out vec2 vTexCoord;
layout(location = 1) out float vAlpha;

void ParticleVS()
{
    gl_Position = WVPMatrix * vec4(aPosition, 1.0);
    vTexCoord = aTexCoord;
    vAlpha = aColour.a;
}

#endif

#ifdef PIXEL_STAGE

layout(binding = 0) uniform sampler2D gDiffuseMap;

layout(location = 0) in vec2 vTexCoord;
layout(location = 1) in float vAlpha;

out vec4 fragColour;

void ParticlePS()
{
    vec4 texel = texture(gDiffuseMap, vTexCoord);
    fragColour = vec4(texel.rgb, texel.a * vAlpha);
}

#endif
