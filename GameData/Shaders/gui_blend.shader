// Stages: vertex GUIVSMain, pixel GUIPSMain
//
// The 2D layers: screen sprites and their cells. The sprite's texture,
// through the texture transform that picks its animation cell, is tinted by
// the sprite's colour constant: the colour's alpha fades the sprite, its
// red, green and blue add a glow over the sprite's opaque parts. The colour
// defaults to (0, 0, 0, 1), which leaves the texture as it is.

#ifdef VERTEX_STAGE

layout(location = LOCATION_POSITION) in vec3 aPosition;
layout(location = LOCATION_TEXCOORD) in vec2 aTexCoord;

uniform mat4 WVPMatrix = mat4(1.0);
uniform mat4 TextureMatrix = mat4(1.0);

layout(location = 0) out vec2 vTexCoord;

void GUIVSMain()
{
    gl_Position = WVPMatrix * vec4(aPosition, 1.0);
    // Two coordinates enter the texture transform as (u, v, 1, 0).
    vTexCoord = (TextureMatrix * vec4(aTexCoord, 1.0, 0.0)).xy;
}

#endif

#ifdef PIXEL_STAGE

layout(binding = 0) uniform sampler2D gDiffuseMap;
uniform vec4 gEmissiveColor = vec4(0.0, 0.0, 0.0, 1.0);

layout(location = 0) in vec2 vTexCoord;

out vec4 fragColour;

void GUIPSMain()
{
    vec4 texel = texture(gDiffuseMap, vTexCoord);
    fragColour = vec4(texel.rgb + gEmissiveColor.rgb * texel.a, texel.a * gEmissiveColor.a);
}

#endif
